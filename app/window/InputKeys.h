// Keys and mouse state, translated from the toolkit's terms into the shift
// byte and key codes the renderer understands.
#pragma once

#include <wx/event.h>
#include <wx/mousestate.h>

#include <cstdint>

// The arrows (plain or on the keypad) as 37..40; 0 for any other key.
int KeyCodeOf(int wxKey);
// Shift, Alt and Ctrl as ssShift, ssAlt and ssCtrl.
uint8_t KeyShift(const wxKeyboardState& state);
// KeyShift and the mouse buttons held (ssLeft, ssRight, ssMiddle).
uint8_t MouseShift(const wxMouseState& state);
// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, the menu's shortcuts for undo and redo.
bool IsHistoryKey(const wxKeyEvent& event);

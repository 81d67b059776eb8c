// Keys and mouse state, translated from the toolkit's terms into the shift
// byte and key codes the renderer understands.
#pragma once

#include <wx/event.h>
#include <wx/mousestate.h>

#include <cstdint>
#include <functional>
#include <initializer_list>

class wxFrame;
class wxMenuBar;
class wxWindow;

// The arrows (plain or on the keypad) as 37..40; 0 for any other key.
int KeyCodeOf(int wxKey);
// Shift, Alt and Ctrl as ssShift, ssAlt and ssCtrl.
uint8_t KeyShift(const wxKeyboardState& state);
// KeyShift and the mouse buttons held (ssLeft, ssRight, ssMiddle).
uint8_t MouseShift(const wxMouseState& state);
// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, the menu's shortcuts for undo and redo.
bool IsHistoryKey(const wxKeyEvent& event);
// The shortcut of a greyed menu item. The toolkit would flip a greyed check
// item's mark on it without running the command, and the mark would then
// tell the opposite of the state: such a key goes no further.
bool IsGreyedShortcut(const wxMenuBar& bar, const wxKeyEvent& event);

// Sums wheel amounts; each full delta (120 when the toolkit gives none) is
// one notch, towards the screen for a positive sum.
class WheelNotches {
 public:
  // The notches completed by this amount: positive up, negative down.
  int Add(int rotation, int delta);

 private:
  int remainder_ = 0;
};

// What the frame hands on: every key of the window, whichever child has the
// focus (not consumed), and the wheel over the frame and over bars.
struct FrameInput {
  std::function<void(int key, uint8_t shift)> Key;  // key: 37..40, or 0 for another
  std::function<void()> Home;                        // Home, plain or on the keypad
  std::function<bool()> Escape;                      // true: used, and the key goes no further
  std::function<void(int rotation, int delta, uint8_t shift)> Wheel;
  // A letter (upper case) or digit with neither Ctrl nor Alt, and Shift.
  std::function<void(char key, bool shift)> Letter;
  // Ctrl+C.
  std::function<void()> Copy;
  // Asked first of every key: true when it took the key, which then goes no further.
  std::function<bool()> AnyKey;
  // Asked before AnyKey, with the toolkit's key code; true when it took the key.
  std::function<bool(int wxKey)> Taken;
};
void BindFrameInput(wxFrame& frame, std::initializer_list<wxWindow*> bars, FrameInput input);

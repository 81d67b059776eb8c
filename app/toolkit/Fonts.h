// Tahoma where the desktop has it, as the game was drawn for; the desktop's
// own fonts otherwise.
#pragma once

#include <wx/font.h>

class wxWindow;

// The main window's fonts, by height in pixels (11 for the window, 14 and
// 19 for the counter and the clock).
wxFont WindowFont(int pixels);
// Tahoma 8 pt for a dialog and, through inheritance, its children; call
// before the children are made.
void UseDialogFont(wxWindow& window);

// Tahoma where the desktop has it, as the game was drawn for; the desktop's
// own fonts otherwise.
#pragma once

#include <wx/font.h>

#include <wx/string.h>

class wxWindow;

// The main window's fonts, by height in pixels (11 for the window, 14 and
// 19 for the counter and the clock).
wxFont WindowFont(int pixels);
// Tahoma 8 pt for a dialog and, through inheritance, its children; call
// before the children are made.
void UseDialogFont(wxWindow& window);
// Breaks text at spaces into lines no wider than width pixels in the
// window's font (for a check box, whose label the toolkit does not wrap).
wxString WrapText(const wxWindow& window, const wxString& text, int width);

// Tahoma where the desktop has it, as the game was drawn for; the desktop's
// own fonts otherwise.
#pragma once

#include <wx/font.h>

#include <wx/string.h>

class wxWindow;

// How much larger than at 96 DPI the desktop draws text (its text scaling,
// GDK_DPI_SCALE): 1.5 at 144 DPI. A desktop scaled as a whole (GDK_SCALE)
// is not counted: the toolkit scales every drawing alike there.
double DesktopTextScale();
// A length in pixels at 96 DPI scaled so for the desktop's text (at least 1).
int TextPixels(int pixels);
// The main window's fonts, by height in pixels at 96 DPI (11 for the
// window, 14 and 19 for the counter and the clock), scaled with the
// desktop's text as fonts given in points are.
wxFont WindowFont(int pixels);
// Tahoma 8 pt for a dialog and, through inheritance, its children; call
// before the children are made.
void UseDialogFont(wxWindow& window);
// Breaks text at spaces into lines no wider than width pixels in the
// window's font (for a check box, whose label the toolkit does not wrap).
wxString WrapText(const wxWindow& window, const wxString& text, int width);

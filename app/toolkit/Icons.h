// The command icons (index 0 Start over, 1 Open, 2 Save, 3 Stop!,
// 4 Settings, 5 Help, 6 Exit, 7 Undo a turn, 8 Redo a turn, 9 Hint) and the application icon, from the pictures
// embedded in the game.
#pragma once

#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>
#include <wx/imaglist.h>

#include <vector>

constexpr int kCommandIconCount = 10;

// The sets with an alpha channel on systems that report a version above
// 4.0 (major above 4 and minor above 0), the masked sets otherwise; both
// lists stay empty when the version cannot be told.
void FillCommandImageLists(wxImageList& Small, wxImageList& Big);
// The same icons, each with its picture at twice the size, from which the
// toolkit takes the one for the desktop's scale: the menu's (Big false, 16
// pixels) or the button bar's (32 pixels). Empty when the lists would be.
std::vector<wxBitmapBundle> CommandIconBundles(bool Big);
wxIconBundle ApplicationIcons();

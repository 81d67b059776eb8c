// What the game asks of wxWidgets and GTK beyond their defaults.
#pragma once

#include <functional>

class wxMenuBar;
class wxToolBar;
class wxWindow;

// Asks the toolkit for Russian texts in its own dialogs and buttons (the
// catalogues of wxWidgets and GTK) when the system has a Russian locale.
// Numbers keep the C format. Returns whether Russian is in use; call once,
// before any window is made.
bool AskToolkitForRussian();

// GTK 3 hides the images of menu items unless asked; shows them on every
// item of the bar that has one.
void ShowMenuImages(wxMenuBar& bar);
// The bar's buttons a little narrower than the theme draws them, so that
// every command fits the window's width.
void CompactToolButtons(wxToolBar& bar);

// Whether any of the window can be on screen: false while its top-level
// window is minimised, withdrawn or unmapped (the toolkit's own flags miss
// a minimise done by the window manager), and while the window is fully
// covered by others if WatchCovering watches it.
bool WindowCanBeSeen(wxWindow& window);

// Has the window system report when the window becomes fully covered and
// when any of it shows again; Changed runs after each report. A compositing
// desktop never reports a window covered, so it is then always seen.
void WatchCovering(wxWindow& window, std::function<void()> Changed);

// Changed runs whenever the desktop's content scale of the window changes
// (the window moved to a screen of another scale, or the desktop's scale was
// set anew): its size in device pixels changes with no change of its size in
// the toolkit's units, so no size event tells.
void WatchContentScale(wxWindow& window, std::function<void()> Changed);

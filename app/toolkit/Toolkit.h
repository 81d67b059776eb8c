// What the game asks of wxWidgets and GTK beyond their defaults.
#pragma once

class wxMenuBar;
class wxWindow;

// Asks the toolkit for Russian texts in its own dialogs and buttons (the
// catalogues of wxWidgets and GTK) when the system has a Russian locale.
// Numbers keep the C format. Returns whether Russian is in use; call once,
// before any window is made.
bool AskToolkitForRussian();

// GTK 3 hides the images of menu items unless asked; shows them on every
// item of the bar that has one.
void ShowMenuImages(wxMenuBar& bar);

// Whether any of the window can be on screen: false while its top-level
// window is minimised, withdrawn or unmapped (the toolkit's own flags miss
// a minimise done by the window manager).
bool WindowCanBeSeen(wxWindow& window);

// The main window's place on the desktop: opened where the settings say (on a
// screen that is there now), and remembered in its last normal state, so that
// a window closed maximised or full screen comes back to the size it had.
#pragma once

#include <wx/gdicmn.h>

#include "app/settings/WindowPlace.h"

class wxTopLevelWindow;

class WindowPlacement {
 public:
  // Follows the window's moves and sizes from now on.
  explicit WindowPlacement(wxTopLevelWindow& window);

  // Before the window is first shown: the saved place, else the first start's
  // client size, centred.
  void Restore(const WindowPlace& saved, wxSize firstClientSize);
  // Where it is, or was before it was maximised or made full screen.
  WindowPlace Place() const;

 private:
  void Remember();

  wxTopLevelWindow& window_;
  WindowPlace normal_;
};

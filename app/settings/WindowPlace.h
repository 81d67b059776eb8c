// Where the main window was when the game last ended, and where it may open
// now that the screens may be others.
#pragma once

#include <cstdint>
#include <vector>

class IniFile;

struct ScreenRect {
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

// The frame's top-left corner and its client size, in the desktop's logical
// pixels; when maximised, the size it goes back to.
struct WindowPlace {
  bool Known = false;  // false: open as a first start does, centred
  int32_t Left = 0, Top = 0, Width = 0, Height = 0;
  bool Maximized = false;
};

// Unknown unless every key is there and the size is one the window can take.
WindowPlace ReadWindowPlace(const IniFile& ini, const char* section);
// Nothing for an unknown place.
void WriteWindowPlace(IniFile& ini, const char* section, const WindowPlace& place);

// The place on the screens there are now (the first is the primary one): a
// window whose title bar would be out of reach on every screen opens centred
// on the primary one, and none opens bigger than the screen it lands on.
// `frame` is what the title bar and borders add to the client size.
WindowPlace FitOnScreens(WindowPlace place, const std::vector<ScreenRect>& screens, ScreenRect frame);

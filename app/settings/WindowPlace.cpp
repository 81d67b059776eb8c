#include "app/settings/WindowPlace.h"

#include <algorithm>
#include <climits>

#include "files/IniFile.h"

namespace {

// Smaller than this the picture and the bars cannot be used; larger is a
// value no screen has.
constexpr int32_t kSmallest = 160;
constexpr int32_t kLargest = 16384;

// Enough of the title bar to take hold of with the mouse.
constexpr int32_t kGrip = 48;

bool Holds(const ScreenRect& screen, int32_t x, int32_t y) {
  return x >= screen.Left && x < screen.Left + screen.Width && y >= screen.Top && y < screen.Top + screen.Height;
}

}  // namespace

WindowPlace ReadWindowPlace(const IniFile& ini, const char* section) {
  WindowPlace place;
  const int left = ini.ReadInteger(section, "WindowLeft", INT_MIN);
  const int top = ini.ReadInteger(section, "WindowTop", INT_MIN);
  const int width = ini.ReadInteger(section, "WindowWidth", 0);
  const int height = ini.ReadInteger(section, "WindowHeight", 0);
  const auto usable = [](int extent) { return extent >= kSmallest && extent <= kLargest; };
  if (left == INT_MIN || top == INT_MIN || !usable(width) || !usable(height)) return place;
  if (left < -kLargest || left > kLargest || top < -kLargest || top > kLargest) return place;
  place = {true, left, top, width, height, ini.ReadInteger(section, "WindowMaximized", 0) != 0};
  return place;
}

void WriteWindowPlace(IniFile& ini, const char* section, const WindowPlace& place) {
  if (!place.Known) return;
  ini.WriteInteger(section, "WindowLeft", place.Left);
  ini.WriteInteger(section, "WindowTop", place.Top);
  ini.WriteInteger(section, "WindowWidth", place.Width);
  ini.WriteInteger(section, "WindowHeight", place.Height);
  ini.WriteInteger(section, "WindowMaximized", place.Maximized ? 1 : 0);
}

WindowPlace FitOnScreens(WindowPlace place, const std::vector<ScreenRect>& screens, ScreenRect frame) {
  if (!place.Known || screens.empty()) return place;
  // The title bar's middle, or a grip's width of its left end, on some screen.
  const int32_t outerWidth = place.Width + frame.Width;
  const int32_t barY = place.Top + std::max(frame.Height, 2) / 2;
  const int32_t gripX = place.Left + std::min(kGrip, outerWidth / 2);
  const auto found = std::find_if(screens.begin(), screens.end(), [&](const ScreenRect& s) {
    return Holds(s, gripX, barY) || Holds(s, place.Left + outerWidth / 2, barY);
  });
  const ScreenRect& screen = found == screens.end() ? screens.front() : *found;
  place.Width = std::clamp(place.Width, std::min(kSmallest, screen.Width), std::max(screen.Width - frame.Width, 1));
  place.Height =
      std::clamp(place.Height, std::min(kSmallest, screen.Height), std::max(screen.Height - frame.Height, 1));
  if (found == screens.end()) {
    place.Left = screen.Left + (screen.Width - place.Width - frame.Width) / 2;
    place.Top = screen.Top + (screen.Height - place.Height - frame.Height) / 2;
  }
  return place;
}

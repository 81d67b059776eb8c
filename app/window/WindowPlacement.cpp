#include "app/window/WindowPlacement.h"

#include <wx/display.h>
#include <wx/toplevel.h>

#include <vector>

namespace {

ScreenRect AsScreen(const wxRect& r) { return {r.x, r.y, r.width, r.height}; }

// The primary screen first, as FitOnScreens expects.
std::vector<ScreenRect> ScreensNow() {
  std::vector<ScreenRect> screens;
  for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
    const wxDisplay display(i);
    const ScreenRect area = AsScreen(display.GetClientArea());
    if (display.IsPrimary()) {
      screens.insert(screens.begin(), area);
    } else {
      screens.push_back(area);
    }
  }
  return screens;
}

}  // namespace

WindowPlacement::WindowPlacement(wxTopLevelWindow& window) : window_(window) {
  const auto remember = [this](wxEvent& event) {
    Remember();
    event.Skip();
  };
  window_.Bind(wxEVT_SIZE, remember);
  window_.Bind(wxEVT_MOVE, remember);
}

void WindowPlacement::Restore(const WindowPlace& saved, wxSize firstClientSize) {
  const wxSize borders = window_.GetSize() - window_.GetClientSize();
  const WindowPlace place = FitOnScreens(saved, ScreensNow(), {0, 0, borders.x, borders.y});
  if (!place.Known) {
    window_.SetClientSize(firstClientSize);
    window_.Centre();
    return;
  }
  normal_ = place;
  normal_.Maximized = false;
  window_.SetClientSize(place.Width, place.Height);
  window_.Move(place.Left, place.Top);
  if (place.Maximized) window_.Maximize();
}

WindowPlace WindowPlacement::Place() const {
  WindowPlace place = normal_;
  if (!place.Known) {
    const wxPoint at = window_.GetPosition();
    const wxSize client = window_.GetClientSize();
    place = {true, at.x, at.y, client.x, client.y, false};
  }
  // Full screen is left at the next start; maximised is kept.
  place.Maximized = window_.IsMaximized() || (window_.IsFullScreen() && normal_.Maximized);
  return place;
}

void WindowPlacement::Remember() {
  if (!window_.IsShown() || window_.IsIconized() || window_.IsFullScreen()) return;
  if (window_.IsMaximized()) {
    normal_.Maximized = true;
    return;
  }
  const wxPoint at = window_.GetPosition();
  const wxSize client = window_.GetClientSize();
  normal_ = {true, at.x, at.y, client.x, client.y, false};
}

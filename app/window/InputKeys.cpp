#include "app/window/InputKeys.h"

#include <wx/accel.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <memory>

#include "render/VekGL.h"

int KeyCodeOf(int wxKey) {
  switch (wxKey) {
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return 37;
    case WXK_UP: case WXK_NUMPAD_UP: return 38;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return 39;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return 40;
    default: return 0;  // the renderer knows only the arrows
  }
}

uint8_t KeyShift(const wxKeyboardState& state) {
  uint8_t shift = 0;
  if (state.ShiftDown()) shift |= ssShift;
  if (state.AltDown()) shift |= ssAlt;
  if (state.RawControlDown()) shift |= ssCtrl;
  return shift;
}

uint8_t MouseShift(const wxMouseState& state) {
  uint8_t shift = KeyShift(state);
  if (state.LeftIsDown()) shift |= ssLeft;
  if (state.RightIsDown()) shift |= ssRight;
  if (state.MiddleIsDown()) shift |= ssMiddle;
  return shift;
}

bool IsHistoryKey(const wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  return event.RawControlDown() && !event.AltDown() && (key == 'Z' || key == 'Y');
}

namespace {
bool IsShortcutOf(const wxMenuItem& item, const wxKeyEvent& event) {
  int flags = wxACCEL_NORMAL;
  if (event.RawControlDown()) flags |= wxACCEL_CTRL;
  if (event.ShiftDown()) flags |= wxACCEL_SHIFT;
  if (event.AltDown()) flags |= wxACCEL_ALT;
  auto same = [&](const wxAcceleratorEntry& accel) {
    return accel.GetFlags() == flags && accel.GetKeyCode() == event.GetKeyCode();
  };
  const std::unique_ptr<wxAcceleratorEntry> accel(item.GetAccel());
  if (accel && same(*accel)) return true;
  for (const wxAcceleratorEntry& extra : item.GetExtraAccels()) {
    if (same(extra)) return true;
  }
  return false;
}
}  // namespace

bool IsGreyedShortcut(const wxMenuBar& bar, const wxKeyEvent& event) {
  for (size_t m = 0; m < bar.GetMenuCount(); ++m) {
    for (const wxMenuItem* item : bar.GetMenu(m)->GetMenuItems()) {
      if (!item->IsSeparator() && !item->IsEnabled() && IsShortcutOf(*item, event)) return true;
    }
  }
  return false;
}

int WheelNotches::Add(int rotation, int delta) {
  if (delta <= 0) delta = 120;
  remainder_ += rotation;
  const int notches = remainder_ / delta;  // towards zero: a part notch waits
  remainder_ -= notches * delta;
  return notches;
}

void BindFrameInput(wxFrame& frame, std::initializer_list<wxWindow*> bars, FrameInput input) {
  // The wheel is taken at the frame: GTK passes a scroll that a child of the
  // client area (the canvas included) leaves alone up to it. The bars lie
  // outside that area and take their own. Each is handled where it is taken,
  // so that it travels no further and a notch counts once.
  auto wheel = [wheel = input.Wheel](wxMouseEvent& event) {
    wheel(event.GetWheelRotation(), event.GetWheelDelta(), MouseShift(event));
  };
  frame.Bind(wxEVT_MOUSEWHEEL, wheel);
  for (wxWindow* bar : bars) bar->Bind(wxEVT_MOUSEWHEEL, wheel);
  frame.Bind(wxEVT_CHAR_HOOK, [&frame, input](wxKeyEvent& event) {
    if (input.Taken && input.Taken(event.GetKeyCode())) return;
    if (input.AnyKey && input.AnyKey()) return;
    if (frame.GetMenuBar() && IsGreyedShortcut(*frame.GetMenuBar(), event)) return;
    const int key = event.GetKeyCode();
    if (key == WXK_ESCAPE && input.Escape && input.Escape()) return;
    const bool plain = !event.RawControlDown() && !event.AltDown();
    if (key == WXK_HOME || key == WXK_NUMPAD_HOME) {
      input.Home();
    } else if (plain && input.Letter && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))) {
      input.Letter(static_cast<char>(key), event.ShiftDown());
    } else if (event.RawControlDown() && !event.AltDown() && key == 'C' && input.Copy) {
      input.Copy();
    } else {
      input.Key(KeyCodeOf(key), KeyShift(event));
    }
    event.Skip();
  });
}

#include "app/window/InputKeys.h"

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

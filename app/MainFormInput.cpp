// Mouse, wheel and keys, translated from the toolkit's terms into the
// shift byte and key codes the renderer understands.
#include "app/GLCanvasWindow.h"
#include "app/MainForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
constexpr int kNotch = 120;

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
}  // namespace

uint8_t TMainForm::ShiftOf(const wxMouseState& state) const {
  uint8_t shift = KeyShift(state);
  if (state.LeftIsDown()) shift |= ssLeft;
  if (state.RightIsDown()) shift |= ssRight;
  if (state.MiddleIsDown()) shift |= ssMiddle;
  return shift;
}

void TMainForm::BindInput() {
  wxGLCanvas* canvas = DrawWindow->Canvas();
  auto down = [this, canvas](wxMouseEvent& event) {
    // Moves outside the panel keep coming while a button is held.
    if (!canvas->HasCapture()) canvas->CaptureMouse();
    canvas->SetFocus();
    DrawPanelMouseDown();
    event.Skip();
  };
  auto up = [this, canvas](wxMouseEvent& event) {
    if (canvas->HasCapture() && !wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY)) {
      canvas->ReleaseMouse();
    }
    DrawPanelMouseUp();
    event.Skip();
  };
  using MouseEventType = wxEventTypeTag<wxMouseEvent>;
  for (const MouseEventType& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN,
                                     wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DCLICK, wxEVT_MIDDLE_DCLICK}) {
    canvas->Bind(type, down);
  }
  for (const MouseEventType& type : {wxEVT_LEFT_UP, wxEVT_RIGHT_UP, wxEVT_MIDDLE_UP}) {
    canvas->Bind(type, up);
  }
  canvas->Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
  canvas->Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    DrawPanelMouseMove(ShiftOf(event), event.GetX(), event.GetY());
    event.Skip();
  });
  auto wheel = [this](wxMouseEvent& event) {
    FormMouseWheel(event.GetWheelRotation(), event.GetWheelDelta(), ShiftOf(event));
    event.Skip();
  };
  canvas->Bind(wxEVT_MOUSEWHEEL, wheel);
  // Wheel events over the rest of the window; the canvas's own may travel up
  // here too and are counted once.
  Bind(wxEVT_MOUSEWHEEL, [this, canvas, wheel](wxMouseEvent& event) {
    if (event.GetEventObject() == canvas) {
      event.Skip();
      return;
    }
    wheel(event);
  });
  // Every key of the window, whichever child has the focus; not consumed.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    FormKeyDown(KeyCodeOf(event.GetKeyCode()), KeyShift(event));
    event.Skip();
  });
}

void TMainForm::DrawPanelMouseDown() {
  SetStatus(wxString::FromUTF8("Вращаю..."));
  if (!Renderer->Cube->RotateAntiAlias) Renderer->Passes = 1;
}

void TMainForm::DrawPanelMouseMove(uint8_t Shift, int X, int Y) {
  Renderer->MouseMove(X, Y, Shift);
  FRTimer.SetEnabled(true);
}

void TMainForm::DrawPanelMouseUp() {
  Renderer->MouseUp();
  Renderer->Passes = Renderer->DrawQuality;
  SetStatus(wxString::FromUTF8("Готово!"));
}

void TMainForm::FormKeyDown(int Key, uint8_t Shift) { Renderer->KeyDown(Key, Shift); }

void TMainForm::FormMouseWheelDown(uint8_t Shift) { Renderer->KeyDown(40, Shift); }

void TMainForm::FormMouseWheelUp(uint8_t Shift) { Renderer->KeyDown(38, Shift); }

void TMainForm::FormMouseWheel(int Rotation, int Delta, uint8_t Shift) {
  if (Delta <= 0) Delta = kNotch;
  wheelRemainder_ += Rotation;
  while (wheelRemainder_ >= Delta) {
    wheelRemainder_ -= Delta;
    FormMouseWheelUp(Shift);
  }
  while (wheelRemainder_ <= -Delta) {
    wheelRemainder_ += Delta;
    FormMouseWheelDown(Shift);
  }
}

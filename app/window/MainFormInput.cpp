// Mouse, wheel and keys, translated from the toolkit's terms into the
// shift byte and key codes the renderer understands; input made during an
// animation is dropped.
#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/evtloop.h>

#include "app/window/CommandIds.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "app/window/MainForm.h"
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

// Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, the menu's shortcuts for undo and redo.
bool IsHistoryKey(const wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  return event.RawControlDown() && !event.AltDown() && (key == 'Z' || key == 'Y');
}

uint8_t KeyShift(const wxKeyboardState& state) {
  uint8_t shift = 0;
  if (state.ShiftDown()) shift |= ssShift;
  if (state.AltDown()) shift |= ssAlt;
  if (state.RawControlDown()) shift |= ssCtrl;
  return shift;
}
}  // namespace

// Drops the user's input (mouse, wheel, keys, menu and button commands) while
// a turn or a scramble is animated, so that none of it runs afterwards.
class TMainForm::InputFilter : public wxEventFilter {
 public:
  explicit InputFilter(TMainForm& form) : form_(form) {}

  int FilterEvent(wxEvent& event) override {
    if (event.GetEventCategory() != wxEVT_CATEGORY_USER_INPUT || !form_.Animating()) {
      return Event_Skip;
    }
    const wxEventType type = event.GetEventType();
    wxGLCanvas* canvas = form_.DrawWindow ? form_.DrawWindow->Canvas() : nullptr;
    if ((type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_UP || type == wxEVT_MIDDLE_UP) &&
        canvas && event.GetEventObject() == canvas && canvas->HasCapture()) {
      // The pointer is free at once, so that the close box and the menus
      // answer; the gesture itself ends after the animation.
      canvas->ReleaseMouse();
      form_.releasedDuringAnimation_ = true;
    }
    if (type == wxEVT_MENU || type == wxEVT_TOOL) {
      const int id = event.GetId();
      if (form_.scrambling_ && (IsStopCommand(id) || IsExitCommand(id))) {
        form_.afterScramble_ = id;
        form_.Renderer->Cube->StopShuffle = true;
      } else if (!form_.scrambling_ && (IsUndoCommand(id) || IsRedoCommand(id))) {
        // Presses made while a turn is shown wait their turn.
        form_.historySteps_.push_back(IsUndoCommand(id));
      }
    }
    // The menu's shortcuts would act only on a key nobody took: they are
    // queued here, and the key goes no further.
    if (type == wxEVT_CHAR_HOOK && !form_.scrambling_) {
      const auto& key = static_cast<wxKeyEvent&>(event);
      if (IsHistoryKey(key)) form_.historySteps_.push_back(key.GetKeyCode() == 'Z' && !key.ShiftDown());
    }
    return Event_Processed;
  }

 private:
  TMainForm& form_;
};

bool TMainForm::Animating() const { return Renderer && Renderer->Cube && Renderer->Cube->Busy; }

void TMainForm::BetweenAnimationFrames() {
  // Repaints, resizes and a close request are handled here; user input is
  // taken from the toolkit too, and dropped by the filter, rather than kept
  // for later. Our own queued calls and idle work wait for the animation.
  constexpr long kCategories = wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT;
  if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
    loop->YieldFor(kCategories);
  } else {
    wxGUIEventLoop().YieldFor(kCategories);
  }
}

bool TMainForm::CloseIfAsked() {
  if (!closePending_) return false;
  closePending_ = false;
  Close(true);
  return true;
}

void TMainForm::ReleaseCanvasMouse() {
  wxGLCanvas* canvas = DrawWindow->Canvas();
  if (canvas->HasCapture() && !wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY)) {
    canvas->ReleaseMouse();
  }
}

uint8_t TMainForm::ShiftOf(const wxMouseState& state) const {
  uint8_t shift = KeyShift(state);
  if (state.LeftIsDown()) shift |= ssLeft;
  if (state.RightIsDown()) shift |= ssRight;
  if (state.MiddleIsDown()) shift |= ssMiddle;
  return shift;
}

void TMainForm::BindInput() {
  inputFilter_ = std::make_unique<InputFilter>(*this);
  wxEvtHandler::AddFilter(inputFilter_.get());
  wxGLCanvas* canvas = DrawWindow->Canvas();
  auto down = [this, canvas](wxMouseEvent& event) {
    // Moves outside the panel keep coming while a button is held.
    if (!canvas->HasCapture()) canvas->CaptureMouse();
    canvas->SetFocus();
    DrawPanelMouseDown();
    event.Skip();
  };
  auto up = [this](wxMouseEvent& event) {
    ReleaseCanvasMouse();
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
  // The wheel is taken at the frame: GTK passes a scroll that a child of the
  // client area (the canvas included) leaves alone up to it. The bars lie
  // outside that area and take their own. Each is handled where it is taken,
  // so that it travels no further and a notch counts once.
  auto wheel = [this](wxMouseEvent& event) {
    FormMouseWheel(event.GetWheelRotation(), event.GetWheelDelta(), ShiftOf(event));
  };
  Bind(wxEVT_MOUSEWHEEL, wheel);
  StatusBar->Bind(wxEVT_MOUSEWHEEL, wheel);
  ToolBarButton->Bind(wxEVT_MOUSEWHEEL, wheel);
  // Every key of the window, whichever child has the focus; not consumed.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (key == WXK_HOME || key == WXK_NUMPAD_HOME) {
      HomeViewClick();
    } else {
      FormKeyDown(KeyCodeOf(key), KeyShift(event));
    }
    event.Skip();
  });
}

void TMainForm::DrawPanelMouseDown() {
  stickyStatus_.clear();
  SetStatus(wxString::FromUTF8("Вращаю..."));
  if (!Renderer->Cube->RotateAntiAlias) Renderer->Passes = 1;
}

void TMainForm::DrawPanelMouseMove(uint8_t Shift, int X, int Y) {
  // A turn made by the drag counts one more move.
  const uint32_t moves = Renderer->Cube->MoveCount();
  Renderer->MouseMove(X, Y, Shift);  // may turn a layer, animated
  // Counted (and a solve kept) also when the window closes right after.
  if (Renderer->Cube->MoveCount() != moves) AfterPlayerTurn();
  if (CloseIfAsked()) return;
  FRTimer.SetEnabled(true);
  EndReleasedGesture();
  RunHistorySteps();
}

void TMainForm::EndReleasedGesture() {
  if (!releasedDuringAnimation_) return;
  releasedDuringAnimation_ = false;
  ReleaseCanvasMouse();
  DrawPanelMouseUp();
}

void TMainForm::DrawPanelMouseUp() {
  Renderer->MouseUp();
  Renderer->Passes = Renderer->DrawQuality;
  // The solving drag's release leaves the solved text on the line.
  SetStatus(stickyStatus_.empty() ? wxString::FromUTF8("Готово!") : stickyStatus_);
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

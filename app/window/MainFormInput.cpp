// Mouse, wheel and keys: the toolkit's events handed to the renderer and the
// game; input made during an animation is dropped.
#include <wx/app.h>
#include <wx/evtloop.h>

#include "app/toolkit/GLCanvasWindow.h"
#include "app/window/AnimationInput.h"
#include "app/window/InputKeys.h"
#include "app/window/MainForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
constexpr int kNotch = 120;
}  // namespace

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

void TMainForm::BindInput() {
  wxGLCanvas* canvas = DrawWindow->Canvas();
  animationInput_ = std::make_unique<AnimationInput>(
      *canvas, AnimationInput::Hooks{[this] { return Animating(); }, [this] { return Scrambling(); },
                                     [this] { game_->StopScramble(); }});
  // The wheel is taken at the frame: GTK passes a scroll that a child of the
  // client area (the canvas included) leaves alone up to it. The bars lie
  // outside that area and take their own. Each is handled where it is taken,
  // so that it travels no further and a notch counts once.
  auto wheel = [this](wxMouseEvent& event) {
    FormMouseWheel(event.GetWheelRotation(), event.GetWheelDelta(), MouseShift(event));
  };
  Bind(wxEVT_MOUSEWHEEL, wheel);
  StatusBar->Bind(wxEVT_MOUSEWHEEL, wheel);
  Bars->ToolBarButton->Bind(wxEVT_MOUSEWHEEL, wheel);
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
  game_->BeginGesture();
  if (!Renderer->Cube->RotateAntiAlias) Renderer->Passes = 1;
}

void TMainForm::DrawPanelMouseMove(uint8_t Shift, int X, int Y) {
  // A turn made by the drag counts one more move.
  const uint32_t moves = Renderer->Cube->MoveCount();
  Renderer->MouseMove(X, Y, Shift);  // may turn a layer, animated
  // Counted (and a solve kept) also when the window closes right after.
  if (Renderer->Cube->MoveCount() != moves) game_->PlayerTurned();
  if (CloseIfAsked()) return;
  FRTimer.SetEnabled(true);
  EndReleasedGesture();
  RunHistorySteps();
}

void TMainForm::EndReleasedGesture() {
  if (!animationInput_->TakeReleasedGesture()) return;
  DrawPanel->ReleaseMouseIfUp();
  DrawPanelMouseUp();
}

void TMainForm::DrawPanelMouseUp() {
  Renderer->MouseUp();
  Renderer->Passes = Renderer->DrawQuality;
  // The solving drag's release leaves the solved text on the line.
  game_->EndGesture();
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

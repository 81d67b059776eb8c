// Mouse, wheel and keys: the toolkit's events handed to the renderer and the
// game; input made during an animation is dropped.
#include "app/toolkit/GLCanvasWindow.h"
#include "app/window/AnimationInput.h"
#include "app/window/InputKeys.h"
#include "app/window/MainForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

bool TMainForm::Animating() const { return Renderer && Renderer->Cube && Renderer->Cube->Busy; }

bool TMainForm::CloseIfAsked() {
  if (!closePending_) return false;
  closePending_ = false;
  Close(true);
  return true;
}

void TMainForm::BindInput() {
  animationInput_ = std::make_unique<AnimationInput>(
      *DrawWindow->Canvas(), AnimationInput::Hooks{[this] { return Animating(); }, [this] { return Scrambling(); },
                                                   [this] { game_->StopScramble(); }, [this] { WakeFrameTimer(); },
                                                   [this] { return game_ && game_->PlayingSolution(); }});
  BindFrameInput(
      *this, {StatusBar, Bars->ToolBarButton},
      {[this](int key, uint8_t shift) { FormKeyDown(key, shift); }, [this] { HomeViewClick(); },
       [this] { return LeaveFullScreen(); },
       [this](int rotation, int delta, uint8_t shift) { FormMouseWheel(rotation, delta, shift); },
       [this](char key, bool shift) { TurnKeyPressed(key, shift); },
       [this] {
         if (DrawWindow->Canvas()->HasFocus()) CopyGameMoves();
       },
       [this] {
         DrawPanel->Banner->Hide();  // the player acts: the solved moment has been seen
         // Any key ends a pause, and does nothing else.
         if (!game_ || !game_->Paused()) return false;
         game_->Resume();
         return true;
       }});
}

void TMainForm::TurnKeyPressed(char key, bool shift) {
  WakeFrameTimer();
  // Keys pressed during a turn are dropped, as the mouse is.
  if (!Renderer || !Renderer->Cube || Animating() || Scrambling()) return;
  // P pauses: taken here, since a menu shortcut of a plain letter need not
  // reach the menu (pausing twice does nothing more).
  if (key == 'P' && !shift) {
    game_->Pause();
    return;
  }
  if (key == 'H' && !shift) {
    HintClick();
    return;
  }
  const std::optional<notation::Move> move = turnKeys_.Press(key, shift, Renderer->Cube->Size);
  if (move) PlayTypedMoves({*move});
}

void TMainForm::DrawPanelMouseDown() {
  WakeFrameTimer();
  DrawPanel->Banner->Hide();
  if (game_->Paused()) game_->Resume();  // a click on the cube as it goes ends the pause
  game_->BeginGesture();
  if (!Renderer->Cube->RotateAntiAlias) Renderer->Passes = 1;
}

void TMainForm::DrawPanelMouseMove(uint8_t Shift, int X, int Y) {
  WakeFrameTimer();
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
  WakeFrameTimer();
  Renderer->MouseUp();
  Renderer->Passes = Renderer->DrawQuality;
  // The solving drag's release leaves the solved text on the line.
  game_->EndGesture();
}

void TMainForm::FormKeyDown(int Key, uint8_t Shift) {
  WakeFrameTimer();
  Renderer->KeyDown(Key, Shift);
}

void TMainForm::FormMouseWheelDown(uint8_t Shift) { FormKeyDown(40, Shift); }

void TMainForm::FormMouseWheelUp(uint8_t Shift) { FormKeyDown(38, Shift); }

void TMainForm::FormMouseWheel(int Rotation, int Delta, uint8_t Shift) {
  const int notches = wheel_.Add(Rotation, Delta);
  for (int n = 0; n < notches; ++n) FormMouseWheelUp(Shift);
  for (int n = 0; n > notches; --n) FormMouseWheelDown(Shift);
}

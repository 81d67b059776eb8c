// The frame loop, the game clock and the idle countdown.
#include "app/toolkit/GLCanvasWindow.h"
#include "app/toolkit/Toolkit.h"
#include "app/window/HistoryOnScreen.h"
#include "app/window/MainForm.h"
#include "app/window/TurnQuality.h"
#include "puzzle/VekCube.h"
#include "interaction/Orbit.h"
#include "render/VekGL.h"

void TMainForm::DrawTimerTimer() {
  DrawTimer.SetEnabled(false);
  VEKGL& gl = *Renderer;
  if (game_->Turning()) {
    // The steps due are taken, and a tick that moved the cube draws it.
    if (game_->Advance()) {
      TurnQuality quality(gl);
      gl.DrawFrame();
    }
    if (game_->Replaying()) ShowReplayState(*this);
  } else if (GameTimer.Enabled() || FRTimer.Enabled()) {
    // A still picture is not drawn again; turns, orbits, zooms, options and
    // exposes change it. Its passes come one a tick, so input is answered
    // between them. Once it is finished the timer sleeps until something
    // that can change the picture wakes it.
    if (!gl.DrawNextPass() && !watchingDialog_) return;
  } else {
    // Nobody sees a minimised or hidden window turn: the rotation waits,
    // where it was, until the window is shown again.
    if (!WindowCanBeSeen(*DrawWindow->Canvas())) return;
    if (gl.Cube && !gl.Cube->RotateAntiAlias) gl.Passes = 1;
    FreeRotationStep(gl.Camera, RotatePhaseX, RotatePhaseY, RotatePhaseZ);
    if (gl.Cube && gl.PictureChanged()) gl.DrawFrame();
    gl.Passes = gl.DrawQuality;
  }
  DrawTimer.SetEnabled(true);
}

void TMainForm::WakeFrameTimer() {
  if (Renderer && !destroyed_ && !DrawTimer.Enabled()) DrawTimer.SetEnabled(true);
}

void TMainForm::GameTimerTimer() {
  WakeFrameTimer();
  game_->Tick();
  TimerPanel->ShowFigures(game_->Seconds(), game_->MovesShown());
}

void TMainForm::FRTimerTimer() {
  FRTimer.SetEnabled(false);
  WakeFrameTimer();  // the free rotation begins
}

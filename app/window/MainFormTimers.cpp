// The frame loop, the game clock and the idle countdown.
#include <cmath>

#include "app/window/MainForm.h"
#include "puzzle/VekCube.h"
#include "interaction/Orbit.h"
#include "render/VekGL.h"

void TMainForm::DrawTimerTimer() {
  DrawTimer.SetEnabled(false);
  VEKGL& gl = *Renderer;
  if (GameTimer.Enabled() || FRTimer.Enabled()) {
    // A still picture is not drawn again; turns, orbits, zooms, options and
    // exposes change what PictureChanged sees.
    if (gl.Cube && gl.PictureChanged()) gl.DrawFrame();
  } else {
    // Free rotation: the rate about each world axis swings between -1 and +1
    // degree per tick, out of step by the random start phases.
    if (gl.Cube && !gl.Cube->RotateAntiAlias) gl.Passes = 1;
    gl.Camera.RotateAxis(0, static_cast<float>(std::sin(RotatePhaseX * kDegree)));
    gl.Camera.RotateAxis(1, static_cast<float>(std::sin(RotatePhaseY * kDegree)));
    gl.Camera.RotateAxis(2, static_cast<float>(std::sin(RotatePhaseZ * kDegree)));
    RotatePhaseX = AdvancePhase(RotatePhaseX);
    RotatePhaseY = AdvancePhase(RotatePhaseY);
    RotatePhaseZ = AdvancePhase(RotatePhaseZ);
    if (gl.Cube && gl.PictureChanged()) gl.DrawFrame();
    gl.Passes = gl.DrawQuality;
  }
  DrawTimer.SetEnabled(true);
}

void TMainForm::GameTimerTimer() {
  game_->Tick();
  TimerPanel->ShowFigures(game_->Seconds(), game_->MovesShown());
}

void TMainForm::FRTimerTimer() { FRTimer.SetEnabled(false); }

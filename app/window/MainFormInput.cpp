// Mouse, wheel and keys: the toolkit's events handed to the renderer and the
// game. While turns play every event is taken: the renderer ignores drags
// and view keys during a turn, the game queues key turns and undo/redo.
#include "app/window/MainForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void TMainForm::TurnKeyPressed(char key, bool shift) {
  WakeFrameTimer();
  if (game_) game_->TurnKey(key, shift, Renderer->Camera);
}

void TMainForm::DrawPanelMouseDown() {
  WakeFrameTimer();
  DrawPanel->Banner->Hide();
  if (game_->PressOnCube() && !Renderer->Cube->RotateAntiAlias) Renderer->Passes = 1;
}

void TMainForm::DrawPanelMouseMove(uint8_t Shift, int X, int Y) {
  WakeFrameTimer();
  // A turn the drag decides waits in the game's queue; one under way ignores the drag.
  Renderer->MouseMove(X, Y, Shift);
  FRTimer.SetEnabled(true);
}

void TMainForm::DrawPanelMouseUp() {
  WakeFrameTimer();
  Renderer->MouseUp();
  Renderer->Passes = Renderer->DrawQuality;
  // The solving drag's release leaves the solved text on the line.
  if (!Scrambling()) game_->EndGesture();
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

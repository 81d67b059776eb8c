// The player's game beyond the commands: undo and redo, the move counter,
// the solved moment and the records.
#include "app/MainForm.h"
#include "app/RecordsForm.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void TMainForm::UndoClick() { TakeHistoryStep(&VEKBigCube::CanUndo, &VEKBigCube::Undo); }

void TMainForm::RedoClick() { TakeHistoryStep(&VEKBigCube::CanRedo, &VEKBigCube::Redo); }

void TMainForm::TakeHistoryStep(bool (VEKBigCube::*possible)() const, bool (VEKBigCube::*step)()) {
  VEKGL& gl = *Renderer;
  if (Animating() || !(gl.Cube->*possible)()) return;
  // Drawn like a drag's turn: one pass while the layer moves.
  const int32_t passes = gl.Passes;
  if (!gl.Cube->RotateAntiAlias) gl.Passes = 1;
  const bool turned = (gl.Cube->*step)();
  gl.Passes = passes;
  if (CloseIfAsked()) return;
  if (turned) AfterPlayerTurn();
}

void TMainForm::RecordsClick() {
  TRecordsForm form(this, Records);
  form.ShowModal();
}

void TMainForm::AfterPlayerTurn() {
  UpdateUndoRedo();
  // Without a running game (after Stop, Open or a solve) nothing is counted.
  if (!GameRunning()) return;
  ShowMoves();
  if (Renderer->Cube->IsSolved()) GameSolved();
}

void TMainForm::GameSolved() {
  GameTimer.SetEnabled(false);
  // The final time, also when the clock's last tick has not come yet.
  GameSeconds = gameClock_.Seconds();
  const wxString clock = FormatGameClock(GameSeconds);
  TimerLabel->SetLabel(clock);
  const uint32_t moves = Renderer->Cube->MoveCount();
  wxString text = wxString::FromUTF8("Собрано! ") + clock + wxString::FromUTF8(", ходов: ") +
                  wxString::Format("%u", moves);
  const SolveRecord solve{GameSeconds, static_cast<int32_t>(moves)};
  if (recordGame_ && Records.Offer(Renderer->Cube->Size, solve)) {
    text += wxString::FromUTF8(". Новый рекорд!");
  }
  recordGame_ = false;
  SetStatus(text);
  keepSolvedStatus_ = true;
  DiscardResumeFile();  // a finished game is nothing to continue
}

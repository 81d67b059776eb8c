// The player's game beyond the commands: undo and redo, the move counter,
// the solved moment and the records.
#include <cerrno>

#include "app/window/MainForm.h"
#include "app/dialogs/RecordsForm.h"
#include "files/SafeFile.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void TMainForm::UndoClick() { TakeHistoryStep(true); }

void TMainForm::RedoClick() { TakeHistoryStep(false); }

void TMainForm::TakeHistoryStep(bool undo) {
  historySteps_.push_back(undo);
  // During an animation the step waits for it; the loop below takes it then.
  if (!Animating()) RunHistorySteps();
}

void TMainForm::RunHistorySteps() {
  VEKGL& gl = *Renderer;
  while (!historySteps_.empty() && !Animating()) {
    const bool undo = historySteps_.front();
    historySteps_.pop_front();
    if (undo ? !gl.Cube->CanUndo() : !gl.Cube->CanRedo()) continue;
    // Drawn like a drag's turn: one pass while the layer moves.
    const int32_t passes = gl.Passes;
    if (!gl.Cube->RotateAntiAlias) gl.Passes = 1;
    const bool turned = undo ? gl.Cube->Undo() : gl.Cube->Redo();
    gl.Passes = passes;
    if (turned) AfterPlayerTurn();
    if (CloseIfAsked()) return;
    EndReleasedGesture();
  }
  historySteps_.clear();
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
  if (Renderer->Cube->IsSolved()) {
    GameSolved();
  } else if (!SaveResumeFile() && !KeptGames.Folder().empty()) {
    // Kept after every turn, so that a crash loses at most the turn being made.
    stickyStatus_ = wxString::FromUTF8("Не удалось сохранить игру для продолжения (") +
                    wxString::FromUTF8(safefile::FailureReason(errno, KeptGames.Own())) + ")";
    SetStatus(stickyStatus_);
  }
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
  if (ScrambleTurns >= static_cast<uint32_t>(kRecordScrambleTurns) && Records.Offer(Renderer->Cube->Size, solve)) {
    text += wxString::FromUTF8(". Новый рекорд!");
    // Written at once: a crash or a logout later must not lose it.
    WriteSettingsFile();
  }
  ScrambleTurns = 0;
  SetStatus(text);
  stickyStatus_ = text;
  DiscardResumeFile();  // a finished game is nothing to continue
}

// What the game shows through the window: status line, clock, counter,
// undo/redo, title and the view fitted to the cube's size.
#include <wx/filename.h>

#include "app/toolkit/Text.h"
#include "app/window/MainForm.h"
#include "texts/Texts.h"
#include "interaction/Orbit.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void TMainForm::ShowStatus(const GameStatus& status) { SetStatus(Text(texts::StatusLine(status))); }

void TMainForm::ShowGame() {
  WakeFrameTimer();  // the cube, its size or the view may have changed
  const Game& game = *game_;
  if (!game.Running()) GameTimer.SetEnabled(false);
  TimerPanel->ShowFigures(game.Seconds(), game.MovesShown());
  TimerPanel->Show(game.ClockShown());
  // The solved moment, large, until the next action.
  const bool solved = game.State() == Game::Phase::Solved;
  if (solved && !solvedShown_) {
    const std::string below = game.SolvedWithRecord()                           ? texts::Say(TextId::NewRecord)
                              : game.HelpUsed() && !game.SolvedByComputer() ? texts::Say(TextId::NoRecordWithHelp)
                                                                              : "";
    DrawPanel->Banner->ShowIn(DrawPanel->GetClientSize(),
                              Text(game.SolvedByComputer()
                                       ? texts::Say(TextId::SolvedByComputer)
                                       : texts::SolvedBanner(game.Seconds(), game.MovesShown().value_or(0))),
                              Text(below), Text(TextId::CopyMovesHint));
  } else if (!solved) {
    DrawPanel->Banner->Hide();
  }
  solvedShown_ = solved;
  if (game.Paused() != DrawPanel->CoverShown()) {
    if (game.Paused()) {
      DrawPanel->ShowCover(Text(TextId::Paused));
    } else {
      DrawPanel->HideCover();
    }
  }
  UpdateUndoRedo();
  UpdateContinueItem();
  FitViewToSize();
  wxString title = Text(ProgramName + " " + ProgramVersion);
  if (!game.FileName().empty()) title += " >>> " + wxFileName(Text(game.FileName())).GetFullName();
  if (GetTitle() != title) SetTitle(title);
}

void TMainForm::ShowHint(const std::optional<VEKMove>& move) {
  if (!Renderer) return;
  Renderer->Hint = move;
  WakeFrameTimer();
}

void TMainForm::RunOnWindowThread(std::function<void()> work) {
  CallAfter([this, work = std::move(work)] {
    if (game_) work();
  });
}

void TMainForm::ClockStarted() {
  // A fresh countdown, so that the ticks fall due just after the clock's
  // whole seconds.
  GameTimer.SetEnabled(false);
  GameTimer.SetEnabled(true);
}

void TMainForm::ShowScrambling(bool scrambling) { Bars->EnableAllButStopAndExit(!scrambling); }

void TMainForm::KeepRecords() { WriteSettingsFile(); }

void TMainForm::UpdateUndoRedo() {
  if (Bars) Bars->EnableUndoRedo(game_ && game_->CanUndo(), game_ && game_->CanRedo());
}

void TMainForm::UpdateContinueItem() {
  if (Bars) Bars->ContinueItem->Enable(game_ && game_->ResumeAvailable());
}

void TMainForm::FitViewToSize() {
  const int size = Renderer->Cube->Size;
  if (size == fittedSize_) return;
  fittedSize_ = size;
  Renderer->Camera.SetDistance(FittedEyeDistance(size));
}

void TMainForm::HomeViewClick() {
  if (Animating()) return;
  WakeFrameTimer();
  Renderer->Camera.ResetView(FittedEyeDistance(Renderer->Cube->Size));
}

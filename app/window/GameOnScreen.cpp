// What the game shows through the main window: the status line, the clock
// and the counter, the solved moment, the pause's cover, undo/redo and
// Continue, the title, the hint's outline and the view fitted to the cube's
// size; and the window's thread for the game's workers.
#include <wx/filename.h>

#include <functional>
#include <memory>
#include <optional>

#include "app/toolkit/Text.h"
#include "app/window/HistoryOnScreen.h"
#include "app/window/MainForm.h"
#include "app/window/SolutionOnScreen.h"
#include "interaction/Orbit.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"
#include "texts/Texts.h"

namespace {

class GameOnScreen final : public GameView {
 public:
  explicit GameOnScreen(TMainForm& form) : form_(form) {}

  void ShowStatus(const GameStatus& status) override;
  void ShowGame() override;
  void ClockStarted() override;
  void ShowScrambling(bool scrambling) override;
  void KeepRecords() override;
  void TurnsWaiting() override;
  void ShowHint(const std::optional<VEKMove>& move) override;
  // Dropped when the game has gone meanwhile.
  void RunOnWindowThread(std::function<void()> work) override;
  void ShowReplay(bool shown) override { ::ShowReplay(form_, shown); }
  void ShowSolution() override { ::ShowSolution(form_); }

 private:
  // The eye moves so that a cube of a new size fills the picture as a 3x3x3
  // does; the orientation stays.
  void FitViewToSize();

  TMainForm& form_;
  bool solvedShown_ = false;  // the game was last shown solved
  int fittedSize_ = 0;        // the cube size the eye distance was last set for
};


void GameOnScreen::ShowStatus(const GameStatus& status) { form_.SetStatus(Text(texts::StatusLine(status))); }

void GameOnScreen::ShowGame() {
  form_.WakeFrameTimer();  // the cube, its size or the view may have changed
  const Game& game = form_.CurrentGame();
  if (!game.Running()) form_.GameTimer.SetEnabled(false);
  form_.TimerPanel->ShowFigures(game.Seconds(), game.MovesShown());
  form_.TimerPanel->Show(game.ClockShown());
  // The solved moment, large, until the next action.
  PicturePanel& picture = *form_.DrawPanel;
  const bool solved = game.State() == Game::Phase::Solved;
  if (solved && !solvedShown_) {
    picture.Banner->ShowFor(game, picture.GetClientSize());
  } else if (!solved) {
    picture.Banner->Hide();
  }
  solvedShown_ = solved;
  // A replay shows over a paused game; the cover comes back with the game.
  const bool covered = game.Paused() && !game.Replaying();
  if (covered && !picture.CoverShown()) picture.ShowCover(Text(TextId::Paused));
  if (!covered && picture.CoverShown()) picture.HideCover();
  form_.UpdateUndoRedo();
  if (form_.Bars) form_.Bars->ContinueItem->Enable(form_.CanContinue());
  FitViewToSize();
  if (form_.Warmer) form_.WarmTables();  // a game of another size may have come
  wxString title = Text(form_.ProgramName + " " + form_.ProgramVersion);
  if (!game.FileName().empty()) title += " >>> " + wxFileName(Text(game.FileName())).GetFullName();
  if (form_.GetTitle() != title) form_.SetTitle(title);
}

void GameOnScreen::ClockStarted() {
  // A fresh countdown, so that the ticks fall due just after the clock's
  // whole seconds.
  form_.GameTimer.SetEnabled(false);
  form_.GameTimer.SetEnabled(true);
}

void GameOnScreen::ShowScrambling(bool scrambling) { form_.Bars->EnableAllButStopAndExit(!scrambling); }

void GameOnScreen::KeepRecords() { form_.WriteSettingsFile(); }

void GameOnScreen::TurnsWaiting() { form_.WakeFrameTimer(); }

void GameOnScreen::ShowHint(const std::optional<VEKMove>& move) {
  if (!form_.Renderer) return;
  form_.Renderer->Hint = move;
  form_.WakeFrameTimer();
}

void GameOnScreen::RunOnWindowThread(std::function<void()> work) {
  TMainForm& form = form_;
  form.CallAfter([&form, work = std::move(work)] {
    if (form.HasGame()) work();
  });
}

void GameOnScreen::FitViewToSize() {
  const int size = form_.Renderer->Cube->Size;
  if (size == fittedSize_) return;
  fittedSize_ = size;
  form_.Renderer->Camera.SetDistance(FittedEyeDistance(size));
}

}  // namespace

std::unique_ptr<GameView> GameShownOn(TMainForm& form) { return std::make_unique<GameOnScreen>(form); }

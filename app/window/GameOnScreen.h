// What the game shows through the main window: the status line, the clock
// and the counter, the solved moment, the pause's cover, undo/redo and
// Continue, the title, the hint's outline and the view fitted to the cube's
// size; and the window's thread for the game's workers.
#pragma once

#include <functional>
#include <optional>

#include "game/Game.h"

class TMainForm;

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

 private:
  // The eye moves so that a cube of a new size fills the picture as a 3x3x3
  // does; the orientation stays.
  void FitViewToSize();

  TMainForm& form_;
  bool solvedShown_ = false;  // the game was last shown solved
  int fittedSize_ = 0;        // the cube size the eye distance was last set for
};

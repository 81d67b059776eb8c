// What the history keeps of the game: every turn and when it was made, a row
// when the game ends; and replays, for which the game stands aside.
#include <ctime>

#include "game/Game.h"
#include "game/Replay.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"

void Game::ForgetTurns() {
  played_.clear();
  playedMs_.clear();
  hints_ = 0;
  gaveUpMs_ = solvedMs_ = 0;
  logged_ = false;
}

void Game::Logged(const LayerTurn& turn) {
  if (logged_ || (!Running() && !playingSolution_)) return;
  played_.push_back(turn.Recorded());
  playedMs_.push_back(stopwatch_.Milliseconds());
}

void Game::PlayerTurned(const LayerTurn& turn) {
  Logged(turn);
  PlayerTurned();
}

std::optional<SolveEntry> Game::EntryNow() const {
  if (played_.empty()) return std::nullopt;
  SolveEntry entry;
  entry.FinishedAt = IsoUtc(static_cast<int64_t>(std::time(nullptr)));
  entry.Size = cube_.Size;
  entry.Moves = counted_;
  entry.Scramble = scrambleText_;
  entry.Solution = NotationText(played_, FaceFrame{}, cube_.Size);
  entry.MoveMs = playedMs_;
  entry.Hints = hints_;
  entry.ScrambleTurns = startScrambleTurns_;
  // Solved by the player: the clock at the solving turn; given up: when the
  // computer was asked; abandoned: now.
  if (phase_ == Phase::Solved) {
    entry.How = givenUp_ ? SolveHow::Computer : SolveHow::Solved;
    entry.Ms = givenUp_ ? gaveUpMs_ : solvedMs_;
    entry.Record = !givenUp_ && solvedWithRecord_;
  } else {
    entry.How = SolveHow::Abandoned;
    entry.Ms = givenUp_ ? gaveUpMs_ : Running() ? stopwatch_.Milliseconds() : int64_t{seconds_} * 1000;
  }
  return entry;
}

std::optional<SolveEntry> Game::Entry() const {
  if (scrambleText_.empty()) return std::nullopt;
  return EntryNow();
}

void Game::Finished() {
  if (logged_) return;
  if (std::optional<SolveEntry> entry = EntryNow()) {
    logged_ = true;
    WriteEntry(std::move(*entry));
  }
}

void Game::WriteEntry(SolveEntry entry) {
  if (!log_) return;
  HistoryProblem why;
  if (!log_->Add(entry, why)) {
    restingStatus_ = GameStatus::HistoryFailed(why);
    view_.ShowStatus(restingStatus_);
  }
}

bool Game::ClockShown() const { return replay_ ? true : clockShown_; }

int32_t Game::Seconds() const { return replay_ ? static_cast<int32_t>(replay_->ClockMs() / 1000) : seconds_; }

bool Game::StartReplay(const SolveEntry& game) {
  if (Scrambling() || playingMoves_) return false;
  std::optional<ReplayScript> script = ScriptOf(game);
  if (!script) return false;
  if (replay_) {
    replay_.reset();
    turns_.FinishAndDrop();
  } else {
    // The player's turns asked for are made first; then the game waits as it stands.
    SettleTurns();
    Whole();
    const bool clockRuns = Running() && !paused_;
    if (clockRuns) stopwatch_.Pause();
    aside_ = StoodAside{cube_.GameBytes(), cube_.History, cube_.ScrambleMoves, clockRuns};
    // A drag over the replay turns nothing.
    cube_.TurnDetected = [](const VEKMove&) {};
    view_.ShowHint(std::nullopt);
  }
  replay_ = std::make_unique<Replay>(cube_, turns_, stopwatch_.Clock(), std::move(*script));
  view_.ShowReplay(true);
  view_.ShowGame();
  return true;
}

void Game::EndReplay() {
  if (!replay_) return;
  turns_.FinishAndDrop();
  replay_.reset();
  const std::vector<uint8_t>& points = aside_->Points;
  cube_.LoadFromBytes(points.data(), points.size());
  cube_.History = aside_->History;
  cube_.ScrambleMoves = aside_->Scramble;
  cube_.TurnDetected = [this](const VEKMove& move) { QueueDragTurn(move); };
  if (aside_->ClockRan) stopwatch_.Resume();
  aside_.reset();
  if (Running()) seconds_ = stopwatch_.Seconds();
  view_.ShowReplay(false);
  ShowGame();
}

#include "game/Game.h"

#include <algorithm>
#include <cerrno>

#include "game/GameRecords.h"
#include "game/GameTexts.h"
#include "game/ResumeStore.h"
#include "puzzle/VekCube.h"

Game::Game(VEKBigCube& cube, GameView& view, ResumeStore& kept, GameRecords& records, const SteadyClock& clock)
    : cube_(cube), view_(view), kept_(kept), records_(records), stopwatch_(clock) {}

uint32_t Game::MovesNow() const { return cube_.MoveCount(); }

std::optional<uint32_t> Game::MovesShown() const {
  if (Scrambling()) return std::nullopt;  // no count belongs to a cube being scrambled
  return counted_;
}

bool Game::CanUndo() const { return !Scrambling() && cube_.CanUndo(); }

bool Game::CanRedo() const { return !Scrambling() && cube_.CanRedo(); }

bool Game::HasPlayerMoves() const { return Running() && (cube_.MoveCount() > 0 || cube_.CanRedo()); }

bool Game::ResumeAvailable() const { return !Scrambling() && !kept_.Latest().empty(); }

bool Game::NewGame(int size) {
  view_.ShowStatus(gametext::kScrambling);
  kept_.Discard();
  // A new game is no opened file: Save asks for a name rather than write
  // this game over the one that was opened.
  fileName_.clear();
  saveNeedsName_ = false;
  // No game runs until the scramble is done: a close during it keeps nothing.
  phase_ = Phase::Scrambling;
  seconds_ = 0;
  cube_.StopShuffle = false;
  cube_.Build(size);
  view_.ShowScrambling(true);
  view_.ShowGame();
  // A stop asked for while the view showed the scramble's start ends it
  // before its first turn (the scramble itself starts with the flag clear).
  const bool ranToEnd = !cube_.StopShuffle && cube_.Shuffle(cube_.ShuffleRotateCount);
  cube_.StopShuffle = false;
  phase_ = Phase::None;
  Count();
  view_.ShowScrambling(false);
  if (!ranToEnd) {
    view_.ShowGame();
    return false;
  }
  scrambleTurns_ = static_cast<uint32_t>(std::max(0, cube_.ShuffleRotateCount));
  restingStatus_.clear();
  StartClock(0);
  view_.ShowStatus(gametext::kReady);
  return true;
}

void Game::StopScramble() {
  if (Scrambling()) cube_.StopShuffle = true;
}

void Game::Stop(int size) {
  kept_.Discard();  // the game was given up: nothing to continue
  cube_.Build(size);
  phase_ = Phase::None;
  seconds_ = 0;
  clockShown_ = false;
  scrambleTurns_ = 0;
  Count();
  fileName_.clear();
  saveNeedsName_ = false;
  view_.ShowGame();
}

void Game::StartClock(int32_t seconds) {
  phase_ = Phase::Playing;
  seconds_ = seconds;
  clockShown_ = true;
  stopwatch_.Start(seconds);
  view_.ShowGame();
  view_.ClockStarted();
}

void Game::Tick() {
  if (Running()) seconds_ = stopwatch_.Seconds();
}

void Game::BeginGesture() {
  restingStatus_.clear();
  view_.ShowStatus(gametext::kTurning);
}

void Game::EndGesture() { view_.ShowStatus(restingStatus_.empty() ? gametext::kReady : restingStatus_); }

bool Game::Step(bool undo) {
  if (undo ? !CanUndo() : !CanRedo()) return false;
  const bool turned = undo ? cube_.Undo() : cube_.Redo();
  if (turned) PlayerTurned();
  return turned;
}

void Game::PlayerTurned() {
  // Without a running game (after Stop, Open or a solve) nothing is counted.
  if (Running()) Count();
  if (Running() && cube_.IsSolved()) {
    Solve();
    return;
  }
  view_.ShowGame();
  // Kept after every turn, so that a crash loses at most the turn being made.
  if (Running() && !Keep()) {
    restingStatus_ = gametext::KeepFailed(errno, kept_.Own());
    view_.ShowStatus(restingStatus_);
  }
}

void Game::Solve() {
  // The final time, also when the clock's last tick has not come yet.
  seconds_ = stopwatch_.Seconds();
  phase_ = Phase::Solved;
  const SolveRecord solve{seconds_, static_cast<int32_t>(counted_)};
  const bool record = scrambleTurns_ >= static_cast<uint32_t>(kRecordScrambleTurns) && records_.Offer(cube_.Size, solve);
  scrambleTurns_ = 0;
  restingStatus_ = gametext::Solved(seconds_, counted_, record);
  kept_.Discard();  // a finished game is nothing to continue
  view_.ShowGame();
  if (record) view_.KeepRecords();
  view_.ShowStatus(restingStatus_);
}

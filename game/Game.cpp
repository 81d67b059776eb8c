#include "game/Game.h"

#include <algorithm>
#include <cerrno>

#include "game/GameRecords.h"
#include "game/ResumeStore.h"
#include "interaction/PlayNotation.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"

Game::Game(VEKBigCube& cube, GameView& view, ResumeStore& kept, GameRecords& records, const SteadyClock& clock)
    : cube_(cube), view_(view), kept_(kept), records_(records), stopwatch_(clock) {}

uint32_t Game::MovesNow() const { return cube_.MoveCount(); }

std::optional<uint32_t> Game::MovesShown() const {
  if (Scrambling()) return std::nullopt;  // no count belongs to a cube being scrambled
  return counted_;
}

// A solved game is over: its turns are not taken back into it.
bool Game::CanUndo() const { return !Scrambling() && !paused_ && phase_ != Phase::Solved && cube_.CanUndo(); }

bool Game::CanRedo() const { return !Scrambling() && !paused_ && phase_ != Phase::Solved && cube_.CanRedo(); }

bool Game::HasPlayerMoves() const { return Running() && (cube_.MoveCount() > 0 || cube_.CanRedo()); }

bool Game::ResumeAvailable() const { return !Scrambling() && !kept_.Latest().empty(); }

bool Game::NewGame(int size) {
  return StartScrambled(size, [this] { return cube_.Shuffle(cube_.ShuffleRotateCount); });
}

bool Game::NewGameFrom(int size, const std::vector<notation::Move>& scramble, VEKCamera& camera) {
  return StartScrambled(size, [&] {
    cube_.History.Clear();
    cube_.ScrambleMoves.clear();
    for (const notation::Move& move : scramble) {
      if (cube_.StopShuffle) break;
      PlayMove(
          cube_, camera, move, [this](const VEKMove& turn) { cube_.ScrambleMoves.push_back(turn); },
          cube_.ShowShuffle);
    }
    return !cube_.StopShuffle;
  });
}

bool Game::StartScrambled(int size, const std::function<bool()>& scramble) {
  paused_ = false;
  ForgetHelp();
  view_.ShowStatus(StatusKind::Scrambling);
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
  const bool ranToEnd = !cube_.StopShuffle && scramble();
  cube_.StopShuffle = false;
  phase_ = Phase::None;
  Count();
  view_.ShowScrambling(false);
  if (!ranToEnd) {
    view_.ShowGame();
    return false;
  }
  scrambleTurns_ = static_cast<uint32_t>(cube_.ScrambleMoves.size());
  scrambleText_ = NotationText(cube_.ScrambleMoves, FaceFrame{}, cube_.Size);
  restingStatus_.clear();
  StartClock(0);
  view_.ShowStatus(StatusKind::Ready);
  return true;
}

void Game::HintShown(const GameStatus& status) {
  // The hint's text stays on the line, over drags that turn nothing, until a turn.
  hintStatus_ = status;
  view_.ShowStatus(hintStatus_);
  if (!Running()) return;
  helpUsed_ = true;
  scrambleTurns_ = 0;
  Keep();
}

bool Game::PlaySolution(const std::vector<VEKMove>& moves) {
  if (Scrambling() || playingMoves_ || paused_ || cube_.Busy) return false;
  if (Running()) seconds_ = stopwatch_.Seconds();
  // Given up: no game runs from here, whatever the turns bring.
  phase_ = Phase::None;
  helpUsed_ = givenUp_ = true;
  scrambleTurns_ = 0;
  kept_.Discard();
  // The player's moves stay to be read before the computer's turns.
  movesBeforeSolution_ = AppliedMoves();
  cube_.History.Clear();
  solutionPlayed_.clear();
  playingMoves_ = playingSolution_ = true;
  cube_.StopShuffle = false;
  view_.ShowStatus(StatusKind::Solving);
  view_.ShowScrambling(true);
  view_.ShowGame();
  bool all = true;
  for (const VEKMove& m : moves) {
    all = !cube_.StopShuffle && cube_.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign);
    if (!all) break;
    solutionPlayed_.push_back(m);
  }
  cube_.StopShuffle = false;
  playingMoves_ = playingSolution_ = false;
  const bool solved = all && cube_.IsSolved();
  if (solved) phase_ = Phase::Solved;
  restingStatus_ = solved ? StatusKind::SolvedByComputer : StatusKind::SolutionStopped;
  view_.ShowScrambling(false);
  view_.ShowGame();
  view_.ShowStatus(restingStatus_);
  return all;
}

void Game::StopScramble() {
  if (Scrambling() || playingMoves_) cube_.StopShuffle = true;
}

bool Game::PlayMoves(const std::vector<notation::Move>& moves, VEKCamera& camera) {
  if (Scrambling() || playingMoves_ || paused_ || cube_.Busy) return false;
  playingMoves_ = true;
  cube_.StopShuffle = false;
  BeginGesture();
  // A sequence runs like a scramble: only Stop and Exit act meanwhile.
  const bool sequence = moves.size() > 1;
  if (sequence) view_.ShowScrambling(true);
  // Taken at once, it is kept at its end rather than after each turn: ten
  // thousand turns would otherwise be ten thousand writes.
  const bool atOnce = sequence && !cube_.ShowShuffle;
  keepEachTurn_ = !atOnce;
  bool all = true;
  for (const notation::Move& move : moves) {
    if (cube_.StopShuffle || phase_ == Phase::Solved) {
      all = false;
      break;
    }
    // A sequence is shown as a scramble is, or taken at once.
    all = PlayMove(
        cube_, camera, move,
        [this](const VEKMove& turn) {
          cube_.History.Record(turn);
          PlayerTurned();
        },
        !sequence || cube_.ShowShuffle);
    if (!all) break;
  }
  cube_.StopShuffle = false;
  playingMoves_ = false;
  keepEachTurn_ = true;
  if (atOnce) KeepOrSay();
  if (sequence) {
    view_.ShowScrambling(false);
    view_.ShowGame();  // undo and redo as they now stand
  }
  EndGesture();
  return all;
}

std::string Game::ScrambleText(const FaceFrame& view) const {
  return NamedFor(scrambleText_, FaceFrame{}, view, cube_.Size);
}

std::string Game::SolutionText(const FaceFrame& view) const {
  return NotationText(solutionPlayed_, view, cube_.Size);
}

std::vector<VEKMove> Game::AppliedMoves() const {
  const std::vector<VEKMove>& history = cube_.History.Moves();
  return {history.begin(), history.begin() + cube_.History.Cursor()};
}

std::string Game::MovesText(const FaceFrame& view) const {
  return NotationText(givenUp_ ? movesBeforeSolution_ : AppliedMoves(), view, cube_.Size);
}

std::string Game::MovesAfterSolutionText(const FaceFrame& view) const {
  return givenUp_ ? NotationText(AppliedMoves(), view, cube_.Size) : std::string();
}

void Game::Stop(int size) {
  kept_.Discard();  // the game was given up: nothing to continue
  paused_ = false;
  cube_.Build(size);
  phase_ = Phase::None;
  seconds_ = 0;
  clockShown_ = false;
  scrambleTurns_ = 0;
  ForgetHelp();
  scrambleText_.clear();
  Count();
  fileName_.clear();
  saveNeedsName_ = false;
  view_.ShowGame();
}

bool Game::Pause() {
  if (!Running() || paused_) return false;
  stopwatch_.Pause();
  seconds_ = stopwatch_.Seconds();
  paused_ = true;
  view_.ShowGame();
  return true;
}

void Game::Resume() {
  if (!paused_) return;
  paused_ = false;
  stopwatch_.Resume();
  view_.ShowGame();
}

void Game::StartClock(int32_t seconds) {
  paused_ = false;
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
  view_.ShowStatus(StatusKind::Turning);
}

void Game::EndGesture() {
  view_.ShowStatus(!restingStatus_.empty() ? restingStatus_ : !hintStatus_.empty() ? hintStatus_ : StatusKind::Ready);
}

bool Game::Step(bool undo) {
  if (undo ? !CanUndo() : !CanRedo()) return false;
  const bool turned = undo ? cube_.Undo() : cube_.Redo();
  if (turned) PlayerTurned();
  return turned;
}

void Game::PlayerTurned() {
  hintStatus_.clear();  // the hinted turn, or another: the hint is stale either way
  // Without a running game (after Stop, Open or a solve) nothing is counted.
  if (Running()) Count();
  if (Running() && cube_.IsSolved()) {
    Solve();
    return;
  }
  view_.ShowGame();
  // Kept after every turn, so that a crash loses at most the turn being made.
  if (keepEachTurn_) KeepOrSay();
}

void Game::KeepOrSay() {
  if (Running() && !Keep()) {
    restingStatus_ = GameStatus::FileFailed(StatusKind::KeepFailed, errno, kept_.Where());
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
  solvedWithRecord_ = record;
  restingStatus_ = GameStatus::Solved(seconds_, counted_, record, helpUsed_);
  kept_.Discard();  // a finished game is nothing to continue
  view_.ShowGame();
  if (record) view_.KeepRecords();
  view_.ShowStatus(restingStatus_);
}

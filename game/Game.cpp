#include "game/Game.h"

#include <algorithm>
#include <cerrno>

#include "game/GameRecords.h"
#include "game/Replay.h"
#include "game/ResumeStore.h"
#include "game/SolutionPlay.h"
#include "interaction/PlayNotation.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"

Game::Game(VEKBigCube& cube, GameView& view, ResumeStore& kept, GameRecords& records, const SteadyClock& clock)
    : cube_(cube), view_(view), kept_(kept), records_(records), stopwatch_(clock), turns_(cube, clock) {
  cube_.TurnDetected = [this](const VEKMove& move) { QueueDragTurn(move); };
  turns_.Woken = [this] { view_.TurnsWaiting(); };
}

Game::~Game() {
  cube_.TurnDetected = nullptr;
  solveTask_.Cancel();  // its worker reports to this game
}

uint32_t Game::MovesNow() const { return cube_.MoveCount(); }

bool Game::Turning() const { return !turns_.Idle() || (replay_ && replay_->Playing()); }

std::optional<uint32_t> Game::MovesShown() const {
  if (replay_) return static_cast<uint32_t>(replay_->At());
  if (Scrambling()) return std::nullopt;  // no count belongs to a cube being scrambled
  return counted_;
}

// A solved game is over: its turns are not taken back into it.
bool Game::CanUndo() const { return !replay_ && !Scrambling() && !paused_ && phase_ != Phase::Solved && cube_.CanUndo(); }

bool Game::CanRedo() const { return !replay_ && !Scrambling() && !paused_ && phase_ != Phase::Solved && cube_.CanRedo(); }

bool Game::HasPlayerMoves() const {
  // During a replay the game's turns stand aside with it.
  const VEKMoveHistory& history = aside_ ? aside_->History : cube_.History;
  return Running() && (history.MoveCount() > 0 || history.CanRedo() || !turns_.Idle());
}

bool Game::ResumeAvailable() const { return !Scrambling() && !kept_.Latest().empty(); }

void Game::ForgetHelp() {
  helpUsed_ = givenUp_ = false;
  solutionPlayed_.clear();
  movesBeforeSolution_.clear();
  hintStatus_.clear();
  hintFor_.reset();
  followFrom_.reset();
  follow_ = {};
  searchedFor_.reset();
  solveTask_.Cancel();
  view_.ShowHint(std::nullopt);
}

void Game::StartScramble(int size) {
  EndReplay();
  Whole();
  // The game on screen, if it had turns, was abandoned.
  Finished();
  ForgetTurns();
  paused_ = false;
  ForgetHelp();
  stopTo_.reset();
  view_.ShowStatus(StatusKind::Scrambling);
  kept_.Discard();
  // A new game is no opened file: Save asks for a name rather than write
  // this game over the one that was opened.
  fileName_.clear();
  saveNeedsName_ = false;
  // No game runs until the scramble is done: a close during it keeps nothing.
  phase_ = Phase::Scrambling;
  seconds_ = 0;
  cube_.Build(size);
  view_.ShowScrambling(true);
  ShowGame();
}

void Game::ScrambleEnded(bool complete) {
  phase_ = Phase::None;
  Count();
  view_.ShowScrambling(false);
  if (stopTo_) {
    // Stop was chosen during the scramble: it is done now.
    const int size = *stopTo_;
    stopTo_.reset();
    Stop(size);
    view_.ShowStatus(StatusKind::Ready);
    return;
  }
  if (!complete) {
    ShowGame();
    return;
  }
  scrambleTurns_ = startScrambleTurns_ = static_cast<uint32_t>(cube_.ScrambleMoves.size());
  scrambleText_ = NotationText(cube_.ScrambleMoves, FaceFrame{}, cube_.Size);
  restingStatus_.clear();
  StartClock(0);
  view_.ShowStatus(StatusKind::Ready);
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
  EndReplay();
  if (Scrambling()) {
    // The scramble ends after the turn in progress, and Stop then.
    stopTo_ = size;
    turns_.Drop();
    if (turns_.Idle() && Scrambling()) ScrambleEnded(false);
    return;
  }
  Whole();
  Finished();
  ForgetTurns();
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
  ShowGame();
}

bool Game::Pause() {
  EndReplay();
  if (!Running() || paused_) return false;
  // Hidden with no turn half made: the turns asked for are taken first.
  SettleTurns();
  if (!Running()) return false;
  stopwatch_.Pause();
  seconds_ = stopwatch_.Seconds();
  paused_ = true;
  ShowGame();
  return true;
}

void Game::Resume() {
  EndReplay();  // the game comes back first, still paused
  if (!paused_) return;
  paused_ = false;
  stopwatch_.Resume();
  ShowGame();
}

void Game::StartClock(int32_t seconds) {
  paused_ = false;
  phase_ = Phase::Playing;
  seconds_ = seconds;
  clockShown_ = true;
  stopwatch_.Start(seconds);
  ShowGame();
  view_.ClockStarted();
}

void Game::Tick() {
  if (Running()) seconds_ = stopwatch_.Seconds();
}

void Game::BeginGesture() {
  restingStatus_.clear();
  settleStatus_ = false;
  view_.ShowStatus(StatusKind::Turning);
}

bool Game::PressOnCube() {
  if (PlayingSolution()) StopScramble();
  if (Scrambling() || PlayingMoves()) return false;
  if (Paused()) Resume();
  BeginGesture();
  return true;
}

void Game::EndGesture() {
  // The turns still queued end the gesture when they are done.
  if (!turns_.Idle()) {
    settleStatus_ = true;
    return;
  }
  settleStatus_ = false;
  view_.ShowStatus(!restingStatus_.empty() ? restingStatus_ : !hintStatus_.empty() ? hintStatus_ : StatusKind::Ready);
}

void Game::TurnsSettled() {
  if (settleStatus_ && turns_.Idle()) EndGesture();
}

void Game::PlayerTurned() {
  hintStatus_.clear();  // the hinted turn, or another: the hint is stale either way
  // Without a running game (after Stop, Open or a solve) nothing is counted.
  if (Running()) Count();
  if (Running() && cube_.IsSolved()) {
    Solve();
    return;
  }
  ShowGame();
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
  solvedMs_ = stopwatch_.Milliseconds();
  seconds_ = static_cast<int32_t>(solvedMs_ / 1000);
  phase_ = Phase::Solved;
  const SolveRecord solve{seconds_, static_cast<int32_t>(counted_)};
  const bool record = scrambleTurns_ >= static_cast<uint32_t>(kRecordScrambleTurns) && records_.Offer(cube_.Size, solve);
  scrambleTurns_ = 0;
  solvedWithRecord_ = record;
  restingStatus_ = GameStatus::Solved(seconds_, counted_, record, helpUsed_);
  Finished();  // a history that fails says so instead
  kept_.Discard();  // a finished game is nothing to continue
  // Turns the player queued after the solving one are not taken into it.
  turns_.Drop();
  ShowGame();
  if (record) view_.KeepRecords();
  view_.ShowStatus(restingStatus_);
}

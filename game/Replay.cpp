#include "game/Replay.h"

#include <algorithm>
#include <utility>

#include "game/TurnQueue.h"
#include "puzzle/Notation.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"

std::optional<std::vector<VEKMove>> QuarterTurnsOf(const std::string& text, int size) {
  const notation::Parsed parsed = notation::Parse(text, size);
  if (!parsed.Ok()) return std::nullopt;
  std::vector<VEKMove> turns;
  for (const notation::Move& move : parsed.Moves) {
    // The cube itself never turns as a whole in a kept game.
    if (!ViewTurnsOf(move, FaceFrame{}).empty()) return std::nullopt;
    for (const LayerTurn& turn : LayerTurnsOf(move, FaceFrame{}, size)) turns.push_back(turn.Recorded());
  }
  return turns;
}

std::optional<ReplayScript> ScriptOf(const SolveEntry& game) {
  if (!IsSupportedCubeSize(game.Size) || game.Scramble.empty()) return std::nullopt;
  std::optional<std::vector<VEKMove>> scramble = QuarterTurnsOf(game.Scramble, game.Size);
  std::optional<std::vector<VEKMove>> turns = QuarterTurnsOf(game.Solution, game.Size);
  if (!scramble || !turns || turns->size() != game.MoveMs.size()) return std::nullopt;
  if (!std::is_sorted(game.MoveMs.begin(), game.MoveMs.end())) return std::nullopt;
  if (!game.MoveMs.empty() && game.MoveMs.front() < 0) return std::nullopt;
  return ReplayScript{game.Size, std::move(*scramble), std::move(*turns), game.MoveMs, std::max<int64_t>(game.Ms, 0)};
}

namespace {

void TurnAtOnce(VEKBigCube& cube, const VEKMove& move, int sign = 1) {
  cube.TurnLayers(move.Axis, move.Layer, move.Layer + move.Width - 1, move.Sign * sign, false);
}

}  // namespace

void SetUpReplay(VEKBigCube& cube, const ReplayScript& script, std::size_t at) {
  cube.Build(script.Size);
  for (const VEKMove& move : script.Scramble) TurnAtOnce(cube, move);
  cube.ScrambleMoves = script.Scramble;
  at = std::min(at, script.Turns.size());
  for (std::size_t k = 0; k < at; ++k) TurnAtOnce(cube, script.Turns[k]);
}

Replay::Replay(VEKBigCube& cube, TurnQueue& turns, const SteadyClock& clock, ReplayScript script)
    : cube_(cube), turns_(turns), clock_(clock), script_(std::move(script)), alive_(std::make_shared<bool>(true)) {
  SetUpReplay(cube_, script_, 0);
  lastTick_ = clock_.Now();
}

Replay::~Replay() { *alive_ = false; }

int64_t Replay::ClockMs() const { return std::clamp<int64_t>(elapsedUs_ / 1000, 0, script_.Ms); }

int64_t Replay::StartOf(std::size_t k) const {
  // The turn is shown ending when the player's ended.
  const int64_t turnMs = (90 / std::max(1, cube_.StepDegrees())) * TurnQueue::kStepTime.count();
  return std::max<int64_t>(0, script_.TurnMs[k] - turnMs);
}

void Replay::Play() {
  if (at_ == Length() && !inFlight_) ToStart();
  if (speed_ == kTurnByTurn) speed_ = 1;
  playing_ = true;
  lastTick_ = clock_.Now();
}

void Replay::Pause() { playing_ = false; }

void Replay::SetSpeed(int speed) {
  speed_ = speed == 2 || speed == 4 ? speed : speed == kTurnByTurn ? kTurnByTurn : 1;
  if (speed_ == kTurnByTurn) Pause();
}

void Replay::Tick() {
  const auto now = clock_.Now();
  if (!playing_) {
    lastTick_ = now;
    return;
  }
  elapsedUs_ += std::chrono::duration_cast<std::chrono::microseconds>(now - lastTick_).count() * speed_;
  lastTick_ = now;
  if (inFlight_) {
    // Turns that cannot keep up hold the clock: it never runs ahead of the cube.
    if (at_ + 1 < Length()) elapsedUs_ = std::min(elapsedUs_, StartOf(at_ + 1) * 1000);
    return;
  }
  if (at_ == Length()) {
    playing_ = false;
    elapsedUs_ = std::max(elapsedUs_, script_.Ms * 1000);
    return;
  }
  if (elapsedUs_ >= StartOf(at_) * 1000) Queue(at_, false);
}

void Replay::Queue(std::size_t k, bool back) {
  inFlight_ = true;
  const VEKMove move = script_.Turns[k];
  const int sign = back ? -move.Sign : move.Sign;
  std::shared_ptr<bool> alive = alive_;
  turns_.Push({[move, sign, taken = false]() mutable -> std::optional<LayerTurn> {
                 if (taken) return std::nullopt;
                 taken = true;
                 return LayerTurn{move.Axis, move.Layer, move.Layer + move.Width - 1, sign};
               },
               [this, alive, k, back](const LayerTurn&) {
                 if (!*alive) return;
                 at_ = back ? k : k + 1;
                 // Stepped through, the clock shows when the player's turn ended.
                 if (!playing_) elapsedUs_ = (at_ > 0 ? script_.TurnMs[at_ - 1] : 0) * 1000;
               },
               [this, alive](bool) {
                 if (*alive) inFlight_ = false;
               }});
}

void Replay::Settle() {
  if (inFlight_) turns_.PlayAtOnce();
}

void Replay::Forward() {
  Pause();
  Settle();
  if (at_ < Length()) Queue(at_, false);
}

void Replay::Back() {
  Pause();
  Settle();
  if (at_ > 0) Queue(at_ - 1, true);
}

void Replay::ToStart() {
  Pause();
  turns_.FinishAndDrop();
  SetUpReplay(cube_, script_, 0);
  at_ = 0;
  elapsedUs_ = 0;
}

void Replay::ToEnd() {
  Pause();
  turns_.FinishAndDrop();
  for (; at_ < Length(); ++at_) TurnAtOnce(cube_, script_.Turns[at_]);
  elapsedUs_ = script_.Ms * 1000;
}

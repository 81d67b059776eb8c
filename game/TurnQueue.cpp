#include "game/TurnQueue.h"

#include <algorithm>
#include <utility>

#include "puzzle/VekCube.h"

TurnQueue::TurnQueue(VEKBigCube& cube, const SteadyClock& clock) : cube_(cube), clock_(clock) {}

void TurnQueue::Push(Run run) {
  runs_.push_back(std::move(run));
  if (!turn_ && !holding_) BeginNext(clock_.Now());
}

bool TurnQueue::BeginNext(std::chrono::steady_clock::time_point start) {
  // The callbacks below may push, and so begin a turn themselves.
  while (!turn_ && !runs_.empty()) {
    if (paused_ && steps_ == 0) return false;
    std::optional<LayerTurn> next;
    if (!frontStopping_ && runs_.front().Next) next = runs_.front().Next();
    if (!next) {
      EndFrontRun(!frontStopping_);
      continue;
    }
    if (!cube_.BeginTurn(next->Axis, next->First, next->Last, next->Sign)) {
      EndFrontRun(false);
      continue;
    }
    if (paused_) --steps_;
    turn_ = Turn{*next, start, cube_.TurnStepsLeft, 0};
    if (Woken) Woken();
  }
  return turn_.has_value();
}

void TurnQueue::EndTurn() {
  const LayerTurn what = turn_->What;
  turn_.reset();
  cube_.EndTurn();
  // Copied: hearing of the turn may drop the run.
  const auto turned = runs_.front().Turned;
  if (turned) turned(what);
}

void TurnQueue::EndFrontRun(bool complete) {
  Run run = std::move(runs_.front());
  runs_.pop_front();
  frontStopping_ = false;
  if (run.Ended) run.Ended(complete);
}

bool TurnQueue::Advance() {
  const auto now = clock_.Now();
  if (!turn_ && !BeginNext(now)) return false;
  bool moved = false;
  while (turn_) {
    const auto due = std::clamp<long long>((now - turn_->Start) * pace_ / kStepTime, 0, turn_->Steps);
    for (; turn_->Taken < due; ++turn_->Taken) {
      cube_.StepTurn();
      moved = true;
    }
    if (turn_->Taken < turn_->Steps) break;
    // The next turn starts where this one ended, so that a run keeps its pace.
    const auto end = turn_->Start + turn_->Steps * StepTime();
    EndTurn();
    BeginNext(end);
  }
  return moved;
}

void TurnQueue::PlayAtOnce() {
  holding_ = true;
  if (turn_) {
    for (; turn_->Taken < turn_->Steps; ++turn_->Taken) cube_.StepTurn();
    EndTurn();
  }
  while (!runs_.empty()) {
    std::optional<LayerTurn> next;
    if (!frontStopping_ && runs_.front().Next) next = runs_.front().Next();
    if (!next) {
      EndFrontRun(!frontStopping_);
    } else if (!cube_.TurnLayers(next->Axis, next->First, next->Last, next->Sign, false)) {
      EndFrontRun(false);
    } else if (const auto turned = runs_.front().Turned) {
      turned(*next);
    }
  }
  holding_ = false;
}

void TurnQueue::FinishAndDrop() {
  holding_ = true;
  if (turn_) {
    for (; turn_->Taken < turn_->Steps; ++turn_->Taken) cube_.StepTurn();
    EndTurn();
  }
  // Only the runs queued now: one pushed while they end waits for the next tick.
  for (std::size_t n = runs_.size(); n > 0 && !runs_.empty(); --n) EndFrontRun(false);
  holding_ = false;
}

void TurnQueue::Drop() {
  std::deque<Run> dropped;
  const std::size_t keep = turn_ ? 1 : 0;
  while (runs_.size() > keep) {
    dropped.push_front(std::move(runs_.back()));
    runs_.pop_back();
  }
  if (keep) frontStopping_ = true;
  for (Run& run : dropped) {
    if (run.Ended) run.Ended(false);
  }
}

void TurnQueue::Pause() {
  paused_ = true;
  steps_ = 0;
}

void TurnQueue::Resume() {
  paused_ = false;
  if (!turn_ && !holding_) BeginNext(clock_.Now());
}

void TurnQueue::Step() {
  if (!paused_) return;
  ++steps_;
  if (!turn_ && !holding_) BeginNext(clock_.Now());
}

std::chrono::steady_clock::duration TurnQueue::StepTime() const {
  return std::chrono::duration_cast<std::chrono::steady_clock::duration>(kStepTime) / pace_;
}

void TurnQueue::SetPace(int times) {
  if (times < 1 || times == pace_) return;
  // The steps due stay due; the rest come at the new pace from now.
  const auto now = clock_.Now();
  const long long due = turn_ ? std::clamp<long long>((now - turn_->Start) * pace_ / kStepTime, 0, turn_->Steps) : 0;
  pace_ = times;
  if (turn_) turn_->Start = now - due * StepTime();
}

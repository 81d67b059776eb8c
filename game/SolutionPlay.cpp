#include "game/SolutionPlay.h"

#include <utility>

SolutionPlay::SolutionPlay(TurnQueue& turns, solver::StagedSolution solution)
    : turns_(turns), solution_(std::move(solution)), moves_(solution_.Moves()) {}

TurnQueue::Run SolutionPlay::Run(std::function<void(const LayerTurn&, bool)> turned, std::function<void(bool)> ended) {
  return {[this]() -> std::optional<LayerTurn> {
            // Paused, the queue asks only for the turns the controls let through.
            bool back = false;
            if (turns_.Paused() && !asked_.empty()) {
              back = asked_.front();
              asked_.pop_front();
            }
            if (!back && named_ == moves_.size()) return std::nullopt;
            const VEKMove& m = moves_[back ? named_ - 1 : named_];
            named_ = back ? named_ - 1 : named_ + 1;
            backUnderWay_ = back;
            return LayerTurn{m.Axis, m.Layer, m.Layer + m.Width - 1, back ? -m.Sign : m.Sign};
          },
          [this, turned = std::move(turned)](const LayerTurn& turn) {
            at_ = named_;
            turned(turn, backUnderWay_);
            // Stepped to the end: the run ends there, as it does when played through.
            if (at_ == moves_.size() && turns_.Paused() && asked_.empty()) turns_.Step();
          },
          std::move(ended)};
}

std::size_t SolutionPlay::Target() const {
  std::size_t target = named_;
  for (const bool back : asked_) target = back ? target - 1 : target + 1;
  return target;
}

void SolutionPlay::Play() {
  asked_.clear();
  turns_.Resume();
}

void SolutionPlay::Pause() {
  // Pausing again would forget the turns asked for.
  if (!turns_.Paused()) turns_.Pause();
}

void SolutionPlay::Forward() {
  Pause();
  if (Target() == moves_.size()) return;
  asked_.push_back(false);
  turns_.Step();
}

void SolutionPlay::Back() {
  Pause();
  if (Target() == 0) return;
  asked_.push_back(true);
  turns_.Step();
}

void SolutionPlay::SetSpeed(int speed) { turns_.SetPace(speed == 2 || speed == 4 ? speed : 1); }

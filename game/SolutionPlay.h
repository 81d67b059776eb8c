// The computer's solution played through the turn queue, with the controls
// of its bar: pause and play, a turn back or on, and the pace (the player's
// turn speed times 1, 2 or 4). It tells where it stands: the turns made of
// all, and the stage they have come to.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "game/TurnQueue.h"
#include "solver/Staged.h"

class SolutionPlay {
 public:
  static constexpr int kSpeeds[] = {1, 2, 4};

  SolutionPlay(TurnQueue& turns, solver::StagedSolution solution);
  SolutionPlay(const SolutionPlay&) = delete;
  SolutionPlay& operator=(const SolutionPlay&) = delete;

  // The queue's run of the solution. Turned hears of each turn made, Back
  // when it took one back; Ended of the run's end, Complete when every turn
  // stands on the cube. The owner puts the queue back to its pace and
  // unpaused then.
  TurnQueue::Run Run(std::function<void(const LayerTurn&, bool Back)> Turned, std::function<void(bool Complete)> Ended);

  bool Playing() const { return !turns_.Paused(); }
  void Play();
  // The turn under way still ends on its quarter.
  void Pause();
  void PlayOrPause() { Playing() ? Pause() : Play(); }
  // One turn on or back from where the turns asked for leave the cube; the
  // solution pauses.
  void Forward();
  void Back();
  // 1, 2 or 4; any other speed is 1.
  void SetSpeed(int speed);
  int Speed() const { return turns_.Pace(); }

  // The turns standing on the cube, of all.
  std::size_t At() const { return at_; }
  std::size_t Length() const { return moves_.size(); }
  // The stage the next turn on belongs to (the last one at the end).
  solver::Stage StageNow() const { return solution_.StageOf(at_); }
  // A solution of more than one stage names them.
  bool InStages() const { return solution_.Parts.size() > 1; }

 private:
  // Where the cube stands once the turns under way and asked for are made.
  std::size_t Target() const;

  TurnQueue& turns_;
  solver::StagedSolution solution_;
  std::vector<VEKMove> moves_;
  std::size_t at_ = 0;
  std::size_t named_ = 0;    // where it stands once the turn under way has ended
  bool backUnderWay_ = false;
  std::deque<bool> asked_;   // turns asked for while paused, in order: back (true) or on
};

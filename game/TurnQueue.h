// Every turn the cube makes waits here and is played by the frame loop: the
// head turn advances by the steps due on the steady clock, one step of
// StepDegrees() every kStepTime, so a quarter turn takes as long on a slow
// machine as on a fast one (a slow one applies the steps due and draws once).
// Turns come in runs (a drag's turn, a key's move, an undo, a scramble, a
// typed sequence, the computer's solution); a run names its next turn only
// when the one before it has ended, so that it is named for the cube and the
// view as they then stand.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <optional>

#include "game/GameClock.h"
#include "puzzle/ViewFaces.h"

struct VEKBigCube;

class TurnQueue {
 public:
  static constexpr std::chrono::milliseconds kStepTime{10};

  struct Run {
    // The next quarter turn, once the one before has ended; nothing when the
    // run is over.
    std::function<std::optional<LayerTurn>()> Next;
    // A quarter turn has ended on its quarter.
    std::function<void(const LayerTurn&)> Turned;
    // The run is over: Complete when it ran out, false when it was dropped
    // or a layer of its next turn was not whole. The queue may be played on,
    // dropped or pushed to from here.
    std::function<void(bool Complete)> Ended;
  };

  TurnQueue(VEKBigCube& cube, const SteadyClock& clock);
  TurnQueue(const TurnQueue&) = delete;
  TurnQueue& operator=(const TurnQueue&) = delete;

  // Queues a run; when nothing plays, its first turn begins now.
  void Push(Run run);
  // The frame loop's tick: the steps due are taken. True when the cube moved.
  bool Advance();
  // Everything queued is taken now, without frames: the turn under way with
  // its remaining steps, the rest each in one rotation.
  void PlayAtOnce();
  // The turn under way ends now (its remaining steps taken at once) and
  // every run is dropped: the cube stands whole at once.
  void FinishAndDrop();
  // The runs after the turn under way are dropped; its own run ends with it.
  void Drop();
  // Paused, the turn under way still ends on its quarter; no other begins
  // until Resume, or Step, which lets one more turn play.
  void Pause();
  void Resume();
  void Step();
  bool Paused() const { return paused_; }
  // Turns play Times as fast as their steps say (1, 2, 4...), the turn under
  // way too from where it stands; a queue starts at 1.
  void SetPace(int Times);
  int Pace() const { return pace_; }

  // A turn is under way.
  bool Turning() const { return turn_.has_value(); }
  // Nothing under way and nothing queued.
  bool Idle() const { return !turn_ && runs_.empty(); }
  // The runs not yet over, the one under way among them.
  std::size_t Runs() const { return runs_.size(); }
  // Told whenever a turn is queued or begins, so that frames are drawn.
  std::function<void()> Woken;

 private:
  struct Turn {
    LayerTurn What;
    std::chrono::steady_clock::time_point Start;
    int Steps = 0;
    int Taken = 0;
  };
  // One step's time at the pace.
  std::chrono::steady_clock::duration StepTime() const;
  // Begins the next turn of the runs, starting at start; false when none can.
  bool BeginNext(std::chrono::steady_clock::time_point start);
  // The turn under way has taken its last step: it ends and is reported.
  void EndTurn();
  // The front run is over.
  void EndFrontRun(bool complete);

  VEKBigCube& cube_;
  const SteadyClock& clock_;
  std::deque<Run> runs_;
  std::optional<Turn> turn_;
  bool frontStopping_ = false;  // the front run ends with the turn under way
  bool paused_ = false;
  int steps_ = 0;  // turns that may begin while paused
  int pace_ = 1;
  bool holding_ = false;  // taking turns at once: a push only queues
};

// A finished game played again on the cube: the scramble set up without
// frames, then the player's turns through the turn queue at the pace they
// were made (or faster, or one at a time), with its own clock and counter.
// Nothing of it is a game: no turn is counted, kept or recorded.
#pragma once

#include <chrono>
#include <memory>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/GameClock.h"
#include "game/SolveEntry.h"
#include "puzzle/MoveHistory.h"

struct VEKBigCube;
class TurnQueue;

// A game's turns as the cube makes them: every quarter turn on its own.
struct ReplayScript {
  int Size = 3;
  std::vector<VEKMove> Scramble;
  std::vector<VEKMove> Turns;
  std::vector<int64_t> TurnMs;  // when each turn ended on the game's clock
  int64_t Ms = 0;               // the clock at the game's end
};

// The quarter turns of a text in the notation, faces named for the start
// view; none when a move does not read or turns the view (x, y, z).
std::optional<std::vector<VEKMove>> QuarterTurnsOf(const std::string& text, int size);

// None when the game cannot be replayed: its scramble is not known, a move
// does not read for its size, or its times do not match its turns.
std::optional<ReplayScript> ScriptOf(const SolveEntry& game);

// The cube at the script's scramble and its first `at` turns, without frames.
void SetUpReplay(VEKBigCube& cube, const ReplayScript& script, std::size_t at);

class Replay {
 public:
  // Speeds: the player's pace times 1, 2 or 4; or kTurnByTurn (paused,
  // Forward and Back play one turn each).
  static constexpr int kTurnByTurn = 0;

  // The cube is set up at the scramble; the replay waits for Play.
  Replay(VEKBigCube& cube, TurnQueue& turns, const SteadyClock& clock, ReplayScript script);
  ~Replay();
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;

  bool Playing() const { return playing_; }
  void Play();
  void Pause();
  void PlayOrPause() { playing_ ? Pause() : Play(); }
  void SetSpeed(int speed);
  int Speed() const { return speed_; }

  // One turn on or back from where the cube stands (a turn under way ends
  // first); the replay pauses.
  void Forward();
  void Back();
  void ToStart();
  void ToEnd();

  // The turns standing on the cube, and of the whole game.
  std::size_t At() const { return at_; }
  std::size_t Length() const { return script_.Turns.size(); }
  // The replay's clock: where the game's clock stood at this point.
  int64_t ClockMs() const;
  const ReplayScript& Script() const { return script_; }

  // The frame loop's tick: the replay's clock runs on and a turn now due
  // is queued; the queue's own tick moves the cube.
  void Tick();

 private:
  // When turn k begins on the replay's clock, so that it ends at its time.
  int64_t StartOf(std::size_t k) const;
  void Queue(std::size_t k, bool back);
  // The turn under way ends now.
  void Settle();

  VEKBigCube& cube_;
  TurnQueue& turns_;
  const SteadyClock& clock_;
  ReplayScript script_;
  std::size_t at_ = 0;
  bool inFlight_ = false;
  bool playing_ = false;
  int speed_ = 1;
  int64_t elapsedUs_ = 0;  // the replay's clock, in microseconds (speeds multiply it)
  std::chrono::steady_clock::time_point lastTick_;
  // Cleared when the replay goes: a run still queued must not reach it.
  std::shared_ptr<bool> alive_;
};

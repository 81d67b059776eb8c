// The game clock: its text, the steady stopwatch behind it and the proposed
// name of a saved game.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

// "H:MM:SS" with every field at least two digits: 3725 -> "01:02:05",
// 360000 -> "100:00:00".
std::string FormatGameClock(int32_t seconds);

// "dd-mm-yyyy--hh-mm-ss.cube" for the given local time.
std::string ProposedGameFileName(const std::tm& local);
// The same for the local time now.
std::string ProposedGameFileName();

// Where the game reads the time: the real steady clock, or a test's.
class SteadyClock {
 public:
  virtual ~SteadyClock() = default;
  virtual std::chrono::steady_clock::time_point Now() const = 0;
  // The process's std::chrono::steady_clock.
  static const SteadyClock& Real();
};

// Whole seconds on a steady clock since Start; turn animations hold the event
// loop, so counting timer ticks would lose the seconds they take.
class SteadyStopwatch {
 public:
  explicit SteadyStopwatch(const SteadyClock& clock = SteadyClock::Real()) : clock_(clock) {}
  // Already Offset seconds on the clock at the start (a resumed game).
  void Start(int32_t Offset = 0) {
    paused_ = false;
    start_ = clock_.Now() - std::chrono::seconds(Offset < 0 ? 0 : Offset);
  }
  // Stops the time where it is; Resume goes on from there, to the tick.
  void Pause() {
    if (!paused_) pausedAt_ = clock_.Now(), paused_ = true;
  }
  void Resume() {
    if (paused_) start_ += clock_.Now() - pausedAt_, paused_ = false;
  }
  const SteadyClock& Clock() const { return clock_; }
  int32_t Seconds() const { return static_cast<int32_t>(Milliseconds() / 1000); }
  int64_t Milliseconds() const {
    const auto now = paused_ ? pausedAt_ : clock_.Now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now - start_).count();
  }

 private:
  const SteadyClock& clock_;
  std::chrono::steady_clock::time_point start_ = clock_.Now();
  std::chrono::steady_clock::time_point pausedAt_{};
  bool paused_ = false;
};

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

// Whole seconds on a steady clock since Start; turn animations hold the event
// loop, so counting timer ticks would lose the seconds they take.
class SteadyStopwatch {
 public:
  // Already Offset seconds on the clock at the start (a resumed game).
  void Start(int32_t Offset = 0) {
    start_ = std::chrono::steady_clock::now() - std::chrono::seconds(Offset < 0 ? 0 : Offset);
  }
  int32_t Seconds() const {
    return static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_)
            .count());
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The scales of the times chart, apart from the drawing: round clock values
// for the time axis and round game numbers along the other.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace chart {

// The time axis: its bottom and top and the ticks between, From to To by Step.
struct TimeScale {
  int64_t From = 0, To = 1000, Step = 1000;  // milliseconds
  std::vector<int64_t> Ticks;
};

// The finest round step (a tenth of a second up to hours, as a clock is read:
// 1, 2, 5, 10, 15, 30 seconds, 1, 2, 5, 10, 15, 30 minutes...) that covers
// lo..hi with at most maxTicks ticks; the ends are whole steps around them.
// Times closer than a tenth of the slowest (a second at least) are spread
// to that much.
TimeScale TimeAxis(int64_t lo, int64_t hi, int maxTicks);

// A tick's label: "0:45", "1:30", "1:02:00"; with tenths ("0:05.5") when the
// step is not whole seconds.
std::string TickText(int64_t ms, int64_t step);

// The game numbers (from 1) to label on an axis of count games: multiples
// of a round step (1, 2, 5, 10, 20, 50...), at most maxTicks, the first game
// too once the step is 5 or more.
std::vector<int> GameTicks(int count, int maxTicks);

}  // namespace chart

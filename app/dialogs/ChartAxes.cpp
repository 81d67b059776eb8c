#include "app/dialogs/ChartAxes.h"

#include <algorithm>
#include <cstdio>

namespace chart {
namespace {

constexpr int64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute;

// The round steps of a clock, finest first; past 5 hours, 10, 20, 50 hours...
int64_t ClockStep(std::size_t index) {
  static constexpr int64_t kSteps[] = {100,         200,          500,          kSecond,      2 * kSecond,
                                       5 * kSecond, 10 * kSecond, 15 * kSecond, 30 * kSecond, kMinute,
                                       2 * kMinute, 5 * kMinute,  10 * kMinute, 15 * kMinute, 30 * kMinute,
                                       kHour,       2 * kHour,    5 * kHour};
  constexpr std::size_t kCount = sizeof kSteps / sizeof kSteps[0];
  if (index < kCount) return kSteps[index];
  int64_t step = kSteps[kCount - 3 + (index - kCount) % 3];
  for (std::size_t decade = 0; decade <= (index - kCount) / 3; ++decade) step *= 10;
  return step;
}

}  // namespace

TimeScale TimeAxis(int64_t lo, int64_t hi, int maxTicks) {
  if (hi < lo) std::swap(lo, hi);
  lo = std::max<int64_t>(lo, 0), hi = std::max<int64_t>(hi, 0);
  maxTicks = std::max(maxTicks, 2);
  // Times close together (or one alone) get a tenth of their size around
  // them, a second at least: a tenth of a second's axis reads as noise.
  const int64_t least = std::max<int64_t>(1000, hi / 10);
  if (hi - lo < least) {
    lo = std::max<int64_t>(0, (lo + hi) / 2 - least / 2);
    hi = lo + least;
  }
  TimeScale scale;
  for (std::size_t i = 0;; ++i) {
    const int64_t step = ClockStep(i);
    const int64_t from = lo / step * step;
    int64_t to = (hi + step - 1) / step * step;
    if (to == from) to += step;  // a single time, or all equal: one step above
    if ((to - from) / step + 1 > maxTicks) continue;
    scale.From = from, scale.To = to, scale.Step = step;
    break;
  }
  for (int64_t tick = scale.From; tick <= scale.To; tick += scale.Step) scale.Ticks.push_back(tick);
  return scale;
}

std::string TickText(int64_t ms, int64_t step) {
  const int64_t seconds = ms / kSecond;
  char text[48];
  if (seconds >= 3600) {
    std::snprintf(text, sizeof text, "%lld:%02d:%02d", static_cast<long long>(seconds / 3600),
                  static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  } else {
    std::snprintf(text, sizeof text, "%d:%02d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
  }
  std::string result = text;
  if (step % kSecond != 0) result += "." + std::to_string(ms % kSecond / 100);
  return result;
}

std::vector<int> GameTicks(int count, int maxTicks) {
  std::vector<int> ticks;
  if (count < 1) return ticks;
  maxTicks = std::max(maxTicks, 1);
  for (long long unit = 1;; unit *= 10) {
    for (const long long step : {unit, 2 * unit, 5 * unit}) {
      const bool first = step >= 5;
      if (count / step + (first ? 1 : 0) > maxTicks && step < count) continue;
      if (first) ticks.push_back(1);
      for (long long n = step; n <= count; n += step) ticks.push_back(static_cast<int>(n));
      return ticks;
    }
  }
}

}  // namespace chart

// The times chart's scales: round clock steps covering the times in few ticks, their labels, round game numbers.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "app/dialogs/ChartAxes.h"

namespace {

TEST(ChartAxes, TheTimeAxisCoversTheTimesInRoundSteps) {
  // The times lo..hi and at most so many ticks; the axis from, to, by step.
  const std::array<int64_t, 6> cases[] = {
      {45000, 130000, 6, 30000, 150000, 30000},                                     // 0:30 ... 2:30
      {45000, 130000, 12, 40000, 130000, 10000},                                    // 10 s is fine enough
      {61000, 61000, 5, 55000, 65000, 5000}, {61000, 61900, 5, 58000, 66000, 2000},  // alone or close: a tenth
      {4000, 4500, 6, 3500, 5000, 500},      {0, 0, 5, 0, 1000, 500},                // a second at least
      {5200, 6900, 5, 5000, 7000, 500},                                             // tenths of seconds
      {100000, 3700000, 6, 0, 4500000, 900000},                                     // 15 minutes
      {3600000, 30 * 3600000LL, 5, 0, 30 * 3600000LL, 10 * 3600000LL},              // past the hours of the list
      {130000, 45000, 6, 30000, 150000, 30000},                                     // given the wrong way round
      {-500, 2000, 2, 0, 2000, 2000},                                               // never below nothing
  };
  for (const auto& [lo, hi, most, from, to, step] : cases) {
    const chart::TimeScale scale = chart::TimeAxis(lo, hi, static_cast<int>(most));
    EXPECT_EQ(std::tie(scale.From, scale.To, scale.Step), std::tie(from, to, step)) << lo << ".." << hi << "/" << most;
    ASSERT_EQ(scale.Ticks.size(), static_cast<std::size_t>((to - from) / step + 1)) << lo << ".." << hi;
    EXPECT_EQ(std::tie(scale.Ticks.front(), scale.Ticks.back()), std::tie(from, to));
  }
}

TEST(ChartAxes, TickLabelsReadAsAClock) {
  const std::tuple<int64_t, int64_t, const char*> cases[] = {
      {45000, 15000, "0:45"},      {90000, 30000, "1:30"},         {0, 30000, "0:00"},     {3720000, 60000, "1:02:00"},
      {36000000, 3600000, "10:00:00"}, {5500, 500, "0:05.5"},      {5000, 500, "0:05.0"},  {59999, 1000, "0:59"},
  };
  for (const auto& [ms, step, text] : cases) EXPECT_EQ(chart::TickText(ms, step), text) << ms;
}

TEST(ChartAxes, GameNumbersAreRoundAndFewEnough) {
  const std::tuple<int, int, std::vector<int>> cases[] = {
      {0, 8, {}}, {1, 8, {1}}, {6, 8, {1, 2, 3, 4, 5, 6}}, {12, 8, {2, 4, 6, 8, 10, 12}}, {4, 1, {1}},
      {40, 9, {1, 5, 10, 15, 20, 25, 30, 35, 40}}, {40, 8, {1, 10, 20, 30, 40}},
      {10000, 6, {1, 2000, 4000, 6000, 8000, 10000}},
  };
  for (const auto& [count, most, ticks] : cases) EXPECT_EQ(chart::GameTicks(count, most), ticks) << count;
}

}  // namespace

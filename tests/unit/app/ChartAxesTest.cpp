// The times chart's scales: round clock steps that cover the times with few
// enough ticks, their labels, and round game numbers.
#include <gtest/gtest.h>

#include "app/dialogs/ChartAxes.h"

namespace {

TEST(ChartAxes, TheTimeAxisCoversTheTimesInRoundSteps) {
  const struct {
    int64_t lo, hi;
    int maxTicks;
    int64_t from, to, step;
  } cases[] = {
      {45000, 130000, 6, 30000, 150000, 30000},        // 0:30 ... 2:30
      {45000, 130000, 12, 40000, 130000, 10000},       // 10 s is fine enough
      {61000, 61000, 5, 55000, 65000, 5000},           // alone: a tenth of it around it
      {61000, 61900, 5, 58000, 66000, 2000},
      {0, 0, 5, 0, 1000, 500},                         // a second at least
      {4000, 4500, 6, 3500, 5000, 500},
      {5200, 6900, 5, 5000, 7000, 500},                // tenths of seconds
      {100000, 3700000, 6, 0, 4500000, 900000},        // 15 minutes
      {3600000, 30 * 3600000LL, 5, 0, 30 * 3600000LL, 10 * 3600000LL},  // past the hours of the list
      {130000, 45000, 6, 30000, 150000, 30000},        // given the wrong way round
      {-500, 2000, 2, 0, 2000, 2000},                  // never below nothing
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lo) + ".." + std::to_string(c.hi) + " in " + std::to_string(c.maxTicks));
    const chart::TimeScale scale = chart::TimeAxis(c.lo, c.hi, c.maxTicks);
    EXPECT_EQ(scale.From, c.from);
    EXPECT_EQ(scale.To, c.to);
    EXPECT_EQ(scale.Step, c.step);
    ASSERT_FALSE(scale.Ticks.empty());
    EXPECT_EQ(scale.Ticks.front(), c.from);
    EXPECT_EQ(scale.Ticks.back(), c.to);
    EXPECT_LE(static_cast<int>(scale.Ticks.size()), std::max(c.maxTicks, 2));
  }
}

TEST(ChartAxes, TickLabelsReadAsAClock) {
  const struct {
    int64_t ms, step;
    const char* text;
  } cases[] = {
      {45000, 15000, "0:45"},      {90000, 30000, "1:30"},     {0, 30000, "0:00"},
      {3720000, 60000, "1:02:00"}, {36000000, 3600000, "10:00:00"}, {5500, 500, "0:05.5"},
      {5000, 500, "0:05.0"},       {59999, 1000, "0:59"},
  };
  for (const auto& c : cases) EXPECT_EQ(chart::TickText(c.ms, c.step), c.text) << c.ms;
}

TEST(ChartAxes, GameNumbersAreRoundAndFewEnough) {
  const struct {
    int count, maxTicks;
    std::vector<int> ticks;
  } cases[] = {
      {0, 8, {}},
      {1, 8, {1}},
      {6, 8, {1, 2, 3, 4, 5, 6}},
      {12, 8, {2, 4, 6, 8, 10, 12}},
      {40, 9, {1, 5, 10, 15, 20, 25, 30, 35, 40}},
      {40, 8, {1, 10, 20, 30, 40}},
      {10000, 6, {1, 2000, 4000, 6000, 8000, 10000}},
      {4, 1, {1}},
  };
  for (const auto& c : cases) EXPECT_EQ(chart::GameTicks(c.count, c.maxTicks), c.ticks) << c.count << " in " << c.maxTicks;
}

}  // namespace

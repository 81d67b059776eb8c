// The statistics against tables worked by hand: averages drop one best and
// one worst, a DNF is the worst, two make the window a DNF.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/SolveStats.h"

namespace {

constexpr int64_t D = kDnf;
using Figure = std::optional<int64_t>;
constexpr std::nullopt_t None = std::nullopt;

TEST(SolveStats, TrimmedAverageDropsOneBestAndOneWorst) {
  const struct {
    const char* what;
    std::vector<int64_t> window;
    Figure average;
  } cases[] = {
      {"fewer than 3", {1000, 2000}, None},
      {"three: the middle one", {3000, 1000, 2000}, 2000},
      {"order does not matter", {14000, 12000, 10000, 16000, 11000}, 12333},
      {"ties: only one best and one worst go", {10000, 20000, 10000, 20000, 10000}, 13333},
      {"one DNF is the worst", {12000, D, 10000, 11000, 13000}, 12000},
      {"two DNFs", {D, 1000, 2000, D, 3000}, D},
      {"a third rounds down", {1000, 1000, 1001, 0, 9999}, 1000},
      {"two thirds round up", {1000, 1000, 1001, 1001, 1002}, 1001},
      {"a half rounds up", {0, 1000, 1001, 5000}, 1001},
      {"twelve with a DNF", {D, 1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000}, 6500},
      {"twelve with two DNFs", {D, 1000, 2000, 3000, 4000, 5000, D, 7000, 8000, 9000, 10000, 11000}, D},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimmedAverage(c.window), c.average) << c.what;
}

SolveEntry Game(int64_t ms, uint32_t moves, SolveHow how = SolveHow::Solved) {
  SolveEntry game;
  game.Ms = ms;
  game.Moves = moves;
  game.How = how;
  return game;
}

TEST(SolveStats, RunningAveragesStartWithTheNthGame) {
  const struct {
    std::vector<int64_t> times;
    std::size_t n;
    std::vector<Figure> averages;
  } cases[] = {
      {{1000, 2000, 3000, 4000}, 5, {None, None, None, None}},
      {{1000, 2000, 3000, 4000, 5000, 6000}, 5, {None, None, None, None, 3000, 4000}},
      {{1000, D, 3000, D, 5000}, 3, {None, None, 3000, D, 5000}},
  };
  for (const auto& c : cases) EXPECT_EQ(RunningAverages(c.times, c.n), c.averages) << c.times.size() << "/" << c.n;
}

TEST(SolveStats, FiguresOfASizesGames) {
  std::vector<SolveEntry> thirteen;
  for (int second = 1; second <= 13; ++second) thirteen.push_back(Game(second * 1000, 2 * second));
  const struct {
    const char* what;
    std::vector<SolveEntry> games;
    std::size_t count, solved;
    Figure best, mean, ao5, ao12, bestAo5, bestAo12;
    std::optional<double> movesPerSecond;
  } cases[] = {
      {"no games", {}, 0, 0, None, None, None, None, None, None, None},
      {"fewer than 5",
       {Game(30000, 30), Game(20000, 20), Game(40000, 40), Game(10000, 10)},
       4, 4, 10000, 25000, None, None, None, None, 1.0},
      {"exactly 5, one abandoned",
       {Game(20000, 40), Game(5000, 3, SolveHow::Abandoned), Game(30000, 60), Game(25000, 50), Game(40000, 80)},
       5, 4, 20000, 28750, 31667, None, 31667, None, 2.0},
      {"the last window has two DNFs, the first one",
       {Game(10000, 5), Game(12000, 6), Game(14000, 7), Game(9000, 50, SolveHow::Computer), Game(16000, 8),
        Game(1000, 1, SolveHow::Abandoned)},
       6, 4, 10000, 13000, D, None, 14000, None, 0.5},
      {"every window a DNF",
       {Game(10000, 5), Game(1, 1, SolveHow::Computer), Game(12000, 6), Game(2, 1, SolveHow::Computer),
        Game(14000, 7)},
       5, 3, 10000, 12000, D, None, D, None, 0.5},
      {"thirteen: two windows of 12", thirteen, 13, 13, 1000, 7000, 11000, 7500, 3000, 6500, 2.0},
      {"the mean rounds half up", {Game(1000, 1), Game(1001, 1)}, 2, 2, 1000, 1001, None, None, None, None,
       2000.0 / 2001.0},
      {"solved without time", {Game(0, 0), Game(0, 0, SolveHow::Abandoned)}, 2, 1, 0, 0, None, None, None, None,
       None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SizeStats stats = StatsOf(c.games);
    EXPECT_EQ(stats.Count, c.count);
    EXPECT_EQ(stats.Solved, c.solved);
    EXPECT_EQ(stats.Best, c.best);
    EXPECT_EQ(stats.Mean, c.mean);
    EXPECT_EQ(stats.Ao5, c.ao5);
    EXPECT_EQ(stats.Ao12, c.ao12);
    EXPECT_EQ(stats.BestAo5, c.bestAo5);
    EXPECT_EQ(stats.BestAo12, c.bestAo12);
    ASSERT_EQ(stats.MovesPerSecond.has_value(), c.movesPerSecond.has_value());
    if (c.movesPerSecond) {
      EXPECT_DOUBLE_EQ(*stats.MovesPerSecond, *c.movesPerSecond);
    }
  }
}

}  // namespace

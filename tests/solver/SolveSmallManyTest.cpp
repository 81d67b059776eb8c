// A thousand scrambles of each small size, every one solved: the longest
// solution is printed, and must stay within the size's bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "solver/Solver.h"

namespace {

using solver::CubieState;

TEST(SolveSmallManyTest, AThousandPositionsOfEachSizeGoHome) {
  struct Case {
    int size, bound;
  } cases[] = {{2, 14}, {3, 60}};
  const std::atomic<bool> cancel{false};
  for (const Case& c : cases) {
    std::mt19937 random(1000 + c.size);
    size_t longest = 0;
    for (int i = 0; i < 1000; ++i) {
      CubieState s = CubieState::Solved(c.size);
      const int turns = 5 + static_cast<int>(random() % 196);
      for (int t = 0; t < turns; ++t) {
        s.Turn({static_cast<uint8_t>(random() % 3), static_cast<uint8_t>(random() % c.size),
                static_cast<int8_t>(random() % 2 ? 1 : -1), 1});
      }
      const solver::Solution solution =
          c.size == 2 ? solver::SolveTwo(s, cancel) : solver::SolveThree(s, cancel);
      ASSERT_EQ(solution.Result, solver::Solution::Outcome::Found) << c.size << " #" << i;
      for (const VEKMove& m : solution.Moves) s.Turn(m);
      ASSERT_TRUE(solver::AtHome(s)) << c.size << " #" << i;
      longest = std::max(longest, solution.Moves.size());
    }
    std::printf("%dx%dx%d: longest solution %zu quarter turns\n", c.size, c.size, c.size, longest);
    EXPECT_LE(longest, static_cast<size_t>(c.bound));
  }
}

}  // namespace

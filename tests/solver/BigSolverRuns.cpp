// A thousand seeded positions of each big size, every one solved to the
// home cube within the length allowed.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "solver/CubieState.h"
#include "solver/Solver.h"
#include "tests/unit/SolverPositions.h"

using solver::CubieState;
using solver::Solution;

namespace {

void SolveMany(int n, int most, int count) {
  const std::atomic<bool> cancel{false};
  std::size_t longest = 0;
  for (int i = 0; i < count; ++i) {
    // Short scrambles too: nearly solved positions take other paths.
    CubieState state = solverpositions::Scrambled(n, 5 + i % 196, 1000 * n + i);
    const Solution solution = solver::SolveBig(state, cancel);
    ASSERT_EQ(solution.Result, Solution::Outcome::Found) << "position " << i;
    ASSERT_LE(solution.Moves.size(), static_cast<std::size_t>(most)) << "position " << i;
    for (const VEKMove& move : solution.Moves) ASSERT_TRUE(state.Turn(move));
    ASSERT_TRUE(solver::AtHome(state)) << "position " << i;
    longest = std::max(longest, solution.Moves.size());
  }
  ::testing::Test::RecordProperty("longest", static_cast<int>(longest));
}

}  // namespace

TEST(BigSolverRuns, AThousandFours) { SolveMany(4, 600, 1000); }
TEST(BigSolverRuns, AThousandFives) { SolveMany(5, 1000, 1000); }

// The 3x3x3 positions a two-phase search finds hardest: patterns of centre
// twists, alone and with the superflip or cycled cubies. Each is solved
// within 60 quarter turns; the longest and slowest are printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "solver/Solver.h"
#include "tests/unit/SolverPositions.h"

namespace {

using solver::CubieState;
using namespace solverpositions;

// Solves each, checks it reaches home within Bound quarter turns, and
// prints the longest and slowest (the time is only reported).
void SolveAllWithin(const char* what, const std::vector<CubieState>& positions, size_t bound) {
  const std::atomic<bool> cancel{false};
  solver::Solve(CubieState::Solved(positions[0].Size), cancel);  // builds the tables, not timed
  size_t longest = 0;
  double slowest = 0;
  for (size_t i = 0; i < positions.size(); ++i) {
    CubieState s = positions[i];
    const auto start = std::chrono::steady_clock::now();
    const solver::Solution solution = solver::Solve(s, cancel);
    slowest = std::max(
        slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    ASSERT_EQ(solution.Result, solver::Solution::Outcome::Found) << what << " #" << i;
    for (const VEKMove& m : solution.Moves) s.Turn(m);
    ASSERT_TRUE(solver::AtHome(s)) << what << " #" << i;
    EXPECT_LE(solution.Moves.size(), bound) << what << " #" << i;
    longest = std::max(longest, solution.Moves.size());
  }
  std::printf("%s: %zu positions, longest %zu quarter turns, slowest %.3f s\n", what,
              positions.size(), longest, slowest);
}

// Every eighth of the 2048 reachable patterns of centre twists (all of them
// take minutes; the hard ones are in the unit tests too), and every 64th on a
// cube with every edge flipped, or three corners or edges cycled.
TEST(CentreTwistRuns, CentresTwistedAloneOrWithFlippedOrCycledCubiesGoHome) {
  const struct {
    const char* what;
    CubieState start;
    int step;
  } cases[] = {{"centres twisted", CubieState::Solved(3), 8},
               {"superflip, centres twisted", Superflip(CubieState::Solved(3)), 64},
               {"corners cycled, centres twisted", CornersCycled(), 64},
               {"edges cycled, centres twisted", EdgesCycled(), 64}};
  for (const auto& c : cases) {
    std::vector<CubieState> positions;
    for (int code = 0, even = 0; code < 4096; ++code) {
      int sum = 0;
      for (int f = 0; f < 6; ++f) sum += code >> 2 * f & 3;
      if (sum % 2 == 0 && even++ % c.step == 0) positions.push_back(TwistCentres(c.start, code));
    }
    ASSERT_EQ(positions.size(), 2048u / c.step);
    SolveAllWithin(c.what, positions, 60);
  }
}

}  // namespace

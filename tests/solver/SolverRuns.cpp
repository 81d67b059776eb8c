// Long runs of the solvers, too slow for the unit suite: a thousand cubes of
// each size, and the 3x3x3 positions a two-phase search finds hardest.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "tests/unit/CarryCubie.h"
#include "tests/unit/SolverPositions.h"
#include "tests/unit/TestCubes.h"

namespace {

using solver::CubieState;
using Outcome = solver::Solution::Outcome;
const std::atomic<bool> kNever{false};

// Trades one to three disjoint pairs of look-alike centres, picked at random.
void TradeLookAlikeCentres(VEKBigCube& cube, std::mt19937& random) {
  const int n = cube.Size, places = n * n * n;
  const auto grid = [n](int p) { return solver::Int3{p / (n * n), p / n % n, p % n}; };
  std::set<int> used;
  for (int pairs = 1 + random() % 3, tries = 0; pairs > 0 && tries < 100000; ++tries) {
    const int a = random() % places, b = random() % places;
    if (a == b || used.count(a) || used.count(b) || solver::LookAlikeTurn(n, a, b) < 0) continue;
    CarryCubie(cube, grid(a), grid(b));
    CarryCubie(cube, grid(b), grid(a));
    used.insert({a, b});
    --pairs;
  }
  ASSERT_FALSE(used.empty());
}

// The game's own cube scrambled by the turn code (5...200 turns), every
// tenth time after trading look-alike centres by hand, when it must read
// solved and need no turn. The solution, played by the turn code, must
// leave a cube that reads solved, within Bound quarter turns.
void SolveThousandCubes(int n, size_t bound) {
  auto renderer = HeadlessRenderer(n);
  VEKBigCube& cube = *renderer->Cube;
  std::mt19937 random(static_cast<unsigned>(n));
  size_t longest = 0;
  for (int i = 0; i < 1000; ++i) {
    cube.Build(n);
    if (n > 2 && i % 10 == 9) {
      ASSERT_NO_FATAL_FAILURE(TradeLookAlikeCentres(cube, random));
      ASSERT_TRUE(cube.IsSolved()) << "position " << i;
      const solver::Solution nothing = solver::Solve(cube, kNever);
      ASSERT_EQ(nothing.Result, Outcome::Found) << "position " << i;
      EXPECT_TRUE(nothing.Moves.empty()) << "position " << i;
    }
    for (int t = 5 + i % 196; t > 0; --t) {
      const int axis = random() % 3, layer = random() % n, sign = random() % 2 ? 1 : -1;
      ASSERT_TRUE(cube.TurnLayers(axis, layer, layer, sign, false));
    }
    const solver::Solution solution = solver::Solve(cube, kNever);
    ASSERT_EQ(solution.Result, Outcome::Found) << "position " << i;
    EXPECT_LE(solution.Moves.size(), bound) << "position " << i;
    for (const VEKMove& m : solution.Moves) {
      ASSERT_TRUE(cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false)) << "position " << i;
    }
    ASSERT_TRUE(cube.IsSolved()) << "position " << i;
    longest = std::max(longest, solution.Moves.size());
  }
  std::printf("%dx%dx%d: longest %zu quarter turns\n", n, n, n, longest);
}

}  // namespace

TEST(SolverRuns, AThousandTwos) { SolveThousandCubes(2, 14); }
TEST(SolverRuns, AThousandThrees) { SolveThousandCubes(3, 60); }
TEST(SolverRuns, AThousandFours) { SolveThousandCubes(4, 600); }
TEST(SolverRuns, AThousandFives) { SolveThousandCubes(5, 1000); }

// Every eighth of the 2048 reachable patterns of centre twists (all of them
// take minutes; the hard ones are in the unit tests too), and every 64th on a
// cube with every edge flipped, or three corners or edges cycled.
TEST(SolverRuns, CentresTwistedAloneOrWithFlippedOrCycledCubiesGoHome) {
  using namespace solverpositions;
  const struct {
    const char* what;
    CubieState start;
    int step;
  } cases[] = {{"centres twisted", CubieState::Solved(3), 8},
               {"superflip", Superflip(CubieState::Solved(3)), 64},
               {"corners cycled", CornersCycled(), 64},
               {"edges cycled", EdgesCycled(), 64}};
  for (const auto& c : cases) {
    for (int code = 0, even = 0; code < 4096; ++code) {
      int sum = 0;
      for (int f = 0; f < 6; ++f) sum += code >> 2 * f & 3;
      if (sum % 2 == 0 && even++ % c.step == 0) {
        EXPECT_TRUE(GoesHomeWithin(TwistCentres(c.start, code), 60)) << c.what << ", code " << code;
      }
    }
  }
}

// A thousand seeded positions of each size on the game's own cube, every one
// solved: scrambled by the turn code, every tenth from a cube whose
// look-alike centres were traded by hand first (it reads solved and needs
// no turn, yet its cubies are not home). The solution, played by the turn
// code, must leave a cube that reads solved, within the size's length. The
// longest solution and the slowest search are printed (time is only shown).
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <set>

#include "solver/Solver.h"
#include "tests/unit/CarryCubie.h"
#include "tests/unit/TestCubes.h"

namespace {

solver::Int3 GridPlace(int place, int n) { return {place / (n * n), place / n % n, place % n}; }

// Trades up to three disjoint pairs of look-alike centres, picked at random.
void TradeLookAlikeCentres(VEKBigCube& cube, std::mt19937& random) {
  const int n = cube.Size, places = n * n * n;
  std::set<int> used;
  for (int pairs = 1 + random() % 3, tries = 0; pairs > 0 && tries < 100000; ++tries) {
    const int a = random() % places, b = random() % places;
    if (a == b || used.count(a) || used.count(b) || solver::LookAlikeTurn(n, a, b) < 0) continue;
    CarryCubie(cube, GridPlace(a, n), GridPlace(b, n));
    CarryCubie(cube, GridPlace(b, n), GridPlace(a, n));
    used.insert({a, b});
    --pairs;
  }
  ASSERT_FALSE(used.empty());
}

void SolveThousandCubes(int n, size_t bound) {
  auto renderer = HeadlessRenderer(n);
  VEKBigCube& cube = *renderer->Cube;
  const std::atomic<bool> never{false};
  std::mt19937 random(static_cast<unsigned>(n));
  cube.TurnLayers(0, 0, 0, 1, false);
  solver::Solve(cube, never);  // builds the tables, not timed
  size_t longest = 0;
  double slowest = 0;
  for (int i = 0; i < 1000; ++i) {
    cube.Build(n);
    if (n > 2 && i % 10 == 9) {
      ASSERT_NO_FATAL_FAILURE(TradeLookAlikeCentres(cube, random));
      ASSERT_TRUE(cube.IsSolved()) << "position " << i;
      const solver::Solution nothing = solver::Solve(cube, never);
      ASSERT_EQ(nothing.Result, solver::Solution::Outcome::Found) << "position " << i;
      EXPECT_TRUE(nothing.Moves.empty()) << "position " << i;
    }
    // Short scrambles too: nearly solved positions take other paths.
    for (int t = 5 + i % 196; t > 0; --t) {
      const int axis = random() % 3, layer = random() % n, sign = random() % 2 ? 1 : -1;
      ASSERT_TRUE(cube.TurnLayers(axis, layer, layer, sign, false));
    }
    const auto start = std::chrono::steady_clock::now();
    const solver::Solution solution = solver::Solve(cube, never);
    slowest = std::max(
        slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    ASSERT_EQ(solution.Result, solver::Solution::Outcome::Found) << "position " << i;
    EXPECT_LE(solution.Moves.size(), bound) << "position " << i;
    for (const VEKMove& m : solution.Moves) {
      ASSERT_TRUE(cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false)) << "position " << i;
    }
    ASSERT_TRUE(cube.IsSolved()) << "position " << i;
    longest = std::max(longest, solution.Moves.size());
  }
  std::printf("%dx%dx%d: longest %zu quarter turns, slowest %.3f s\n", n, n, n, longest, slowest);
}

}  // namespace

TEST(ThousandCubesRuns, TwoByTwo) { SolveThousandCubes(2, 14); }
TEST(ThousandCubesRuns, ThreeByThree) { SolveThousandCubes(3, 60); }
TEST(ThousandCubesRuns, FourByFour) { SolveThousandCubes(4, 600); }
TEST(ThousandCubesRuns, FiveByFive) { SolveThousandCubes(5, 1000); }

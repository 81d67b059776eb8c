// Solutions of real cubes: played by the turn code, they leave a cube that
// reads solved; a cube no turns can solve is said to be one.
#include <gtest/gtest.h>

#include "CarryCubie.h"
#include "TestCubes.h"
#include "puzzle/Random.h"
#include "solver/Solver.h"

namespace {

using Outcome = solver::Solution::Outcome;
using solver::Int3;
const std::atomic<bool> kNever{false};

// Cubes at home, and cubes changed by hand where no turns change them, each
// then scrambled. Look-alike centres traded leave the cube reading solved;
// it is solved as the cube it looks like. So are two wings of a 5x5x5
// traded: turns bring them back while trading two look-alike centres, which
// nobody can see. A corner twisted alone is refused.
TEST(SolveTest, ScrambledCubesAreSolvedBySightOrRefused) {
  using Carried = std::vector<std::pair<Int3, Int3>>;
  const struct {
    const char* What;
    int Size;
    Carried Cubies;
    bool ReadsSolved;
    Outcome Result;
  } cases[] = {
      {"home", 2, {}, true, Outcome::Found},
      {"home", 3, {}, true, Outcome::Found},
      {"home", 4, {}, true, Outcome::Found},
      {"home", 5, {}, true, Outcome::Found},
      {"two middle centres", 3, {{{0, 1, 1}, {1, 0, 1}}, {{1, 0, 1}, {0, 1, 1}}}, true, Outcome::Found},
      {"two centres", 4, {{{0, 1, 1}, {1, 0, 1}}, {{1, 0, 1}, {0, 1, 1}}}, true, Outcome::Found},
      {"two X-centres", 5, {{{0, 1, 1}, {1, 0, 1}}, {{1, 0, 1}, {0, 1, 1}}}, true, Outcome::Found},
      {"two T-centres", 5, {{{0, 2, 1}, {4, 2, 1}}, {{4, 2, 1}, {0, 2, 1}}}, true, Outcome::Found},
      {"middle, X- and T-centres",
       5,
       {{{2, 4, 2}, {0, 2, 2}}, {{0, 2, 2}, {2, 4, 2}}, {{0, 3, 3}, {3, 0, 3}}, {{3, 0, 3}, {0, 3, 3}},
        {{1, 0, 2}, {1, 2, 0}}, {{1, 2, 0}, {1, 0, 2}}},
       true,
       Outcome::Found},
      {"two wings of an edge", 5, {{{4, 4, 3}, {4, 4, 1}}, {{4, 4, 1}, {4, 4, 3}}}, false, Outcome::Found},
      {"a corner twisted", 2, {{{1, 1, 1}, {1, 1, 1}}}, false, Outcome::Unreachable},
      {"a corner twisted", 5, {{{4, 4, 4}, {4, 4, 4}}}, false, Outcome::Unreachable},
  };
  for (const auto& c : cases) {
    const int n = c.Size;
    auto renderer = HeadlessRenderer(n, 90);
    VEKBigCube& cube = *renderer->Cube;
    for (const auto& [at, to] : c.Cubies) CarryCubie(cube, at, to);
    ASSERT_EQ(cube.IsSolved(), c.ReadsSolved) << c.What << ", size " << n;
    if (c.ReadsSolved) {
      EXPECT_TRUE(solver::Solve(cube, kNever).Moves.empty()) << c.What;
    }

    vekrandom::FixClockSeed(static_cast<uint32_t>(70 + n));
    cube.ShowShuffle = false;
    cube.Shuffle(30);
    vekrandom::FixClockSeed(std::nullopt);
    const solver::Solution solution = solver::Solve(cube, kNever);
    ASSERT_EQ(solution.Result, c.Result) << c.What << ", size " << n;
    for (const VEKMove& m : solution.Moves) {
      ASSERT_EQ(m.Width, 1);
      ASSERT_TRUE(cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false));
    }
    EXPECT_EQ(cube.IsSolved(), c.Result == Outcome::Found) << c.What << ", size " << n;
  }
  auto renderer = HeadlessRenderer(3);
  renderer->Cube->Cubies[0].Points[0].Y += 0.4f;
  EXPECT_EQ(solver::Solve(*renderer->Cube, kNever).Result, Outcome::OffGrid);
}

}  // namespace

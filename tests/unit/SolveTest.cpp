// Solutions of real cubes: played by the turn code, they leave a cube that
// reads solved; a cube no turns can solve is said to be one.
#include <gtest/gtest.h>

#include "TestCubes.h"
#include "puzzle/Random.h"
#include "solver/Solver.h"

namespace {

using Outcome = solver::Solution::Outcome;
const std::atomic<bool> kNever{false};

// The corner cubie at the far end of every axis, turned a third about the
// cube's diagonal through it: in its place, but twisted alone.
void TwistLastCorner(VEKBigCube& cube) {
  VEKSmallCube& corner = cube.Cubies[cube.CubieCount - 1];
  const VEKVector c = corner.Points[0];
  for (int p = 0; p < kPointsPerCubie; ++p) {
    VEKVector& v = corner.Points[p];
    const VEKVector d{v.X - c.X, v.Y - c.Y, v.Z - c.Z, 1.0f};
    v = VEKVector{c.X + d.Z, c.Y + d.X, c.Z + d.Y, v.W};
  }
}

// From home, and (sizes 3 up) from a commutator of second layers that moves
// six visible cubies onto look-alikes: that cube reads solved already.
TEST(SolveTest, ScrambledCubesOfEverySizeAreSolvedByTheirSolution) {
  for (int n = 2; n <= 5; ++n) {
    for (bool lookAlikesTraded : {false, true}) {
      if (lookAlikesTraded && n == 2) continue;
      auto renderer = HeadlessRenderer(n, 90);
      VEKBigCube& cube = *renderer->Cube;
      if (lookAlikesTraded) {
        for (const auto& [axis, sign] : {std::pair{0, +1}, {1, -1}, {0, -1}, {1, +1}}) {
          ASSERT_TRUE(cube.TurnLayers(axis, 1, 1, sign, false));
        }
        ASSERT_TRUE(cube.IsSolved());
      }
      // Solved, it needs no turn.
      const solver::Solution none = solver::Solve(cube, kNever);
      EXPECT_EQ(none.Result, Outcome::Found);
      EXPECT_TRUE(none.Moves.empty());

      vekrandom::FixClockSeed(static_cast<uint32_t>(40 + n));
      cube.ShowShuffle = false;
      cube.Shuffle(60);
      vekrandom::FixClockSeed(std::nullopt);
      ASSERT_FALSE(cube.IsSolved());
      const solver::Solution solution = solver::Solve(cube, kNever);
      ASSERT_EQ(solution.Result, Outcome::Found) << n;
      for (const VEKMove& m : solution.Moves) {
        ASSERT_EQ(m.Width, 1);
        ASSERT_TRUE(cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false));
      }
      EXPECT_TRUE(cube.IsSolved()) << n << (lookAlikesTraded ? ", look-alikes traded" : "");
    }
  }
}

TEST(SolveTest, AHandMadeCubeIsNoCubeToSolve) {
  for (int n = 2; n <= 5; ++n) {
    auto renderer = HeadlessRenderer(n);
    TwistLastCorner(*renderer->Cube);
    EXPECT_EQ(solver::Solve(*renderer->Cube, kNever).Result, Outcome::Unreachable) << n;
    renderer->Cube->Cubies[0].Points[0].Y += 0.4f;
    EXPECT_EQ(solver::Solve(*renderer->Cube, kNever).Result, Outcome::OffGrid) << n;
  }
}

}  // namespace

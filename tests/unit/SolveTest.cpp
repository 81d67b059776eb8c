// Solutions of real cubes: played by the turn code, they leave a cube that
// reads solved; a cube no turns can solve is said to be one.
#include <gtest/gtest.h>

#include "TestCubes.h"
#include "puzzle/Random.h"
#include "solver/LookAlike.h"
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

// Cubie B turned by Rotation about the cube's middle, as a hand would.
void TurnCubie(VEKBigCube& cube, int b, int rotation) {
  solver::Int3 column[3];
  for (int a = 0; a < 3; ++a) {
    solver::Int3 unit{0, 0, 0};
    unit[a] = 1;
    solver::Rotate(rotation, unit, column[a]);
  }
  for (int p = 0; p < kPointsPerCubie; ++p) {
    VEKVector& v = cube.Cubies[b].Points[p];
    const float x = v.X, y = v.Y, z = v.Z;
    v.X = column[0][0] * x + column[1][0] * y + column[2][0] * z;
    v.Y = column[0][1] * x + column[1][1] * y + column[2][1] * z;
    v.Z = column[0][2] * x + column[1][2] * y + column[2][2] * z;
  }
}

// Cubies traded by hand where no turns trade them. Look-alike centres leave
// the cube reading solved; once scrambled, it is solved as the cube it looks
// like. Two wings of a 5x5x5 traded are solved that way too: turns bring
// them back while trading two look-alike centres, which nobody can see.
TEST(SolveTest, CubiesTradedByHandAreSolvedBySight) {
  const struct {
    const char* What;
    int Size;
    // Each traded with Other, or where Other is unset with its first look-alike.
    std::vector<std::pair<solver::Int3, solver::Int3>> Cubies;
    bool ReadsSolved;
  } cases[] = {
      {"two middle centres", 3, {{{0, 1, 1}, {}}}, true},
      {"two centres", 4, {{{0, 1, 1}, {}}}, true},
      {"two middle centres", 5, {{{0, 2, 2}, {}}}, true},
      {"two X-centres", 5, {{{0, 1, 1}, {}}}, true},
      {"two T-centres", 5, {{{0, 2, 1}, {}}}, true},
      {"X- and T-centres", 5, {{{0, 1, 1}, {}}, {{1, 0, 2}, {}}}, true},
      {"middle, X- and T-centres", 5, {{{2, 4, 2}, {}}, {{0, 3, 3}, {}}, {{1, 0, 2}, {}}}, true},
      {"two wings of an edge", 5, {{{4, 4, 3}, {4, 4, 1}}}, false},
  };
  for (const auto& c : cases) {
    const int n = c.Size;
    auto renderer = HeadlessRenderer(n, 90);
    VEKBigCube& cube = *renderer->Cube;
    for (const auto& [at, other] : c.Cubies) {
      const int a = (at[0] * n + at[1]) * n + at[2];
      int b = (other[0] * n + other[1]) * n + other[2];
      if (b == 0) {
        while (b < cube.CubieCount && (b == a || solver::LookAlikeTurn(n, a, b) < 0)) ++b;
        ASSERT_LT(b, cube.CubieCount) << c.What;
      }
      // A look-alike's turn, or a half turn about the axis between them.
      const solver::CubieState home = solver::CubieState::Solved(n);
      for (const auto& [from, to] : {std::pair{a, b}, {b, a}}) {
        int turn = solver::LookAlikeTurn(n, from, to);
        for (int r = 1; turn < 0 && r < solver::kRotations; ++r) {
          solver::Int3 image;
          if (solver::Rotate(r, home.Coordinates(from), image) == home.Coordinates(to)) turn = r;
        }
        TurnCubie(cube, from, turn);
      }
    }
    ASSERT_EQ(cube.IsSolved(), c.ReadsSolved) << c.What << ", size " << n;
    vekrandom::FixClockSeed(static_cast<uint32_t>(70 + n));
    cube.ShowShuffle = false;
    cube.Shuffle(30);
    vekrandom::FixClockSeed(std::nullopt);
    // By which cubie stands where, no turns solve it.
    const solver::CubieState read = *solver::ReadCubies(cube);
    EXPECT_EQ((n == 3 ? solver::SolveThree : solver::SolveBig)(read, kNever).Result, Outcome::Unreachable)
        << c.What << ", size " << n;
    const solver::Solution solution = solver::Solve(cube, kNever);
    ASSERT_EQ(solution.Result, Outcome::Found) << c.What << ", size " << n;
    for (const VEKMove& m : solution.Moves) cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false);
    EXPECT_TRUE(cube.IsSolved()) << c.What << ", size " << n;
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

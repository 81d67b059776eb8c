#include <gtest/gtest.h>

#include <vector>

#include "puzzle/Random.h"
#include "TestCubes.h"

namespace {

int MarkedCount(const VEKBigCube& cube) {
  int count = 0;
  for (int b = 0; b < cube.CubieCount; ++b) count += cube.Cubies[b].InTurn ? 1 : 0;
  return count;
}

// Marks the layer y = 1.6 (the top of a 3x3x3) and turns it about Y.
void TurnTopLayer(VEKBigCube& cube, float degreesPerStep) {
  cube.ClearMarks();
  for (int b = 0; b < cube.CubieCount; ++b) {
    cube.Cubies[b].InTurn = cube.Cubies[b].Points[0].Y > 1.0f;
  }
  RotationAboutAxis(cube.TurnMatrix, cube.Axis[1], degreesPerStep);
  cube.AnimateTurn();
}

class SeededScramble : public ::testing::Test {
 protected:
  void SetUp() override { vekrandom::FixClockSeed(12345u); }
  void TearDown() override { vekrandom::FixClockSeed(std::nullopt); }
};
}  // namespace

TEST(LayerTurn, QuarterTurnAboutYInBothDirections) {
  for (float sign : {1.0f, -1.0f}) {
    auto renderer = HeadlessRenderer(3, 5);
    VEKBigCube& cube = *renderer->Cube;
    const std::vector<VEKVector> before = AllPoints(cube);
    TurnTopLayer(cube, sign * 5);
    const std::vector<VEKVector> after = AllPoints(cube);
    for (size_t i = 0; i < before.size(); ++i) {
      const VEKVector& p = before[i];
      const VEKVector& q = after[i];
      const bool turned = cube.Cubies[i / kPointsPerCubie].InTurn;
      if (!turned) {
        EXPECT_EQ(q.X, p.X);
        continue;
      }
      // Direction 0 (+step) maps (x, y, z) to (-z, y, x); direction 1 to (z, y, -x).
      EXPECT_NEAR(q.X, sign > 0 ? -p.Z : p.Z, 1e-4f);
      EXPECT_NEAR(q.Y, p.Y, 1e-4f);
      EXPECT_NEAR(q.Z, sign > 0 ? p.X : -p.X, 1e-4f);
      EXPECT_EQ(q.W, 1.0f);
    }
  }
}

TEST(LayerTurn, FourEqualTurnsRestoreEveryPoint) {
  auto renderer = HeadlessRenderer(4, 9);
  VEKBigCube& cube = *renderer->Cube;
  const std::vector<VEKVector> before = AllPoints(cube);
  for (int i = 0; i < 4; ++i) TurnTopLayer(cube, -9);
  const std::vector<VEKVector> after = AllPoints(cube);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(after[i].X, before[i].X, 1e-4f);
    EXPECT_NEAR(after[i].Y, before[i].Y, 1e-4f);
    EXPECT_NEAR(after[i].Z, before[i].Z, 1e-4f);
  }
}

TEST(MarkLayer, TheThreePlaneChoicesOfCubie21) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  struct Case {
    int choice;
    float nx, ny, nz;
    int axis;
  } cases[] = {{0, 0, -0.64f, 0, 1}, {1, -0.64f, 0, 0, 0}, {2, 0, 0, 0.64f, 2}};
  for (const Case& c : cases) {
    PlaneThroughCubie(cube, 21, c.choice);
    cube.ClearMarks();
    VEKVector n;
    EXPECT_EQ(cube.MarkLayer(n), 9);
    EXPECT_NEAR(n.X, c.nx, 1e-5f);
    EXPECT_NEAR(n.Y, c.ny, 1e-5f);
    EXPECT_NEAR(n.Z, c.nz, 1e-5f);
    EXPECT_EQ(cube.AxisAlong(n), &cube.Axis[c.axis]);
    // The marked layer: y = 0, x = 1.6 or z = -1.6, as the cubie's centre has it.
    const float want[3] = {1.6f, 0.0f, -1.6f};
    for (int b = 0; b < 27; ++b) {
      const VEKVector& centre = cube.Cubies[b].Points[0];
      const float coordinate = c.axis == 0 ? centre.X : c.axis == 1 ? centre.Y : centre.Z;
      EXPECT_EQ(cube.Cubies[b].InTurn, std::fabs(coordinate - want[c.axis]) < 1e-3f) << b;
    }
  }
}

TEST(MarkLayer, CollinearPointsMarkEveryCubieAndSlantedPlanesHaveNoAxis) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  cube.PlanePoint[0] = {1.6f, 1.6f, 1.6f, 1};
  cube.PlanePoint[1] = {0, 1.6f, 1.6f, 1};
  cube.PlanePoint[2] = {-1.6f, 1.6f, 1.6f, 1};
  VEKVector n;
  EXPECT_EQ(cube.MarkLayer(n), 27);
  // A diagonal plane through the corners of the +Z face.
  cube.ClearMarks();
  cube.PlanePoint[0] = {-1.6f, -1.6f, 1.6f, 1};
  cube.PlanePoint[1] = {0, 0, 1.6f, 1};
  cube.PlanePoint[2] = {0, 0, 2.4f, 1};
  EXPECT_EQ(cube.MarkLayer(n), 9);
  EXPECT_EQ(cube.AxisAlong(n), nullptr);
}

TEST(TurnMarked, NothingMarkedMovesNothing) {
  auto renderer = HeadlessRenderer(3, 10);
  VEKBigCube& cube = *renderer->Cube;
  const std::vector<VEKVector> before = AllPoints(cube);
  cube.ClearMarks();
  cube.TurnMarked(cube.Axis[0]);
  const std::vector<VEKVector> after = AllPoints(cube);
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].X, before[i].X);
}

TEST(TurnSpeed, AnUnusableSpeedStillTurnsAQuarterTurn) {
  for (int speed : {0, -5, 7, 91, 1000}) {
    auto renderer = HeadlessRenderer(3, speed);
    VEKBigCube& cube = *renderer->Cube;
    const VEKVector corner = cube.Cubies[26].Points[0];  // (1.6, 1.6, 1.6)
    PlaneThroughCubie(cube, 26, 0);                       // its layer y = 1.6
    cube.ClearMarks();
    VEKVector n;
    ASSERT_EQ(cube.MarkLayer(n), 9);
    cube.TurnMarked(*cube.AxisAlong(n));
    EXPECT_EQ(cube.StepDegrees(), 5) << speed;
    // A quarter turn either way: (-z, y, x) or (z, y, -x).
    const VEKVector& moved = cube.Cubies[26].Points[0];
    const bool forward = std::fabs(moved.X + corner.Z) < 1e-4f && std::fabs(moved.Z - corner.X) < 1e-4f;
    const bool backward = std::fabs(moved.X - corner.Z) < 1e-4f && std::fabs(moved.Z + corner.X) < 1e-4f;
    EXPECT_TRUE(forward || backward) << speed;
    EXPECT_NEAR(moved.Y, corner.Y, 1e-4f);
    EXPECT_TRUE(CubeIsIntact(cube, 1e-3f)) << speed;
  }
}

TEST_F(SeededScramble, KMovesTurnKLayersAndLeaveTheCubeIntact) {
  for (int speed : {5, 45, 1}) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
      auto renderer = HeadlessRenderer(n, speed);
      VEKBigCube& cube = *renderer->Cube;
      const VEKVector centre = cube.Cubies[(n * n * n) / 2].Points[0];
      cube.Shuffle(7);
      EXPECT_EQ(cube.ScrambleMoves.size(), 7u) << "n " << n << " speed " << speed;
      EXPECT_EQ(renderer->FramesDrawn, 0u) << "the cube draws no frame of its own";
      EXPECT_FALSE(cube.Busy);
      EXPECT_EQ(MarkedCount(cube), 0);
      for (const VEKVector& p : cube.PlanePoint) {
        EXPECT_EQ(p.X, 0.0f);
        EXPECT_EQ(p.Y, 0.0f);
        EXPECT_EQ(p.Z, 0.0f);
      }
      EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
      if (n % 2 == 1) {
        // The hidden centre cubie spins at most; it never leaves the origin.
        const VEKVector& now = cube.Cubies[(n * n * n) / 2].Points[0];
        EXPECT_NEAR(now.X, centre.X, 1e-5f);
        EXPECT_NEAR(now.Y, centre.Y, 1e-5f);
        EXPECT_NEAR(now.Z, centre.Z, 1e-5f);
      }
    }
  }
}

TEST_F(SeededScramble, ZeroMovesDrawNothingButStillClearTheDragState) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  cube.Cubies[4].InTurn = true;
  cube.PlanePoint[1] = {1, 2, 3, 1};
  cube.Shuffle(0);
  cube.Shuffle(-3);
  EXPECT_EQ(renderer->FramesDrawn, 0u);
  EXPECT_EQ(MarkedCount(cube), 0);
  EXPECT_EQ(cube.PlanePoint[1].Y, 0.0f);
  EXPECT_FALSE(cube.Busy);
}

TEST_F(SeededScramble, TheSameSeedGivesTheSameScramble) {
  auto a = HeadlessRenderer(3);
  auto b = HeadlessRenderer(3);
  a->Cube->Shuffle(20);
  b->Cube->Shuffle(20);
  EXPECT_EQ(AllPoints(*a->Cube).back().X, AllPoints(*b->Cube).back().X);
  const std::vector<VEKVector> pa = AllPoints(*a->Cube), pb = AllPoints(*b->Cube);
  for (size_t i = 0; i < pa.size(); ++i) ASSERT_EQ(pa[i].Z, pb[i].Z);
  // Each turn taken in one step and no frame drawn (as the picture tool
  // scrambles): the same cube, within the turn tolerance.
  auto c = HeadlessRenderer(3, 90);
  c->Cube->Shuffle(20);
  EXPECT_EQ(c->FramesDrawn, 0u);
  const std::vector<VEKVector> pc = AllPoints(*c->Cube);
  for (size_t i = 0; i < pa.size(); ++i) {
    ASSERT_NEAR(pa[i].X, pc[i].X, 1e-3f);
    ASSERT_NEAR(pa[i].Y, pc[i].Y, 1e-3f);
    ASSERT_NEAR(pa[i].Z, pc[i].Z, 1e-3f);
  }
  // And it actually scrambled: some cubie is away from home.
  auto home = HeadlessRenderer(3);
  const std::vector<VEKVector> ph = AllPoints(*home->Cube);
  int moved = 0;
  for (size_t i = 0; i < pa.size(); i += kPointsPerCubie) moved += std::fabs(pa[i].X - ph[i].X) > 0.1f;
  EXPECT_GT(moved, 0);
}

TEST_F(SeededScramble, TenThousandTurnsKeepTheTolerances) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  cube.Shuffle(10000);
  EXPECT_TRUE(CubeIsIntact(cube, 0.005f));
  // The layer test still finds exactly one layer through every cubie.
  for (int b = 0; b < cube.CubieCount; ++b) {
    for (int choice = 0; choice < 3; ++choice) {
      PlaneThroughCubie(cube, b, choice);
      cube.ClearMarks();
      VEKVector n;
      ASSERT_EQ(cube.MarkLayer(n), 9) << "cubie " << b << " choice " << choice;
      ASSERT_NE(cube.AxisAlong(n), nullptr);
    }
  }
}

// Seeded scrambles, one frame a turn: no turn brings back the points of two
// turns before, and none ends solved. Unchecked, a 2x2x2 undoes one turn in
// twelve, and two turns of both layers of an axis the same way solve it.
TEST(FairScramble, NoTurnUndoesTheLastAndNoScrambleEndsSolved) {
  const struct { int n, count, seeds; } cases[] = {{2, 2, 300}, {3, 20, 60}, {5, 20, 20}};
  int longer = 0;
  for (const auto& c : cases) {
    for (int seed = 1; seed <= c.seeds; ++seed) {
      vekrandom::FixClockSeed(static_cast<uint32_t>(seed));
      auto renderer = HeadlessRenderer(c.n, 90);
      VEKBigCube& cube = *renderer->Cube;
      std::vector<std::vector<long>> tenths;  // every coordinate, after each turn
      const auto look = [&] {
        tenths.emplace_back();
        for (const VEKVector& p : AllPoints(cube))
          for (float v : {p.X, p.Y, p.Z}) tenths.back().push_back(std::lround(10 * v));
      };
      look();
      // Drawn turn by turn, as the game's queue takes them.
      cube.BeginScramble();
      VEKBigCube::ScrambleDraw draw;
      draw.Count = c.count;
      while (const auto turn = cube.NextScrambleTurn(draw)) {
        ASSERT_TRUE(cube.TurnLayers(turn->Axis, turn->Layer, turn->Layer, turn->Sign));
        look();
      }
      vekrandom::FixClockSeed(std::nullopt);
      for (std::size_t k = 2; k < tenths.size(); ++k) ASSERT_NE(tenths[k], tenths[k - 2]) << c.n << " seed " << seed;
      EXPECT_FALSE(cube.IsSolved()) << "n " << c.n << " seed " << seed;
      longer += tenths.size() > static_cast<std::size_t>(c.count) + 1;
    }
  }
  EXPECT_GT(longer, 0);  // some scrambles had to go on
}

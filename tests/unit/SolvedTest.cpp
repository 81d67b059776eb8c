// The solved test, by sight: the surface shows the home picture up to a
// whole-cube rotation, where look-alike cubies may have traded places.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <tuple>
#include <vector>

#include "TestCubes.h"

namespace {
float Along(const VEKVector& p, int axis) { return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z; }

// A quarter turn of one layer, marked by the centres, as a turn makes it.
void TurnLayer(VEKBigCube& cube, int axis, int layer, int sign) {
  for (int b = 0; b < cube.CubieCount; ++b) {
    cube.Cubies[b].InTurn =
        std::fabs(Along(cube.Cubies[b].Points[0], axis) - cube.LayerCoordinate(layer)) < 0.1f;
  }
  cube.TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(cube.TurnMatrix, cube.Axis[axis], static_cast<float>(sign * cube.StepDegrees()));
  cube.AnimateTurn();
  cube.ClearMarks();
}

void TurnWholeCube(VEKBigCube& cube, int axis) {
  for (int layer = 0; layer < cube.Size; ++layer) TurnLayer(cube, axis, layer, +1);
}

// Where cubie 0's +Y and +Z faces point: names the whole-cube rotation.
std::tuple<long, long, long, long, long, long> Orientation(const VEKBigCube& cube) {
  const VEKSmallCube& c = cube.Cubies[0];
  VEKVector y, z;
  c.FaceCenter(5, y);
  c.FaceCenter(1, z);
  const VEKVector& o = c.Points[0];
  return {std::lround(y.X - o.X), std::lround(y.Y - o.Y), std::lround(y.Z - o.Z),
          std::lround(z.X - o.X), std::lround(z.Y - o.Y), std::lround(z.Z - o.Z)};
}
}  // namespace

TEST(Solved, TheHomeCubeOfEverySize) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto renderer = HeadlessRenderer(n);
    EXPECT_TRUE(renderer->Cube->IsSolved()) << n;
  }
}

TEST(Solved, EachOfThe24WholeCubeRotationsIsSolvedAndOneLayerLessIsNot) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    std::set<std::tuple<long, long, long, long, long, long>> seen;
    // Every sequence of up to four whole-cube quarter turns about X, Y and Z
    // reaches all 24 rotations.
    for (int length = 0; length <= 4; ++length) {
      int sequences = 1;
      for (int i = 0; i < length; ++i) sequences *= 3;
      for (int code = 0; code < sequences; ++code) {
        auto renderer = HeadlessRenderer(n, 45);
        VEKBigCube& cube = *renderer->Cube;
        for (int i = 0, c = code; i < length; ++i, c /= 3) TurnWholeCube(cube, c % 3);
        ASSERT_TRUE(cube.IsSolved()) << "n " << n << " sequence " << code << " of " << length;
        seen.insert(Orientation(cube));
      }
    }
    EXPECT_EQ(seen.size(), 24u) << n;

    // All layers of an axis but one: a layer stands a quarter turn off.
    for (int axis = 0; axis < 3; ++axis) {
      for (int skipped = 0; skipped < n; ++skipped) {
        auto renderer = HeadlessRenderer(n, 45);
        VEKBigCube& cube = *renderer->Cube;
        for (int layer = 0; layer < n; ++layer) {
          if (layer != skipped) TurnLayer(cube, axis, layer, +1);
        }
        EXPECT_FALSE(cube.IsSolved()) << "n " << n << " axis " << axis << " skipped " << skipped;
      }
    }
  }
}

TEST(Solved, ATurnedCentreFaceletIsNotSolved) {
  auto renderer = HeadlessRenderer(3, 30);
  VEKBigCube& cube = *renderer->Cube;
  // Only the centre cubie of the +Z face turns: every cubie is in its place,
  // but the 5 in the middle of that face lies on its side.
  const int centre = (1 * 3 + 1) * 3 + 2;
  auto turnCentre = [&] {
    cube.ClearMarks();
    cube.Cubies[centre].InTurn = true;
    cube.TurnMatrix.SetIdentity(1.0f);
    RotationAboutAxis(cube.TurnMatrix, cube.Axis[2], 30.0f);
    cube.AnimateTurn();
    cube.ClearMarks();
  };
  turnCentre();
  EXPECT_FALSE(cube.IsSolved());
  turnCentre();  // upside down
  EXPECT_FALSE(cube.IsSolved());
  turnCentre();
  turnCentre();
  EXPECT_TRUE(cube.IsSolved());
}

// A commutator of the second layers across X and Y moves six visible cubies
// of every size from 3 up, and they come back as others with the same digits.
TEST(Solved, LookAlikeCubiesThatTradedPlacesStillReadSolved) {
  for (int n = 3; n <= kMaxCubeSize; ++n) {
    auto renderer = HeadlessRenderer(n, 90);
    VEKBigCube& cube = *renderer->Cube;
    for (const auto& t : {std::pair{0, +1}, std::pair{1, -1}, std::pair{0, -1}, std::pair{1, +1}})
      TurnLayer(cube, t.first, 1, t.second);
    int away = 0;  // visible places that another cubie holds
    for (int b = 0; b < cube.CubieCount; ++b) {
      const int i = b / (n * n), j = b / n % n, k = b % n;
      away += (std::min({i, j, k}) == 0 || std::max({i, j, k}) == n - 1) && CubieAt(cube, i, j, k) != b + 1;
    }
    EXPECT_EQ(away, 6) << n;
    EXPECT_TRUE(cube.IsSolved()) << n;
  }
}

// One layer a quarter turn off, and (on odd sizes) a face's middle cubie
// turned in place: its digit lies on its side or upside down.
TEST(Solved, NoOneLayerTurnAndNoTurnedCentreDigitIsSolved) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    for (int axis = 0; axis < 3; ++axis) {
      for (int layer = 0; layer < n; ++layer) {
        for (int sign : {+1, -1}) {
          auto renderer = HeadlessRenderer(n, 90);
          TurnLayer(*renderer->Cube, axis, layer, sign);
          EXPECT_FALSE(renderer->Cube->IsSolved()) << "n " << n << " axis " << axis << " layer " << layer << " sign " << sign;
        }
      }
      if (n % 2 == 0) continue;
      for (int side : {0, n - 1}) {
        auto renderer = HeadlessRenderer(n, 90);
        VEKBigCube& cube = *renderer->Cube;
        int place[3] = {n / 2, n / 2, n / 2};
        place[axis] = side;
        for (int quarters = 1; quarters <= 4; ++quarters) {
          cube.ClearMarks();
          cube.Cubies[(place[0] * n + place[1]) * n + place[2]].InTurn = true;
          cube.TurnMatrix.SetIdentity(1.0f);
          RotationAboutAxis(cube.TurnMatrix, cube.Axis[axis], 90.0f);
          cube.AnimateTurn();
          EXPECT_EQ(cube.IsSolved(), quarters == 4) << "n " << n << " axis " << axis << " side " << side;
        }
      }
    }
  }
}

TEST(Solved, TheHiddenCoreIsNotReadButAVisibleCubieIs) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  const int core = 13, corner = 26;
  cube.ClearMarks();
  cube.Cubies[core].InTurn = true;
  RotationAboutAxis(cube.TurnMatrix, cube.Axis[0], 45.0f);
  cube.AnimateTurn();
  EXPECT_TRUE(cube.IsSolved());
  // A corner moved off the grid (as a forged file could hold it).
  cube.Cubies[corner].Points[0].X += 0.5f;
  EXPECT_FALSE(cube.IsSolved());
}

TEST(Solved, AScrambleUndoneMoveByMove) {
  std::mt19937 random(2024);
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto renderer = HeadlessRenderer(n, 45);
    VEKBigCube& cube = *renderer->Cube;
    const int moves = 12;
    for (int i = 0; i < moves; ++i) RandomDrag(cube, random);
    ASSERT_EQ(cube.MoveCount(), static_cast<uint32_t>(moves)) << n;
    EXPECT_FALSE(cube.IsSolved()) << n;
    while (cube.MoveCount() > 1) ASSERT_TRUE(cube.Undo());
    // One quarter turn of one layer away from home is never solved.
    EXPECT_FALSE(cube.IsSolved()) << n;
    ASSERT_TRUE(cube.Undo());
    EXPECT_TRUE(cube.IsSolved()) << n;
  }
}

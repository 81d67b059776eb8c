// Gesture decisions from recorded hits, without picking.
#include <gtest/gtest.h>

#include "TestCubes.h"

namespace {
// The 1-based number of the cubie whose home centre is at grid (i, j, k).
int CubieNumber(int n, int i, int j, int k) { return (i * n + j) * n + k + 1; }
constexpr int kFacePlusZ = 1, kFacePlusX = 4, kFacePlusY = 5;

void ExpectCentre(const VEKBigCube& cube, int number, float x, float y, float z) {
  const VEKVector& c = cube.Cubies[number - 1].Points[0];
  EXPECT_NEAR(c.X, x, 1e-4f);
  EXPECT_NEAR(c.Y, y, 1e-4f);
  EXPECT_NEAR(c.Z, z, 1e-4f);
}
}  // namespace

TEST(Gesture, TopRowMiddleToTheRightTurnsTheTopLayer) {
  auto renderer = HeadlessRenderer(3, 5);
  VEKBigCube& cube = *renderer->Cube;
  const int middle = CubieNumber(3, 1, 2, 2), right = CubieNumber(3, 2, 2, 2);
  cube.RecordHit(middle, kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 0u);
  // Check the plane before the turn clears it.
  VEKBigCube probe;
  probe.PlanePoint[0] = cube.PlanePoint[1];
  probe.PlanePoint[1] = cube.Cubies[right - 1].Points[0];
  cube.Cubies[right - 1].FaceCenter(kFacePlusZ, probe.PlanePoint[2]);
  VEKVector n;
  probe.MarkLayer(n);
  const float d = -(n.X * probe.PlanePoint[0].X + n.Y * probe.PlanePoint[0].Y + n.Z * probe.PlanePoint[0].Z);
  EXPECT_NEAR(n.X, 0, 1e-5f);
  EXPECT_NEAR(n.Y, -1.28f, 1e-5f);
  EXPECT_NEAR(n.Z, 0, 1e-5f);
  EXPECT_NEAR(d, 2.048f, 1e-5f);

  cube.RecordHit(right, kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 1u);
  // The cubie from (0, 1.6, 1.6) now stands at (1.6, 1.6, 0): -RotateSpeed about Y.
  ExpectCentre(cube, middle, 1.6f, 1.6f, 0.0f);
  EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
  EXPECT_FALSE(cube.Busy);
  for (const VEKVector& p : cube.PlanePoint) EXPECT_EQ(p.X, 0.0f);
}

TEST(Gesture, MiddleRowTurnsTheMiddleSlice) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  cube.RecordHit(CubieNumber(3, 0, 1, 2), kFacePlusZ);
  cube.RecordHit(CubieNumber(3, 1, 1, 2), kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 1u);
  // The middle slice turned to the right: its front-left cubie is now front-right.
  ExpectCentre(cube, CubieNumber(3, 0, 1, 2), 1.6f, 0.0f, 1.6f);
  ExpectCentre(cube, CubieNumber(3, 1, 1, 2), 1.6f, 0.0f, 0.0f);
  ExpectCentre(cube, CubieNumber(3, 0, 2, 2), -1.6f, 1.6f, 1.6f);  // top row stayed
}

TEST(Gesture, NoTurnWithoutACrossingIntoANeighbour) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  const int corner = CubieNumber(3, 2, 2, 2);
  // The same cubie over and over, also across its edge onto another face.
  cube.RecordHit(corner, kFacePlusZ);
  cube.RecordHit(corner, kFacePlusZ);
  cube.RecordHit(corner, kFacePlusX);
  cube.RecordHit(corner, kFacePlusY);
  EXPECT_EQ(cube.MoveCount(), 0u);
  // A diagonal jump within one face: its plane is slanted.
  cube.ResetDrag();
  cube.RecordHit(CubieNumber(3, 0, 0, 2), kFacePlusZ);
  cube.RecordHit(CubieNumber(3, 1, 1, 2), kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 0u);
  EXPECT_TRUE(CubeIsIntact(cube, 0.0f + 1e-6f));
}

TEST(Gesture, AcrossTheEdgeThenIntoAnotherCubieTurnsTheSliceHoldingBoth) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  const int topFrontRight = CubieNumber(3, 2, 2, 2);
  cube.RecordHit(topFrontRight, kFacePlusZ);
  cube.RecordHit(topFrontRight, kFacePlusY);  // over the edge, same cubie
  cube.RecordHit(CubieNumber(3, 2, 2, 1), kFacePlusY);  // on along the top face
  EXPECT_EQ(cube.MoveCount(), 1u);
  // The slice x = 1.6 turned: the cubie came from z = 1.6 and went on towards -z.
  ExpectCentre(cube, topFrontRight, 1.6f, 1.6f, -1.6f);
}

TEST(Gesture, AContinuedDragNeedsTwoMoreHits) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  cube.RecordHit(CubieNumber(3, 0, 0, 2), kFacePlusZ);
  cube.RecordHit(CubieNumber(3, 1, 0, 2), kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 1u);
  cube.RecordHit(CubieNumber(3, 2, 2, 2), kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 1u);  // the first hit after a turn only records
  cube.RecordHit(CubieNumber(3, 2, 1, 2), kFacePlusZ);
  EXPECT_EQ(cube.MoveCount(), 2u);  // down the right column: the x = 1.6 slice turns
}

TEST(Gesture, MouseInputIsIgnoredWhileBusyAndMouseUpEndsTheGesture) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  cube.Busy = true;
  renderer->Camera.LastX = renderer->Camera.LastY = 10;
  renderer->MouseMove(30, 10, ssRight | ssLeft);
  EXPECT_EQ(renderer->Camera.LastX, 10);
  EXPECT_EQ(cube.MoveCount(), 0u);

  cube.RecordHit(CubieNumber(3, 1, 1, 2), kFacePlusZ);
  cube.Cubies[3].InTurn = true;
  renderer->MouseUp();
  EXPECT_FALSE(cube.Busy);
  EXPECT_FALSE(cube.Cubies[3].InTurn);
  for (const VEKVector& p : cube.PlanePoint) EXPECT_EQ(p.Y, 0.0f);
  // Right button alone orbits; no pick.
  renderer->MouseMove(31, 10, ssRight);
  EXPECT_EQ(renderer->Camera.LastX, 31);
  EXPECT_LT(renderer->Camera.Eye.X, -0.5f);
}

TEST(Gesture, EveryAxisAndDirectionTurnsTheWayOfTheDrag) {
  // (from, to, face): the dragged cubie must end up one step further along the drag.
  struct Drag {
    int from[3], to[3], face;
    float expect[3];
  } drags[] = {
      {{1, 2, 2}, {2, 2, 2}, kFacePlusZ, {1.6f, 1.6f, 0}},    // +Z face, right: about Y
      {{1, 2, 2}, {0, 2, 2}, kFacePlusZ, {-1.6f, 1.6f, 0}},   // +Z face, left
      {{2, 1, 2}, {2, 0, 2}, kFacePlusZ, {1.6f, -1.6f, 0}},   // +Z face, down: about X
      {{2, 1, 2}, {2, 2, 2}, kFacePlusZ, {1.6f, 1.6f, 0}},    // +Z face, up
      {{2, 1, 1}, {2, 2, 1}, kFacePlusX, {0, 1.6f, 0}},       // +X face, up: about Z
      {{2, 1, 1}, {2, 0, 1}, kFacePlusX, {0, -1.6f, 0}},      // +X face, down
      {{1, 2, 1}, {1, 2, 2}, kFacePlusY, {0, 0, 1.6f}},       // +Y face, towards +Z: about X
      {{1, 2, 1}, {1, 2, 0}, kFacePlusY, {0, 0, -1.6f}},      // +Y face, towards -Z
  };
  for (const Drag& drag : drags) {
    auto renderer = HeadlessRenderer(3, 30);
    VEKBigCube& cube = *renderer->Cube;
    const int from = CubieNumber(3, drag.from[0], drag.from[1], drag.from[2]);
    cube.RecordHit(from, drag.face);
    cube.RecordHit(CubieNumber(3, drag.to[0], drag.to[1], drag.to[2]), drag.face);
    EXPECT_EQ(cube.MoveCount(), 1u);
    ExpectCentre(cube, from, drag.expect[0], drag.expect[1], drag.expect[2]);
  }
}

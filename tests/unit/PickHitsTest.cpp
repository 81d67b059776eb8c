// The CPU pick on hostile input: positions off the panel, an empty panel,
// absurd cubie coordinates, a broken camera, too small a buffer.
#include <cmath>
#include <limits>

#include "TestCubes.h"
#include "interaction/PickHits.h"

namespace {

PickRegion Region(double x, double y, int size = 400) {
  PickRegion r;
  r.WindowX = x;
  r.WindowY = y;
  r.Viewport[2] = r.Viewport[3] = size;
  return r;
}

int Hits(const VEKGL& gl, const PickRegion& region, uint32_t* buffer, int words = 512) {
  return CollectPickHits(*gl.Cube, gl.Camera, region, buffer, words);
}

TEST(PickHits, TheCentreOfTheStartViewIsTheMiddleFacelet) {
  auto gl = HeadlessRenderer(3);
  uint32_t buffer[512];
  const int hits = Hits(*gl, Region(200, 200), buffer);
  int cubie = 0, face = 0;
  ASSERT_TRUE(NearestFacelet(hits, buffer, gl->Cube->CubieCount, cubie, face));
  EXPECT_EQ(cubie, 15);  // the middle of the front face: index (1,1,2) = 14, numbered from 1
  EXPECT_EQ(face, 1);    // +Z
  for (int k = 0; k < hits; ++k) EXPECT_LE(buffer[4 * k + 1], buffer[4 * k + 2]) << k;
}

TEST(PickHits, NothingOffThePanelOrOnAnEmptyOne) {
  auto gl = HeadlessRenderer(5);
  uint32_t buffer[512];
  EXPECT_EQ(Hits(*gl, Region(-30, 200), buffer), 0);
  EXPECT_EQ(Hits(*gl, Region(200, 5000), buffer), 0);
  EXPECT_EQ(Hits(*gl, Region(200, 200, 0), buffer), 0);
  PickRegion negative = Region(0, 0);
  negative.Viewport[3] = -4;
  EXPECT_EQ(Hits(*gl, negative, buffer), 0);
}

TEST(PickHits, ABrokenCameraPicksNothing) {
  auto gl = HeadlessRenderer(3);
  uint32_t buffer[512];
  gl->Camera.Eye.X = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(Hits(*gl, Region(200, 200), buffer), 0);
  gl->Camera.Eye.X = std::numeric_limits<float>::infinity();
  EXPECT_EQ(Hits(*gl, Region(200, 200), buffer), 0);
  gl->Camera.Eye = VEKVector{0, 0, 0, 1};  // the eye in the centre: no direction to look in
  EXPECT_GE(Hits(*gl, Region(200, 200), buffer), -1);
}

TEST(PickHits, AbsurdCoordinatesAreLeftOutNotGuessed) {
  auto gl = HeadlessRenderer(3);
  VEKBigCube& cube = *gl->Cube;
  uint32_t buffer[512];
  // The front middle cubie blown up to the edge of the float range, another
  // one to infinity: the pick still ends and still finds what is placeable.
  for (int p = 0; p < kPointsPerCubie; ++p) {
    VEKVector& point = cube.Cubies[13].Points[p];
    point.X *= 3e37f;
    point.Y *= 3e37f;
    point.Z *= 3e37f;
    cube.Cubies[0].Points[p].X = std::numeric_limits<float>::infinity();
  }
  const int hits = Hits(*gl, Region(120, 120), buffer);
  EXPECT_GE(hits, 0);
  for (int k = 0; k < hits; ++k) EXPECT_NE(buffer[4 * k + 3] / 100, 1u) << "cubie 1 is nowhere";
}

TEST(PickHits, ABufferTooSmallOverflowsLikeSelectionMode) {
  auto gl = HeadlessRenderer(5);
  uint32_t buffer[512];
  const int all = Hits(*gl, Region(200, 200), buffer);
  ASSERT_GT(all, 2);
  uint32_t small[8];
  EXPECT_EQ(Hits(*gl, Region(200, 200), small, 8), -1);
  EXPECT_EQ(small[3], buffer[3]) << "what fitted is written";
  EXPECT_EQ(Hits(*gl, Region(200, 200), buffer, 4 * all), all) << "an exact fit is no overflow";
}

}  // namespace

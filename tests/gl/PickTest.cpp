// Picking on a real context: the cursor over a facelet's projected centre
// records that cubie and face; background and bevels record nothing; the
// square viewport inside wide and tall windows; the choice of the nearest hit.
#include <array>

#include "GLFixture.h"

using namespace gltest;

namespace {

// What one pick recorded: the cubie (array index) whose centre and the face
// whose centre the cube's plane points now hold.
struct Picked {
  bool hit = false;
  int cubie = -1, face = -1;
};
bool operator==(const Picked& a, const Picked& b) {
  return a.hit == b.hit && (!a.hit || (a.cubie == b.cubie && a.face == b.face));
}
std::ostream& operator<<(std::ostream& os, const Picked& p) {
  if (!p.hit) return os << "nothing";
  return os << "cubie " << p.cubie << ", face " << p.face;
}
Picked Hit(int cubie, int face) { return {true, cubie, face}; }
const Picked kNothing{};

bool Same(const VEKVector& a, const VEKVector& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z; }
bool Unset(const VEKVector& p) { return p.X == 0.0f && p.Y == 0.0f && p.Z == 0.0f; }

Picked Recorded(const VEKBigCube& cube) {
  Picked p;
  if (Unset(cube.PlanePoint[1])) return p;
  for (int b = 0; b < cube.CubieCount; ++b) {
    if (!Same(cube.Cubies[b].Points[0], cube.PlanePoint[1])) continue;
    for (int f = 0; f < 6; ++f) {
      VEKVector centre;
      cube.Cubies[b].FaceCenter(f + 1, centre);
      if (Same(centre, cube.PlanePoint[2])) return Hit(b, f);
    }
  }
  return {true, -2, -2};  // something, but no facelet of ours
}

// One pick from a clear drag state at the cursor over a world point.
Picked PickOver(Scene& s, Vec3 world) {
  s.Cube().ResetDrag();
  const Cursor c = CursorOver(s, world);
  s.Cube().Pick(c.x, c.y);
  EXPECT_TRUE(Unset(s.Cube().PlanePoint[0])) << "one pick leaves where the drag came from unset";
  return Recorded(s.Cube());
}

struct PlanePoints {
  VEKVector p[3];
};
PlanePoints Snapshot(const VEKBigCube& cube) {
  return {{cube.PlanePoint[0], cube.PlanePoint[1], cube.PlanePoint[2]}};
}
bool Unchanged(const PlanePoints& before, const VEKBigCube& cube) {
  for (int i = 0; i < 3; ++i) {
    if (!Same(before.p[i], cube.PlanePoint[i])) return false;
  }
  return true;
}

// Every facelet of the given faces of the whole cube picks its cubie and face.
void ExpectFaceletsPick(Scene& scene, std::initializer_list<int> faces, const char* view) {
  const int n = scene.Cube().Size;
  for (int face : faces) {
    for (const Facelet& f : FaceletsOf(n, face)) {
      const uint64_t frames = scene.gl.FramesDrawn;
      EXPECT_EQ(PickOver(scene, FaceletCentre(n, f)), Hit(CubieIndex(n, f.i, f.j, f.k), face))
          << view << ": grid " << f.i << "," << f.j << "," << f.k;
      EXPECT_EQ(scene.gl.FramesDrawn, frames + 1) << "every pick draws one frame";
    }
  }
}

}  // namespace

// ------------------------------------------------------------------ picking through selection

TEST(Picking, EveryFaceletInSightPicksItsCubieAndFace) {
  Scene scene(400, 400);
  ExpectFaceletsPick(scene, {kPlusZ}, "start view");
  scene.ViewThreeFaces();
  ExpectFaceletsPick(scene, {kPlusZ, kPlusX, kPlusY}, "three faces");
  // From the other side of the cube, the faces hidden so far.
  scene.LookFrom({-1, -1.2, -1.4}, {0, 1, 0});
  ExpectFaceletsPick(scene, {kMinusZ, kMinusX, kMinusY}, "from below behind");
}

TEST(Picking, EveryFaceletOfOtherSizesPicksToo) {
  for (int n : {2, 4, 5}) {
    Scene scene(400, 400, n);
    scene.ViewThreeFaces();
    ExpectFaceletsPick(scene, {kPlusZ, kPlusX, kPlusY}, n == 2 ? "2" : n == 4 ? "4" : "5");
  }
}

TEST(Picking, TheBackgroundPicksNothingAndChangesNothing) {
  Scene scene(400, 400);
  VEKBigCube& cube = scene.Cube();
  const Cursor start = CursorOver(scene, FaceletCentre(3, {1, 1, 2, kPlusZ}));
  cube.Pick(start.x, start.y);
  ASSERT_EQ(Recorded(cube), Hit(CubieIndex(3, 1, 1, 2), kPlusZ));
  const PlanePoints before = Snapshot(cube);
  // The window's corners, and just beyond the cube's left and top borders.
  const Cursor left = CursorOver(scene, {-2.4 - 0.1, 0, 2.3}),
               top = CursorOver(scene, {0, 2.4 + 0.1, 2.3});
  const Cursor inside = CursorOver(scene, {-2.4 + 0.15, 0, 2.4});
  for (Cursor c : {Cursor{0, 0}, Cursor{399, 399}, Cursor{399, 0}, Cursor{0, 399}, left, top}) {
    const uint64_t frames = scene.gl.FramesDrawn;
    cube.Pick(c.x, c.y);
    EXPECT_TRUE(Unchanged(before, cube)) << c.x << "," << c.y;
    EXPECT_EQ(scene.gl.FramesDrawn, frames + 1);
  }
  // A little further in, the facelet is there.
  cube.ResetDrag();
  cube.Pick(inside.x, inside.y);
  EXPECT_EQ(Recorded(cube), Hit(CubieIndex(3, 0, 1, 2), kPlusZ));
}

TEST(Picking, BevelsBetweenFaceletsPickNothing) {
  Scene scene(400, 400);
  VEKBigCube& cube = scene.Cube();
  // Where the bevels of two neighbours meet, 0.1 behind the front, and 0.15
  // aside from there on the flat of a facelet.
  struct Case {
    Vec3 groove, aside;
    Picked facelet;
  } front[] = {
      {{0.8, 0.0, 2.3}, {0.65, 0.0, 2.4}, Hit(CubieIndex(3, 1, 1, 2), kPlusZ)},
      {{-0.8, 1.6, 2.3}, {-0.95, 1.6, 2.4}, Hit(CubieIndex(3, 0, 2, 2), kPlusZ)},
      {{1.6, -0.8, 2.3}, {1.6, -0.65, 2.4}, Hit(CubieIndex(3, 2, 1, 2), kPlusZ)},
      {{0.8, 0.8, 2.3},
       {0.65, 0.65, 2.4},
       Hit(CubieIndex(3, 1, 1, 2), kPlusZ)},  // four cubies meet
  };
  for (const Case& c : front) {
    EXPECT_EQ(PickOver(scene, c.groove), kNothing) << c.groove.x << "," << c.groove.y;
    EXPECT_EQ(PickOver(scene, c.aside), c.facelet) << c.aside.x << "," << c.aside.y;
  }
  // The edges and the corner of the whole cube, seen from aslant.
  scene.ViewThreeFaces();
  EXPECT_EQ(PickOver(scene, {2.35, 0.0, 2.35}), kNothing);  // front meets right
  EXPECT_EQ(PickOver(scene, {0.0, 2.35, 2.35}), kNothing);  // front meets top
  EXPECT_EQ(PickOver(scene, {2.3, 2.3, 2.3}), kNothing);    // the corner
  EXPECT_EQ(PickOver(scene, {2.4, 0.0, 2.2}), Hit(CubieIndex(3, 2, 1, 2), kPlusX));
  EXPECT_EQ(PickOver(scene, {2.2, 2.4, 2.2}), Hit(CubieIndex(3, 2, 2, 2), kPlusY));
  // A bevel in front ends the pick even with a drag under way.
  const Cursor c = CursorOver(scene, FaceletCentre(3, {2, 2, 2, kPlusZ}));
  cube.ResetDrag();
  cube.Pick(c.x, c.y);
  const PlanePoints before = Snapshot(cube);
  const Cursor corner = CursorOver(scene, {2.3, 2.3, 2.3});
  cube.Pick(corner.x, corner.y);
  EXPECT_TRUE(Unchanged(before, cube));
}

TEST(Picking, WideAndTallWindowsPickWhatIsDrawnUnderTheCursor) {
  for (auto size : {std::array<int, 2>{600, 200}, {200, 600}, {601, 250}}) {
    Scene scene(size[0], size[1]);
    VEKColor blue;
    blue.Set(0, 0, 255);
    scene.gl.SetClearColor(blue);
    for (bool orbit : {false, true}) {
      if (orbit) scene.ViewThreeFaces();
      scene.gl.DrawFrame();
      const Picture picture = TakePicture(scene);
      for (int face : {kPlusZ, kPlusX, kPlusY}) {
        if (!orbit && face != kPlusZ) continue;
        for (const Facelet& f : FaceletsOf(3, face)) {
          const Vec3 centre = FaceletCentre(3, f);
          const Cursor c = CursorOver(scene, centre);
          EXPECT_GT(ColourDistance(picture.Pixel(c.x, c.y), {0, 0, 255}), 40)
              << "a facelet is drawn there";
          EXPECT_EQ(PickOver(scene, centre), Hit(CubieIndex(3, f.i, f.j, f.k), face))
              << size[0] << "x" << size[1] << " at " << c.x << "," << c.y;
        }
      }
      // Beside the square the window shows background, and picks nothing.
      const Viewport vp = SquareViewport(size[0], size[1]);
      const Cursor margin =
          vp.x > 0 ? Cursor{vp.x / 2, size[1] / 2} : Cursor{size[0] / 2, vp.y / 2};
      EXPECT_EQ(picture.Pixel(margin.x, margin.y), (Rgb{0, 0, 255}));
      scene.Cube().ResetDrag();
      scene.Cube().Pick(margin.x, margin.y);
      EXPECT_EQ(Recorded(scene.Cube()), kNothing);
    }
  }
}

TEST(Picking, APickRestoresTheRenderState) {
  Scene scene(300, 200);
  scene.ViewThreeFaces();
  const Cursor c = CursorOver(scene, FaceletCentre(3, {1, 1, 2, kPlusZ}));
  scene.gl.DrawFrame();
  GLdouble frameProjection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, frameProjection);
  scene.Cube().Pick(c.x, c.y);
  GLint mode = 0, matrixMode = 0, depth = 0, viewport[4];
  glGetIntegerv(GL_RENDER_MODE, &mode);
  glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(mode, GL_RENDER);
  EXPECT_EQ(matrixMode, GL_MODELVIEW);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(viewport[0], 50);
  EXPECT_EQ(viewport[2], 200);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  for (int i = 0; i < 16; ++i)
    EXPECT_DOUBLE_EQ(projection[i], frameProjection[i]) << "the frame after the pick";
  EXPECT_EQ(Recorded(scene.Cube()), Hit(CubieIndex(3, 1, 1, 2), kPlusZ));
}

// ------------------------------------------------------------------ the nearest hit

namespace {

struct Record {
  uint32_t minDepth, maxDepth, name;
};
// Hands a buffer of one-name hit records to the cube, as selection mode fills it.
Picked Process(VEKBigCube& cube, std::initializer_list<Record> records) {
  std::vector<uint32_t> buffer;
  for (const Record& r : records) buffer.insert(buffer.end(), {1u, r.minDepth, r.maxDepth, r.name});
  cube.ResetDrag();
  cube.ProcessHits(static_cast<int>(records.size()), buffer.data());
  return Recorded(cube);
}
uint32_t Name(int cubieIndex, int face) {
  return static_cast<uint32_t>(100 * (cubieIndex + 1) + 11 + 10 * face);
}

}  // namespace

TEST(NearestHit, TheSmallestMinimumDepthWinsAndTheEarliestOfEquals) {
  VEKGL gl;  // no context: the choice needs none
  VEKBigCube& cube = *gl.Cube;
  EXPECT_EQ(Process(cube, {{500, 900, Name(4, 2)}, {500, 600, Name(7, 5)}}), Hit(4, 2));
  EXPECT_EQ(Process(cube, {{900, 900, Name(4, 2)}, {500, 600, Name(7, 5)}}), Hit(7, 5));
  EXPECT_EQ(Process(cube, {{900, 900, Name(4, 2)}, {500, 600, Name(7, 5)}, {500, 500, Name(8, 0)}}),
            Hit(7, 5));
  // Only the minimum counts, not the maximum.
  EXPECT_EQ(Process(cube, {{100, 4000000000u, Name(1, 1)}, {200, 200, Name(2, 2)}}), Hit(1, 1));
  // Depths compare unsigned: the far half of the range is not negative.
  EXPECT_EQ(Process(cube, {{0xFFFFFFFFu, 0xFFFFFFFFu, Name(3, 3)}, {1, 1, Name(5, 4)}}), Hit(5, 4));
  EXPECT_EQ(Process(cube, {{0x7FFFFFFFu, 0x7FFFFFFFu, Name(3, 3)},
                           {0x80000000u, 0x80000000u, Name(5, 4)}}),
            Hit(3, 3));
  // 1311 is cubie 13 (index 12), face 1 (+Z).
  EXPECT_EQ(Process(cube, {{7, 7, 1311}}), Hit(12, kPlusZ));
  EXPECT_EQ(Process(cube, {{7, 7, 2761}}), Hit(26, kMinusY));
}

TEST(NearestHit, ABevelInFrontOrANameOutOfRangePicksNothing) {
  VEKGL gl;
  VEKBigCube& cube = *gl.Cube;
  // A bevel in front of a facelet.
  EXPECT_EQ(Process(cube, {{300, 300, Name(13, 0)}, {100, 100, 1400}}), kNothing);
  const uint32_t invalid[] = {
      0,            // the initial name
      11,           // cubie 0
      2811,         // cubie 28 of 27
      1301,         // face 0
      1310,         // units 0
      1371,         // face 7: a cubie has six
      1381,         // face 8
      1391,         // face 9
      0xFFFFFFFFu,  // a negative number
  };
  for (uint32_t name : invalid) {
    EXPECT_EQ(Process(cube, {{5, 5, name}}), kNothing) << name;
    EXPECT_EQ(Process(cube, {{5, 5, name}, {9, 9, Name(0, 0)}}), kNothing)
        << name << ", even with a facelet behind";
  }
  // The cubie range follows the size.
  cube.Build(2);
  EXPECT_EQ(Process(cube, {{5, 5, 811}}), Hit(7, kPlusZ));
  EXPECT_EQ(Process(cube, {{5, 5, 911}}), kNothing);
}

// The pick worked out on the CPU against the designed one, selection mode on
// a real context: both are asked at every eighth pixel of a 200x200 panel for
// every size, several views, a layer caught mid-turn and scrambled cubes.
// (Each selection-mode pick costs the driver memory it frees only with the
// context, so every view gets a context of its own and the grid is coarse.)
#include <set>
#include <string>

#include "GLFixture.h"
#include "interaction/PickHits.h"
#include "puzzle/Random.h"
#include "render/VekMath.h"

using namespace gltest;

namespace {

constexpr int kBufferWords = 512;

// The designed pick: the cubies drawn once more in selection mode through a
// one-pixel pick matrix; returns glRenderMode's count.
int SelectionModeHits(Scene& s, int x, int y, uint32_t* buffer) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glSelectBuffer(kBufferWords, buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(x, s.Height() - y, 1.0, 1.0, viewport);
  gluPerspective(30.0, 1.0, 1.0, 100.0);
  const VEKCamera& c = s.gl.Camera;
  gluLookAt(c.Eye.X, c.Eye.Y, c.Eye.Z, 0.0, 0.0, 0.0, c.Up.X, c.Up.Y, c.Up.Z);
  s.Cube().Draw(true);
  glPopMatrix();
  glFlush();
  const GLint hits = glRenderMode(GL_RENDER);
  glMatrixMode(GL_MODELVIEW);
  return hits;
}

int CpuHits(Scene& s, int x, int y, uint32_t* buffer) {
  PickRegion region;
  glGetIntegerv(GL_VIEWPORT, region.Viewport);
  region.WindowX = x;
  region.WindowY = s.Height() - y;
  return CollectPickHits(s.Cube(), s.gl.Camera, region, buffer, kBufferWords);
}

// 0 for nothing, otherwise 10 * cubie number + face number.
int Answer(int hits, const uint32_t* buffer, int cubies) {
  int cubie = 0, face = 0;
  return NearestFacelet(hits, buffer, cubies, cubie, face) ? 10 * cubie + face : 0;
}

int ReferenceAt(Scene& s, int x, int y) {
  uint32_t buffer[kBufferWords] = {};
  return Answer(SelectionModeHits(s, x, y, buffer), buffer, s.Cube().CubieCount);
}

int CpuAt(Scene& s, int x, int y) {
  uint32_t buffer[kBufferWords] = {};
  return Answer(CpuHits(s, x, y, buffer), buffer, s.Cube().CubieCount);
}

struct GridResult {
  int facelets = 0;       // grid pixels where the reference found a facelet
  int disagreements = 0;  // pixels where the two answers differ
};

// Compares at every eighth pixel. A disagreement is tolerated only on an
// edge: one of the eight neighbouring pixels must get, from the reference,
// the answer the CPU pick gave.
GridResult CompareGrid(Scene& s) {
  GridResult result;
  for (int y = 3; y < s.Height(); y += 8) {
    for (int x = 3; x < s.Width(); x += 8) {
      const int reference = ReferenceAt(s, x, y);
      const int cpu = CpuAt(s, x, y);
      if (reference != 0) ++result.facelets;
      if (reference == cpu) continue;
      ++result.disagreements;
      bool nearEdge = false;
      for (int dy = -1; dy <= 1 && !nearEdge; ++dy)
        for (int dx = -1; dx <= 1 && !nearEdge; ++dx)
          if ((dx || dy) && ReferenceAt(s, x + dx, y + dy) == cpu) nearEdge = true;
      EXPECT_TRUE(nearEdge) << "at " << x << "," << y << ": selection " << reference << ", cpu "
                            << cpu << ", and no neighbour answers " << cpu;
    }
  }
  return result;
}

// A grid has 625 pixels; at most 3 may sit on an edge where rounding tips the
// answer to the neighbouring polygon (measured: 0 or 1 per view).
constexpr int kMostDisagreements = 3;

struct View {
  const char* name;
  Vec3 eye, up;
};
const View kStart{"start", {0, 0, 1}, {0, 1, 0}};
const View kThreeFaces{"three faces", {0.5, 0.45, 0.75}, {0, 1, 0}};
const View kOblique{"oblique, tilted", {-0.62, 0.31, -0.72}, {0.3, 0.9, -0.1}};
const View kBelowBehind{"from below behind", {-0.4, -0.7, -0.6}, {0.2, 0.3, -1}};

// A fresh context for one view of an N-cube, changed by `prepare`.
template <typename Prepare>
void ExpectEquivalent(int n, const View& view, const char* what, Prepare prepare) {
  const std::string name = std::to_string(n) + ", " + view.name + what;
  SCOPED_TRACE(name);
  Scene scene(200, 200, n);
  prepare(scene.Cube());
  scene.LookFrom(view.eye, view.up);
  const GridResult r = CompareGrid(scene);
  EXPECT_GT(r.facelets, 50) << "the cube fills a good part of the grid";
  EXPECT_LE(r.disagreements, kMostDisagreements);
  std::printf("%s: %d facelet pixels, %d disagreements\n", name.c_str(), r.facelets,
              r.disagreements);
}
void ExpectEquivalent(int n, const View& view) {
  ExpectEquivalent(n, view, "", [](VEKBigCube&) {});
}

// Turns the layer at the top of the X axis by 45 degrees, as a turn leaves
// it halfway.
void HalfTurnTopX(VEKBigCube& cube) {
  VEKMatrix turn;
  RotationAboutAxis(turn, VEKVector{1, 0, 0, 1}, 45.0f);
  const float top = (cube.Size - 1) * 0.8f;
  for (int b = 0; b < cube.CubieCount; ++b) {
    VEKSmallCube& cubie = cube.Cubies[b];
    if (cubie.Points[0].X < top - 0.1f) continue;
    cubie.InTurn = true;
    for (int p = 0; p < kPointsPerCubie; ++p) TransformVector(cubie.Points[p], turn, cubie.Points[p]);
  }
}

void Scramble(VEKBigCube& cube) {
  cube.RotateSpeed = 90;  // one frame a turn
  vekrandom::FixClockSeed(11);
  cube.Shuffle(25);
  vekrandom::FixClockSeed(std::nullopt);
}

}  // namespace

TEST(PickEquivalence, EverySizeFromSeveralViews) {
  ExpectEquivalent(2, kOblique);
  ExpectEquivalent(3, kStart);
  ExpectEquivalent(3, kThreeFaces);
  ExpectEquivalent(3, kBelowBehind);
  ExpectEquivalent(4, kThreeFaces);
  ExpectEquivalent(5, kOblique);
}

TEST(PickEquivalence, ALayerMidTurn) {
  ExpectEquivalent(3, kThreeFaces, ", top layer at 45", HalfTurnTopX);
  ExpectEquivalent(5, kOblique, ", top layer at 45", HalfTurnTopX);
}

TEST(PickEquivalence, ScrambledCubes) {
  ExpectEquivalent(3, kOblique, ", scrambled", Scramble);
  ExpectEquivalent(4, kBelowBehind, ", scrambled", Scramble);
}

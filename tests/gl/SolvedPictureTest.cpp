// The solved test reads the cube as the player sees it: when it calls a cube
// solved whose cubies have traded places, the picture is the home picture.
#include "GLFixture.h"

using namespace gltest;

namespace {

struct View {
  Vec3 eye, up;
};
// Two opposite corners, and straight onto each of the six faces.
std::vector<View> Views() {
  std::vector<View> views = {{{1, 1, 1}, {0, 1, 0}}, {{-1, -1, -1}, {0, 1, 0}}};
  for (int face = 0; face < 6; ++face) views.push_back({HomeFace(face).normal, HomeFace(face).up});
  return views;
}

std::vector<Picture> Pictures(Scene& scene) {
  std::vector<Picture> out;
  for (const View& v : Views()) {
    scene.LookFrom(v.eye, v.up);
    scene.gl.DrawFrame();
    out.push_back(TakePicture(scene));
  }
  return out;
}

// Pixels where any channel differs by more than the lighting of a slightly
// drifted face could make it differ.
int DifferingPixels(const Picture& a, const Picture& b) {
  int count = 0;
  for (std::size_t i = 0; i + 3 < a.rgba.size(); i += 4) {
    for (std::size_t c = 0; c < 3; ++c) {
      if (std::abs(int(a.rgba[i + c]) - int(b.rgba[i + c])) > 24) {
        ++count;
        break;
      }
    }
  }
  return count;
}
}  // namespace

TEST(SolvedPicture, CentresThatTradedPlacesLookLikeHomeAndATurnedCentreDoesNot) {
  Scene scene(400, 400);
  scene.WhiteBody();
  scene.Cube().RotateSpeed = 90;
  const std::vector<Picture> home = Pictures(scene);

  // The six face centres of the 3x3x3 trade places (all show 5): the
  // middle layers across X and Y, turned as a commutator.
  VEKBigCube& cube = scene.Cube();
  cube.History.Restore({{0, 1, +1}, {1, 1, -1}, {0, 1, -1}, {1, 1, +1}}, 0, 0);
  while (cube.Redo()) {
  }
  ASSERT_GT(Length(Centre(cube, CubieIndex(3, 1, 1, 2)) - HomeCentre(3, 1, 1, 2)), 1.0);
  ASSERT_TRUE(cube.IsSolved());
  const std::vector<Picture> swapped = Pictures(scene);

  // The home cube with only the +Z centre's digit lying on its side.
  cube.Build(3);
  cube.ClearMarks();
  cube.Cubies[CubieIndex(3, 1, 1, 2)].InTurn = true;
  cube.TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(cube.TurnMatrix, cube.Axis[2], 90.0f);
  cube.AnimateTurn();
  cube.ClearMarks();
  ASSERT_FALSE(cube.IsSolved());
  const std::vector<Picture> turned = Pictures(scene);

  const std::vector<View> views = Views();
  for (std::size_t v = 0; v < views.size(); ++v) {
    // A centre now shows another cubie's face: the same digit, but drawn
    // from another corner of the octagon with that face's own texture
    // coordinates, and from points that four turns left a rounding error
    // off. Where a texel boundary runs along a pixel row, the edge of a
    // stroke can move by a pixel (up to a dozen pixels seen); a digit on its
    // side changes hundreds.
    EXPECT_LE(DifferingPixels(home[v], swapped[v]), 30) << "view " << v;
    // The views that see the +Z face.
    if (Dot(views[v].eye, {0, 0, 1}) > 0) {
      EXPECT_GE(DifferingPixels(home[v], turned[v]), 150) << "view " << v;
    }
  }
}

// The solved test reads the cube as the player sees it: when it calls a cube
// solved whose cubies have traded places, the picture is the home picture.
#include "GLFixture.h"

using namespace gltest;

TEST(SolvedPicture, CentresThatTradedPlacesLookLikeHomeAndATurnedCentreDoesNot) {
  Scene scene(400, 400);
  scene.WhiteBody();
  VEKBigCube& cube = scene.Cube();
  cube.RotateSpeed = 90;
  // From two opposite corners, and straight onto each face.
  std::vector<FaceAxes> views = {{{1, 1, 1}, {}, {0, 1, 0}}, {{-1, -1, -1}, {}, {0, 1, 0}}};
  for (int face = 0; face < 6; ++face) views.push_back(HomeFace(face));
  std::vector<Picture> home;
  // Pixels of each view where a channel differs from home by more than the
  // lighting of a slightly drifted face could make it.
  const auto differing = [&](std::size_t v) {
    scene.LookFrom(views[v].normal, views[v].up);
    scene.gl.DrawFrame();
    const Picture now = TakePicture(scene);
    if (home.size() == v) home.push_back(now);
    int count = 0;
    for (int y = 0; y < now.height; ++y)
      for (int x = 0; x < now.width; ++x) count += ColourDistance(now.Pixel(x, y), home[v].Pixel(x, y)) > 24;
    return count;
  };
  for (std::size_t v = 0; v < views.size(); ++v) differing(v);

  // The six face centres (all show 5) trade places. Other texture coordinates
  // and points a rounding error off may move a stroke's edge by a pixel.
  cube.History.Restore({{0, 1, +1}, {1, 1, -1}, {0, 1, -1}, {1, 1, +1}}, 0, 0);
  while (cube.Redo()) {
  }
  ASSERT_GT(Length(Centre(cube, CubieIndex(3, 1, 1, 2)) - HomeCentre(3, 1, 1, 2)), 1.0);
  ASSERT_TRUE(cube.IsSolved());
  for (std::size_t v = 0; v < views.size(); ++v) EXPECT_LE(differing(v), 30) << "view " << v;

  // Home, but for the +Z centre's digit on its side: hundreds of pixels, seen
  // from the first corner and straight on.
  cube.Build(3);
  cube.Cubies[CubieIndex(3, 1, 1, 2)].InTurn = true;
  cube.TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(cube.TurnMatrix, cube.Axis[2], 90.0f);
  cube.AnimateTurn();
  cube.ClearMarks();
  ASSERT_FALSE(cube.IsSolved());
  for (std::size_t v : {0, 2}) EXPECT_GE(differing(v), 150) << "view " << v;
}

// Drags as the mouse makes them: moves with the left button held from one
// facelet's projected centre towards a neighbour's, through real picking.
// The layer holding both must make a quarter turn that carries the first
// cubie along the drag; anything else must turn nothing.
#include "GLFixture.h"

using namespace gltest;

namespace {

constexpr int kSteps = 8;  // moves from one facelet centre to the next

std::vector<Vec3> Centres(const VEKBigCube& cube) {
  std::vector<Vec3> out;
  for (int b = 0; b < cube.CubieCount; ++b) out.push_back(Centre(cube, b));
  return out;
}

// The cursor from over one world point to over another, in equal moves
// (both ends included); returns the number of moves.
int MoveAlong(Scene& s, Vec3 from, Vec3 to, uint8_t shift = ssLeft, int steps = kSteps) {
  const Cursor a = CursorOver(s, from), b = CursorOver(s, to);
  for (int i = 0; i <= steps; ++i) {
    s.gl.MouseMove(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps, shift);
  }
  return steps + 1;
}
void MoveOver(Scene& s, Vec3 at, uint8_t shift = ssLeft) {
  const Cursor c = CursorOver(s, at);
  s.gl.MouseMove(c.x, c.y, shift);
}

// The centres after a quarter turn of the layer through `first` that carries
// `first` along `drag` on the face with outward normal `normal`: the turn axis
// stands across both, and a point moves along (axis x point).
std::vector<Vec3> AfterTurn(const std::vector<Vec3>& before, Vec3 first, Vec3 normal, Vec3 drag) {
  const Vec3 axis = Unit(Cross(normal, drag));
  std::vector<Vec3> out;
  for (const Vec3& c : before) {
    out.push_back(std::fabs(Dot(c - first, axis)) < 0.01 ? QuarterTurn(c, axis) : c);
  }
  return out;
}

::testing::AssertionResult CentresAre(const VEKBigCube& cube, const std::vector<Vec3>& expected) {
  for (int b = 0; b < cube.CubieCount; ++b) {
    const Vec3 c = Centre(cube, b);
    if (Length(c - expected[b]) > 1e-3) {
      return ::testing::AssertionFailure()
             << "cubie " << b << " at (" << c.x << ", " << c.y << ", " << c.z << "), expected ("
             << expected[b].x << ", " << expected[b].y << ", " << expected[b].z << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

bool DragCleared(const VEKBigCube& cube) {
  for (const VEKVector& p : cube.PlanePoint) {
    if (p.X != 0.0f || p.Y != 0.0f || p.Z != 0.0f) return false;
  }
  for (int b = 0; b < cube.CubieCount; ++b) {
    if (cube.Cubies[b].InTurn) return false;
  }
  return !cube.Busy;
}

// What a drag showed: the frame of each pick, and the two steps of each turn
// it made at 45 degrees a step, which the frame loop draws (turns counted as
// the history records them).
uint64_t Shown(Scene& scene) { return scene.gl.FramesDrawn + 2 * scene.Cube().History.Moves().size(); }

struct Scene45 : Scene {
  explicit Scene45(int size = 3, int width = 400, int height = 400) : Scene(width, height, size) {
    Cube().RotateSpeed = 45;  // two frames a turn
  }
};

}  // namespace

TEST(Drag, TopRowMiddleOntoTheRightTurnsTheTopLayerThatWay) {
  Scene45 scene;
  VEKBigCube& cube = scene.Cube();
  const int middle = CubieIndex(3, 1, 2, 2);
  const uint64_t frames = Shown(scene);
  const int moves = MoveAlong(scene, {0, 1.6, 2.4}, {1.6, 1.6, 2.4});
  EXPECT_EQ(Shown(scene), frames + moves + 2) << "one frame a pick, two for the one turn";
  const Vec3 c = Centre(cube, middle);
  EXPECT_NEAR(c.x, 1.6, 1e-4);
  EXPECT_NEAR(c.y, 1.6, 1e-4);
  EXPECT_NEAR(c.z, 0.0, 1e-4);
  // Its front facelet now looks to the right.
  VEKVector face;
  cube.Cubies[middle].FaceCenter(kPlusZ + 1, face);
  EXPECT_NEAR(face.X, 2.4, 1e-4);
  EXPECT_NEAR(face.Z, 0.0, 1e-4);
  scene.gl.MouseUp();
  EXPECT_TRUE(DragCleared(cube));
}

TEST(Drag, EveryAxisTurnsBothWaysAsTheCursorMoves) {
  struct Case {
    bool threeFaces;
    int face;
    int from[3], to[3];
    const char* what;
  } cases[] = {
      {false, kPlusZ, {1, 2, 2}, {2, 2, 2}, "front, top row to the right (Y)"},
      {false, kPlusZ, {1, 2, 2}, {0, 2, 2}, "front, top row to the left (Y)"},
      {false, kPlusZ, {0, 1, 2}, {1, 1, 2}, "front, middle row to the right (middle slice)"},
      {false, kPlusZ, {2, 0, 2}, {1, 0, 2}, "front, bottom row to the left (Y)"},
      {false, kPlusZ, {2, 1, 2}, {2, 2, 2}, "front, right column up (X)"},
      {false, kPlusZ, {2, 1, 2}, {2, 0, 2}, "front, right column down (X)"},
      {false, kPlusZ, {1, 2, 2}, {1, 1, 2}, "front, middle column down (middle slice)"},
      {true, kPlusX, {2, 1, 1}, {2, 2, 1}, "right face up (Z)"},
      {true, kPlusX, {2, 1, 1}, {2, 0, 1}, "right face down (Z)"},
      {true, kPlusX, {2, 1, 2}, {2, 1, 1}, "right face backwards (Y)"},
      {true, kPlusX, {2, 2, 0}, {2, 2, 1}, "right face forwards (Y)"},
      {true, kPlusY, {1, 2, 1}, {2, 2, 1}, "top face to the right (Z)"},
      {true, kPlusY, {1, 2, 1}, {0, 2, 1}, "top face to the left (Z)"},
      {true, kPlusY, {1, 2, 1}, {1, 2, 2}, "top face forwards (X)"},
      {true, kPlusY, {1, 2, 1}, {1, 2, 0}, "top face backwards (X)"},
  };
  for (const Case& c : cases) {
    Scene45 scene;
    if (c.threeFaces) scene.ViewThreeFaces();
    VEKBigCube& cube = scene.Cube();
    const int dragged = CubieIndex(3, c.from[0], c.from[1], c.from[2]);
    const Vec3 first = HomeCentre(3, c.from[0], c.from[1], c.from[2]);
    const Vec3 second = HomeCentre(3, c.to[0], c.to[1], c.to[2]);
    const Vec3 normal = HomeFace(c.face).normal;
    const std::vector<Vec3> expected = AfterTurn(Centres(cube), first, normal, second - first);
    // The expectation itself: the dragged cubie moves off along the drag.
    ASSERT_GT(Dot(expected[dragged] - first, second - first), 2.0) << c.what;
    VEKVector faceBefore;
    cube.Cubies[dragged].FaceCenter(c.face + 1, faceBefore);

    const uint64_t frames = Shown(scene);
    const int moves = MoveAlong(scene, first + 0.8 * normal, second + 0.8 * normal);
    scene.gl.MouseUp();
    EXPECT_EQ(Shown(scene), frames + moves + 2) << c.what << ": exactly one turn";
    EXPECT_TRUE(CentresAre(cube, expected)) << c.what;
    VEKVector faceAfter;
    cube.Cubies[dragged].FaceCenter(c.face + 1, faceAfter);
    const Vec3 axis = Unit(Cross(normal, second - first));
    EXPECT_LT(Length(FromVek(faceAfter) - QuarterTurn(FromVek(faceBefore), axis)), 1e-3) << c.what;
    EXPECT_TRUE(DragCleared(cube)) << c.what;
  }
}

TEST(Drag, AnyLayerOfABigCubeTurnsAndBothOfASmallOne) {
  struct Case {
    int n, from[3], to[3];
  } cases[] = {
      {4, {1, 1, 3}, {2, 1, 3}},  // second row from the bottom, to the right
      {4, {2, 3, 3}, {2, 2, 3}},  // third column, down
      {5, {2, 2, 4}, {3, 2, 4}},  // the middle row
      {2, {0, 1, 1}, {1, 1, 1}}, {2, {0, 1, 1}, {0, 0, 1}},
  };
  for (const Case& c : cases) {
    Scene45 scene(c.n);
    VEKBigCube& cube = scene.Cube();
    const Vec3 first = HomeCentre(c.n, c.from[0], c.from[1], c.from[2]);
    const Vec3 second = HomeCentre(c.n, c.to[0], c.to[1], c.to[2]);
    const Vec3 front{0, 0, 0.8};
    const std::vector<Vec3> expected = AfterTurn(Centres(cube), first, front, second - first);
    const uint64_t frames = Shown(scene);
    const int moves = MoveAlong(scene, first + front, second + front);
    scene.gl.MouseUp();
    EXPECT_EQ(Shown(scene), frames + moves + 2) << c.n;
    EXPECT_TRUE(CentresAre(cube, expected)) << c.n;
  }
}

TEST(Drag, TheTurnedTopRowShowsTheLeftFaceDigitsUpright) {
  Scene45 scene;
  scene.WhiteBody();
  MoveAlong(scene, {0, 1.6, 2.4}, {1.6, 1.6, 2.4});
  scene.gl.MouseUp();
  scene.gl.DrawFrame();
  const Picture picture = TakePicture(scene);
  // The top row came round from the left face: its 7 8 9; the rows below stayed.
  const int rows[3][3] = {{7, 8, 9}, {2, 5, 8}, {1, 4, 7}};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const Vec3 centre{GridCoordinate(3, column), GridCoordinate(3, 2 - row), 2.4};
      EXPECT_TRUE(ShowsDigit(picture, scene, centre, {1, 0, 0}, {0, 1, 0}, rows[row][column], 9))
          << "row " << row << ", column " << column;
    }
  }
}

TEST(Drag, MovesWithinOneFaceletTurnNothing) {
  Scene45 scene;
  VEKBigCube& cube = scene.Cube();
  const std::vector<Vec3> home = Centres(cube);
  const uint64_t frames = Shown(scene);
  // Pressed on the middle facelet, wandering about on it, released.
  const Vec3 centre{0, 0, 2.4};
  int moves = MoveAlong(scene, centre + Vec3{-0.5, -0.5, 0}, centre + Vec3{0.5, 0.3, 0});
  moves += MoveAlong(scene, centre + Vec3{0.5, 0.3, 0}, centre + Vec3{-0.2, 0.55, 0});
  EXPECT_EQ(Shown(scene), frames + moves);
  EXPECT_TRUE(CentresAre(cube, home));
  EXPECT_FALSE(DragCleared(cube)) << "the drag is still under way";
  scene.gl.MouseUp();
  EXPECT_TRUE(DragCleared(cube));
  EXPECT_TRUE(CentresAre(cube, home));
}

TEST(Drag, AJumpToADiagonalNeighbourTurnsNothing) {
  Scene45 scene;
  VEKBigCube& cube = scene.Cube();
  const std::vector<Vec3> home = Centres(cube);
  struct Jump {
    Vec3 from, to;
  } jumps[] = {
      {{-1.6, -1.6, 2.4}, {0, 0, 2.4}},  // corner to middle: a diagonal plane with nine centres
      {{0, 0, 2.4}, {1.6, 1.6, 2.4}},
      {{-1.6, 1.6, 2.4}, {0, 0, 2.4}},
      {{0, 1.6, 2.4}, {1.6, 0, 2.4}},
  };
  for (const Jump& j : jumps) {
    const uint64_t frames = Shown(scene);
    MoveOver(scene, j.from);
    MoveOver(scene, j.to);
    scene.gl.MouseUp();
    EXPECT_EQ(Shown(scene), frames + 2);
    EXPECT_TRUE(CentresAre(cube, home));
  }
  // Whereas a step to a side neighbour does turn.
  const uint64_t frames = Shown(scene);
  MoveOver(scene, {0, 0, 2.4});
  MoveOver(scene, {1.6, 0, 2.4});
  EXPECT_EQ(Shown(scene), frames + 4);
}

TEST(Drag, MovesAreIgnoredWhileTheCubeIsBusy) {
  Scene45 scene;
  VEKBigCube& cube = scene.Cube();
  const std::vector<Vec3> home = Centres(cube);
  MoveOver(scene, {0, 1.6, 2.4});
  const VEKVector recorded = cube.PlanePoint[1];
  const VEKVector eye = scene.gl.Camera.Eye;
  const int lastX = scene.gl.Camera.LastX;
  cube.Busy = true;
  const uint64_t frames = Shown(scene);
  MoveAlong(scene, {0, 1.6, 2.4}, {1.6, 1.6, 2.4});
  MoveAlong(scene, {1.6, 1.6, 2.4}, {1.6, 0, 2.4}, ssLeft | ssRight);
  MoveAlong(scene, {1.6, 0, 2.4}, {-1.6, 0, 2.4}, ssRight);
  EXPECT_EQ(Shown(scene), frames) << "no pick, no frame";
  EXPECT_TRUE(CentresAre(cube, home));
  EXPECT_EQ(cube.PlanePoint[1].X, recorded.X);
  EXPECT_EQ(cube.PlanePoint[1].Y, recorded.Y);
  EXPECT_EQ(cube.PlanePoint[0].X, 0.0f);
  EXPECT_EQ(scene.gl.Camera.Eye.X, eye.X);
  EXPECT_EQ(scene.gl.Camera.LastX, lastX);
  // Released and free again, the same drag turns.
  scene.gl.MouseUp();
  EXPECT_FALSE(cube.Busy);
  const int moves = MoveAlong(scene, {0, 1.6, 2.4}, {1.6, 1.6, 2.4});
  EXPECT_EQ(Shown(scene), frames + moves + 2);
}

TEST(Drag, AfterATurnTheDragNeedsTwoMoreHitsToTurnAgain) {
  const Vec3 left{-1.6, 1.6, 2.4}, middle{0, 1.6, 2.4}, right{1.6, 1.6, 2.4};
  const Vec3 front{0, 0, 1};
  {
    // Left onto middle turns; straight on to the right is only the first hit
    // after the turn; back onto the middle is the second, and turns back.
    Scene45 scene;
    VEKBigCube& cube = scene.Cube();
    const std::vector<Vec3> home = Centres(cube);
    const uint64_t frames = Shown(scene);
    MoveOver(scene, left);
    MoveOver(scene, middle);
    EXPECT_EQ(Shown(scene), frames + 2 + 2);
    const std::vector<Vec3> once = AfterTurn(home, left - 0.8 * front, front, middle - left);
    EXPECT_TRUE(CentresAre(cube, once));
    MoveOver(scene, right);
    EXPECT_EQ(Shown(scene), frames + 3 + 2) << "no turn on the first hit after a turn";
    EXPECT_TRUE(CentresAre(cube, once));
    MoveOver(scene, middle);
    EXPECT_EQ(Shown(scene), frames + 4 + 4);
    EXPECT_TRUE(CentresAre(cube, home)) << "dragged back, the layer turned back";
    scene.gl.MouseUp();
  }
  {
    // Dragging on along the whole row turns the top layer twice the same way.
    Scene45 scene;
    VEKBigCube& cube = scene.Cube();
    const std::vector<Vec3> home = Centres(cube);
    const uint64_t frames = Shown(scene);
    int moves = MoveAlong(scene, left, middle);
    moves += MoveAlong(scene, middle, right);
    scene.gl.MouseUp();
    EXPECT_EQ(Shown(scene), frames + moves + 4);
    const std::vector<Vec3> once = AfterTurn(home, left - 0.8 * front, front, middle - left);
    EXPECT_TRUE(CentresAre(cube, AfterTurn(once, middle - 0.8 * front, front, right - middle)));
  }
}

TEST(Drag, OverTheCubeEdgeWithinOneCubieThenOnTurnsTheSliceHoldingBoth) {
  Scene45 scene;
  scene.ViewThreeFaces();
  VEKBigCube& cube = scene.Cube();
  const std::vector<Vec3> home = Centres(cube);
  const Vec3 corner = HomeCentre(3, 2, 2, 2), behind = HomeCentre(3, 2, 2, 1);
  const Vec3 frontFacelet = corner + Vec3{0, 0, 0.8}, sideFacelet = corner + Vec3{0.8, 0, 0};
  const uint64_t frames = Shown(scene);
  int moves = MoveAlong(scene, frontFacelet, sideFacelet);
  EXPECT_EQ(Shown(scene), frames + moves) << "still the same cubie";
  EXPECT_TRUE(CentresAre(cube, home));
  moves += MoveAlong(scene, sideFacelet, behind + Vec3{0.8, 0, 0});
  scene.gl.MouseUp();
  EXPECT_EQ(Shown(scene), frames + moves + 2);
  EXPECT_TRUE(CentresAre(cube, AfterTurn(home, corner, {1, 0, 0}, behind - corner)));
}

TEST(Drag, TheRightButtonOrbitsAndNeverPicks) {
  Scene45 scene;
  VEKBigCube& cube = scene.Cube();
  const std::vector<Vec3> home = Centres(cube);
  const uint64_t frames = Shown(scene);
  MoveAlong(scene, {0, 1.6, 2.4}, {1.6, 1.6, 2.4}, ssRight);
  EXPECT_EQ(Shown(scene), frames);
  EXPECT_TRUE(DragCleared(cube));
  EXPECT_TRUE(CentresAre(cube, home));
  EXPECT_GT(std::fabs(scene.gl.Camera.Eye.X), 0.5f) << "the view turned";
  // Both buttons: the view orbits, then the pick runs.
  const VEKVector eye = scene.gl.Camera.Eye;
  const Cursor c = CursorOver(scene, {0, 0, 2.4});
  scene.gl.MouseMove(c.x, c.y, ssLeft | ssRight);
  EXPECT_EQ(Shown(scene), frames + 1);
  EXPECT_NE(scene.gl.Camera.Eye.X, eye.X);
  const VEKVector& picked = cube.Cubies[CubieIndex(3, 1, 1, 2)].Points[0];
  EXPECT_EQ(cube.PlanePoint[1].X, picked.X);
  EXPECT_EQ(cube.PlanePoint[1].Y, picked.Y);
  EXPECT_EQ(cube.PlanePoint[1].Z, picked.Z);
}

TEST(Drag, EveryDragIsTakenBackByUndoAndMadeAgainByRedo) {
  struct Case {
    int n;
    bool threeFaces;
    int face;
    int from[3], to[3];
  } cases[] = {
      {3, false, kPlusZ, {1, 2, 2}, {2, 2, 2}}, {3, false, kPlusZ, {2, 1, 2}, {2, 0, 2}},
      {3, true, kPlusX, {2, 1, 1}, {2, 2, 1}},  {3, true, kPlusY, {1, 2, 1}, {1, 2, 0}},
      {4, false, kPlusZ, {1, 1, 3}, {2, 1, 3}}, {2, false, kPlusZ, {0, 1, 1}, {0, 0, 1}},
  };
  for (const Case& c : cases) {
    Scene45 scene(c.n);
    if (c.threeFaces) scene.ViewThreeFaces();
    VEKBigCube& cube = scene.Cube();
    const Vec3 first = HomeCentre(c.n, c.from[0], c.from[1], c.from[2]);
    const Vec3 second = HomeCentre(c.n, c.to[0], c.to[1], c.to[2]);
    const Vec3 normal = HomeFace(c.face).normal;
    const std::vector<Vec3> start = Centres(cube);
    const std::vector<Vec3> expected = AfterTurn(start, first, normal, second - first);
    MoveAlong(scene, first + 0.8 * normal, second + 0.8 * normal);
    scene.gl.MouseUp();
    ASSERT_EQ(cube.MoveCount(), 1u);
    ASSERT_TRUE(CentresAre(cube, expected));

    const uint64_t frames = Shown(scene);
    ASSERT_TRUE(cube.Undo());
    EXPECT_EQ(Shown(scene), frames) << "taken at once, no frame";
    EXPECT_TRUE(CentresAre(cube, start));
    EXPECT_TRUE(cube.IsSolved());
    ASSERT_TRUE(cube.Redo());
    EXPECT_TRUE(CentresAre(cube, expected));
    EXPECT_FALSE(cube.IsSolved());
    EXPECT_TRUE(DragCleared(cube));
  }
}

TEST(Drag, OnEveryFaceOfA3And4CubeSeenAslantBothWaysTurnTheLayerHoldingBoth) {
  for (int n : {3, 4}) {
    for (int face = 0; face < 6; ++face) {
      const FaceAxes axes = HomeFace(face);
      for (const Vec3 along : {axes.right, axes.up}) {
        Scene45 scene(n);
        scene.LookFrom(axes.normal + 0.35 * axes.right + 0.25 * axes.up, axes.up);
        // The facelet at grid place 1 across the face, and its neighbour.
        int place[3] = {1, 1, 1};
        const double normal[3] = {axes.normal.x, axes.normal.y, axes.normal.z};
        for (int c = 0; c < 3; ++c) {
          if (normal[c] > 0.5) place[c] = n - 1;
          if (normal[c] < -0.5) place[c] = 0;
        }
        const Vec3 first = HomeCentre(n, place[0], place[1], place[2]);
        const Vec3 second = first + 1.6 * along;
        VEKBigCube& cube = scene.Cube();
        const std::vector<Vec3> expected = AfterTurn(Centres(cube), first, axes.normal, second - first);
        MoveAlong(scene, first + 0.8 * axes.normal, second + 0.8 * axes.normal);
        scene.gl.MouseUp();
        EXPECT_TRUE(CentresAre(cube, expected))
            << n << "x" << n << ", face " << face << ", along (" << along.x << "," << along.y << ","
            << along.z << ")";
      }
    }
  }
}

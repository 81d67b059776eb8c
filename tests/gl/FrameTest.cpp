// Frames on a real context: where the digits appear and which way up, the
// projection and the square viewport, the background, the light at the eye,
// and antialiasing with one, two and sixteen passes.
#include <array>

#include "GLFixture.h"

using namespace gltest;

namespace {

// The sixteen sub-pixel offsets of the antialiasing passes, in pass order.
constexpr double kOffsets[16][2] = {
    {0.375, 0.4375}, {0.625, 0.0625}, {0.875, 0.1875}, {0.125, 0.0625},
    {0.375, 0.6875}, {0.875, 0.4375}, {0.625, 0.5625}, {0.375, 0.9375},
    {0.625, 0.3125}, {0.125, 0.5625}, {0.125, 0.8125}, {0.375, 0.1875},
    {0.875, 0.9375}, {0.875, 0.6875}, {0.125, 0.3125}, {0.625, 0.8125},
};

// Draws the cube once through the 30-degree frustum (near 2, far 40) moved by
// (dx, dy) pixels, as one pass of an antialiased frame, and reads it back.
// The light stays where the last frame put it.
Picture DrawOnePass(Scene& s, double dx, double dy) {
  const Viewport vp = SquareViewport(s.Width(), s.Height());
  const double top = 2.0 * std::tan(kFieldOfViewDegrees / 2.0 * M_PI / 180.0), right = top;
  const double sx = -dx * 2.0 * right / vp.width, sy = -dy * 2.0 * top / vp.height;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-right + sx, right + sx, -top + sy, top + sy, 2.0, 40.0);
  const VEKCamera& c = s.gl.Camera;
  gluLookAt(c.Eye.X, c.Eye.Y, c.Eye.Z, 0, 0, 0, c.Up.X, c.Up.Y, c.Up.Z);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  s.Cube().Draw(false);
  glFinish();
  return TakePicture(s);
}

// The largest difference between a picture and the average of others.
int DifferenceFromAverage(const Picture& frame, const std::vector<Picture>& passes) {
  int worst = 0;
  for (std::size_t i = 0; i < frame.rgba.size(); ++i) {
    if (i % 4 == 3) continue;
    double sum = 0.0;
    for (const Picture& p : passes) sum += p.rgba[i];
    worst = std::max(worst, static_cast<int>(std::fabs(frame.rgba[i] - sum / passes.size()) + 0.5));
  }
  return worst;
}

Picture FrameWithPasses(Scene& s, int passes) {
  s.gl.Passes = passes;
  s.gl.DrawFrame();
  return TakePicture(s);
}

const Rgb kBlue{0, 0, 255};
// A white body on a blue background: every colour the cube itself gives is a
// grey, so a bluish pixel that is not the background is a blend of the two.
bool Grey(Rgb c) { return std::abs(c.r - c.b) <= 20 && std::abs(c.g - c.b) <= 20; }
bool Blend(Rgb c) { return !Grey(c) && ColourDistance(c, kBlue) > 8; }

// Along every row that crosses the cube, the pixels around its left border:
// how many rows hold a blend of background and cube there.
struct BorderScan {
  int rows = 0, blendedRows = 0;
};
BorderScan ScanLeftBorder(const Picture& p) {
  BorderScan scan;
  for (int row = 0; row < p.height; ++row) {
    int first = -1;
    for (int col = 0; col < p.width; ++col) {
      if (ColourDistance(p.Pixel(col, row), kBlue) > 8) {
        first = col;
        break;
      }
    }
    if (first < 0) continue;
    ++scan.rows;
    bool blended = false;
    for (int col = std::max(first - 2, 0); col <= std::min(first + 2, p.width - 1); ++col) {
      if (Blend(p.Pixel(col, row))) blended = true;
    }
    if (blended) ++scan.blendedRows;
  }
  return scan;
}

}  // namespace

// ------------------------------------------------------------------ digits

TEST(FrameDigits, StartViewShowsTheFrontRowsThreeSixNineTwoFiveEightOneFourSeven) {
  Scene scene(400, 400);
  scene.WhiteBody();
  scene.gl.DrawFrame();
  const Picture picture = TakePicture(scene);
  const int rows[3][3] = {{3, 6, 9}, {2, 5, 8}, {1, 4, 7}};  // from the top, left to right
  const FaceAxes front = HomeFace(kPlusZ);
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const Vec3 centre{GridCoordinate(3, column), GridCoordinate(3, 2 - row), 2.4};
      EXPECT_TRUE(ShowsDigit(picture, scene, centre, front.right, front.up, rows[row][column], 9))
          << "row " << row << ", column " << column;
    }
  }
  // The same picture mirrored would show 9 at the top left; upside down, 1.
  const Vec3 topLeft{-1.6, 1.6, 2.4};
  EXPECT_FALSE(ShowsDigit(picture, scene, topLeft, front.right, front.up, 9, 9));
  EXPECT_FALSE(ShowsDigit(picture, scene, topLeft, front.right, front.up, 1, 9));
  // A "2" read from behind the face (mirrored) is not an upright "2".
  EXPECT_FALSE(ShowsDigit(picture, scene, {-1.6, 0.0, 2.4}, -1.0 * front.right, front.up, 2, 9));
}

TEST(FrameDigits, EveryFaceReadsOneToNineUprightFromOutside) {
  Scene scene(400, 400);
  scene.WhiteBody();
  for (int face = 0; face < 6; ++face) {
    const FaceAxes axes = HomeFace(face);
    scene.LookFrom(axes.normal, axes.up);
    scene.gl.DrawFrame();
    EXPECT_TRUE(FaceReads(TakePicture(scene), scene, 3, face)) << "face " << face;
  }
}

TEST(FrameDigits, ThreeFacesReadUprightInAnOrbitedView) {
  Scene scene(400, 400);
  scene.WhiteBody();
  scene.ViewThreeFaces();
  scene.gl.DrawFrame();
  const Picture picture = TakePicture(scene);
  for (int face : {kPlusZ, kPlusX, kPlusY}) {
    ASSERT_TRUE(FacesTheEye(scene.gl.Camera, {0, 0, 0}, HomeFace(face).normal));
    EXPECT_TRUE(FaceReads(picture, scene, 3, face)) << "face " << face;
  }
}

TEST(FrameDigits, TwoByTwoFrontReadsTwoFourOverOneThree) {
  Scene scene(400, 400, 2);
  scene.WhiteBody();
  scene.gl.DrawFrame();
  const Picture picture = TakePicture(scene);
  const int rows[2][2] = {{2, 4}, {1, 3}};
  const FaceAxes front = HomeFace(kPlusZ);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      const Vec3 centre{GridCoordinate(2, column), GridCoordinate(2, 1 - row), 1.6};
      EXPECT_TRUE(ShowsDigit(picture, scene, centre, front.right, front.up, rows[row][column], 4))
          << "row " << row << ", column " << column;
    }
  }
}

TEST(FrameDigits, BigCubesNumberEveryFaceUpToNSquared) {
  for (int n : {4, 5}) {
    Scene scene(400, 400, n);
    scene.WhiteBody();
    scene.gl.DrawFrame();
    const Picture picture = TakePicture(scene);
    const FaceAxes front = HomeFace(kPlusZ);
    // The top right facelet of the front carries the highest number.
    const double edge = GridCoordinate(n, n - 1);
    EXPECT_TRUE(
        ShowsDigit(picture, scene, {edge, edge, edge + 0.8}, front.right, front.up, n * n, n * n))
        << n;
    EXPECT_FALSE(ShowsDigit(picture, scene, {edge, edge, edge + 0.8}, front.right, front.up,
                            n * n - 1, n * n))
        << n;
    EXPECT_TRUE(FaceReads(picture, scene, n, kPlusZ)) << n;
  }
}

TEST(FrameDigits, TheBodyColourTintsTheFacelets) {
  Scene scene(400, 400);
  const WindowPoint blank = FramePoint(scene, {-1.6 - 0.5, 1.6 + 0.5, 2.4});  // facelet margin
  scene.WhiteBody();
  scene.gl.DrawFrame();
  const Rgb white = TakePicture(scene).At(blank);
  EXPECT_GT(white.r, 150);
  EXPECT_LE(ColourDistance(white, {white.r, white.r, white.r}), 12) << white;

  scene.Cube().BodyColor.Set(255, 0, 0);
  scene.Cube().ApplyBodyColor();
  scene.gl.DrawFrame();
  const Rgb red = TakePicture(scene).At(blank);
  EXPECT_NEAR(red.r, white.r, 8) << red;
  // What is left in green and blue is the faint white highlight.
  EXPECT_LE(red.g, 30) << red;
  EXPECT_LE(red.b, 30) << red;
}

// ------------------------------------------------------------------ view

TEST(FrameView, ProjectionIsTheLookAtPerspectiveMovedByTheFirstOffset) {
  struct Case {
    int width, height;
    bool orbit;
  } cases[] = {{400, 400, false}, {400, 400, true}, {300, 200, false}, {200, 301, true}};
  for (const Case& c : cases) {
    Scene scene(c.width, c.height);
    if (c.orbit) scene.ViewThreeFaces();
    scene.gl.DrawFrame();
    GLdouble projection[16], modelview[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(modelview[i], (i % 5 == 0) ? 1.0 : 0.0);
    for (Vec3 p :
         {Vec3{0, 0, 0}, Vec3{2.4, 2.4, 2.4}, Vec3{-2.4, 1.6, 2.4}, Vec3{1.6, -2.4, -2.4}}) {
      GLdouble wx, wy, wz;
      ASSERT_EQ(gluProject(p.x, p.y, p.z, modelview, projection, viewport, &wx, &wy, &wz), GL_TRUE);
      const WindowPoint expected = FramePoint(scene, p);
      EXPECT_NEAR(wx, expected.x, 1e-3) << c.width << "x" << c.height;
      EXPECT_NEAR(wy, expected.y, 1e-3) << c.width << "x" << c.height;
      // Depth of a point d from the eye with near 2 and far 40.
      const double d =
          Dot(p - FromVek(scene.gl.Camera.Eye), Unit(-1.0 * FromVek(scene.gl.Camera.Eye)));
      EXPECT_NEAR(wz, (40.0 + 2.0) / (40.0 - 2.0) / 2 + 0.5 - 40.0 * 2.0 / (40.0 - 2.0) / d, 1e-6);
    }
  }
}

TEST(FrameView, ViewportIsTheLargestCentredSquare) {
  struct Case {
    int width, height;
    GLint expect[4];
  } cases[] = {{300, 200, {50, 0, 200, 200}},
               {200, 301, {0, 50, 200, 200}},
               {256, 256, {0, 0, 256, 256}},
               {201, 100, {50, 0, 100, 100}}};
  for (const Case& c : cases) {
    Scene scene(c.width, c.height);
    scene.gl.DrawFrame();  // a frame keeps the viewport
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(viewport[i], c.expect[i]) << c.width << "x" << c.height << " [" << i << "]";
  }
  // Resizing the same window moves the square with it.
  Scene scene(300, 200);
  scene.window.SetClientSize(200, 301);
  scene.gl.Resize(200, 301);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 50);
  EXPECT_EQ(viewport[2], 200);
  EXPECT_EQ(viewport[3], 200);
}

TEST(FrameView, TheCubeOutlineLiesWhereTheCameraProjectsIt) {
  for (auto size : {std::array<int, 2>{400, 400}, {300, 200}, {200, 301}}) {
    const int w = size[0], h = size[1];
    Scene scene(w, h);
    VEKColor blue;
    blue.Set(0, 0, 255);
    scene.gl.SetClearColor(blue);
    scene.gl.DrawFrame();
    const Picture p = TakePicture(scene);
    auto cube = [&](int col, int row) { return ColourDistance(p.Pixel(col, row), kBlue) > 8; };
    // The outermost edges seen from the front: those of the side faces, 0.1 behind the front.
    const WindowPoint left = FramePoint(scene, {-2.4, 0, 2.3}),
                      right = FramePoint(scene, {2.4, 0, 2.3});
    const WindowPoint top = FramePoint(scene, {0, 2.4, 2.3}),
                      bottom = FramePoint(scene, {0, -2.4, 2.3});
    const int row = h - 1 - static_cast<int>(std::floor(left.y));
    int first = -1, last = -1;
    for (int col = 0; col < w; ++col) {
      if (!cube(col, row)) continue;
      if (first < 0) first = col;
      last = col;
    }
    EXPECT_NEAR(first + 0.5, left.x, 1.0) << w << "x" << h;
    EXPECT_NEAR(last + 0.5, right.x, 1.0) << w << "x" << h;
    const int col = static_cast<int>(std::floor(top.x));
    int firstRow = -1, lastRow = -1;
    for (int r = 0; r < h; ++r) {
      if (!cube(col, r)) continue;
      if (firstRow < 0) firstRow = r;
      lastRow = r;
    }
    EXPECT_NEAR(h - firstRow - 0.5, top.y, 1.0) << w << "x" << h;
    EXPECT_NEAR(h - lastRow - 0.5, bottom.y, 1.0) << w << "x" << h;
  }
}

TEST(FrameView, BackgroundShowsTheClearColourAroundTheCube) {
  Scene scene(300, 200);
  VEKColor orange;
  orange.Set(255, 128, 0);
  scene.gl.SetClearColor(orange);
  EXPECT_EQ(scene.gl.ClearColor, orange);
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_FLOAT_EQ(clear[0], 1.0f);
  EXPECT_NEAR(clear[1], 128.0 / 255.0, 1e-6);
  EXPECT_FLOAT_EQ(clear[2], 0.0f);
  EXPECT_FLOAT_EQ(clear[3], 1.0f);
  for (int passes : {1, 4}) {
    const Picture p = FrameWithPasses(scene, passes);
    const Rgb expected{255, 128, 0};
    // The four corners of the window, also those beside the square viewport.
    for (auto corner : {std::array<int, 2>{0, 0}, {299, 0}, {0, 199}, {299, 199}, {60, 100}}) {
      EXPECT_LE(ColourDistance(p.Pixel(corner[0], corner[1]), expected), 1)
          << passes << " passes at " << corner[0] << "," << corner[1] << ": "
          << p.Pixel(corner[0], corner[1]);
    }
    EXPECT_GT(ColourDistance(p.Pixel(150, 100), expected), 40) << "the cube in the middle";
  }
}

TEST(FrameView, AnEmptyDrawingAreaNeverFails) {
  for (auto size : {std::array<int, 2>{0, 0}, {0, 200}, {200, 0}}) {
    Scene scene(size[0], size[1]);
    scene.gl.Passes = 4;
    scene.gl.DrawFrame();
    scene.gl.Passes = 1;
    scene.gl.DrawFrame();
    scene.gl.MouseMove(0, 0, ssLeft);
    scene.gl.MouseMove(5, 5, ssLeft | ssRight);
    scene.gl.MouseUp();
    EXPECT_EQ(scene.gl.FramesDrawn, 4u);
    // Given room again, the same renderer draws the cube.
    scene.window.SetClientSize(200, 200);
    scene.gl.Resize(200, 200);
    scene.gl.DrawFrame();
    const Picture p = TakePicture(scene);
    EXPECT_EQ(p.Pixel(0, 0), (Rgb{0, 0, 0}));
    // The light margin of the top left facelet.
    EXPECT_GT(Luminance(p.At(FramePoint(scene, {-2.1, 2.1, 2.4}))), 40)
        << size[0] << "x" << size[1];
  }
}

// ------------------------------------------------------------------ light

TEST(FrameLight, LightZeroStandsAtTheEyeOfEveryFrame) {
  Scene scene(200, 200);
  auto expectLightAtEye = [&](const char* when) {
    GLfloat position[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_FLOAT_EQ(position[0], scene.gl.Camera.Eye.X) << when;
    EXPECT_FLOAT_EQ(position[1], scene.gl.Camera.Eye.Y) << when;
    EXPECT_FLOAT_EQ(position[2], scene.gl.Camera.Eye.Z) << when;
    EXPECT_FLOAT_EQ(position[3], 1.0f) << when;
  };
  scene.gl.DrawFrame();
  expectLightAtEye("start");
  EXPECT_FLOAT_EQ(scene.gl.Camera.Eye.Z, 20.0f);
  scene.ViewThreeFaces();
  scene.gl.DrawFrame();
  expectLightAtEye("orbited");
  for (int i = 0; i < 5; ++i) scene.gl.KeyDown(38, 0);  // zoom in
  EXPECT_LT(Length(FromVek(scene.gl.Camera.Eye)), 19.5);
  scene.gl.DrawFrame();
  expectLightAtEye("zoomed");
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

// ------------------------------------------------------------------ passes

TEST(FramePasses, OnePassKeepsSilhouettesHardMorePassesBlendThem) {
  Scene scene(300, 300);
  scene.WhiteBody();
  VEKColor blue;
  blue.Set(0, 0, 255);
  scene.gl.SetClearColor(blue);
  scene.gl.Camera.RotateAxis(2, 17.0f);  // slanted borders cross pixels at every fraction

  const Picture one = FrameWithPasses(scene, 1);
  const BorderScan hard = ScanLeftBorder(one);
  EXPECT_GT(hard.rows, 100);
  EXPECT_EQ(hard.blendedRows, 0);
  int blends = 0;
  for (int row = 0; row < one.height; ++row) {
    for (int col = 0; col < one.width; ++col) {
      const Rgb c = one.Pixel(col, row);
      if (!(c == kBlue) && !Grey(c)) ++blends;
    }
  }
  EXPECT_EQ(blends, 0) << "one pass gives only background and cube colours";

  const BorderScan two = ScanLeftBorder(FrameWithPasses(scene, 2));
  const BorderScan sixteen = ScanLeftBorder(FrameWithPasses(scene, 16));
  EXPECT_EQ(two.rows, hard.rows);
  EXPECT_GT(two.blendedRows, two.rows / 10);
  EXPECT_GT(sixteen.blendedRows, two.blendedRows);
  EXPECT_GT(sixteen.blendedRows, sixteen.rows / 2);
}

TEST(FramePasses, AFrameIsTheAverageOfItsShiftedPasses) {
  Scene scene(200, 200);
  scene.WhiteBody();
  scene.ViewThreeFaces();
  for (int n : {2, 3, 16}) {
    const Picture frame = FrameWithPasses(scene, n);
    std::vector<Picture> passes;
    for (int i = 0; i < n; ++i)
      passes.push_back(DrawOnePass(scene, kOffsets[i][0], kOffsets[i][1]));
    EXPECT_LE(DifferenceFromAverage(frame, passes), 2) << n << " passes";
    // The same number of passes at other offsets would not give this picture.
    std::vector<Picture> others;
    for (int i = 0; i < n; ++i)
      others.push_back(DrawOnePass(scene, kOffsets[15 - i][0], kOffsets[15 - i][1]));
    if (n < 16) {
      EXPECT_GT(DifferenceFromAverage(frame, others), 8) << n << " passes";
    }
  }
  // A single pass is the first offset alone.
  EXPECT_EQ(PictureDifference(FrameWithPasses(scene, 1),
                              DrawOnePass(scene, kOffsets[0][0], kOffsets[0][1])),
            0);
  EXPECT_GT(PictureDifference(FrameWithPasses(scene, 1), DrawOnePass(scene, 0.0, 0.0)), 8);
}

TEST(FramePasses, CountsBeyondTheTableDrawSixteenAndBelowOneDrawOne) {
  Scene scene(200, 200);
  scene.ViewThreeFaces();
  const Picture sixteen = FrameWithPasses(scene, 16);
  EXPECT_EQ(PictureDifference(FrameWithPasses(scene, 40), sixteen), 0);
  EXPECT_EQ(PictureDifference(FrameWithPasses(scene, 17), sixteen), 0);
  const Picture one = FrameWithPasses(scene, 1);
  EXPECT_GT(PictureDifference(one, sixteen), 8);
  for (int passes : {0, -1, -100}) {
    EXPECT_EQ(PictureDifference(FrameWithPasses(scene, passes), one), 0) << passes;
  }
}

TEST(FramePasses, OnePassLeavesTheAccumulationBufferAlone) {
  Scene scene(200, 200);
  scene.ViewThreeFaces();
  for (int passes : {1, 0, -3}) {
    const Picture averaged = FrameWithPasses(scene, 2);
    VEKColor grey;
    grey.Set(90, 90, 90);
    scene.gl.SetClearColor(grey);
    const Picture single = FrameWithPasses(scene, passes);
    EXPECT_GT(PictureDifference(single, averaged), 60);
    // Returning the accumulation buffer brings back the two-pass picture.
    glAccum(GL_RETURN, 1.0f);
    EXPECT_EQ(PictureDifference(TakePicture(scene), averaged), 0) << passes;
    scene.gl.SetClearColor(VEKColor{});
  }
}

#include <gtest/gtest.h>

#include <cmath>

#include "TestCubes.h"
#include "interaction/Orbit.h"

namespace {
double Length(const VEKVector& v) { return std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z); }

void ExpectVector(const VEKVector& v, float x, float y, float z, float eps = 1e-4f) {
  EXPECT_NEAR(v.X, x, eps);
  EXPECT_NEAR(v.Y, y, eps);
  EXPECT_NEAR(v.Z, z, eps);
}
}  // namespace

TEST(Camera, StartValues) {
  VEKCamera camera;
  ExpectVector(camera.Eye, 0, 0, 20, 0);
  ExpectVector(camera.Right, 1, 0, 0, 0);
  ExpectVector(camera.Up, 0, 1, 0, 0);
  ExpectVector(camera.Forward, 0, 0, 1, 0);
  EXPECT_EQ(camera.LastX, 0);
  EXPECT_EQ(camera.LastY, 0);
  VEKLight light;
  ExpectVector(light.Position, 0, 0, 10, 0);
}

TEST(Camera, RotateAxisTurnsAboutTheWorldAxes) {
  const double s = std::sin(kDegree), c = std::cos(kDegree);
  VEKCamera x;
  x.RotateAxis(0, 1.0f);
  ExpectVector(x.Eye, 0, 20 * s, 20 * c);
  // RotationY turns counter-clockwise seen from +Y: +Z goes towards +X.
  VEKCamera y;
  y.RotateAxis(1, 1.0f);
  ExpectVector(y.Eye, 20 * s, 0, 20 * c);
  VEKCamera z;
  z.RotateAxis(2, 90.0f);
  ExpectVector(z.Up, 1, 0, 0);
  ExpectVector(z.Right, 0, -1, 0);
  ExpectVector(z.Eye, 0, 0, 20);
  // Any other axis only normalises the camera's axes.
  VEKCamera other;
  other.Up = {0, 3, 0, 1};
  other.RotateAxis(7, 45.0f);
  ExpectVector(other.Up, 0, 1, 0, 0);
  ExpectVector(other.Eye, 0, 0, 20, 0);
}

TEST(Camera, ManySmallTurnsKeepTheAxesUnitAndTheDistance) {
  VEKCamera camera;
  for (int i = 0; i < 20000; ++i) {
    camera.RotateAxis(i % 3, static_cast<float>(std::sin(i * kDegree)));
  }
  EXPECT_NEAR(Length(camera.Right), 1.0, 1e-5);
  EXPECT_NEAR(Length(camera.Up), 1.0, 1e-5);
  EXPECT_NEAR(Length(camera.Eye), 20.0, 1e-2);
  // The axes stay perpendicular to each other.
  const double dot = camera.Right.X * camera.Up.X + camera.Right.Y * camera.Up.Y + camera.Right.Z * camera.Up.Z;
  EXPECT_NEAR(dot, 0.0, 1e-4);
}

TEST(Orbit, FirstCallAndCallsFromTheOriginOnlyRecord) {
  VEKCamera camera;
  camera.Orbit(100, 100);
  ExpectVector(camera.Eye, 0, 0, 20, 0);
  EXPECT_EQ(camera.LastX, 100);
  camera.Orbit(101, 100);
  EXPECT_NEAR(camera.Eye.X, -0.5235f, 1e-4f);
  EXPECT_NEAR(camera.Eye.Y, 0.0f, 1e-6f);
  EXPECT_NEAR(camera.Eye.Z, 19.9931f, 1e-4f);
  // From a recorded (0, 0) the next call records only.
  VEKCamera fromZero;
  fromZero.Orbit(0, 0);
  fromZero.Orbit(5, -5);
  ExpectVector(fromZero.Eye, 0, 0, 20, 0);
}

TEST(Orbit, TheCubeFollowsTheCursor) {
  VEKCamera down;
  down.LastX = down.LastY = 50;
  down.Orbit(50, 51);  // cursor moves down: the eye swings up
  EXPECT_GT(down.Eye.Y, 0.5f);
  EXPECT_NEAR(down.Eye.X, 0, 1e-6f);
  VEKCamera left;
  left.LastX = left.LastY = 50;
  left.Orbit(49, 50);  // cursor moves left: the eye swings right
  EXPECT_GT(left.Eye.X, 0.5f);
  // Both coordinates changed: a step about each axis, in one call.
  VEKCamera both;
  both.LastX = both.LastY = 50;
  both.Orbit(51, 52);
  EXPECT_LT(both.Eye.X, -0.5f);
  EXPECT_GT(both.Eye.Y, 0.5f);
  EXPECT_NEAR(Length(both.Eye), 20.0, 1e-4);
  // The same position again only reloads the view.
  const VEKVector eye = both.Eye;
  both.Orbit(51, 52);
  ExpectVector(both.Eye, eye.X, eye.Y, eye.Z, 0);
}

TEST(KeyInput, ZoomStepsAndTheirBounds) {
  auto renderer = HeadlessRenderer();
  VEKGL& gl = *renderer;
  gl.KeyDown(38, 0);
  EXPECT_NEAR(Length(gl.Camera.Eye), 19.80198, 1e-4);
  gl.KeyDown(40, 0);
  EXPECT_NEAR(Length(gl.Camera.Eye), 20.0, 1e-4);
  gl.KeyDown(40, 0);
  EXPECT_NEAR(Length(gl.Camera.Eye), 20.2, 1e-4);
  gl.KeyDown(38, 0);
  // Left, Right and other keys do nothing without Ctrl.
  for (int key : {37, 39, 65, 0}) gl.KeyDown(key, 0);
  EXPECT_NEAR(Length(gl.Camera.Eye), 20.0, 1e-4);

  for (int i = 0; i < 10000; ++i) gl.KeyDown(38, ssShift);
  EXPECT_GE(Length(gl.Camera.Eye), kMinEyeDistance);
  EXPECT_LT(Length(gl.Camera.Eye), kMinEyeDistance * 1.011);
  for (int i = 0; i < 10000; ++i) gl.KeyDown(40, 0);
  EXPECT_LE(Length(gl.Camera.Eye), kMaxEyeDistance);
  EXPECT_GT(Length(gl.Camera.Eye), kMaxEyeDistance / 1.011);
  // The direction of view never changes by zooming.
  ExpectVector(gl.Camera.Eye, 0, 0, static_cast<float>(Length(gl.Camera.Eye)));
}

TEST(KeyInput, CtrlArrowsMoveTheKeyCursorAndOrbit) {
  auto renderer = HeadlessRenderer();
  VEKGL& gl = *renderer;
  gl.KeyDown(39, ssCtrl);  // from (0, 0): records only
  EXPECT_EQ(gl.KeyCursorX, 1);
  ExpectVector(gl.Camera.Eye, 0, 0, 20, 0);
  gl.KeyDown(39, ssCtrl);
  EXPECT_EQ(gl.KeyCursorX, 2);
  EXPECT_NEAR(gl.Camera.Eye.X, -0.5235f, 1e-4f);
  gl.KeyDown(40, ssCtrl);  // Ctrl+Down orbits, it does not zoom
  EXPECT_EQ(gl.KeyCursorY, 1);
  EXPECT_GT(gl.Camera.Eye.Y, 0.5f);
  EXPECT_NEAR(Length(gl.Camera.Eye), 20.0, 1e-4);
  gl.KeyDown(37, ssCtrl);
  gl.KeyDown(38, ssCtrl);
  EXPECT_EQ(gl.KeyCursorX, 1);
  EXPECT_EQ(gl.KeyCursorY, 0);
  gl.KeyDown(65, ssCtrl);
  EXPECT_EQ(gl.KeyCursorX, 1);
}

TEST(KeyInput, IgnoredWhileTheCubeIsBusy) {
  auto renderer = HeadlessRenderer();
  renderer->Cube->Busy = true;
  renderer->KeyDown(38, 0);
  renderer->KeyDown(39, ssCtrl);
  renderer->KeyDown(39, ssCtrl);
  EXPECT_EQ(renderer->KeyCursorX, 0);
  ExpectVector(renderer->Camera.Eye, 0, 0, 20, 0);
}

TEST(FittedView, EverySizeFillsThePictureLikeTheStartCube) {
  EXPECT_FLOAT_EQ(FittedEyeDistance(3), 20.0f);
  EXPECT_NEAR(FittedEyeDistance(2), 13.3333f, 1e-3f);
  EXPECT_NEAR(FittedEyeDistance(4), 26.6667f, 1e-3f);
  // The 5x5x5 would want 33.33, beyond the far plane's bound.
  EXPECT_FLOAT_EQ(FittedEyeDistance(5), kMaxEyeDistance);
  EXPECT_FLOAT_EQ(FittedEyeDistance(1), kMinEyeDistance);
  // Seen head on, the front face's half width over its distance from the eye
  // (the tangent of the angle it fills) is the same as the 3x3x3's.
  auto share = [](int n) { return 0.8 * n / (FittedEyeDistance(n) - 0.8 * n); };
  EXPECT_NEAR(share(2), share(3), 1e-5);
  EXPECT_NEAR(share(4), share(3), 1e-5);
  EXPECT_GT(share(5), share(3));
  EXPECT_LT(share(5), share(3) * 1.01);
}

TEST(FittedView, SetDistanceKeepsTheOrientationAndResetViewRestoresTheStart) {
  VEKCamera camera;
  camera.LastX = camera.LastY = 50;
  for (int i = 0; i < 30; ++i) camera.Orbit(51 + i, 50 + 2 * i);
  const VEKVector eye = camera.Eye, up = camera.Up, right = camera.Right;
  camera.SetDistance(26.5f);
  EXPECT_NEAR(Length(camera.Eye), 26.5, 1e-4);
  const double scale = 26.5 / Length(eye);
  ExpectVector(camera.Eye, static_cast<float>(eye.X * scale), static_cast<float>(eye.Y * scale),
               static_cast<float>(eye.Z * scale));
  ExpectVector(camera.Up, up.X, up.Y, up.Z, 0);
  ExpectVector(camera.Right, right.X, right.Y, right.Z, 0);
  camera.SetDistance(100.0f);
  EXPECT_NEAR(Length(camera.Eye), kMaxEyeDistance, 1e-4);
  camera.SetDistance(1.0f);
  EXPECT_NEAR(Length(camera.Eye), kMinEyeDistance, 1e-4);

  camera.ResetView(FittedEyeDistance(4));
  ExpectVector(camera.Eye, 0, 0, FittedEyeDistance(4), 0);
  ExpectVector(camera.Right, 1, 0, 0, 0);
  ExpectVector(camera.Up, 0, 1, 0, 0);
  ExpectVector(camera.Forward, 0, 0, 1, 0);
  EXPECT_EQ(camera.LastX, 80);  // the orbit goes on from the cursor's last place
  // After a reset the orbit turns as from the start view: right moves the eye to -X.
  camera.Orbit(81, 108);
  EXPECT_LT(camera.Eye.X, 0.0f);
}

TEST(FreeRotation, PhasesStayWithinOneTo360) {
  EXPECT_EQ(AdvancePhase(1), 2);
  EXPECT_EQ(AdvancePhase(359), 360);
  EXPECT_EQ(AdvancePhase(360), 1);
  int phase = 17;
  for (int i = 0; i < 1000; ++i) {
    phase = AdvancePhase(phase);
    ASSERT_GE(phase, 1);
    ASSERT_LE(phase, 360);
  }
  EXPECT_EQ(phase, (17 + 1000 - 1) % 360 + 1);
}

// Orbit and zoom: the view moves, the cube stays at the origin.
#include <algorithm>
#include <cmath>

#include "interaction/Orbit.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
constexpr float kOrbitStep = 1.5f;
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
// 1/1.01f held in extended precision, and 1.01 as a float.
constexpr double kZoomIn = 0.9900990192498218;
constexpr double kZoomOut = 1.0099999904632568;

constexpr double kStartEyeDistance = 20.0;
constexpr double kStartCubeSize = 3.0;

double Length(const VEKVector& v) {
  return std::sqrt(static_cast<double>(v.X) * v.X + static_cast<double>(v.Y) * v.Y +
                   static_cast<double>(v.Z) * v.Z);
}
}  // namespace

float FittedEyeDistance(int CubeSize) {
  const double fitted = kStartEyeDistance * CubeSize / kStartCubeSize;
  return std::clamp(static_cast<float>(fitted), kMinEyeDistance, kMaxEyeDistance);
}

int32_t AdvancePhase(int32_t phase) {
  ++phase;
  return phase > 360 ? 1 : phase;
}

void FreeRotationStep(VEKCamera& camera, int32_t& phaseX, int32_t& phaseY, int32_t& phaseZ) {
  camera.RotateAxis(0, static_cast<float>(std::sin(phaseX * kDegree)));
  camera.RotateAxis(1, static_cast<float>(std::sin(phaseY * kDegree)));
  camera.RotateAxis(2, static_cast<float>(std::sin(phaseZ * kDegree)));
  phaseX = AdvancePhase(phaseX);
  phaseY = AdvancePhase(phaseY);
  phaseZ = AdvancePhase(phaseZ);
}

void VEKCamera::Orbit(int X, int Y) {
  // Without a previous position there is nothing to compare with.
  if (!(LastX == 0 && LastY == 0)) {
    Rotation.SetIdentity(1.0f);
    RotateUp.SetIdentity(1.0f);
    RotateRight.SetIdentity(1.0f);
    RotateUpBack.SetIdentity(1.0f);
    RotateRightBack.SetIdentity(1.0f);
    if (X > LastX) RotationAboutAxis(RotateUp, Up, kOrbitStep);
    if (Y > LastY) RotationAboutAxis(RotateRight, Right, kOrbitStep);
    if (X < LastX) RotationAboutAxis(RotateUpBack, Up, -kOrbitStep);
    if (Y < LastY) RotationAboutAxis(RotateRightBack, Right, -kOrbitStep);
    MatrixMultiply(Rotation, RotateUp, RotateRight);
    MatrixMultiply(Rotation, Rotation, RotateUpBack);
    MatrixMultiply(Rotation, Rotation, RotateRightBack);
    ApplyRotation();
  }
  LastX = X;
  LastY = Y;
  LoadView();
}

void VEKGL::KeyDown(int Key, uint8_t Shift) {
  if (!Cube || Cube->Busy) return;
  if (Shift & ssCtrl) {
    switch (Key) {
      case kKeyLeft: Camera.Orbit(KeyCursorX - 1, KeyCursorY); --KeyCursorX; break;
      case kKeyUp: Camera.Orbit(KeyCursorX, KeyCursorY - 1); --KeyCursorY; break;
      case kKeyRight: Camera.Orbit(KeyCursorX + 1, KeyCursorY); ++KeyCursorX; break;
      case kKeyDown: Camera.Orbit(KeyCursorX, KeyCursorY + 1); ++KeyCursorY; break;
      default: break;
    }
    return;
  }
  double factor;
  if (Key == kKeyUp) {
    factor = kZoomIn;
  } else if (Key == kKeyDown) {
    factor = kZoomOut;
  } else {
    return;
  }
  VEKVector eye = Camera.Eye;
  eye.X = static_cast<float>(eye.X * factor);
  eye.Y = static_cast<float>(eye.Y * factor);
  eye.Z = static_cast<float>(eye.Z * factor);
  const double distance = Length(eye);
  if (distance < kMinEyeDistance || distance > kMaxEyeDistance) return;
  Camera.Eye = eye;
}

void QuarterTurnView(VEKCamera& camera, int axis, int sign) {
  const auto turn = [axis, sign](VEKVector& v) {
    float* c[3] = {&v.X, &v.Y, &v.Z};
    // The two coordinates that change, in right-handed order about the axis.
    float& a = *c[(axis + 1) % 3];
    float& b = *c[(axis + 2) % 3];
    const float oldA = a;
    a = sign > 0 ? -b : b;
    b = sign > 0 ? oldA : -oldA;
  };
  turn(camera.Eye);
  turn(camera.Up);
  turn(camera.Right);
  turn(camera.Forward);
}

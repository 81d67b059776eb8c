#include "render/Vekcamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "render/VekGL.h"

namespace {
float WithinZoom(float distance) { return std::clamp(distance, kMinEyeDistance, kMaxEyeDistance); }
}  // namespace

VEKCamera::VEKCamera() {
  Rotation.SetIdentity(1.0f);
  RotateUp.SetIdentity(1.0f);
  RotateRight.SetIdentity(1.0f);
  RotateUpBack.SetIdentity(1.0f);
  RotateRightBack.SetIdentity(1.0f);
}

void VEKCamera::LoadView() const {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluLookAt(Eye.X, Eye.Y, Eye.Z, 0.0, 0.0, 0.0, Up.X, Up.Y, Up.Z);
  glMatrixMode(GL_MODELVIEW);
}

void VEKCamera::ApplyRotation() {
  Normalize(Right);
  Normalize(Up);
  Normalize(Forward);
  TransformVector(Eye, Rotation, Eye);
  TransformVector(Right, Rotation, Right);
  TransformVector(Up, Rotation, Up);
  TransformVector(Forward, Rotation, Forward);
}

void VEKCamera::RotateAxis(int AxisIndex, float Angle) {
  Rotation.SetIdentity(1.0f);
  switch (AxisIndex) {
    case 0: RotationX(Rotation, Angle); break;
    case 1: RotationY(Rotation, Angle); break;
    case 2: RotationZ(Rotation, Angle); break;
    default: break;
  }
  ApplyRotation();
  LoadView();
}

void VEKCamera::SetDistance(float Distance) {
  const double length = std::sqrt(static_cast<double>(Eye.X) * Eye.X +
                                  static_cast<double>(Eye.Y) * Eye.Y +
                                  static_cast<double>(Eye.Z) * Eye.Z);
  if (!(length > 0.0)) return;
  const double scale = WithinZoom(Distance) / length;
  Eye.X = static_cast<float>(Eye.X * scale);
  Eye.Y = static_cast<float>(Eye.Y * scale);
  Eye.Z = static_cast<float>(Eye.Z * scale);
}

void VEKCamera::ResetView(float Distance) {
  const VEKCamera start;
  Rotation = start.Rotation;
  RotateUp = start.RotateUp;
  RotateRight = start.RotateRight;
  RotateUpBack = start.RotateUpBack;
  RotateRightBack = start.RotateRightBack;
  Eye = VEKVector{0.0f, 0.0f, WithinZoom(Distance), 1.0f};
  Right = start.Right;
  Up = start.Up;
  Forward = start.Forward;
  LoadView();
}

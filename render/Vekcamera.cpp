#include "render/Vekcamera.h"

#include <GL/gl.h>
#include <GL/glu.h>

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

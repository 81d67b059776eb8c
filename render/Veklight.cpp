#include "render/Veklight.h"

#include <GL/gl.h>

void VEKLight::SetPosition(const VEKVector& V) {
  Position.X = V.X;
  Position.Y = V.Y;
  Position.Z = V.Z;
  glLightfv(GL_LIGHT0, GL_POSITION, &Position.X);
  glDisable(GL_LIGHTING);
  glEnable(GL_LIGHTING);
}

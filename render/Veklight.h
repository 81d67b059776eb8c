// Light 0, a positional headlight that every frame puts at the eye.
#pragma once

#include "render/VekMath.h"

struct VEKLight {
  VEKVector Position{0.0f, 0.0f, 10.0f, 1.0f};
  // Kept for completeness; light 0 keeps OpenGL's default spot settings.
  VEKVector Direction{0.0f, 0.0f, 0.0f, 1.0f};

  void SetPosition(const VEKVector& V);
};

// What drawing a cubie needs of its polygons besides their points: the
// outward normal of each, and the texture coordinates of the face octagons.
#pragma once

#include <GL/gl.h>

#include "puzzle/CubieShape.h"
#include "render/VekMath.h"

// Texture coordinates of the octagon points, for even and odd faces; the
// store is transposed, and together they make every digit read unmirrored
// from outside the cubie.
inline constexpr GLfloat kOctagonTexCoords[2][kFacePoints][2] = {{{0.07f, 0.0f},
                                                                  {0.0f, 0.07f},
                                                                  {0.0f, 0.93f},
                                                                  {0.07f, 1.0f},
                                                                  {0.93f, 1.0f},
                                                                  {1.0f, 0.93f},
                                                                  {1.0f, 0.07f},
                                                                  {0.93f, 0.0f}},
                                                                 {{0.93f, 0.0f},
                                                                  {1.0f, 0.07f},
                                                                  {1.0f, 0.93f},
                                                                  {0.93f, 1.0f},
                                                                  {0.07f, 1.0f},
                                                                  {0.0f, 0.93f},
                                                                  {0.0f, 0.07f},
                                                                  {0.07f, 0.0f}}};

// Face f's octagon is points 1..8 of Face = &Points[8 * f].
inline VEKVector OctagonNormal(const VEKVector* Face, int f) {
  VEKVector normal;
  FaceNormal(Face[1], Face[3], Face[5], normal);
  if (f % 2 == 0) normal = VEKVector{-normal.X, -normal.Y, -normal.Z, normal.W};
  return normal;
}

inline VEKVector BevelNormal(const VEKVector* Points, const BevelPolygon& Bevel) {
  VEKVector normal;
  FaceNormal(Points[Bevel.vertices[0]], Points[Bevel.vertices[1]], Points[Bevel.vertices[2]],
             normal);
  if (Bevel.negate) normal = VEKVector{-normal.X, -normal.Y, -normal.Z, normal.W};
  return normal;
}

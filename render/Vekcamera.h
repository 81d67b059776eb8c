// The viewer: an eye that always looks at the origin, with its own axes.
#pragma once

#include <cstdint>

#include "render/VekMath.h"

struct VEKCamera {
  VEKMatrix Rotation;
  VEKMatrix RotateUp;
  VEKMatrix RotateRight;
  VEKMatrix RotateUpBack;
  VEKMatrix RotateRightBack;
  VEKVector Eye{0.0f, 0.0f, 20.0f, 1.0f};
  int32_t LastX = 0;
  int32_t LastY = 0;
  VEKVector Right{1.0f, 0.0f, 0.0f, 1.0f};
  VEKVector Up{0.0f, 1.0f, 0.0f, 1.0f};
  VEKVector Forward{0.0f, 0.0f, 1.0f, 1.0f};

  VEKCamera();
  // Projection := look-at from the eye; leaves the modelview matrix selected.
  void LoadView() const;
  // Turns the view about a world axis: 0 = X, 1 = Y, 2 = Z.
  void RotateAxis(int AxisIndex, float Angle);
  // One orbit step towards the cursor position (mouse pixels or key cursor).
  void Orbit(int X, int Y);
  // Replaces Eye, Right, Up and Forward by their product with Rotation.
  void ApplyRotation();
  // Moves the eye along its line to Distance from the origin (kept within the
  // zoom bounds of VekGL.h); the orientation stays. Like a zoom step, the
  // next frame shows it.
  void SetDistance(float Distance);
  // The start orientation (eye on +Z, +Y up, +X right) at Distance (kept
  // within the zoom bounds); the orbit's last cursor position stays.
  void ResetView(float Distance);
};

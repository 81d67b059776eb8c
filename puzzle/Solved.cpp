// The solved test. Turns never snap points to the grid, so every comparison
// allows kGridTolerance of drift.
#include <cmath>

#include "puzzle/VekCube.h"

namespace {
struct Vec {
  float x, y, z;
};

Vec Offset(const VEKSmallCube& cubie, int faceNumber) {
  VEKVector face;
  cubie.FaceCenter(faceNumber, face);
  const VEKVector& c = cubie.Points[0];
  return {face.X - c.X, face.Y - c.Y, face.Z - c.Z};
}

bool Near(const Vec& a, const Vec& b) {
  return std::fabs(a.x - b.x) < kGridTolerance && std::fabs(a.y - b.y) < kGridTolerance &&
         std::fabs(a.z - b.z) < kGridTolerance;
}

// The axis direction (unit, along one world axis) that v/length points along,
// or false when it points along none.
bool SnapToAxis(const Vec& v, float length, Vec& unit) {
  const Vec candidates[6] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}};
  for (const Vec& c : candidates) {
    if (Near(v, {c.x * length, c.y * length, c.z * length})) {
      unit = c;
      return true;
    }
  }
  return false;
}

Vec Cross(const Vec& a, const Vec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// R * (x, y, z) for the rotation whose columns are the images of the axes.
Vec Apply(const Vec (&columns)[3], float x, float y, float z) {
  return {columns[0].x * x + columns[1].x * y + columns[2].x * z,
          columns[0].y * x + columns[1].y * y + columns[2].y * z,
          columns[0].z * x + columns[1].z * y + columns[2].z * z};
}
}  // namespace

bool VEKBigCube::IsSolved() const {
  if (CubieCount <= 0) return false;
  const VEKSmallCube& first = Cubies[0];
  const float reach = first.FaceHalfWidth + first.Bevel;  // face centre from cubie centre
  // Every cubie turns the way the whole cube did; cubie 0 tells which of the
  // 24 rotations that is (its +Y and +Z faces fix it).
  Vec columns[3];
  if (!SnapToAxis(Offset(first, 5), reach, columns[1]) ||
      !SnapToAxis(Offset(first, 1), reach, columns[2])) {
    return false;
  }
  columns[0] = Cross(columns[1], columns[2]);
  const int n = Size;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) {
        // Hidden cubies show nothing; the player sees the cube solved without them.
        const bool visible = i == 0 || j == 0 || k == 0 || i == n - 1 || j == n - 1 || k == n - 1;
        if (!visible) continue;
        const VEKSmallCube& cubie = Cubies[(i * n + j) * n + k];
        const VEKVector& c = cubie.Points[0];
        if (!Near({c.X, c.Y, c.Z},
                  Apply(columns, LayerCoordinate(i), LayerCoordinate(j), LayerCoordinate(k))) ||
            !Near(Offset(cubie, 1), Apply(columns, 0, 0, reach)) ||
            !Near(Offset(cubie, 5), Apply(columns, 0, reach, 0))) {
          return false;
        }
      }
    }
  }
  return true;
}

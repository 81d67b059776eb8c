// The six directions along the cube's axes, numbered like the faces of a
// cubie at home (0 +Z, 1 -Z, 2 -X, 3 +X, 4 +Y, 5 -Y), and how a turned
// cubie's vectors are read back as one of them.
#pragma once

#include <array>
#include <cmath>

#include "puzzle/VekCube.h"

namespace cubedir {

using Int3 = std::array<int, 3>;

inline constexpr Int3 kDirections[6] = {{0, 0, 1}, {0, 0, -1}, {-1, 0, 0},
                                        {1, 0, 0}, {0, 1, 0},  {0, -1, 0}};

inline int DirectionOf(const Int3& v) {
  for (int d = 0; d < 6; ++d) {
    if (kDirections[d] == v) return d;
  }
  return -1;
}

// The direction that (x, y, z) points along, as a vector of the given
// length within the grid tolerance, or -1 when it points along none.
inline int Snap(float x, float y, float z, float length) {
  for (int d = 0; d < 6; ++d) {
    const Int3& u = kDirections[d];
    if (std::fabs(x - u[0] * length) < kGridTolerance &&
        std::fabs(y - u[1] * length) < kGridTolerance &&
        std::fabs(z - u[2] * length) < kGridTolerance) {
      return d;
    }
  }
  return -1;
}

}  // namespace cubedir

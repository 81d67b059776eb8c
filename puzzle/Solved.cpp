// The solved test, by sight: the surface must show the home picture turned by
// one whole-cube rotation. The player sees digits, not cubies, so look-alike
// cubies may stand in each other's places. Turns never snap points to the
// grid, so every comparison allows kGridTolerance of drift.
#include <array>
#include <cmath>

#include "puzzle/CubeDirections.h"
#include "puzzle/HomeLook.h"
#include "puzzle/VekCube.h"

namespace {
using cubedir::Int3;
using cubedir::kDirections;
using cubedir::DirectionOf;
using cubedir::Snap;

// Where the digit's texture t coordinate grows on a face: from octagon point 1
// to point 4, the same way on every face (render/CubieDraw.cpp).
int TextureDirection(const VEKSmallCube& cubie, int face) {
  const VEKVector& from = cubie.Points[1 + 8 * face];
  const VEKVector& to = cubie.Points[4 + 8 * face];
  return Snap(to.X - from.X, to.Y - from.Y, to.Z - from.Z, 2.0f * cubie.FaceHalfWidth);
}

// The 24 whole-cube rotations: signed permutation matrices of determinant 1.
struct Rotation {
  int m[3][3];
  int image[6];  // the directions they take the six directions to

  Int3 Apply(const Int3& v) const {
    Int3 out{};
    for (int row = 0; row < 3; ++row) {
      out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    }
    return out;
  }
};
std::array<Rotation, 24> WholeCubeRotations() {
  std::array<Rotation, 24> out{};
  int count = 0;
  const int perms[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
  for (int p = 0; p < 6; ++p) {
    const int parity = p < 3 ? 1 : -1;
    for (int signs = 0; signs < 8; ++signs) {
      const int s[3] = {signs & 1 ? -1 : 1, signs & 2 ? -1 : 1, signs & 4 ? -1 : 1};
      // A mirror image is no way of holding the cube.
      if (parity * s[0] * s[1] * s[2] != 1) continue;
      Rotation& r = out[count++];
      for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) r.m[row][col] = perms[p][col] == row ? s[col] : 0;
      }
      for (int d = 0; d < 6; ++d) r.image[d] = DirectionOf(r.Apply(kDirections[d]));
    }
  }
  return out;
}

// What one facelet of the surface shows: the digit and where its texture's t
// direction points; digit -1 when no face of a cubie lies flat there.
struct Shown {
  int digit = -1;
  int up = -1;
};
}  // namespace

bool VEKBigCube::IsSolved() const {
  const int n = Size;
  if (CubieCount <= 0 || n < 2) return false;
  static const std::array<Rotation, 24> rotations = WholeCubeRotations();

  // Grid places are integers centred on the cube: 2i - (N - 1) along each axis.
  auto placeIndex = [n](const Int3& p) {
    return (((p[0] + n - 1) / 2) * n + (p[1] + n - 1) / 2) * n + (p[2] + n - 1) / 2;
  };
  std::array<bool, kMaxCubies> taken{};
  std::array<Shown, kMaxCubies * 6> shown{};
  for (int b = 0; b < CubieCount; ++b) {
    const VEKSmallCube& cubie = Cubies[b];
    const VEKVector& c = cubie.Points[0];
    Int3 place{};
    const float along[3] = {c.X, c.Y, c.Z};
    for (int a = 0; a < 3; ++a) {
      const long rounded = std::lround((along[a] - LayerCoordinate(0)) / 1.6f);
      const int layer = static_cast<int>(rounded);
      if (rounded < 0 || rounded >= n ||
          std::fabs(along[a] - LayerCoordinate(layer)) >= kGridTolerance) {
        return false;
      }
      place[a] = 2 * layer - (n - 1);
    }
    const int at = placeIndex(place);
    if (taken[at]) return false;
    taken[at] = true;
    // Only faces flat on the surface are seen; a hidden cubie may stand askew.
    const float reach = cubie.FaceHalfWidth + cubie.Bevel;
    for (int f = 0; f < 6; ++f) {
      VEKVector centre;
      cubie.FaceCenter(f + 1, centre);
      const int d = Snap(centre.X - c.X, centre.Y - c.Y, centre.Z - c.Z, reach);
      if (d < 0) continue;
      const Int3& u = kDirections[d];
      if (place[0] * u[0] + place[1] * u[1] + place[2] * u[2] != n - 1) continue;
      shown[at * 6 + d] = {cubie.FaceDigit[f], TextureDirection(cubie, f)};
    }
  }

  for (const Rotation& r : rotations) {
    bool matches = true;
    // Every facelet of the home cube must be seen where the rotation takes it.
    for (int b = 0; b < CubieCount && matches; ++b) {
      const Int3 home{2 * (b / (n * n)) - (n - 1), 2 * (b / n % n) - (n - 1),
                      2 * (b % n) - (n - 1)};
      const int at = placeIndex(r.Apply(home));
      for (int f = 0; f < 6 && matches; ++f) {
        const int digit = Cubies[b].FaceDigit[f];
        if (digit == 0) continue;  // inside the cube
        const Shown& seen = shown[at * 6 + r.image[f]];
        matches = seen.digit == digit && seen.up == r.image[homelook::TextureDirection(f)];
      }
    }
    if (matches) return true;
  }
  return false;
}

namespace homelook {

int Digit(int Size, int Cubie, int Face) {
  if (Size < 1 || Cubie < 0 || Cubie >= Size * Size * Size) return 0;
  const int n = Size, i = Cubie / (n * n), j = Cubie / n % n, k = Cubie % n;
  switch (Face) {
    case 0: return k == n - 1 ? i * n + j + 1 : 0;
    case 1: return k == 0 ? i * n + j + 1 : 0;
    case 2: return i == 0 ? j * n + k + 1 : 0;
    case 3: return i == n - 1 ? j * n + k + 1 : 0;
    case 4: return j == n - 1 ? i * n + k + 1 : 0;
    case 5: return j == 0 ? i * n + k + 1 : 0;
    default: return 0;
  }
}

int TextureDirection(int Face) {
  // From the shape of a cubie, as the renderer maps the digit onto it.
  static const std::array<int, 6> direction = [] {
    VEKSmallCube home;
    home.Setup(0.0f, 0.0f, 0.0f, 0.7f, 0.1f);
    std::array<int, 6> out{};
    for (int f = 0; f < 6; ++f) out[f] = ::TextureDirection(home, f);
    return out;
  }();
  return Face >= 0 && Face < 6 ? direction[Face] : -1;
}

}  // namespace homelook

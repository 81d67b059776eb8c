#include "puzzle/Facelets.h"

#include <array>
#include <cmath>
#include <vector>

#include "puzzle/CubeDirections.h"
#include "puzzle/VekCube.h"

namespace {
using cubedir::Int3;
using cubedir::kDirections;
using cubedir::Snap;

Int3 Unit(int axis, int sign) {
  Int3 v{0, 0, 0};
  v[axis] = sign;
  return v;
}
Int3 Cross(const Int3& a, const Int3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
int Dot(const Int3& a, const Int3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }


struct Sticker {
  int cubie = -1;
  int face = -1;  // the cubie's own face number, 0..5
};

// Every sticker of the surface by grid place (2i - (N-1) per axis) and
// direction; false when a cubie stands off the grid.
bool StickersOf(const VEKBigCube& cube, std::vector<Sticker>& out) {
  const int n = cube.Size;
  out.assign(static_cast<std::size_t>(n * n * n * 6), Sticker{});
  for (int b = 0; b < cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = cube.Cubies[b];
    const VEKVector& c = cubie.Points[0];
    const float along[3] = {c.X, c.Y, c.Z};
    int layer[3];
    for (int a = 0; a < 3; ++a) {
      const long rounded = std::lround((along[a] - cube.LayerCoordinate(0)) / 1.6f);
      if (rounded < 0 || rounded >= n) return false;
      layer[a] = static_cast<int>(rounded);
      if (std::fabs(along[a] - cube.LayerCoordinate(layer[a])) >= kGridTolerance) return false;
    }
    const float reach = cubie.FaceHalfWidth + cubie.Bevel;
    for (int f = 0; f < 6; ++f) {
      VEKVector centre;
      cubie.FaceCenter(f + 1, centre);
      const int d = Snap(centre.X - c.X, centre.Y - c.Y, centre.Z - c.Z, reach);
      if (d < 0) return false;
      out[((layer[0] * n + layer[1]) * n + layer[2]) * 6 + d] = Sticker{b, f};
    }
  }
  return true;
}

// Calls Visit(sticker, top, right) for every sticker of the surface in the
// printed order; top and right are the printed face's directions.
template <typename Visit>
bool ForEachPrinted(const VEKBigCube& cube, const FaceFrame& view, Visit visit) {
  std::vector<Sticker> stickers;
  if (!StickersOf(cube, stickers)) return false;
  const int n = cube.Size;
  // Each face's top: U has B there, D has F, the side faces U.
  const char topOf[6] = {'B', 'U', 'U', 'F', 'U', 'U'};
  for (int i = 0; i < 6; ++i) {
    const Int3 normal = Unit(view.Axis[i], view.Sign[i]);
    const int t = FaceFrame::IndexOf(topOf[i]);
    const Int3 top = Unit(view.Axis[t], view.Sign[t]);
    const Int3 right = Cross(top, normal);
    for (int row = 0; row < n; ++row) {
      for (int col = 0; col < n; ++col) {
        int layer[3];
        for (int a = 0; a < 3; ++a) {
          const int place =
              normal[a] * (n - 1) + top[a] * (n - 1 - 2 * row) + right[a] * (2 * col - (n - 1));
          layer[a] = (place + n - 1) / 2;
        }
        int d = 0;
        while (kDirections[d] != normal) ++d;
        visit(stickers[((layer[0] * n + layer[1]) * n + layer[2]) * 6 + d], top, right, i, row,
              col);
      }
    }
  }
  return true;
}
}  // namespace

std::string FaceletLetters(const VEKBigCube& cube, const FaceFrame& view, const FaceFrame& home) {
  std::string out;
  const bool whole =
      ForEachPrinted(cube, view, [&](const Sticker& s, const Int3&, const Int3&, int, int, int) {
        // A cubie's face f looked along direction f when the cube was solved.
        const Int3& was = kDirections[s.face];
        for (int i = 0; i < 6; ++i) {
          if (Unit(home.Axis[i], home.Sign[i]) == was) out += kFaceOrder[i];
        }
      });
  return whole ? out : std::string();
}

std::string FaceletDigits(const VEKBigCube& cube, const FaceFrame& view) {
  std::string out;
  const bool whole = ForEachPrinted(
      cube, view,
      [&](const Sticker& s, const Int3& top, const Int3& right, int face, int row, int col) {
        const VEKSmallCube& cubie = cube.Cubies[s.cubie];
        // The digit stands upright a quarter turn clockwise (seen from
        // outside) from where its texture's t coordinate falls, from octagon
        // point 4 to point 1.
        const VEKVector& from = cubie.Points[4 + 8 * s.face];
        const VEKVector& to = cubie.Points[1 + 8 * s.face];
        const int d = Snap(to.X - from.X, to.Y - from.Y, to.Z - from.Z, 2.0f * cubie.FaceHalfWidth);
        const Int3 up = d < 0 ? top : Cross(kDirections[d], Cross(right, top));
        // Clockwise quarter turns from the printed top to the digit's up.
        const int turns = Dot(up, top) == 1     ? 0
                          : Dot(up, right) == 1 ? 1
                          : Dot(up, top) == -1  ? 2
                                                : 3;
        if (face > 0 && row == 0 && col == 0) out += " |";
        if (!out.empty()) out += ' ';
        out += std::to_string(cubie.FaceDigit[s.face]) + "/" + std::to_string(turns);
      });
  return whole ? out : std::string();
}

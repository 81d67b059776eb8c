#include "solver/CubieState.h"

#include <cmath>

#include "puzzle/CubeDirections.h"
#include "puzzle/VekCube.h"
#include "solver/Solver.h"

namespace solver {
namespace {

struct Matrix {
  int m[3][3];
};

Int3 Times(const Matrix& a, const Int3& v) {
  Int3 out{};
  for (int r = 0; r < 3; ++r) out[r] = a.m[r][0] * v[0] + a.m[r][1] * v[1] + a.m[r][2] * v[2];
  return out;
}

bool Same(const Matrix& a, const Matrix& b) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      if (a.m[r][c] != b.m[r][c]) return false;
    }
  }
  return true;
}

struct Tables {
  Matrix rotation[kRotations];
  int compose[kRotations][kRotations];
  int inverse[kRotations];

  Tables() {
    int count = 0;
    const int perms[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
    for (int p = 0; p < 6; ++p) {
      for (int signs = 0; signs < 8; ++signs) {
        const int s[3] = {signs & 1 ? -1 : 1, signs & 2 ? -1 : 1, signs & 4 ? -1 : 1};
        if ((p < 3 ? 1 : -1) * s[0] * s[1] * s[2] != 1) continue;  // no mirror images
        Matrix& r = rotation[count++];
        for (int row = 0; row < 3; ++row) {
          for (int col = 0; col < 3; ++col) r.m[row][col] = perms[p][col] == row ? s[col] : 0;
        }
      }
    }
    for (int a = 0; a < kRotations; ++a) {
      for (int b = 0; b < kRotations; ++b) {
        Matrix product{};
        for (int r = 0; r < 3; ++r) {
          for (int c = 0; c < 3; ++c) {
            for (int k = 0; k < 3; ++k) product.m[r][c] += rotation[a].m[r][k] * rotation[b].m[k][c];
          }
        }
        compose[a][b] = Find(product);
        if (compose[a][b] == 0) inverse[a] = b;
      }
    }
  }
  int Find(const Matrix& m) const {
    for (int i = 0; i < kRotations; ++i) {
      if (Same(rotation[i], m)) return i;
    }
    return -1;
  }
};

const Tables& TheTables() {
  static const Tables tables;
  return tables;
}

}  // namespace

const Int3& Rotate(int Rotation, const Int3& V, Int3& Out) {
  Out = Times(TheTables().rotation[Rotation], V);
  return Out;
}
int Compose(int A, int B) { return TheTables().compose[A][B]; }
int Inverse(int Rotation) { return TheTables().inverse[Rotation]; }

int QuarterTurn(int Axis, int Sign) {
  // A positive move turns the layer the left-handed way about its axis (the
  // turn code's rotation matrices are applied transposed).
  Matrix m{};
  const int a = Axis, b = (Axis + 1) % 3, c = (Axis + 2) % 3;
  m.m[a][a] = 1;
  m.m[b][c] = Sign;
  m.m[c][b] = -Sign;
  return TheTables().Find(m);
}

CubieState CubieState::Solved(int Size) {
  CubieState s;
  s.Size = Size;
  const int count = Size * Size * Size;
  s.Piece.resize(count);
  s.Rotation.assign(count, 0);
  for (int p = 0; p < count; ++p) s.Piece[p] = p;
  return s;
}

Int3 CubieState::Coordinates(int Place) const {
  const int n = Size;
  return {2 * (Place / (n * n)) - (n - 1), 2 * (Place / n % n) - (n - 1), 2 * (Place % n) - (n - 1)};
}

int CubieState::PlaceAt(const Int3& c) const {
  const int n = Size;
  return (((c[0] + n - 1) / 2) * n + (c[1] + n - 1) / 2) * n + (c[2] + n - 1) / 2;
}

bool CubieState::OnSurface(int Place) const {
  const Int3 c = Coordinates(Place);
  for (int v : c) {
    if (std::abs(v) == Size - 1) return true;
  }
  return false;
}

bool CubieState::Turn(const VEKMove& Move) {
  if (!Move.ValidFor(Size)) return false;
  const int turn = QuarterTurn(Move.Axis, Move.Sign);
  std::vector<int> piece = Piece, rotation = Rotation;
  for (int p = 0; p < static_cast<int>(Piece.size()); ++p) {
    const Int3 from = Coordinates(p);
    const int layer = (from[Move.Axis] + Size - 1) / 2;
    if (layer < Move.Layer || layer >= Move.Layer + Move.Width) continue;
    Int3 to;
    const int q = PlaceAt(Rotate(turn, from, to));
    piece[q] = Piece[p];
    rotation[q] = Compose(turn, Rotation[p]);
  }
  Piece.swap(piece);
  Rotation.swap(rotation);
  return true;
}

CubieState CubieState::TurnedWhole(int Whole) const {
  CubieState out = *this;
  for (int p = 0; p < static_cast<int>(Piece.size()); ++p) {
    Int3 to;
    const int q = PlaceAt(Rotate(Whole, Coordinates(p), to));
    out.Piece[q] = Piece[p];
    out.Rotation[q] = Compose(Whole, Rotation[p]);
  }
  return out;
}

std::optional<CubieState> ReadCubies(const VEKBigCube& Cube) {
  const int n = Cube.Size;
  if (n < 2 || Cube.CubieCount != n * n * n) return std::nullopt;
  CubieState s = CubieState::Solved(n);
  std::vector<bool> taken(Cube.CubieCount, false);
  for (int b = 0; b < Cube.CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube.Cubies[b];
    const VEKVector& c = cubie.Points[0];
    const float along[3] = {c.X, c.Y, c.Z};
    Int3 place{};
    for (int a = 0; a < 3; ++a) {
      const long layer = std::lround((along[a] - Cube.LayerCoordinate(0)) / 1.6f);
      if (layer < 0 || layer >= n ||
          std::fabs(along[a] - Cube.LayerCoordinate(static_cast<int>(layer))) >= kGridTolerance) {
        return std::nullopt;
      }
      place[a] = 2 * static_cast<int>(layer) - (n - 1);
    }
    // Where the faces that point +X, +Y and +Z at home point now: the
    // columns of the cubie's rotation.
    const float reach = cubie.FaceHalfWidth + cubie.Bevel;
    Matrix m{};
    for (int a = 0; a < 3; ++a) {
      static const int homeFace[3] = {3, 4, 0};  // +X, +Y, +Z
      VEKVector centre;
      cubie.FaceCenter(homeFace[a] + 1, centre);
      const int d = cubedir::Snap(centre.X - c.X, centre.Y - c.Y, centre.Z - c.Z, reach);
      if (d < 0) return std::nullopt;
      for (int r = 0; r < 3; ++r) m.m[r][a] = cubedir::kDirections[d][r];
    }
    const int rotation = TheTables().Find(m);
    const int at = s.PlaceAt(place);
    if (rotation < 0 || taken[at]) return std::nullopt;
    taken[at] = true;
    s.Piece[at] = b;
    s.Rotation[at] = rotation;
  }
  return s;
}

bool AtHome(const CubieState& Position) {
  const CubieState& s = Position;
  // The rotation is the one that the cubie now at the first corner place has.
  const int whole = s.Rotation[0];
  for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
    if (!s.OnSurface(p)) continue;
    Int3 home;
    Rotate(whole, s.Coordinates(s.Piece[p]), home);
    if (s.PlaceAt(home) != p || s.Rotation[p] != whole) return false;
  }
  return true;
}

}  // namespace solver

// The cube as the solvers see it: which cubie stands at each place of the
// grid and how it is turned from its home. The turn code's own state is
// points in space; this is the same state in whole numbers.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "puzzle/MoveHistory.h"

struct VEKBigCube;

namespace solver {

using Int3 = std::array<int, 3>;

// The 24 rotations of a cube as signed permutation matrices; 0 is the
// identity. Compose(a, b) is b first, then a.
const Int3& Rotate(int Rotation, const Int3& V, Int3& Out);
int Compose(int A, int B);
int Inverse(int Rotation);
// The quarter turn about world axis 0..2 that a move of that sign makes.
int QuarterTurn(int Axis, int Sign);
inline constexpr int kRotations = 24;

struct CubieState {
  int Size = 0;
  // By place: places are numbered as the cubies at home are (x slowest,
  // then y, then z, each 0..N-1), so a cubie's home place is its own index.
  std::vector<int> Piece;     // the cubie standing at each place
  std::vector<int> Rotation;  // how that cubie is turned from its home

  static CubieState Solved(int Size);
  // The place's grid coordinates, centred: 2i - (N - 1) along each axis.
  Int3 Coordinates(int Place) const;
  int PlaceAt(const Int3& Coordinates) const;
  // A cubie on the surface; the cubies inside are never seen.
  bool OnSurface(int Place) const;
  // Any move of the turn code, wide ones included; false for a move the
  // cube has no layers for.
  bool Turn(const VEKMove& Move);
  // The same position with the whole cube turned by Rotation.
  CubieState TurnedWhole(int Rotation) const;
  bool operator==(const CubieState& Other) const {
    return Size == Other.Size && Piece == Other.Piece && Rotation == Other.Rotation;
  }
  bool operator!=(const CubieState& Other) const { return !(*this == Other); }
};

// The state of a real cube, or nothing while a cubie stands off the grid or
// two stand at one place.
std::optional<CubieState> ReadCubies(const VEKBigCube& Cube);

}  // namespace solver

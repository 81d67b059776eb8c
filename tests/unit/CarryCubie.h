// Cubies carried by hand, where no turns carry them: how a hand-made file
// can trade look-alike centres or twist a corner alone.
#pragma once

#include "puzzle/VekCube.h"
#include "solver/CubieState.h"
#include "solver/LookAlike.h"

// The cubie at grid place At carried, as a hand would, to grid place To
// (about the cube's middle): shown as the cubie there shows, if it looks
// alike, else by the first rotation that carries it (a corner carried onto
// its own place is twisted). The cubie must still be at its home.
inline void CarryCubie(VEKBigCube& cube, const solver::Int3& at, const solver::Int3& to) {
  const int n = cube.Size, a = (at[0] * n + at[1]) * n + at[2], b = (to[0] * n + to[1]) * n + to[2];
  const solver::CubieState home = solver::CubieState::Solved(n);
  int turn = a == b ? -1 : solver::LookAlikeTurn(n, a, b);
  for (int r = 1; turn < 0 && r < solver::kRotations; ++r) {
    solver::Int3 image;
    if (solver::Rotate(r, home.Coordinates(a), image) == home.Coordinates(b)) turn = r;
  }
  solver::Int3 column[3];
  for (int axis = 0; axis < 3; ++axis) {
    solver::Rotate(turn, solver::Int3{axis == 0, axis == 1, axis == 2}, column[axis]);
  }
  for (int p = 0; p < kPointsPerCubie; ++p) {
    VEKVector& v = cube.Cubies[a].Points[p];
    const float x = v.X, y = v.Y, z = v.Z;
    v.X = column[0][0] * x + column[1][0] * y + column[2][0] * z;
    v.Y = column[0][1] * x + column[1][1] * y + column[2][1] * z;
    v.Z = column[0][2] * x + column[1][2] * y + column[2][2] * z;
  }
}

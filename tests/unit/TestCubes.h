// Helpers shared by the model tests: a renderer without a window, whose
// frames are only counted, and checks of the cube's geometry.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>
#include <random>

#include "puzzle/VekCube.h"
#include "render/VekGL.h"

inline std::unique_ptr<VEKGL> HeadlessRenderer(int size = 3, int speed = 5) {
  auto renderer = std::make_unique<VEKGL>();
  renderer->Cube->RotateSpeed = speed;
  renderer->Cube->Build(size);
  return renderer;
}

inline bool OnGrid(float v, int n, float eps) {
  const float index = (v - (1 - n) * 0.8f) / 1.6f;
  return std::fabs(index - std::round(index)) * 1.6f < eps && std::round(index) >= 0 &&
         std::round(index) <= n - 1;
}

// Every centre on the grid, every face centre 0.8 from its centre along an axis.
inline ::testing::AssertionResult CubeIsIntact(const VEKBigCube& cube, float eps) {
  for (int b = 0; b < cube.CubieCount; ++b) {
    const VEKVector& c = cube.Cubies[b].Points[0];
    if (!OnGrid(c.X, cube.Size, eps) || !OnGrid(c.Y, cube.Size, eps) || !OnGrid(c.Z, cube.Size, eps)) {
      return ::testing::AssertionFailure() << "cubie " << b << " left the grid";
    }
    for (int face = 1; face <= 6; ++face) {
      VEKVector f;
      cube.Cubies[b].FaceCenter(face, f);
      const float d[3] = {std::fabs(f.X - c.X), std::fabs(f.Y - c.Y), std::fabs(f.Z - c.Z)};
      int along = 0;
      for (float v : d) {
        if (std::fabs(v - 0.8f) < eps) ++along;
        else if (v > eps) return ::testing::AssertionFailure() << "cubie " << b << " face " << face << " askew";
      }
      if (along != 1) return ::testing::AssertionFailure() << "cubie " << b << " face " << face;
    }
  }
  return ::testing::AssertionSuccess();
}

// Fills the plane points as the scramble does for a cubie and plane choice.
inline void PlaneThroughCubie(VEKBigCube& cube, int cubie, int choice) {
  const VEKSmallCube& c = cube.Cubies[cubie];
  cube.PlanePoint[0] = c.Points[0];
  const int faces[3][2] = {{1, 3}, {1, 5}, {5, 3}};
  c.FaceCenter(faces[choice][0], cube.PlanePoint[1]);
  c.FaceCenter(faces[choice][1], cube.PlanePoint[2]);
}

// The cubie whose centre is nearest to grid place (i, j, k), 1-based as the
// gesture counts, and its face whose outward normal is world axis `axis`
// (0 X, 1 Y, 2 Z) on side `side` (+1 or -1), 1-based.
inline int CubieAt(const VEKBigCube& cube, int i, int j, int k) {
  const float want[3] = {cube.LayerCoordinate(i), cube.LayerCoordinate(j), cube.LayerCoordinate(k)};
  for (int b = 0; b < cube.CubieCount; ++b) {
    const VEKVector& c = cube.Cubies[b].Points[0];
    if (std::fabs(c.X - want[0]) < 0.1f && std::fabs(c.Y - want[1]) < 0.1f &&
        std::fabs(c.Z - want[2]) < 0.1f) {
      return b + 1;
    }
  }
  return 0;
}

inline int FaceFacing(const VEKBigCube& cube, int number, int axis, int side) {
  const VEKSmallCube& cubie = cube.Cubies[number - 1];
  for (int face = 1; face <= 6; ++face) {
    VEKVector f;
    cubie.FaceCenter(face, f);
    const float d[3] = {f.X - cubie.Points[0].X, f.Y - cubie.Points[0].Y, f.Z - cubie.Points[0].Z};
    if (std::fabs(d[axis] - 0.8f * side) < 0.1f) return face;
  }
  return 0;
}

// A random drag as the mouse makes one, through the gesture's own path: a
// hit on a facelet of the surface, then a hit on the neighbouring cubie's
// facelet on the same side of the cube.
inline void RandomDrag(VEKBigCube& cube, std::mt19937& random) {
  const int n = cube.Size;
  std::uniform_int_distribution<int> axisOf(0, 2), sideOf(0, 1), place(0, n - 1);
  const int normal = axisOf(random);
  const int side = sideOf(random) ? 1 : -1;
  const int along = (normal + 1 + sideOf(random)) % 3;  // the drag's axis
  int from[3] = {place(random), place(random), place(random)};
  from[normal] = side > 0 ? n - 1 : 0;
  int to[3] = {from[0], from[1], from[2]};
  to[along] += from[along] == n - 1 ? -1 : from[along] == 0 ? 1 : (sideOf(random) ? 1 : -1);
  const int a = CubieAt(cube, from[0], from[1], from[2]);
  const int b = CubieAt(cube, to[0], to[1], to[2]);
  cube.ResetDrag();
  cube.RecordHit(a, FaceFacing(cube, a, normal, side));
  cube.RecordHit(b, FaceFacing(cube, b, normal, side));
}

// Every point of every cubie, in array order.
inline std::vector<VEKVector> AllPoints(const VEKBigCube& cube) {
  std::vector<VEKVector> points;
  for (int b = 0; b < cube.CubieCount; ++b) {
    for (int p = 0; p < kPointsPerCubie; ++p) points.push_back(cube.Cubies[b].Points[p]);
  }
  return points;
}

// Where every point stands, to a hundredth: a turn animated and one made at
// once end a rounding apart.
inline std::vector<long> PointPlaces(const VEKBigCube& cube) {
  std::vector<long> places;
  for (const VEKVector& p : AllPoints(cube)) {
    for (const float v : {p.X, p.Y, p.Z}) places.push_back(std::lround(v * 100.0f));
  }
  return places;
}

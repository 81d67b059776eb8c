// Helpers shared by the model tests: a renderer without a window, whose
// frames are only counted, and checks of the cube's geometry.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

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

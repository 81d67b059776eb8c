#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "puzzle/VekCube.h"

namespace {
// Cubes without a renderer: geometry and digits only, no textures uploaded.
// TextureIds are then all 0, so the digits are checked through a cube whose
// texture names are made distinct by hand.
std::unique_ptr<VEKBigCube> CubeWithNamedTextures(int n) {
  auto cube = std::make_unique<VEKBigCube>();
  for (int j = 0; j < kTextureCount; ++j) cube->TextureIds[j] = 1000 + j;
  cube->Build(n);
  return cube;
}

int Digit(const VEKBigCube& cube, int cubie, int face) {
  return static_cast<int>(cube.Cubies[cubie].FaceTexture[face]) - 1000;
}

void ExpectPoint(const VEKVector& p, float x, float y, float z) {
  EXPECT_NEAR(p.X, x, 1e-6f);
  EXPECT_NEAR(p.Y, y, 1e-6f);
  EXPECT_NEAR(p.Z, z, 1e-6f);
  EXPECT_EQ(p.W, 1.0f);
}
}  // namespace

TEST(SmallCube, SetupLaysOutTheSixOctagons) {
  VEKSmallCube c;
  c.Setup(1, 2, 3, 0.7f, 0.1f);
  ExpectPoint(c.Points[0], 1, 2, 3);
  const float h = 0.7f, s = 0.6f, d = 0.8f;
  // Face 0 (+Z): (x, y) offsets (-h,+s), (-s,+h), (+s,+h), (+h,+s), (+h,-s), (+s,-h), (-s,-h), (-h,-s).
  const float zface[8][2] = {{-h, s}, {-s, h}, {s, h}, {h, s}, {h, -s}, {s, -h}, {-s, -h}, {-h, -s}};
  const float xface[8][2] = {{s, -h}, {h, -s}, {h, s}, {s, h}, {-s, h}, {-h, s}, {-h, -s}, {-s, -h}};
  const float yface[8][2] = {{-h, -s}, {-s, -h}, {s, -h}, {h, -s}, {h, s}, {s, h}, {-s, h}, {-h, s}};
  for (int k = 0; k < 8; ++k) {
    ExpectPoint(c.Points[1 + k], 1 + zface[k][0], 2 + zface[k][1], 3 + d);
    ExpectPoint(c.Points[9 + k], 1 + zface[k][0], 2 + zface[k][1], 3 - d);
    ExpectPoint(c.Points[17 + k], 1 - d, 2 + xface[k][0], 3 + xface[k][1]);
    ExpectPoint(c.Points[25 + k], 1 + d, 2 + xface[k][0], 3 + xface[k][1]);
    ExpectPoint(c.Points[33 + k], 1 + yface[k][0], 2 + d, 3 + yface[k][1]);
    ExpectPoint(c.Points[41 + k], 1 + yface[k][0], 2 - d, 3 + yface[k][1]);
  }
  EXPECT_EQ(c.Id, 0);
  EXPECT_FALSE(c.InTurn);
}

TEST(SmallCube, FaceCentresLieAlongTheAxes) {
  VEKSmallCube c;
  c.Setup(1.6f, 0, -1.6f, 0.7f, 0.1f);
  const float expected[6][3] = {{1.6f, 0, -0.8f}, {1.6f, 0, -2.4f}, {0.8f, 0, -1.6f},
                                {2.4f, 0, -1.6f}, {1.6f, 0.8f, -1.6f}, {1.6f, -0.8f, -1.6f}};
  for (int face = 1; face <= 6; ++face) {
    VEKVector centre;
    c.FaceCenter(face, centre);
    ExpectPoint(centre, expected[face - 1][0], expected[face - 1][1], expected[face - 1][2]);
  }
}

TEST(BigCube, ConstructionBuildsTheThreeCube) {
  auto cube = std::make_unique<VEKBigCube>();
  EXPECT_EQ(cube->Size, 3);
  EXPECT_EQ(cube->CubieCount, 27);
  EXPECT_EQ(cube->LayerCubies, 9);
  EXPECT_EQ(cube->RotateSpeed, 6);
  EXPECT_EQ(cube->ShuffleRotateCount, 30);
  EXPECT_FALSE(cube->Busy);
  EXPECT_EQ(cube->BodyColor.Red, 80);
  EXPECT_EQ(cube->Cubies[0].BodyColor.Blue, 80);
  ExpectPoint(cube->Axis[0], 1, 0, 0);
  ExpectPoint(cube->Axis[2], 0, 0, 1);
  for (const VEKVector& p : cube->PlanePoint) ExpectPoint(p, 0, 0, 0);
}

TEST(BigCube, IdsFlagsAndCentresOfTheThreeCube) {
  auto cube = std::make_unique<VEKBigCube>();
  const VEKSmallCube& first = cube->Cubies[0];
  ExpectPoint(first.Points[0], -1.6f, -1.6f, -1.6f);
  EXPECT_EQ(first.Id, 100);
  EXPECT_TRUE(first.OuterMinusZ && first.OuterMinusY && first.OuterMinusX);
  EXPECT_FALSE(first.OuterPlusZ || first.OuterPlusY || first.OuterPlusX);

  const VEKSmallCube& centre = cube->Cubies[13];
  EXPECT_EQ(centre.Id, 1400);
  // The middle coordinate is the accumulated float sum, not an exact zero.
  EXPECT_NE(centre.Points[0].X, 0.0f);
  EXPECT_NEAR(centre.Points[0].X, 0.0f, 1e-7f);
  EXPECT_EQ(centre.Points[0].X, centre.Points[0].Y);
  EXPECT_FALSE(centre.OuterPlusZ || centre.OuterMinusZ || centre.OuterPlusY ||
               centre.OuterMinusY || centre.OuterPlusX || centre.OuterMinusX);

  const VEKSmallCube& last = cube->Cubies[26];
  EXPECT_EQ(last.Id, 2700);
  EXPECT_TRUE(last.OuterPlusZ && last.OuterPlusY && last.OuterPlusX);
  for (int b = 0; b < 27; ++b) EXPECT_EQ(cube->Cubies[b].Id, 100 * (b + 1));
}

TEST(BigCube, BuildOutsideTwoToFiveChangesNothing) {
  auto cube = CubeWithNamedTextures(4);
  cube->Cubies[5].Points[3].X = 42.0f;
  const uint32_t texture = cube->Cubies[7].FaceTexture[2];
  for (int size : {-1, 0, 1, 6, 100}) {
    cube->Build(size);
    EXPECT_EQ(cube->Size, 4);
    EXPECT_EQ(cube->CubieCount, 64);
    EXPECT_EQ(cube->Cubies[5].Points[3].X, 42.0f);
    EXPECT_EQ(cube->Cubies[7].FaceTexture[2], texture);
  }
}

TEST(BigCube, GridOfEverySize) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto cube = std::make_unique<VEKBigCube>();
    cube->Build(n);
    EXPECT_EQ(cube->CubieCount, n * n * n);
    EXPECT_EQ(cube->LayerCubies, n * n);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        for (int k = 0; k < n; ++k) {
          const VEKVector& c = cube->Cubies[(i * n + j) * n + k].Points[0];
          EXPECT_NEAR(c.X, (1 - n) * 0.8f + 1.6f * i, 1e-5f);
          EXPECT_NEAR(c.Y, (1 - n) * 0.8f + 1.6f * j, 1e-5f);
          EXPECT_NEAR(c.Z, (1 - n) * 0.8f + 1.6f * k, 1e-5f);
        }
      }
    }
  }
}

TEST(BigCubeDigits, ThreeCubeFacesReadOneToNine) {
  auto cube = CubeWithNamedTextures(3);
  const int n = 3;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) {
        const int b = (i * n + j) * n + k;
        const VEKSmallCube& c = cube->Cubies[b];
        // +Z, -Z at (i, j); -X, +X at (j, k); +Y, -Y at (i, k); inner faces blank.
        EXPECT_EQ(Digit(*cube, b, 0), k == n - 1 ? i * n + j + 1 : 0) << b;
        EXPECT_EQ(Digit(*cube, b, 1), k == 0 ? i * n + j + 1 : 0) << b;
        EXPECT_EQ(Digit(*cube, b, 2), i == 0 ? j * n + k + 1 : 0) << b;
        EXPECT_EQ(Digit(*cube, b, 3), i == n - 1 ? j * n + k + 1 : 0) << b;
        EXPECT_EQ(Digit(*cube, b, 4), j == n - 1 ? i * n + k + 1 : 0) << b;
        EXPECT_EQ(Digit(*cube, b, 5), j == 0 ? i * n + k + 1 : 0) << b;
        (void)c;
      }
    }
  }
  // Cubie 2 (i 0, j 0, k 2): 1 on +Z, 3 on -Y, 3 on -X.
  EXPECT_EQ(Digit(*cube, 2, 0), 1);
  EXPECT_EQ(Digit(*cube, 2, 5), 3);
  EXPECT_EQ(Digit(*cube, 2, 2), 3);
  // Cubie 13, the hidden centre, is blank all round.
  for (int f = 0; f < 6; ++f) EXPECT_EQ(Digit(*cube, 13, f), 0);
}

TEST(BigCubeDigits, EveryFaceOfEverySizeReadsOneToNSquared) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto cube = CubeWithNamedTextures(n);
    std::map<int, std::vector<int>> digitsByFace;
    int outerFaces = 0;
    for (int b = 0; b < cube->CubieCount; ++b) {
      const VEKSmallCube& c = cube->Cubies[b];
      const bool outer[6] = {c.OuterPlusZ, c.OuterMinusZ, c.OuterMinusX,
                             c.OuterPlusX, c.OuterPlusY,  c.OuterMinusY};
      for (int f = 0; f < 6; ++f) {
        if (outer[f]) {
          ++outerFaces;
          digitsByFace[f].push_back(Digit(*cube, b, f));
        } else {
          EXPECT_EQ(Digit(*cube, b, f), 0);
        }
      }
    }
    EXPECT_EQ(outerFaces, 6 * n * n);
    for (auto& [face, digits] : digitsByFace) {
      ASSERT_EQ(digits.size(), static_cast<size_t>(n * n)) << "size " << n << " face " << face;
      for (int d = 0; d < n * n; ++d) EXPECT_EQ(digits[d], d + 1) << "size " << n << " face " << face;
    }
  }
}

TEST(BigCube, ApplyBodyColorReachesEveryCubieInUse) {
  auto cube = std::make_unique<VEKBigCube>();
  cube->BodyColor.Set(1, 2, 3);
  EXPECT_EQ(cube->Cubies[4].BodyColor.Red, 80);  // not before it is applied
  cube->ApplyBodyColor();
  for (int b = 0; b < cube->CubieCount; ++b) EXPECT_EQ(cube->Cubies[b].BodyColor, cube->BodyColor);
  // A rebuild gives every cubie the cube's colour too.
  cube->BodyColor.Set(9, 9, 9);
  cube->Build(2);
  EXPECT_EQ(cube->Cubies[7].BodyColor.Green, 9);
}

// The figures derived from the supported sizes, and the gates that take a
// size: each lets in exactly the sizes the game supports.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "puzzle/CubeSizes.h"
#include "puzzle/LittleEndian.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"
#include "resources/Resources.h"
#include "TestCubes.h"

namespace {

TEST(CubeSizes, DerivedFiguresAreTheGamesOwn) {
  EXPECT_EQ(kMinCubeSize, 2);
  EXPECT_EQ(kMaxCubeSize, 5);
  EXPECT_EQ(kMaxCubies, 125);
  EXPECT_EQ(kTextureCount, 26);
  // The zoom bounds the renderer always had; the cube's corners stay inside them.
  EXPECT_EQ(kMinEyeDistance, 8.93f);
  EXPECT_EQ(kMaxEyeDistance, 33.07f);
  EXPECT_NEAR(kMaxCornerDistance, 4 * std::sqrt(3.0), 1e-14);
  EXPECT_GE(kMinEyeDistance - kMaxCornerDistance, kNearPlane);
  EXPECT_LE(kMaxEyeDistance + kMaxCornerDistance, kFarPlane);

  struct Row {
    int n, cubies, images;
    double halfExtent;
  };
  const Row rows[] = {{2, 8, 5, 1.6}, {3, 27, 10, 2.4}, {4, 64, 17, 3.2}, {5, 125, 26, 4.0}};
  for (const Row& r : rows) {
    EXPECT_TRUE(IsSupportedCubeSize(r.n));
    EXPECT_EQ(CubiesOf(r.n), r.cubies) << r.n;
    EXPECT_EQ(DigitImagesFor(r.n), r.images) << r.n;
    EXPECT_NEAR(HalfExtentOf(r.n), r.halfExtent, 1e-12) << r.n;
    // The cube built reaches just as far.
    auto renderer = HeadlessRenderer(r.n);
    EXPECT_NEAR(renderer->Cube->Cubies[0].Points[0].X - 0.8, -r.halfExtent, 1e-5) << r.n;
  }
  // Every number the biggest cube shows has its picture.
  for (int j = 0; j < kDigitImagesNeeded; ++j) EXPECT_NE(tessaro::DigitImage(j), nullptr) << j;
}

// A saved game of N x N x N cubies each standing at its grid place: by every
// check but the size's, a game.
std::vector<uint8_t> GameOfSize(int n) {
  std::vector<uint8_t> bytes;
  PutUint32(bytes, 114);
  PutUint32(bytes, static_cast<uint32_t>(n));
  for (int b = 0; b < CubiesOf(n); ++b) {
    const int layer[3] = {b / (n * n), b / n % n, b % n};
    for (int p = 0; p < kPointsPerCubie; ++p) {
      for (int a : layer) {
        const float v = static_cast<float>((1 - n) * 0.8 + kLayerSpacing * a);
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        PutUint32(bytes, bits);
      }
    }
  }
  return bytes;
}

TEST(CubeSizes, BuildAndTheSavedGameReaderTakeExactlyTheSupportedSizes) {
  auto renderer = HeadlessRenderer(3);
  VEKBigCube& cube = *renderer->Cube;
  for (int n = kMinCubeSize - 2; n <= kMaxCubeSize + 2; ++n) {
    const bool supported = n >= kMinCubeSize && n <= kMaxCubeSize;
    EXPECT_EQ(IsSupportedCubeSize(n), supported) << n;
    cube.Build(3);
    cube.Build(n);
    EXPECT_EQ(cube.Size, supported ? n : 3) << n;
    if (n < 1) continue;
    const std::vector<uint8_t> game = GameOfSize(n);
    EXPECT_EQ(VEKBigCube::SavedGameSize(game.data(), game.size()), supported ? n : 0) << n;
  }
}

}  // namespace

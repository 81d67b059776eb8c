// The cube sizes the game plays, and the figures that follow from them. A
// bigger cube is a change here, plus its digit pictures (resources/digits,
// drawn by resources/draw-digits.sh) and a solver (solver/Solve.cpp); static
// asserts where the figures are used say what else it would need.
#pragma once

constexpr int kMinCubeSize = 2;
constexpr int kMaxCubeSize = 5;
constexpr int kCubeSizeCount = kMaxCubeSize - kMinCubeSize + 1;

constexpr bool IsSupportedCubeSize(int n) { return n >= kMinCubeSize && n <= kMaxCubeSize; }

constexpr int CubiesOf(int n) { return n * n * n; }
constexpr int kMaxCubies = CubiesOf(kMaxCubeSize);

// A face of the N x N x N cube reads 1..N^2; image 0 is the blank facelet.
constexpr int DigitImagesFor(int n) { return n * n + 1; }
constexpr int kDigitImagesNeeded = DigitImagesFor(kMaxCubeSize);

// Layer centres lie 1.6 apart, and a cubie reaches 0.8 (its face's half
// width 0.7 plus the bevel 0.1) from its centre: the N x N x N cube reaches
// 0.8 * (N - 1) + 0.8 from its centre along each axis.
constexpr double kLayerSpacing = 1.6;
constexpr double HalfExtentOf(int n) { return kLayerSpacing / 2 * (n - 1) + kLayerSpacing / 2; }

namespace cubesizes_detail {
// Newton's square root, exact to the last bit or two; std::sqrt is not constexpr.
constexpr double Sqrt(double v) {
  double x = v > 1 ? v : 1;
  for (int i = 0; i < 64; ++i) x = (x + v / x) / 2;
  return x;
}
}  // namespace cubesizes_detail

// How far the corners of the biggest cube lie from its centre, whatever way
// it is turned: 4 * sqrt(3) = 6.93 for the 5x5x5.
constexpr double kMaxCornerDistance = HalfExtentOf(kMaxCubeSize) * cubesizes_detail::Sqrt(3.0);

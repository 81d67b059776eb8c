#include <gtest/gtest.h>

#include <cmath>

#include "render/VekMath.h"

namespace {
VEKVector Apply(const VEKMatrix& m, VEKVector v) {
  TransformVector(v, m, v);
  return v;
}

void ExpectNear(const VEKVector& v, float x, float y, float z, float eps = 1e-6f) {
  EXPECT_NEAR(v.X, x, eps);
  EXPECT_NEAR(v.Y, y, eps);
  EXPECT_NEAR(v.Z, z, eps);
  EXPECT_EQ(v.W, 1.0f);
}

void ExpectSameMatrix(const VEKMatrix& a, const VEKMatrix& b, float eps = 1e-6f) {
  const float* pa = &a.M0;
  const float* pb = &b.M0;
  for (int i = 0; i < 9; ++i) EXPECT_NEAR(pa[i], pb[i], eps) << "entry " << i;
}
}  // namespace

TEST(Rotation, SensesOfTheThreeAxisRotations) {
  VEKMatrix m;
  RotationZ(m, 90);
  ExpectNear(Apply(m, {1, 0, 0, 1}), 0, -1, 0);
  RotationY(m, 90);
  ExpectNear(Apply(m, {1, 0, 0, 1}), 0, 0, -1);
  RotationX(m, 90);
  ExpectNear(Apply(m, {0, 1, 0, 1}), 0, 0, -1);
  // A small positive angle about +Z: (x, y) -> (x c + y s, -x s + y c).
  RotationZ(m, 30);
  const float c = std::cos(30 * kDegree), s = std::sin(30 * kDegree);
  ExpectNear(Apply(m, {2, 3, 0, 1}), 2 * c + 3 * s, -2 * s + 3 * c, 0);
}

TEST(Rotation, AboutAxisMatchesTheAxisRotations) {
  for (float angle : {-135.0f, -1.5f, 0.0f, 5.0f, 90.0f, 211.0f}) {
    VEKMatrix about, axis;
    RotationAboutAxis(about, {0, 0, 1, 1}, angle);
    RotationZ(axis, angle);
    ExpectSameMatrix(about, axis);
    RotationAboutAxis(about, {1, 0, 0, 1}, angle);
    RotationX(axis, angle);
    ExpectSameMatrix(about, axis);
    // RotationY turns the other way round.
    RotationAboutAxis(about, {0, 1, 0, 1}, angle);
    RotationY(axis, -angle);
    ExpectSameMatrix(about, axis);
  }
}

TEST(Rotation, AboutAnArbitraryAxisKeepsTheAxisAndLengths) {
  VEKVector axis{1, 2, 2, 1};
  Normalize(axis);
  VEKMatrix m;
  RotationAboutAxis(m, axis, 73);
  ExpectNear(Apply(m, axis), axis.X, axis.Y, axis.Z);
  const VEKVector v = Apply(m, {3, -1, 4, 1});
  EXPECT_NEAR(std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z), std::sqrt(26.0f), 1e-5f);
}

TEST(Rotation, SetIdentityLeavesEveryOffDiagonalZero) {
  VEKMatrix m;
  RotationAboutAxis(m, {0.6f, 0.8f, 0, 1}, 40);
  m.SetIdentity(1);
  VEKMatrix identity;
  ExpectSameMatrix(m, identity, 0);
}

TEST(MatrixMultiply, ProductAndAliasing) {
  VEKMatrix a, b, expected;
  RotationX(a, 30);
  RotationZ(b, 50);
  MatrixMultiply(expected, a, b);
  // Row 0 of A times column 0 of B, worked by hand.
  EXPECT_NEAR(expected.M0, a.M0 * b.M0 + a.M1 * b.M3 + a.M2 * b.M6, 1e-6f);
  EXPECT_NEAR(expected.M7, a.M6 * b.M1 + a.M7 * b.M4 + a.M8 * b.M7, 1e-6f);

  VEKMatrix first = a;
  MatrixMultiply(first, first, b);
  ExpectSameMatrix(first, expected, 0);
  VEKMatrix second = b;
  MatrixMultiply(second, a, second);
  ExpectSameMatrix(second, expected, 0);
  // Applying A*B is applying B first, then A.
  const VEKVector v{1, 2, 3, 1};
  const VEKVector direct = Apply(expected, v);
  const VEKVector stepwise = Apply(a, Apply(b, v));
  ExpectNear(direct, stepwise.X, stepwise.Y, stepwise.Z, 1e-5f);
}

TEST(TransformVector, InPlaceReadsTheWholeVectorFirst) {
  VEKMatrix m;
  RotationZ(m, 90);
  VEKVector v{1, 2, 3, 7};
  TransformVector(v, m, v);
  ExpectNear(v, 2, -1, 3);
}

TEST(FaceNormal, OrientationFollowsTheWinding) {
  VEKVector out;
  FaceNormal({0, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}, out);
  EXPECT_FLOAT_EQ(out.X, 0);
  EXPECT_FLOAT_EQ(out.Y, 0);
  EXPECT_FLOAT_EQ(out.Z, 1);
  FaceNormal({0, 0, 0, 1}, {0, 1, 0, 1}, {1, 0, 0, 1}, out);
  EXPECT_FLOAT_EQ(out.Z, -1);
  // Unit length whatever the size of the triangle.
  FaceNormal({1, 1, 1, 1}, {4, 1, 5, 1}, {1, 9, 1, 1}, out);
  EXPECT_NEAR(out.X * out.X + out.Y * out.Y + out.Z * out.Z, 1.0f, 1e-6f);
  EXPECT_NEAR(out.X, -0.8f, 1e-6f);
  EXPECT_NEAR(out.Z, 0.6f, 1e-6f);
}

TEST(Normalize, KeepsWAndScalesToUnitLength) {
  VEKVector v{3, 0, 4, 1};
  Normalize(v);
  ExpectNear(v, 0.6f, 0, 0.8f);
}

TEST(Color, ConversionsBothWays) {
  const VEKColor cream = VEKColor::FromColorRef(15793151);  // 0x00F0FBFF
  EXPECT_EQ(cream.Red, 255);
  EXPECT_EQ(cream.Green, 251);
  EXPECT_EQ(cream.Blue, 240);
  EXPECT_EQ(cream.ToColorRef(), 15793151u);
  // The top byte is ignored on the way in and zero on the way out.
  const VEKColor system = VEKColor::FromColorRef(0xFF00000Fu);
  EXPECT_EQ(system.Red, 15);
  EXPECT_EQ(system.Green, 0);
  EXPECT_EQ(system.ToColorRef(), 0x0Fu);
  VEKColor c;
  c.Set(0x35, 0x35, 0x48);
  EXPECT_EQ(c.ToColorRef(), 0x483535u);
}

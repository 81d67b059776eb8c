#include "puzzle/VekCube.h"

namespace {
// Offsets of the eight octagon points of each face, as (u, v) pairs of the
// two coordinates that vary on the face; h = half-width, s = h - bevel.
enum Coord { kH, kS, kMinusH, kMinusS };
struct Offset {
  Coord u, v;
};
constexpr Offset kZFace[8] = {{kMinusH, kS}, {kMinusS, kH}, {kS, kH}, {kH, kS},
                              {kH, kMinusS}, {kS, kMinusH}, {kMinusS, kMinusH}, {kMinusH, kMinusS}};
constexpr Offset kXFace[8] = {{kS, kMinusH}, {kH, kMinusS}, {kH, kS}, {kS, kH},
                              {kMinusS, kH}, {kMinusH, kS}, {kMinusH, kMinusS}, {kMinusS, kMinusH}};
constexpr Offset kYFace[8] = {{kMinusH, kMinusS}, {kMinusS, kMinusH}, {kS, kMinusH}, {kH, kMinusS},
                              {kH, kS}, {kS, kH}, {kMinusS, kH}, {kMinusH, kS}};

// Faces 0,1 fix z, 2,3 fix x, 4,5 fix y, at this side of the centre.
constexpr float kFaceSign[6] = {1.0f, -1.0f, -1.0f, 1.0f, 1.0f, -1.0f};

float Value(Coord c, float h, float s) {
  switch (c) {
    case kH: return h;
    case kS: return s;
    case kMinusH: return -h;
    case kMinusS: return -s;
  }
  return 0.0f;
}
}  // namespace

VEKSmallCube::VEKSmallCube() : Points(new VEKVector[kPointsPerCubie]) {}

void VEKSmallCube::Setup(float X, float Y, float Z, float HalfWidth, float BevelWidth) {
  FaceHalfWidth = HalfWidth;
  Bevel = BevelWidth;
  const float h = HalfWidth;
  const float s = h - BevelWidth;
  const float d = h + BevelWidth;
  Points[0] = VEKVector{X, Y, Z, 1.0f};
  for (int f = 0; f < 6; ++f) {
    const float fixed = kFaceSign[f] * d;
    for (int k = 0; k < 8; ++k) {
      VEKVector& p = Points[1 + 8 * f + k];
      p.W = 1.0f;
      if (f < 2) {
        p.X = X + Value(kZFace[k].u, h, s);
        p.Y = Y + Value(kZFace[k].v, h, s);
        p.Z = Z + fixed;
      } else if (f < 4) {
        p.X = X + fixed;
        p.Y = Y + Value(kXFace[k].u, h, s);
        p.Z = Z + Value(kXFace[k].v, h, s);
      } else {
        p.X = X + Value(kYFace[k].u, h, s);
        p.Y = Y + fixed;
        p.Z = Z + Value(kYFace[k].v, h, s);
      }
    }
  }
  Id = 0;
  InTurn = false;
  OuterPlusZ = OuterMinusZ = OuterPlusY = OuterMinusY = OuterMinusX = OuterPlusX = false;
}

void VEKSmallCube::FaceCenter(int FaceNumber, VEKVector& Result) const {
  const VEKVector& a = Points[8 * (FaceNumber - 1) + 1];
  const VEKVector& b = Points[8 * (FaceNumber - 1) + 5];
  Result.X = static_cast<float>((static_cast<double>(a.X) + b.X) / 2.0);
  Result.Y = static_cast<float>((static_cast<double>(a.Y) + b.Y) / 2.0);
  Result.Z = static_cast<float>((static_cast<double>(a.Z) + b.Z) / 2.0);
}

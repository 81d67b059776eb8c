#include "render/VekMath.h"

#include <cmath>

void VEKMatrix::SetIdentity(float Scale) {
  M1 = M2 = M3 = M5 = M6 = M7 = 0.0f;
  M0 = M4 = M8 = Scale;
}

VEKColor VEKColor::FromColorRef(uint32_t Value) {
  VEKColor c;
  c.Red = static_cast<uint8_t>(Value & 0xFF);
  c.Green = static_cast<uint8_t>((Value >> 8) & 0xFF);
  c.Blue = static_cast<uint8_t>((Value >> 16) & 0xFF);
  return c;
}

void VEKColor::Set(uint8_t R, uint8_t G, uint8_t B) {
  Red = R;
  Green = G;
  Blue = B;
}

uint32_t VEKColor::ToColorRef() const {
  return static_cast<uint32_t>(Red) + static_cast<uint32_t>(Green) * 256u +
         static_cast<uint32_t>(Blue) * 65536u;
}

void MatrixMultiply(VEKMatrix& Result, const VEKMatrix& A, const VEKMatrix& B) {
  const float a[9] = {A.M0, A.M1, A.M2, A.M3, A.M4, A.M5, A.M6, A.M7, A.M8};
  const float b[9] = {B.M0, B.M1, B.M2, B.M3, B.M4, B.M5, B.M6, B.M7, B.M8};
  float r[9];
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      double sum = static_cast<double>(a[row * 3]) * b[col] +
                   static_cast<double>(a[row * 3 + 1]) * b[3 + col] +
                   static_cast<double>(a[row * 3 + 2]) * b[6 + col];
      r[row * 3 + col] = static_cast<float>(sum);
    }
  }
  Result.M0 = r[0]; Result.M1 = r[1]; Result.M2 = r[2];
  Result.M3 = r[3]; Result.M4 = r[4]; Result.M5 = r[5];
  Result.M6 = r[6]; Result.M7 = r[7]; Result.M8 = r[8];
}

void TransformVector(VEKVector& Result, const VEKMatrix& M, const VEKVector& V) {
  const double x = V.X, y = V.Y, z = V.Z;
  Result.X = static_cast<float>(M.M0 * x + M.M1 * y + M.M2 * z);
  Result.Y = static_cast<float>(M.M3 * x + M.M4 * y + M.M5 * z);
  Result.Z = static_cast<float>(M.M6 * x + M.M7 * y + M.M8 * z);
  Result.W = 1.0f;
}

namespace {
void SineCosine(float Degrees, float& s, float& c) {
  const double radians = static_cast<double>(Degrees) * kDegree;
  s = static_cast<float>(std::sin(radians));
  c = static_cast<float>(std::cos(radians));
}
}  // namespace

void RotationX(VEKMatrix& M, float Degrees) {
  float s, c;
  SineCosine(Degrees, s, c);
  M.SetIdentity(1.0f);
  M.M4 = c;
  M.M5 = s;
  M.M7 = -s;
  M.M8 = c;
}

void RotationY(VEKMatrix& M, float Degrees) {
  float s, c;
  SineCosine(Degrees, s, c);
  M.SetIdentity(1.0f);
  M.M0 = c;
  M.M2 = s;
  M.M6 = -s;
  M.M8 = c;
}

void RotationZ(VEKMatrix& M, float Degrees) {
  float s, c;
  SineCosine(Degrees, s, c);
  M.SetIdentity(1.0f);
  M.M0 = c;
  M.M1 = s;
  M.M3 = -s;
  M.M4 = c;
}

void RotationAboutAxis(VEKMatrix& M, const VEKVector& Axis, float Degrees) {
  float sf, cf;
  SineCosine(Degrees, sf, cf);
  const double s = sf, c = cf, t = 1.0 - c;
  const double x = Axis.X, y = Axis.Y, z = Axis.Z;
  M.M0 = static_cast<float>((1.0 - x * x) * c + x * x);
  M.M1 = static_cast<float>(x * y * t + z * s);
  M.M2 = static_cast<float>(x * z * t - y * s);
  M.M3 = static_cast<float>(x * y * t - z * s);
  M.M4 = static_cast<float>((1.0 - y * y) * c + y * y);
  M.M5 = static_cast<float>(y * z * t + x * s);
  M.M6 = static_cast<float>(x * z * t + y * s);
  M.M7 = static_cast<float>(y * z * t - x * s);
  M.M8 = static_cast<float>((1.0 - z * z) * c + z * z);
}

void FaceNormal(const VEKVector& A, const VEKVector& B, const VEKVector& C, VEKVector& Out) {
  const double bx = static_cast<double>(B.X) - A.X, by = static_cast<double>(B.Y) - A.Y,
               bz = static_cast<double>(B.Z) - A.Z;
  const double cx = static_cast<double>(C.X) - A.X, cy = static_cast<double>(C.Y) - A.Y,
               cz = static_cast<double>(C.Z) - A.Z;
  Out.X = static_cast<float>(by * cz - bz * cy);
  Out.Y = static_cast<float>(cx * bz - bx * cz);
  Out.Z = static_cast<float>(bx * cy - cx * by);
  const float l = static_cast<float>(std::sqrt(static_cast<double>(Out.X) * Out.X +
                                               static_cast<double>(Out.Y) * Out.Y +
                                               static_cast<double>(Out.Z) * Out.Z));
  Out.X /= l;
  Out.Y /= l;
  Out.Z /= l;
}

void Normalize(VEKVector& V) {
  const double l = std::sqrt(static_cast<double>(V.X) * V.X + static_cast<double>(V.Y) * V.Y +
                             static_cast<double>(V.Z) * V.Z);
  V.X = static_cast<float>(V.X / l);
  V.Y = static_cast<float>(V.Y / l);
  V.Z = static_cast<float>(V.Z / l);
}

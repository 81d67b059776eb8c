// Value types and rotation formulas shared by the puzzle, the camera and the
// drawing. Storage is single precision; products are evaluated in double.
#pragma once

#include <cstdint>

// Converts degrees to radians (in double precision, before sin/cos).
constexpr double kDegree = 0.017453292519943295;

struct VEKVector {
  float X = 0.0f;
  float Y = 0.0f;
  float Z = 0.0f;
  float W = 1.0f;
};

// Row-major 3x3 matrix acting on column vectors.
struct VEKMatrix {
  float M0 = 1, M1 = 0, M2 = 0;
  float M3 = 0, M4 = 1, M5 = 0;
  float M6 = 0, M7 = 0, M8 = 1;

  void SetIdentity(float Scale);
};

struct VEKColor {
  uint8_t Red = 0;
  uint8_t Green = 0;
  uint8_t Blue = 0;

  // Colour values are laid out 0x00BBGGRR (red in the low byte).
  static VEKColor FromColorRef(uint32_t Value);
  void Set(uint8_t R, uint8_t G, uint8_t B);
  uint32_t ToColorRef() const;
};

inline bool operator==(const VEKColor& a, const VEKColor& b) {
  return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

// Result = A * B; Result may alias A or B.
void MatrixMultiply(VEKMatrix& Result, const VEKMatrix& A, const VEKMatrix& B);
// Result.xyz = M * V.xyz, Result.W = 1; Result may alias V.
void TransformVector(VEKVector& Result, const VEKMatrix& M, const VEKVector& V);

// Positive angles turn clockwise seen from the axis's positive end, except
// RotationY, which turns counter-clockwise seen from +Y.
void RotationX(VEKMatrix& M, float Degrees);
void RotationY(VEKMatrix& M, float Degrees);
void RotationZ(VEKMatrix& M, float Degrees);
// Axis must be of unit length.
void RotationAboutAxis(VEKMatrix& M, const VEKVector& Axis, float Degrees);

// Out = normalize((B - A) x (C - A)); Out.W is left alone.
void FaceNormal(const VEKVector& A, const VEKVector& B, const VEKVector& C, VEKVector& Out);
void Normalize(VEKVector& V);

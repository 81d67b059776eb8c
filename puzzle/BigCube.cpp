#include <GL/gl.h>

#include "puzzle/HomeLook.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

VEKBigCube::VEKBigCube()
    : Cubies(new VEKSmallCube[kMaxCubies]), TextureIds(new uint32_t[kTextureCount]()) {
  for (VEKVector& a : Axis) a = VEKVector{0.0f, 0.0f, 0.0f, 1.0f};
  ResetDrag();
  BodyColor.Set(80, 80, 80);
  RotateSpeed = 6;
  ShuffleRotateCount = 30;
  Busy = false;
  FillTexelStore();
  Build(3);
}

void VEKBigCube::FillTexelStore() {
  for (int j = 0; j < kTextureCount; ++j) {
    const uint32_t* image = tessaro::DigitImage(j);
    uint8_t* texels = Pixels + kTexelBytes * j;
    // Transposed: texel row t holds image column x = t, top to bottom.
    for (int x = 0; x < 128; ++x) {
      for (int y = 0; y < 128; ++y) {
        const uint32_t colour = image ? image[y * 128 + x] : 0x00FFFFFFu;
        uint8_t* texel = texels + 512 * x + 4 * y;
        texel[0] = static_cast<uint8_t>(colour & 0xFF);
        texel[1] = static_cast<uint8_t>((colour >> 8) & 0xFF);
        texel[2] = static_cast<uint8_t>((colour >> 16) & 0xFF);
        texel[3] = 255;
      }
    }
  }
}

void VEKBigCube::Build(int NewSize) {
  if (!IsSupportedCubeSize(NewSize)) return;
  const int n = NewSize;
  // A new cube has no turn under way.
  TurnStepsLeft = 0;
  Busy = false;
  Size = n;
  CubieCount = CubiesOf(n);
  LayerCubies = n * n;

  // Coordinates accumulate step by step in float, as the grid has always been
  // laid out: for N = 3 the middle one is about -2.4e-8, not exactly 0.
  float coordinate[kMaxCubeSize];
  coordinate[0] = static_cast<float>((1 - n) * 0.8);
  for (int i = 1; i < n; ++i) coordinate[i] = static_cast<float>(coordinate[i - 1] + 1.6);

  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      for (int k = 0; k < n; ++k) {
        const int b = (i * n + j) * n + k;
        VEKSmallCube& cubie = Cubies[b];
        cubie.Setup(coordinate[i], coordinate[j], coordinate[k], 0.7f, 0.1f);
        cubie.BodyColor = BodyColor;
        cubie.Id = 100 * b + 100;
        cubie.OuterPlusZ = (k == n - 1);
        cubie.OuterMinusZ = (k == 0);
        cubie.OuterPlusY = (j == n - 1);
        cubie.OuterMinusY = (j == 0);
        cubie.OuterMinusX = (i == 0);
        cubie.OuterPlusX = (i == n - 1);
      }
    }
  }
  UploadTextures();
  AssignDigits();
  Axis[0] = VEKVector{1.0f, 0.0f, 0.0f, 1.0f};
  Axis[1] = VEKVector{0.0f, 1.0f, 0.0f, 1.0f};
  Axis[2] = VEKVector{0.0f, 0.0f, 1.0f, 1.0f};
  // A rebuilt cube has no turns to take back.
  History.Clear();
  ScrambleMoves.clear();
}

void VEKBigCube::UploadTextures() {
  // Textures need a current context; before the renderer has one there is
  // nothing to upload to, and the next Build on a live context does it.
  if (!Owner || !Owner->Attached()) return;
  for (int j = 0; j < kTextureCount; ++j) {
    // Reuse the texture objects of the last Build, so that rebuilding the
    // cube all evening never grows video memory.
    GLuint name = TextureIds[j];
    if (name == 0 || !glIsTexture(name)) glGenTextures(1, &name);
    TextureIds[j] = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 128, 128, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 Pixels + kTexelBytes * j);
  }
}

void VEKBigCube::AssignDigits() {
  for (int b = 0; b < CubieCount; ++b) {
    VEKSmallCube& cubie = Cubies[b];
    for (int f = 0; f < 6; ++f) {
      const int c = homelook::Digit(Size, b, f);
      cubie.FaceDigit[f] = c;
      cubie.FaceTexture[f] = c < kTextureCount ? TextureIds[c] : TextureIds[0];
    }
  }
}

void VEKBigCube::ApplyBodyColor() {
  for (int b = 0; b < CubieCount; ++b) Cubies[b].BodyColor = BodyColor;
}

// The digit textures on a real context: uploaded transposed, clamped and
// unfiltered, reused by every later Build, and named by the right facelets.
#include <set>

#include "GLFixture.h"

using namespace gltest;

namespace {

std::vector<uint8_t> ReadTexture(GLuint name) {
  std::vector<uint8_t> texels(128 * 128 * 4);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texels;
}

// Texel bytes at an offset against image pixel (x, y) of a 0x00BBGGRR image.
bool SameColour(const uint8_t* texel, uint32_t pixel) {
  return texel[0] == (pixel & 0xFF) && texel[1] == ((pixel >> 8) & 0xFF) &&
         texel[2] == ((pixel >> 16) & 0xFF) && texel[3] == 255;
}

// How many texels differ from image j when texel (s, t) is taken to be image
// pixel (x = t, y = s) (transposed), or pixel (x = s, y = t) (as drawn).
int MismatchedTexels(const std::vector<uint8_t>& texels, int image, bool transposed) {
  const uint32_t* pixels = tessaro::DigitImage(image);
  int wrong = 0;
  for (int x = 0; x < 128; ++x) {
    for (int y = 0; y < 128; ++y) {
      const std::size_t offset = transposed ? 512 * x + 4 * y : 512 * y + 4 * x;
      if (!SameColour(&texels[offset], pixels[y * 128 + x])) ++wrong;
    }
  }
  return wrong;
}

std::vector<uint32_t> Names(const VEKBigCube& cube) {
  return std::vector<uint32_t>(cube.TextureIds.get(), cube.TextureIds.get() + kTextureCount);
}

}  // namespace

TEST(Textures, TheTexturesAppearOnlyWithABuildOnTheLiveContext) {
  OSMesaWindow window(64, 64);
  VEKGL gl;
  gl.Attach(&window);
  gl.Resize(64, 64);
  // The constructor's Build ran before any context existed.
  for (int j = 0; j < kTextureCount; ++j) EXPECT_FALSE(glIsTexture(gl.Cube->TextureIds[j])) << j;
  gl.Cube->Build(3);
  for (int j = 0; j < kTextureCount; ++j) EXPECT_TRUE(glIsTexture(gl.Cube->TextureIds[j])) << j;
  gl.Detach();
}

TEST(Textures, EveryImageIsStoredTransposed) {
  Scene scene(64, 64);
  const VEKBigCube& cube = scene.Cube();
  const std::vector<uint32_t> names = Names(cube);
  EXPECT_EQ(std::set<uint32_t>(names.begin(), names.end()).size(), names.size())
      << "one texture per image";
  for (int j = 0; j < kTextureCount; ++j) {
    ASSERT_NE(names[j], 0u) << j;
    ASSERT_TRUE(glIsTexture(names[j])) << j;
    glBindTexture(GL_TEXTURE_2D, names[j]);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 128) << j;
    EXPECT_EQ(height, 128) << j;
    const std::vector<uint8_t> texels = ReadTexture(names[j]);
    EXPECT_EQ(MismatchedTexels(texels, j, true), 0) << "image " << j;
    // The digits are not symmetric about the diagonal: an upload as drawn would show.
    if (j > 0) {
      EXPECT_GT(MismatchedTexels(texels, j, false), 500) << "image " << j;
    }
  }
  // The blank is white; the digits lie on a warm light grey.
  const std::vector<uint8_t> blank = ReadTexture(names[0]);
  for (std::size_t i = 0; i < blank.size(); ++i) ASSERT_EQ(blank[i], 255) << i;
  for (int j : {1, 7, 9, 16}) {
    const std::vector<uint8_t> digit = ReadTexture(names[j]);
    EXPECT_EQ(digit[0], 241) << j;
    EXPECT_EQ(digit[1], 238) << j;
    EXPECT_EQ(digit[2], 234) << j;
    // Some of it is black ink, near the middle of the square.
    int ink = 0;
    for (int t = 32; t < 96; ++t) {
      for (int s = 32; s < 96; ++s) {
        const uint8_t* texel = &digit[512 * t + 4 * s];
        if (texel[0] < 40 && texel[1] < 40 && texel[2] < 40) ++ink;
      }
    }
    EXPECT_GT(ink, 300) << j;
  }
}

TEST(Textures, TexturesAreClampedAndUnfiltered) {
  Scene scene(64, 64);
  for (int j = 0; j < kTextureCount; ++j) {
    glBindTexture(GL_TEXTURE_2D, scene.Cube().TextureIds[j]);
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_CLAMP) << j;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &value);
    EXPECT_EQ(value, GL_CLAMP) << j;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_NEAREST) << j;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_NEAREST) << j;
  }
}

TEST(Textures, EveryLaterBuildReusesTheSameTextures) {
  Scene scene(64, 64);
  VEKBigCube& cube = scene.Cube();
  const std::vector<uint32_t> first = Names(cube);
  for (int round = 0; round < 20; ++round) {
    for (int size : {3, 2, 5, 4}) {
      cube.Build(size);
      ASSERT_EQ(Names(cube), first) << "size " << size << ", round " << round;
    }
  }
  // Sizes out of range change nothing at all.
  cube.Build(3);
  cube.Build(1);
  cube.Build(6);
  EXPECT_EQ(cube.Size, 3);
  EXPECT_EQ(Names(cube), first);
  // The reused textures still hold their images, and no other texture was made.
  for (int j : {0, 4, 25}) EXPECT_EQ(MismatchedTexels(ReadTexture(first[j]), j, true), 0) << j;
  GLuint probe = 0;
  glGenTextures(1, &probe);
  EXPECT_LE(probe, *std::max_element(first.begin(), first.end()) + 1);
  glDeleteTextures(1, &probe);
}

TEST(Textures, EachFaceletNamesTheTextureOfItsNumber) {
  Scene scene(64, 64);
  VEKBigCube& cube = scene.Cube();
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    cube.Build(n);
    ASSERT_EQ(cube.CubieCount, n * n * n);
    std::vector<int> outer(n * n * n * 6, 0);  // the number a face shows, 0 when hidden
    for (int face = 0; face < 6; ++face) {
      for (const Facelet& f : FaceletsOf(n, face)) {
        outer[CubieIndex(n, f.i, f.j, f.k) * 6 + face] = HomeDigit(n, f);
      }
    }
    for (int b = 0; b < cube.CubieCount; ++b) {
      for (int face = 0; face < 6; ++face) {
        const uint32_t name = cube.Cubies[b].FaceTexture[face];
        EXPECT_EQ(name, cube.TextureIds[outer[b * 6 + face]])
            << "size " << n << ", cubie " << b << ", face " << face;
        EXPECT_TRUE(glIsTexture(name));
      }
    }
  }
}

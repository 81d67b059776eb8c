// Reads screenshots for the end-to-end tests:
//   e2e-shot box SHOT.png RRGGBB      bounding boxes of the drawing area (the
//                                     pixels of the background colour) and of
//                                     the cube within it: "ax ay aw ah cx cy cw ch"
//   e2e-shot diff A.png B.png X Y W H per mille of pixels that differ in the region
//   e2e-shot same A.png B.png X Y W H exit status 0 when no pixel of the region differs
//   e2e-shot plain SHOT.png X Y W H   exit status 0 when the region is all one colour
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/Resources.h"

namespace {
struct Image {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * w + x) * 4]; }
};

bool Load(const char* path, Image& image) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
  return tessaro::DecodePng(bytes.data(), bytes.size(), image.rgba, image.w, image.h);
}

int Box(const Image& image, unsigned colour) {
  const uint8_t r = colour >> 16, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
  auto isBackground = [&](int x, int y) {
    const uint8_t* p = image.At(x, y);
    return p[0] == r && p[1] == g && p[2] == b;
  };
  int ax0 = image.w, ay0 = image.h, ax1 = -1, ay1 = -1;
  for (int y = 0; y < image.h; ++y) {
    for (int x = 0; x < image.w; ++x) {
      if (!isBackground(x, y)) continue;
      ax0 = std::min(ax0, x); ay0 = std::min(ay0, y); ax1 = std::max(ax1, x); ay1 = std::max(ay1, y);
    }
  }
  if (ax1 < 0) return 1;
  int cx0 = image.w, cy0 = image.h, cx1 = -1, cy1 = -1;
  for (int y = ay0 + 1; y < ay1; ++y) {
    for (int x = ax0 + 1; x < ax1; ++x) {
      if (isBackground(x, y)) continue;
      cx0 = std::min(cx0, x); cy0 = std::min(cy0, y); cx1 = std::max(cx1, x); cy1 = std::max(cy1, y);
    }
  }
  if (cx1 < 0) return 1;
  std::printf("%d %d %d %d %d %d %d %d\n", ax0, ay0, ax1 - ax0 + 1, ay1 - ay0 + 1, cx0, cy0,
              cx1 - cx0 + 1, cy1 - cy0 + 1);
  return 0;
}

// Pixels of the region whose colours differ by more than rendering noise, or
// -1 when the images or the region do not fit together.
long CountDiffering(const Image& a, const Image& b, int x0, int y0, int w, int h) {
  if (a.w != b.w || a.h != b.h || x0 < 0 || y0 < 0 || x0 + w > a.w || y0 + h > a.h || w <= 0 || h <= 0) {
    return -1;
  }
  long differing = 0;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      const uint8_t *p = a.At(x, y), *q = b.At(x, y);
      if (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 30) ++differing;
    }
  }
  return differing;
}
// Nothing drawn in the region yet: every pixel has the colour of its first.
bool IsPlain(const Image& image, int x0, int y0, int w, int h) {
  if (x0 < 0 || y0 < 0 || x0 + w > image.w || y0 + h > image.h || w <= 0 || h <= 0) return false;
  const uint8_t* first = image.At(x0, y0);
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      const uint8_t* p = image.At(x, y);
      if (p[0] != first[0] || p[1] != first[1] || p[2] != first[2]) return false;
    }
  }
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  Image a, b;
  if (mode == "box" && argc == 4 && Load(argv[2], a)) return Box(a, std::strtoul(argv[3], nullptr, 16));
  if (mode == "plain" && argc == 7 && Load(argv[2], a)) {
    return IsPlain(a, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])) ? 0 : 3;
  }
  if ((mode == "diff" || mode == "same") && argc == 8 && Load(argv[2], a) && Load(argv[3], b)) {
    const int w = std::atoi(argv[6]), h = std::atoi(argv[7]);
    const long differing = CountDiffering(a, b, std::atoi(argv[4]), std::atoi(argv[5]), w, h);
    if (differing < 0) return 1;
    if (mode == "same") return differing == 0 ? 0 : 3;
    std::printf("%ld\n", differing * 1000 / (static_cast<long>(w) * h));
    return 0;
  }
  std::fprintf(stderr, "usage: e2e-shot box SHOT.png RRGGBB | diff|same A.png B.png X Y W H | plain SHOT.png X Y W H\n");
  return 2;
}

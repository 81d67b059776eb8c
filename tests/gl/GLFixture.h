// Shared by the OpenGL tests: a renderer on a real OSMesa context, the view
// worked out from the camera independently of the renderer (look-at, 30-degree
// perspective, square viewport), pictures read back from the context, and the
// comparison of a rendered facelet with the digit images.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <vector>

#include "puzzle/VekCube.h"
#include "render/OSMesaWindow.h"
#include "render/VekGL.h"
#include "resources/Resources.h"

namespace gltest {

// ---------------------------------------------------------------- vectors

struct Vec3 {
  double x = 0.0, y = 0.0, z = 0.0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Unit(Vec3 a) { return (1.0 / Length(a)) * a; }
inline Vec3 FromVek(const VEKVector& v) { return {v.X, v.Y, v.Z}; }
inline VEKVector ToVek(Vec3 v) {
  return VEKVector{static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.z), 1.0f};
}
// Turns p a quarter turn about the unit axis u (right-handed: positive from u's tip).
inline Vec3 QuarterTurn(Vec3 p, Vec3 u) { return Dot(p, u) * u + Cross(u, p); }

// ---------------------------------------------------------------- the scene

// A renderer attached to an in-memory window of the given size, with the
// cube built again on the live context (the constructor's Build had none).
struct Scene {
  OSMesaWindow window;
  VEKGL gl;

  Scene(int width, int height, int size = 3) : window(width, height) {
    gl.Attach(&window);
    gl.Resize(width, height);
    gl.Cube->Build(size);
  }
  ~Scene() { gl.Detach(); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  VEKBigCube& Cube() { return *gl.Cube; }
  int Width() const { return window.ClientWidth(); }
  int Height() const { return window.ClientHeight(); }
  // A white body: the facelets then show the textures' own light and dark.
  void WhiteBody() {
    gl.Cube->BodyColor.Set(255, 255, 255);
    gl.Cube->ApplyBodyColor();
  }
  // Turns the view so that the +X, +Y and +Z faces are all in sight.
  void ViewThreeFaces() {
    gl.Camera.RotateAxis(1, 30.0f);
    gl.Camera.RotateAxis(0, 30.0f);
  }
  // Puts the eye 20 units out along a direction, with the given up vector.
  void LookFrom(Vec3 direction, Vec3 up) {
    gl.Camera.Eye = ToVek(20.0 * Unit(direction));
    gl.Camera.Up = ToVek(Unit(up));
  }
};

// ---------------------------------------------------------------- the cube's grid

inline double GridCoordinate(int n, int i) { return (1 - n) * 0.8 + 1.6 * i; }
inline int CubieIndex(int n, int i, int j, int k) { return (i * n + j) * n + k; }
inline Vec3 HomeCentre(int n, int i, int j, int k) {
  return {GridCoordinate(n, i), GridCoordinate(n, j), GridCoordinate(n, k)};
}
inline Vec3 Centre(const VEKBigCube& cube, int index) {
  return FromVek(cube.Cubies[index].Points[0]);
}
// Face f is 0 +Z, 1 -Z, 2 -X, 3 +X, 4 +Y, 5 -Y.
constexpr int kPlusZ = 0, kMinusZ = 1, kMinusX = 2, kPlusX = 3, kPlusY = 4, kMinusY = 5;

// A face in its home orientation: outward normal, and where the right and the
// top of its digit point when the face is seen from outside.
struct FaceAxes {
  Vec3 normal, right, up;
};
inline FaceAxes HomeFace(int f) {
  switch (f) {
    case kPlusZ: return {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
    case kMinusZ: return {{0, 0, -1}, {1, 0, 0}, {0, -1, 0}};
    case kMinusX: return {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}};
    case kPlusX: return {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    case kPlusY: return {{0, 1, 0}, {1, 0, 0}, {0, 0, -1}};
    default: return {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}};
  }
}

// A facelet of the whole cube: the grid place of its cubie and its face.
struct Facelet {
  int i, j, k, face;
};
// The N*N facelets of one face of the whole cube, in any order.
inline std::vector<Facelet> FaceletsOf(int n, int face) {
  std::vector<Facelet> out;
  for (int a = 0; a < n; ++a) {
    for (int b = 0; b < n; ++b) {
      switch (face) {
        case kPlusZ: out.push_back({a, b, n - 1, face}); break;
        case kMinusZ: out.push_back({a, b, 0, face}); break;
        case kMinusX: out.push_back({0, a, b, face}); break;
        case kPlusX: out.push_back({n - 1, a, b, face}); break;
        case kPlusY: out.push_back({a, n - 1, b, face}); break;
        default: out.push_back({a, 0, b, face}); break;
      }
    }
  }
  return out;
}
// The number a facelet of the solved cube shows: on the Z faces i*N + j + 1,
// on the Y faces i*N + k + 1, on the X faces j*N + k + 1.
inline int HomeDigit(int n, const Facelet& f) {
  if (f.face == kPlusZ || f.face == kMinusZ) return f.i * n + f.j + 1;
  if (f.face == kPlusY || f.face == kMinusY) return f.i * n + f.k + 1;
  return f.j * n + f.k + 1;
}
inline Vec3 FaceletCentre(int n, const Facelet& f) {
  return HomeCentre(n, f.i, f.j, f.k) + 0.8 * HomeFace(f.face).normal;
}

// ---------------------------------------------------------------- the view

// Window pixels, origin at the bottom left (OpenGL's window coordinates).
struct WindowPoint {
  double x, y;
};
// Mouse position in the client area: origin at the top left, y down.
struct Cursor {
  int x, y;
};

struct Viewport {
  int x, y, width, height;
};
// The largest square that fits, centred (offsets rounded towards zero).
inline Viewport SquareViewport(int width, int height) {
  const int side = std::min(width, height);
  return {(width - side) / 2, (height - side) / 2, side, side};
}

constexpr double kFieldOfViewDegrees = 30.0;
// The sub-pixel shift of a single-pass frame (the first jitter offset).
constexpr double kSinglePassShiftX = 0.375, kSinglePassShiftY = 0.4375;

// Where a world point lands in the window: the view from the camera's eye
// towards the origin with its up vector, a 30-degree perspective of aspect 1
// into the viewport, then shifted by (shiftX, shiftY) pixels.
inline WindowPoint Project(const VEKCamera& camera, const Viewport& vp, Vec3 p, double shiftX = 0.0,
                           double shiftY = 0.0) {
  const Vec3 eye = FromVek(camera.Eye);
  const Vec3 forward = Unit(-1.0 * eye);
  const Vec3 side = Unit(Cross(forward, FromVek(camera.Up)));
  const Vec3 up = Cross(side, forward);
  const Vec3 rel = p - eye;
  const double slope = std::tan(kFieldOfViewDegrees / 2.0 * M_PI / 180.0);
  const double depth = Dot(rel, forward);
  const double nx = Dot(rel, side) / (depth * slope);
  const double ny = Dot(rel, up) / (depth * slope);
  return {vp.x + (nx + 1.0) * vp.width / 2.0 + shiftX,
          vp.y + (ny + 1.0) * vp.height / 2.0 + shiftY};
}
// Where a single-pass frame draws a world point.
inline WindowPoint FramePoint(const Scene& s, Vec3 p) {
  return Project(s.gl.Camera, SquareViewport(s.Width(), s.Height()), p, kSinglePassShiftX,
                 kSinglePassShiftY);
}
// The cursor position over a world point (picking uses no sub-pixel shift).
inline Cursor CursorOver(const Scene& s, Vec3 p) {
  const WindowPoint w = Project(s.gl.Camera, SquareViewport(s.Width(), s.Height()), p);
  return {static_cast<int>(std::lround(w.x)), static_cast<int>(std::lround(s.Height() - w.y))};
}
// Is this side of the cube's face f turned towards the eye?
inline bool FacesTheEye(const VEKCamera& camera, Vec3 faceCentre, Vec3 normal) {
  return Dot(FromVek(camera.Eye) - faceCentre, normal) > 0.0;
}

// ---------------------------------------------------------------- pictures

struct Rgb {
  int r, g, b;
};
inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline std::ostream& operator<<(std::ostream& os, Rgb c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}
inline int Luminance(Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }
inline int ColourDistance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgba;  // rows from the top

  Rgb Pixel(int column, int rowFromTop) const {
    const std::size_t at = (static_cast<std::size_t>(rowFromTop) * width + column) * 4;
    return {rgba[at], rgba[at + 1], rgba[at + 2]};
  }
  bool Inside(int column, int rowFromTop) const {
    return column >= 0 && column < width && rowFromTop >= 0 && rowFromTop < height;
  }
  // The pixel that holds a window point.
  Rgb At(WindowPoint p) const {
    return Pixel(static_cast<int>(std::floor(p.x)), height - 1 - static_cast<int>(std::floor(p.y)));
  }
};
inline Picture TakePicture(const Scene& s) {
  return Picture{std::max(s.Width(), 1), std::max(s.Height(), 1), s.window.ReadPixels()};
}
// The largest difference of any channel of any pixel.
inline int PictureDifference(const Picture& a, const Picture& b) {
  if (a.rgba.size() != b.rgba.size()) return 256;
  int worst = 0;
  for (std::size_t i = 0; i < a.rgba.size(); ++i) {
    if (i % 4 == 3) continue;
    worst = std::max(worst, std::abs(int(a.rgba[i]) - int(b.rgba[i])));
  }
  return worst;
}

// ---------------------------------------------------------------- digit images

// How an image is laid onto a facelet: as it is, or turned or mirrored, to show
// that a wrongly oriented digit is told apart from an upright one.
enum class Lay {
  Upright,
  MirroredLeftRight,
  MirroredTopBottom,
  Turned90,
  Turned180,
  Turned270,
  Transposed,
  AntiTransposed
};
constexpr Lay kWrongLays[] = {Lay::MirroredLeftRight, Lay::MirroredTopBottom, Lay::Turned90,
                              Lay::Turned180,         Lay::Turned270,         Lay::Transposed,
                              Lay::AntiTransposed};
inline const char* LayName(Lay lay) {
  switch (lay) {
    case Lay::Upright: return "upright";
    case Lay::MirroredLeftRight: return "mirrored left-right";
    case Lay::MirroredTopBottom: return "mirrored top-bottom";
    case Lay::Turned90: return "turned 90";
    case Lay::Turned180: return "turned 180";
    case Lay::Turned270: return "turned 270";
    case Lay::Transposed: return "transposed";
    default: return "anti-transposed";
  }
}
// The source image pixel shown at image position (x, y) when laid this way.
inline void LayPoint(Lay lay, double& x, double& y) {
  const double s = tessaro::kDigitImageSize, u = x, v = y;
  switch (lay) {
    case Lay::Upright: break;
    case Lay::MirroredLeftRight: x = s - u; break;
    case Lay::MirroredTopBottom: y = s - v; break;
    case Lay::Turned90:
      x = v;
      y = s - u;
      break;
    case Lay::Turned180:
      x = s - u;
      y = s - v;
      break;
    case Lay::Turned270:
      x = s - v;
      y = u;
      break;
    case Lay::Transposed:
      x = v;
      y = u;
      break;
    case Lay::AntiTransposed:
      x = s - v;
      y = s - u;
      break;
  }
}

// Ink of image j at (x, y), pixels from the top left: +1 dark, -1 light,
// 0 where the neighbourhood is mixed (the anti-aliased rim of a glyph), so
// that a sample a pixel or two off never decides. Worked out once per image.
inline int ImageInk(int image, double x, double y) {
  constexpr int size = tessaro::kDigitImageSize, reach = 3;
  static std::vector<int8_t> maps[tessaro::kDigitImageCount];
  std::vector<int8_t>& map = maps[image];
  if (map.empty()) {
    const uint32_t* pixels = tessaro::DigitImage(image);
    std::vector<int8_t> tone(size * size);
    for (int i = 0; i < size * size; ++i) {
      const uint32_t c = pixels[i];
      const int lum = Luminance({int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)});
      tone[i] = lum < 96 ? 1 : (lum > 176 ? -1 : 0);
    }
    map.assign(size * size, 0);
    for (int py = 0; py < size; ++py) {
      for (int px = 0; px < size; ++px) {
        int dark = 0, light = 0;
        for (int dy = -reach; dy <= reach; ++dy) {
          for (int dx = -reach; dx <= reach; ++dx) {
            const int t =
                tone[std::clamp(py + dy, 0, size - 1) * size + std::clamp(px + dx, 0, size - 1)];
            dark += t > 0;
            light += t < 0;
          }
        }
        const int all = (2 * reach + 1) * (2 * reach + 1);
        map[py * size + px] = dark == all ? 1 : (light == all ? -1 : 0);
      }
    }
  }
  const int px = std::clamp(static_cast<int>(std::floor(x)), 0, size - 1);
  const int py = std::clamp(static_cast<int>(std::floor(y)), 0, size - 1);
  return map[py * size + px];
}

// A facelet as rendered: points on a grid over its middle, each with the
// image position it stands for and the ink seen there in the picture.
struct FaceletSamples {
  struct Sample {
    double imageX, imageY;
    int ink;  // +1 dark, -1 light, 0 undecided
  };
  std::vector<Sample> samples;
};

// Samples the facelet with centre c whose digit's right and top point along
// the axes (world directions), as seen in a single-pass frame.
inline FaceletSamples SampleFacelet(const Picture& picture, const Scene& scene, Vec3 centre,
                                    Vec3 right, Vec3 up) {
  constexpr int kGrid = 48;
  constexpr double kHalfWidth = 0.7, kReach = 0.5;
  FaceletSamples out;
  std::vector<int> lums;
  for (int r = 0; r < kGrid; ++r) {
    for (int q = 0; q < kGrid; ++q) {
      const double a = -kReach + 2.0 * kReach * q / (kGrid - 1);
      const double b = kReach - 2.0 * kReach * r / (kGrid - 1);
      const WindowPoint w = FramePoint(scene, centre + a * right + b * up);
      const double size = tessaro::kDigitImageSize;
      out.samples.push_back({(a + kHalfWidth) / (2 * kHalfWidth) * size,
                             (kHalfWidth - b) / (2 * kHalfWidth) * size, 0});
      lums.push_back(Luminance(picture.At(w)));
    }
  }
  // Light and dark relative to the facelet's own brightest part, which the
  // lighting dims on a slanted face.
  const int brightest = *std::max_element(lums.begin(), lums.end());
  for (std::size_t i = 0; i < lums.size(); ++i) {
    if (lums[i] < brightest * 45 / 100)
      out.samples[i].ink = 1;
    else if (lums[i] > brightest * 70 / 100)
      out.samples[i].ink = -1;
  }
  return out;
}

// Overlap of two inks at the points where both are decided: the points dark
// in both, of those dark in either (1 for the same glyph, less for another).
struct Agreement {
  int inkBoth = 0, inkEither = 0, decisive = 0;
  void Add(int a, int b) {
    if (a == 0 || b == 0) return;
    ++decisive;
    if (a > 0 || b > 0) ++inkEither;
    if (a > 0 && b > 0) ++inkBoth;
  }
  double Fraction() const { return inkEither ? double(inkBoth) / inkEither : 0.0; }
  int Wrong() const { return inkEither - inkBoth; }
};
// How well the rendered facelet matches image j laid the given way.
inline Agreement Compare(const FaceletSamples& f, int image, Lay lay) {
  Agreement a;
  for (const auto& s : f.samples) {
    double x = s.imageX, y = s.imageY;
    LayPoint(lay, x, y);
    a.Add(s.ink, ImageInk(image, x, y));
  }
  return a;
}
// How alike image j and the same image laid the given way are, at the same
// points: a symmetric digit cannot be told from its mirror image.
inline double SelfAgreement(const FaceletSamples& f, int image, Lay lay) {
  Agreement a;
  for (const auto& s : f.samples) {
    double x = s.imageX, y = s.imageY;
    const int upright = ImageInk(image, x, y);
    LayPoint(lay, x, y);
    a.Add(upright, ImageInk(image, x, y));
  }
  return a.Fraction();
}

constexpr double kMatch = 0.92;  // ink overlap of the right image
constexpr double kLookAlike =
    0.95;  // a digit this like its own mirror image is not asked to differ

// Does the facelet show image `digit` upright, clearly better than any other
// of the images 1..rivals and than the digit turned or mirrored? "Clearly":
// a rival gets at least twice as many inked samples wrong, and 8 more.
inline ::testing::AssertionResult ShowsDigit(const Picture& picture, const Scene& scene,
                                             Vec3 centre, Vec3 right, Vec3 up, int digit,
                                             int rivals) {
  const FaceletSamples f = SampleFacelet(picture, scene, centre, right, up);
  const Agreement own = Compare(f, digit, Lay::Upright);
  std::ostringstream why;
  why << "facelet at (" << centre.x << ", " << centre.y << ", " << centre.z << ") against " << digit
      << ": " << own.inkBoth << " of " << own.inkEither << " inked samples agree";
  if (own.inkEither < 100 || own.Fraction() < kMatch)
    return ::testing::AssertionFailure() << why.str();
  auto clearlyWorse = [&](const Agreement& a) { return a.Wrong() >= 2 * own.Wrong() + 8; };
  for (int other = 1; other <= rivals; ++other) {
    if (other == digit) continue;
    const Agreement a = Compare(f, other, Lay::Upright);
    if (!clearlyWorse(a)) {
      return ::testing::AssertionFailure()
             << why.str() << ", but " << other << " gets only " << a.Wrong() << " wrong";
    }
  }
  for (Lay lay : kWrongLays) {
    if (SelfAgreement(f, digit, lay) > kLookAlike) continue;
    const Agreement a = Compare(f, digit, lay);
    if (!clearlyWorse(a)) {
      return ::testing::AssertionFailure()
             << why.str() << ", but " << LayName(lay) << " gets only " << a.Wrong() << " wrong";
    }
  }
  return ::testing::AssertionSuccess() << why.str();
}

// Every facelet of face f of the solved cube shows its number, upright.
inline ::testing::AssertionResult FaceReads(const Picture& picture, const Scene& scene, int n,
                                            int face) {
  const FaceAxes axes = HomeFace(face);
  for (const Facelet& f : FaceletsOf(n, face)) {
    auto result = ShowsDigit(picture, scene, FaceletCentre(n, f), axes.right, axes.up,
                             HomeDigit(n, f), n * n);
    if (!result) return result;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace gltest

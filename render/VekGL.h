// The renderer: owns the OpenGL context, the camera, the light and the puzzle,
// and draws frames of 1..16 jittered passes averaged in the accumulation
// buffer.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "puzzle/CubeSizes.h"
#include "puzzle/MoveHistory.h"
#include "render/CubeMesh.h"
#include "render/VekMath.h"
#include "render/VekWindow.h"
#include "render/Vekcamera.h"
#include "render/Veklight.h"

struct VEKBigCube;

constexpr int kMaxPasses = 16;
// Sub-pixel offsets of the antialiasing passes, in pixels.
extern const double kJitter[kMaxPasses][2];

// The frame's near and far planes, as distances from the eye.
constexpr double kNearPlane = 2.0;
constexpr double kFarPlane = 40.0;

namespace vekgl_detail {
// x rounded to hundredths, up or down, so that the bound lies on the safe side.
constexpr float Hundredths(double x, bool up) {
  const double h = x * 100;
  long long whole = static_cast<long long>(h);
  if (up && whole < h) ++whole;
  return static_cast<float>(static_cast<double>(whole) / 100);
}
}  // namespace vekgl_detail

// The zoom keeps the whole cube between the near and far planes, whatever
// the view direction: the corners of the biggest cube lie kMaxCornerDistance
// (6.93 for the 5x5x5) from the centre, so the eye stays between 2 + 6.93 and
// 40 - 6.93 from the origin: 8.93 and 33.07. A zoom step that would leave
// this range is not taken.
constexpr float kMinEyeDistance =
    vekgl_detail::Hundredths(kNearPlane + kMaxCornerDistance, true);
constexpr float kMaxEyeDistance =
    vekgl_detail::Hundredths(kFarPlane - kMaxCornerDistance, false);

// Shift byte of mouse and key events.
enum : uint8_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};

class VEKGL {
 public:
  VEKWindow* Window = nullptr;
  VEKContextHandle Context = nullptr;
  // Our bindings draw through the window itself; DC marks that it is held.
  VEKWindow* DC = nullptr;
  int32_t KeyCursorX = 0;
  int32_t KeyCursorY = 0;
  int32_t Passes = 1;
  int32_t DrawQuality = 1;
  VEKCamera Camera;
  VEKLight Light;
  VEKColor ClearColor;
  VEKBigCube* Cube = nullptr;
  // A layer outlined over the cube: the turn a hint proposes.
  std::optional<VEKMove> Hint;
  // Frames asked for since construction (drawn or not); lets callers and
  // tests see how many frames an animation produced.
  uint64_t FramesDrawn = 0;

  VEKGL();
  ~VEKGL();
  VEKGL(const VEKGL&) = delete;
  VEKGL& operator=(const VEKGL&) = delete;

  void Attach(VEKWindow* NewWindow);
  int SetupPixelFormat(VEKWindow* DeviceContext);
  void Resize(int Width, int Height);
  void DrawFrame();
  void AccPerspective(double Fovy, double Aspect, double Near, double Far, double PixDx,
                      double PixDy, double EyeDx, double EyeDy, double Focus);
  void AccFrustum(double Left, double Right, double Bottom, double Top, double Near, double Far,
                  double PixDx, double PixDy, double EyeDx, double EyeDy, double Focus);
  void SetClearColor(const VEKColor& Color);
  void Detach();

  // Input, from the main window.
  void MouseMove(int X, int Y, uint8_t Shift);
  void MouseUp();
  void KeyDown(int Key, uint8_t Shift);

  bool Attached() const { return Context != nullptr; }

  // A still picture is drawn once: PictureChanged tells whether a frame drawn
  // now would differ from the last one drawn (camera, cubies, passes, colours,
  // viewport), or whether the window lost it (InvalidatePicture, on expose).
  bool PictureChanged();
  void InvalidatePicture() { pictureShown_ = false; }
  // The still picture, one step per tick of the frame timer: nothing while
  // the finished picture is on screen; otherwise, at more than one pass, the
  // next jittered pass is added to the accumulation and the running average
  // shown, so that no tick draws more than one pass. Any change of the
  // picture starts the accumulation again; after the last pass the picture
  // is DrawFrame's, pixel for pixel. At one pass it is DrawFrame, unless the
  // window is drawn in bands (PixelsPerTick). Returns whether it drew.
  bool DrawNextPass();
  // Passes added so far to the still picture being built.
  int AccumulatedPasses() const { return accumulatedPasses_; }
  // A window of more pixels than this has each pass of its still picture
  // drawn a band of rows a tick, so that a tick's work stays bounded however
  // big the window; the finished picture is the same. A one-pass picture is
  // banded only in a window of more than four times as many. At most 0:
  // never.
  long long PixelsPerTick = 1LL << 19;

 private:
  // Bands of at most PixelsPerTick pixels when the window has more than Threshold.
  int BandsPerPass(long long Threshold) const;
  // One jittered pass of the cube as gathered in mesh_.
  void DrawPass(int Pass, double Aspect);
  // Everything a frame depends on, as bytes.
  void CapturePicture(std::vector<uint8_t>& Out) const;

  std::vector<uint8_t> shownPicture_;
  std::vector<uint8_t> candidatePicture_;
  bool pictureShown_ = false;
  // The picture the accumulation buffer is being filled for, and how many
  // of its passes it holds.
  std::vector<uint8_t> accumulatingPicture_;
  int accumulatedPasses_ = 0;
  bool building_ = false;
  int bandsDrawn_ = 0;  // of the pass being added
  int windowWidth_ = 0, windowHeight_ = 0;
  CubeMesh mesh_;
};

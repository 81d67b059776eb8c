#include "render/VekGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "puzzle/Random.h"
#include "puzzle/VekCube.h"

const double kJitter[kMaxPasses][2] = {
    {0.375, 0.4375}, {0.625, 0.0625}, {0.875, 0.1875}, {0.125, 0.0625},
    {0.375, 0.6875}, {0.875, 0.4375}, {0.625, 0.5625}, {0.375, 0.9375},
    {0.625, 0.3125}, {0.125, 0.5625}, {0.125, 0.8125}, {0.375, 0.1875},
    {0.875, 0.9375}, {0.875, 0.6875}, {0.125, 0.3125}, {0.625, 0.8125},
};

VEKGL::VEKGL() {
  vekrandom::SeedFromClock();
  KeyCursorX = KeyCursorY = 0;
  Passes = 1;
  DrawQuality = 1;
  Cube = new VEKBigCube();
  Cube->Owner = this;
}

VEKGL::~VEKGL() {
  // Detach releases the cube; a renderer that was never detached must not leak
  // it.
  delete Cube;
}

int VEKGL::SetupPixelFormat(VEKWindow* DeviceContext) {
  VEKPixelFormatRequest request;
  const int format = DeviceContext->ChoosePixelFormat(request);
  if (format == 0) {
    DeviceContext->ShowMessage("ChoosePixelFormat failed", "Error");
    return 0;
  }
  if (!DeviceContext->SetPixelFormat(format)) {
    DeviceContext->ShowMessage("SetPixelFormat failed", "Error");
    return 0;
  }
  return 1;
}

void VEKGL::Attach(VEKWindow* NewWindow) {
  static const GLfloat kLightDiffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
  static const GLfloat kAmbient[] = {0.0f, 0.0f, 0.0f, 1.0f};
  static const GLfloat kLightSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};
  static const GLfloat kMaterialDiffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
  static const GLfloat kMaterialAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
  static const GLfloat kMaterialSpecular[] = {0.1f, 0.1f, 0.1f, 1.0f};

  Window = NewWindow;
  DC = Window;
  if (SetupPixelFormat(DC) == 0) Window->PostClose();
  Context = Window->CreateContext();
  Window->MakeCurrent(Context);
  if (!Context) return;  // nothing to set up; frames stay undrawn

  SetClearColor(ClearColor);
  glEnable(GL_COLOR_MATERIAL);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_NORMALIZE);
  glEnable(GL_BLEND);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);

  glLightfv(GL_LIGHT0, GL_DIFFUSE, kLightDiffuse);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kAmbient);
  glLightfv(GL_LIGHT0, GL_SPECULAR, kLightSpecular);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, kMaterialDiffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, kMaterialAmbient);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kMaterialSpecular);
  glMaterialf(GL_FRONT, GL_SHININESS, 128.0f);

  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  Camera.LoadView();
}

void VEKGL::Resize(int Width, int Height) {
  InvalidatePicture();
  windowWidth_ = Width;
  windowHeight_ = Height;
  if (!Attached()) return;
  if (Height > Width) {
    glViewport(0, (Height - Width) / 2, Width, Width);
  } else {
    glViewport((Width - Height) / 2, 0, Height, Height);
  }
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(30.0, 1.0, 1.0, 100.0);
  gluLookAt(Camera.Eye.X, Camera.Eye.Y, Camera.Eye.Z, 0.0, 0.0, 0.0, Camera.Up.X, Camera.Up.Y,
            Camera.Up.Z);
  glMatrixMode(GL_MODELVIEW);
}

void VEKGL::AccFrustum(double Left, double Right, double Bottom, double Top, double Near,
                       double Far, double PixDx, double PixDy, double EyeDx, double EyeDy,
                       double Focus) {
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const double dx = -(PixDx * (Right - Left) / viewport[2] + EyeDx * Near / Focus);
  const double dy = -(PixDy * (Top - Bottom) / viewport[3] + EyeDy * Near / Focus);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(Left + dx, Right + dx, Bottom + dy, Top + dy, Near, Far);
  gluLookAt(Camera.Eye.X, Camera.Eye.Y, Camera.Eye.Z, 0.0, 0.0, 0.0, Camera.Up.X, Camera.Up.Y,
            Camera.Up.Z);
  glMatrixMode(GL_MODELVIEW);
  glTranslatef(static_cast<GLfloat>(-EyeDx), static_cast<GLfloat>(-EyeDy), 0.0f);
}

void VEKGL::AccPerspective(double Fovy, double Aspect, double Near, double Far, double PixDx,
                           double PixDy, double EyeDx, double EyeDy, double Focus) {
  const double half = Fovy * M_PI / 180.0 / 2.0;
  const double top = Near / (std::cos(half) / std::sin(half));
  const double right = top * Aspect;
  AccFrustum(-right, right, -top, top, Near, Far, PixDx, PixDy, EyeDx, EyeDy, Focus);
}

void VEKGL::DrawFrame() {
  ++FramesDrawn;
  // Whatever the buffers held is not this picture's.
  building_ = false;
  accumulatedPasses_ = 0;
  bandsDrawn_ = 0;
  if (!Attached() || !Cube) return;
  Light.SetPosition(Camera.Eye);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (viewport[2] <= 0 || viewport[3] <= 0) {
    // Nothing to see in an empty drawing area; keep the frame harmless.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Window->SwapBuffers();
    CapturePicture(shownPicture_);
    pictureShown_ = true;
    return;
  }
  const double aspect = static_cast<double>(viewport[2]) / viewport[3];
  // A pass count beyond the jitter table is drawn with the whole table.
  const int passes = std::min(Passes, kMaxPasses);
  mesh_.Build(*Cube);
  if (passes <= 1) {
    DrawPass(0, aspect);
  } else {
    const GLfloat weight = 1.0f / static_cast<GLfloat>(passes);
    glClear(GL_ACCUM_BUFFER_BIT);
    for (int i = 0; i < passes; ++i) {
      DrawPass(i, aspect);
      glAccum(GL_ACCUM, weight);
    }
    glAccum(GL_RETURN, 1.0f);
  }
  Window->SwapBuffers();
  CapturePicture(shownPicture_);
  pictureShown_ = true;
}

bool VEKGL::DrawNextPass() {
  if (!Attached() || !Cube) return false;
  CapturePicture(candidatePicture_);
  if (pictureShown_ && candidatePicture_ == shownPicture_) return false;
  const int passes = std::clamp(Passes, 1, kMaxPasses);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  // A one-pass picture shows nothing until its last band, so it is drawn
  // whole unless the window is very big.
  const int bands = BandsPerPass(passes > 1 ? PixelsPerTick : 4 * PixelsPerTick);
  if ((passes == 1 && bands == 1) || viewport[2] <= 0 || viewport[3] <= 0) {
    DrawFrame();
    return true;
  }
  if (!building_ || candidatePicture_ != accumulatingPicture_) {
    building_ = true;
    accumulatingPicture_ = candidatePicture_;
    accumulatedPasses_ = 0;
    bandsDrawn_ = 0;
    mesh_.Build(*Cube);
  }
  ++FramesDrawn;
  Light.SetPosition(Camera.Eye);
  if (bands > 1) {
    // Only this band of the window is cleared, drawn, added and shown.
    const int top = windowHeight_ * bandsDrawn_ / bands;
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, top, windowWidth_, windowHeight_ * (bandsDrawn_ + 1) / bands - top);
  }
  if (passes > 1 && accumulatedPasses_ == 0) glClear(GL_ACCUM_BUFFER_BIT);
  // The same pass, with the same weight, as DrawFrame's pass of this number.
  DrawPass(accumulatedPasses_, static_cast<double>(viewport[2]) / viewport[3]);
  const bool passDone = ++bandsDrawn_ == bands;
  const bool finished = passDone && accumulatedPasses_ + 1 == passes;
  if (passes > 1) {
    glAccum(GL_ACCUM, 1.0f / static_cast<GLfloat>(passes));
    // The running average until the last pass, then exactly DrawFrame's return.
    const int averaged = accumulatedPasses_ + 1;
    glAccum(GL_RETURN,
            finished ? 1.0f : static_cast<GLfloat>(passes) / static_cast<GLfloat>(averaged));
  }
  glDisable(GL_SCISSOR_TEST);
  if (!passDone) return true;  // the window keeps showing the last whole pass
  ++accumulatedPasses_;
  bandsDrawn_ = 0;
  Window->SwapBuffers();
  if (finished) {
    building_ = false;
    shownPicture_ = candidatePicture_;
    pictureShown_ = true;
  }
  return true;
}

int VEKGL::BandsPerPass(long long Threshold) const {
  const long long pixels = static_cast<long long>(windowWidth_) * windowHeight_;
  if (PixelsPerTick <= 0 || pixels <= Threshold || windowHeight_ <= 1) return 1;
  return static_cast<int>(
      std::min<long long>((pixels + PixelsPerTick - 1) / PixelsPerTick, windowHeight_));
}

namespace {
// The edges of the box around the layers of a move, a little outside the
// cube so that the cubies do not hide them.
void DrawLayerOutline(const VEKBigCube& cube, const VEKMove& move) {
  constexpr float kMargin = 0.08f;
  const float outer = cube.LayerCoordinate(cube.Size - 1) + 0.8f + kMargin;
  float low[3] = {-outer, -outer, -outer}, high[3] = {outer, outer, outer};
  low[move.Axis] = cube.LayerCoordinate(move.Layer) - 0.8f - kMargin;
  high[move.Axis] = cube.LayerCoordinate(move.Layer + move.Width - 1) + 0.8f + kMargin;
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glLineWidth(3.0f);
  glColor3ub(255, 190, 0);
  glBegin(GL_LINES);
  for (int a = 0; a < 3; ++a) {
    // The four edges along axis a.
    for (int corner = 0; corner < 4; ++corner) {
      float from[3], to[3];
      const int b = (a + 1) % 3, c = (a + 2) % 3;
      from[a] = low[a];
      to[a] = high[a];
      from[b] = to[b] = corner & 1 ? high[b] : low[b];
      from[c] = to[c] = corner & 2 ? high[c] : low[c];
      glVertex3fv(from);
      glVertex3fv(to);
    }
  }
  glEnd();
  glPopAttrib();
}
}  // namespace

void VEKGL::DrawPass(int Pass, double Aspect) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  AccPerspective(30.0, Aspect, kNearPlane, kFarPlane, kJitter[Pass][0], kJitter[Pass][1], 0.0, 0.0,
                 1.0);
  mesh_.Draw();
  if (Hint && Hint->ValidFor(Cube->Size)) DrawLayerOutline(*Cube, *Hint);
}

namespace {
template <typename T>
void Append(std::vector<uint8_t>& out, const T& value) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
  out.insert(out.end(), bytes, bytes + sizeof(T));
}
}  // namespace

void VEKGL::CapturePicture(std::vector<uint8_t>& Out) const {
  Out.clear();
  Append(Out, Camera.Eye);
  Append(Out, Camera.Up);
  Append(Out, std::clamp(Passes, 1, kMaxPasses));
  Append(Out, ClearColor);
  GLint viewport[4] = {0, 0, 0, 0};
  if (Attached()) glGetIntegerv(GL_VIEWPORT, viewport);
  Append(Out, viewport);
  const VEKMove noHint{3, 0, 0, 0};
  Append(Out, Hint.value_or(noHint));
  if (!Cube || !Cube->Cubies) return;
  Append(Out, Cube->Size);
  for (int b = 0; b < Cube->CubieCount; ++b) {
    const VEKSmallCube& cubie = Cube->Cubies[b];
    Append(Out, cubie.BodyColor);
    Append(Out, cubie.FaceTexture);
    const auto* points = reinterpret_cast<const uint8_t*>(cubie.Points.get());
    Out.insert(Out.end(), points, points + kPointsPerCubie * sizeof(VEKVector));
  }
}

bool VEKGL::PictureChanged() {
  if (!pictureShown_) return true;
  CapturePicture(candidatePicture_);
  return candidatePicture_ != shownPicture_;
}

void VEKGL::SetClearColor(const VEKColor& Color) {
  const float scale = static_cast<float>(1.0 / 255.0);
  ClearColor = Color;
  if (!Attached()) return;
  glClearColor(Color.Red * scale, Color.Green * scale, Color.Blue * scale, 1.0f);
  glClearAccum(0.0f, 0.0f, 0.0f, 1.0f);
}

void VEKGL::Detach() {
  delete Cube;
  Cube = nullptr;
  if (Context) {
    Window->MakeCurrent(nullptr);
    Window->DeleteContext(Context);
    Context = nullptr;
  }
  DC = nullptr;
}

// The window on a scaled desktop: the picture, the pick and the mouse in
// device pixels, and the clock's figures in the desktop's text size. These
// tests run at the display's own scale and once more with GDK_SCALE=2 (see
// CMakeLists.txt): whatever the scale, the cube fills and centres the
// picture and a real drag turns the layer under the pointer.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "GuiHelpers.h"
#include "app/toolkit/Fonts.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "game/GameClock.h"
#include "puzzle/GameTrailer.h"
// X11 last: its macros (None, Status...) would break the headers above.
#include "ToolkitDriver.h"

namespace {
std::string U8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

// The +Z face seen from z = 20 with a 30 degree field: a point (x, y, 2.4)
// lands at the picture's centre plus x / (17.6 tan 15) half-sides.
const double kFrontHalfSides = 1.0 / (17.6 * std::tan(15 * kDegree));

class HiDpiTest : public MainFormTest {
 protected:
  // A still window at the start view, small enough for any test screen at
  // scale 2, with its picture drawn at the new size.
  void StartStill() {
    Start({"RotateSpeed=45", "TimeoutRotate=1000000", "DrawQuality=1"});
    form->SetClientSize(400, 340);
    form->Raise();
    // The toolkit's sizes change at once, the window's on the X server a
    // little later; OpenGL draws at the latter.
    ASSERT_TRUE(PumpUntil(
        [&] {
          return form->GetClientSize() == wxSize(400, 340) &&
                 canvas().GetSize() == form->DrawPanel->GetClientSize() && ServerSize() == Device();
        },
        5000));
    gl().Camera = VEKCamera();
    gl().Camera.LoadView();
    canvas().Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
      seen_ = event.GetPosition();
      event.Skip();
    });
  }
  wxGLCanvas& canvas() { return *form->DrawWindow->Canvas(); }
  Window CanvasWindow() { return gdk_x11_window_get_xid(canvas().GTKGetDrawingWindow()); }
  wxSize ServerSize() {
    XWindowAttributes attributes{};
    XGetWindowAttributes(XDisplayOfToolkit(), CanvasWindow(), &attributes);
    return wxSize(attributes.width, attributes.height);
  }
  wxSize Device() { return form->DrawWindow->DeviceSize(); }
  // A point of the +Z face (world x, y) in the picture's device pixels.
  wxPoint FrontFace(double x, double y) {
    const wxSize size = Device();
    const int side = std::min(size.x, size.y);
    const double scale = side / 2.0 * kFrontHalfSides;
    return wxPoint(static_cast<int>(size.x / 2.0 + x * scale),
                   static_cast<int>(size.y / 2.0 - y * scale));
  }
  // A drag with the left button through the points, each move delivered to
  // the picture before the next is made.
  void RealDrag(const std::vector<wxPoint>& points) {
    Display* d = XDisplayOfToolkit();
    const double scale = canvas().GetContentScaleFactor();
    // Moves made while a turn runs are dropped, as the player's are, and
    // the toolkit may merge moves: each is made again (a pixel aside and
    // back) until the picture sees it.
    auto reach = [&](const wxPoint& device) {
      int tries = 0;
      return PumpUntil(
          [&] {
            const wxPoint at = form->DrawWindow->ToDevice(seen_);
            if (std::abs(at.x - device.x) <= scale + 1 && std::abs(at.y - device.y) <= scale + 1)
              return true;
            if (!cube().Busy)
              PointerToDevice(canvas(),
                              device + wxPoint(tries++ % 2 ? static_cast<int>(scale) : 0, 0));
            return false;
          },
          10000);
    };
    EXPECT_TRUE(reach(points.front() + wxPoint(1, 0))) << "the pointer reaches the picture";
    XTestFakeButtonEvent(d, 1, True, 0);
    SyncX();
    EXPECT_TRUE(PumpUntil([&] { return U8(form->StatusText()) == "Вращаю..."; }, 10000));
    for (const wxPoint& p : points)
      EXPECT_TRUE(reach(p)) << p.x << "," << p.y << " seen " << seen_.x << "," << seen_.y;
    XTestFakeButtonEvent(d, 1, False, 0);
    SyncX();
    EXPECT_TRUE(
        PumpUntil([&] { return !cube().Busy && U8(form->StatusText()) == "Готово!"; }, 20000));
  }

  wxPoint seen_{-1000, -1000};  // where the picture last saw the pointer
};

// The box of the pixels that are not background.
struct Box {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};
Box CubeBox(XImage& image) {
  Box box;
  for (int row = 0; row < image.height; ++row) {
    for (int x = 0; x < image.width; ++x) {
      const unsigned long pixel = XGetPixel(&image, x, row);
      const unsigned long red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF,
                          blue = pixel & 0xFF;
      if (std::max({red, green, blue}) < 40) continue;
      box.left = std::min(box.left, x), box.right = std::max(box.right, x);
      box.top = std::min(box.top, row), box.bottom = std::max(box.bottom, row);
    }
  }
  return box;
}
}  // namespace

TEST_F(HiDpiTest, TheScaleIsTheDesktopsAndTheRendererCountsDevicePixels) {
  StartStill();
  const double scale = canvas().GetContentScaleFactor();
  if (const char* asked = std::getenv("GDK_SCALE")) {
    EXPECT_EQ(scale, std::atof(asked)) << "the run is at its scale";
  }
  const wxSize logical = canvas().GetClientSize(), device = Device();
  EXPECT_EQ(device.x, static_cast<int>(logical.x * scale));
  EXPECT_EQ(device.y, static_cast<int>(logical.y * scale));
  // The pick counts rows from the bottom of the same pixels.
  EXPECT_EQ(form->DrawWindow->ClientHeight(), device.y);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  const int side = std::min(device.x, device.y);
  EXPECT_EQ(viewport[0], (device.x - side) / 2);
  EXPECT_EQ(viewport[1], (device.y - side) / 2);
  EXPECT_EQ(viewport[2], side);
  EXPECT_EQ(viewport[3], side);
}

TEST_F(HiDpiTest, TheCubeFillsAndCentresThePicture) {
  StartStill();
  gl().Passes = 1;
  gl().DrawFrame();
  glFinish();
  SyncX();
  // What the window shows, as the X server holds it (device pixels).
  const wxSize device = Device();
  XImage* image =
      XGetImage(XDisplayOfToolkit(), CanvasWindow(), 0, 0, device.x, device.y, AllPlanes, ZPixmap);
  ASSERT_NE(image, nullptr);
  const Box box = CubeBox(*image);
  XDestroyImage(image);
  ASSERT_GE(box.right, 0) << "the cube is drawn";
  // The front face's edges are the cube's outline from the start view.
  const double width = std::min(device.x, device.y) * 2.4 * kFrontHalfSides;
  const double tolerance = 3 + width * 0.02;
  EXPECT_NEAR(box.right - box.left + 1, width, tolerance);
  EXPECT_NEAR(box.bottom - box.top + 1, width, tolerance);
  EXPECT_NEAR((box.left + box.right + 1) / 2.0, device.x / 2.0, 2.0);
  EXPECT_NEAR((box.top + box.bottom + 1) / 2.0, device.y / 2.0, 2.0);
}

TEST_F(HiDpiTest, ARealDragTurnsTheLayerUnderThePointerAndNoneOverTheBackground) {
  StartStill();
  // Below the cube, where only the background is.
  std::vector<wxPoint> below;
  for (int i = 0; i <= 10; ++i) below.push_back(FrontFace(-1.6 + 3.2 * i / 10, -3.4));
  RealDrag(below);
  EXPECT_TRUE(IsSolved(cube())) << "a drag over the background turns nothing";

  // Along the top row of the front face: the top layer turns a quarter.
  std::vector<wxPoint> topRow;
  for (int i = 0; i <= 10; ++i) topRow.push_back(FrontFace(1.6 * i / 10, 1.6));
  const int cubie = (1 * 3 + 2) * 3 + 2;  // its centre (0, 1.6, 1.6)
  RealDrag(topRow);
  const VEKVector& after = cube().Cubies[cubie].Points[0];
  EXPECT_NEAR(after.X, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Y, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Z, 0.0f, 1e-4f);
}

TEST_F(HiDpiTest, TheClockAndTheCounterFollowTheTextScaleAndNeverClip) {
  GdkScreen* screen = gdk_screen_get_default();
  const double before = gdk_screen_get_resolution(screen);
  struct Case {
    double dpi;
    int clockPixels;  // the 19-pixel clock font at that resolution
  } cases[] = {{96, 19}, {144, 29}, {192, 38}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    gdk_screen_set_resolution(screen, c.dpi);
    Start();
    EXPECT_EQ(form->TimerLabel->GetFont().GetPixelSize().y, c.clockPixels);
    // Figures beyond what a saved game holds stay at its bounds.
    form->TimerPanel->ShowFigures(static_cast<int32_t>(kMaxGameSeconds) + 3600, kMaxGameMoves + 7);
    EXPECT_EQ(U8(form->TimerText()), FormatGameClock(static_cast<int32_t>(kMaxGameSeconds)));
    EXPECT_EQ(U8(form->MovesText()), "Ходов: " + std::to_string(kMaxGameMoves));
    for (ClockCaption* label : {form->TimerLabel, form->MovesLabel}) {
      for (const char digit : {'0', '4', '8'}) {
        wxString text = label->GetLabel();
        for (wxString::iterator ch = text.begin(); ch != text.end(); ++ch) {
          if (*ch >= '0' && *ch <= '9') *ch = digit;
        }
        const wxSize extent = label->GetTextExtent(text), field = label->GetClientSize();
        EXPECT_LE(extent.x, field.x) << U8(text);
        EXPECT_LE(extent.y, field.y) << U8(text);
      }
    }
    form->FormDestroy();
    form->Destroy();
    form = nullptr;
    Pump(20);
  }
  gdk_screen_set_resolution(screen, before);
}

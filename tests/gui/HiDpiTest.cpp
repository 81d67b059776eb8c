// The window on a scaled desktop. These tests run at the display's own scale
// and once more with GDK_SCALE=2 (gui_scale2): the cube fills and centres
// what the window shows, a real drag turns the layer under the pointer, and
// the clock's figures fit in the desktop's text size.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "GuiHelpers.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "game/GameClock.h"
#include "puzzle/GameTrailer.h"
// X11 last: its macros (None, Status...) would break the headers above.
#include "ToolkitDriver.h"

namespace {
std::string U8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

class HiDpiTest : public MainFormTest {
 protected:
  // A still window at the start view, small enough for a 1280x1024 screen
  // at scale 2; the X server has its new size too (OpenGL draws at that).
  void StartStill() {
    Start({"RotateSpeed=45", "TimeoutRotate=1000000", "DrawQuality=1"});
    form->SetClientSize(400, 340);
    form->Raise();
    ASSERT_TRUE(PumpUntil([&] { return canvas().GetSize() == form->DrawPanel->GetClientSize() &&
                                       form->GetClientSize() == wxSize(400, 340) && Shown() == Device(); },
                          5000));
    gl().Camera = VEKCamera();
    gl().Camera.LoadView();
    canvas().Bind(wxEVT_MOTION, [this](wxMouseEvent& event) { seen_ = event.GetPosition(), event.Skip(); });
  }
  wxGLCanvas& canvas() { return *form->DrawWindow->Canvas(); }
  wxSize Device() { return form->DrawWindow->DeviceSize(); }
  Window CanvasWindow() { return gdk_x11_window_get_xid(canvas().GTKGetDrawingWindow()); }
  wxSize Shown() {
    XWindowAttributes a{};
    XGetWindowAttributes(XDisplayOfToolkit(), CanvasWindow(), &a);
    return wxSize(a.width, a.height);
  }
  // A point (x, y, 2.4) of the +Z face, seen from z = 20 with a 30 degree
  // field, in device pixels: the centre plus x / (17.6 tan 15) half-sides.
  wxPoint FrontFace(double x, double y) {
    const double scale = std::min(Device().x, Device().y) / 2.0 / (17.6 * std::tan(15 * kDegree));
    return wxPoint(static_cast<int>(Device().x / 2.0 + x * scale), static_cast<int>(Device().y / 2.0 - y * scale));
  }
  // A left-button drag through the points. A move is made again (a pixel
  // aside and back) until the picture sees it: the toolkit may merge moves,
  // and those made while a turn runs are dropped, as the player's are.
  void RealDrag(const std::vector<wxPoint>& points) {
    const int scale = static_cast<int>(canvas().GetContentScaleFactor());
    auto reach = [&](const wxPoint& p) {
      int tries = 0;
      return PumpUntil([&] {
        const wxPoint at = form->DrawWindow->ToDevice(seen_);
        if (std::abs(at.x - p.x) <= scale + 1 && std::abs(at.y - p.y) <= scale + 1) return true;
        if (!cube().Busy) PointerToDevice(canvas(), p + wxPoint(tries++ % 2 * scale, 0));
        return false;
      }, 10000);
    };
    EXPECT_TRUE(reach(points.front() + wxPoint(1, 0))) << "the pointer is over the picture";
    XTestFakeButtonEvent(XDisplayOfToolkit(), 1, True, 0);
    for (const wxPoint& p : points) EXPECT_TRUE(reach(p)) << p.x << "," << p.y;
    XTestFakeButtonEvent(XDisplayOfToolkit(), 1, False, 0);
    SyncX();
    EXPECT_TRUE(PumpUntil([&] { return !cube().Busy && U8(form->StatusText()) == "Готово!"; }, 20000));
  }
  wxPoint seen_{-1000, -1000};  // where the picture last saw the pointer
};
}  // namespace

TEST_F(HiDpiTest, TheCubeFillsAndCentresWhatTheWindowShowsInDevicePixels) {
  ASSERT_NO_FATAL_FAILURE(StartStill());
  const double scale = canvas().GetContentScaleFactor();
  if (const char* asked = std::getenv("GDK_SCALE")) {
    ASSERT_EQ(scale, std::atof(asked)) << "the run is at its scale";
  }
  const wxSize device = Device();
  EXPECT_EQ(device, wxSize(canvas().GetClientSize().x * scale, canvas().GetClientSize().y * scale));
  EXPECT_EQ(form->DrawWindow->ClientHeight(), device.y) << "the pick's rows";
  gl().DrawFrame();
  glFinish();
  SyncX();
  const ScreenPixels shown = ReadScreen(canvas());
  ASSERT_EQ(wxSize(shown.Width, shown.Height), device);
  int left = device.x, right = -1, top = device.y, bottom = -1;  // of what is not background
  for (int y = 0; y < device.y; ++y) {
    for (int x = 0; x < device.x; ++x) {
      const unsigned long pixel = shown.At(x, y);
      if (std::max({pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF}) < 40) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  // From the start view the front face's edges are the cube's outline.
  const wxPoint corner = FrontFace(-2.4, 2.4), opposite = FrontFace(2.4, -2.4);
  const double tolerance = 3 + 0.02 * (opposite.x - corner.x);
  EXPECT_NEAR(left, corner.x, tolerance);
  EXPECT_NEAR(right, opposite.x, tolerance);
  EXPECT_NEAR(top, corner.y, tolerance);
  EXPECT_NEAR(bottom, opposite.y, tolerance);
  EXPECT_NEAR(left + right, device.x, 3) << "centred";
  EXPECT_NEAR(top + bottom, device.y, 3) << "centred";
}

TEST_F(HiDpiTest, ARealDragTurnsTheLayerUnderThePointerAndNoneOverTheBackground) {
  ASSERT_NO_FATAL_FAILURE(StartStill());
  std::vector<wxPoint> below, topRow;
  for (int i = 0; i <= 10; ++i) {
    below.push_back(FrontFace(-1.6 + 0.32 * i, -3.4));  // only background there
    topRow.push_back(FrontFace(0.16 * i, 1.6));          // the front face's top row
  }
  RealDrag(below);
  EXPECT_TRUE(IsSolved(cube())) << "a drag over the background turns nothing";
  RealDrag(topRow);
  const VEKVector& after = cube().Cubies[(1 * 3 + 2) * 3 + 2].Points[0];  // was (0, 1.6, 1.6)
  EXPECT_NEAR(after.X, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Y, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Z, 0.0f, 1e-4f);
}

TEST_F(HiDpiTest, TheClockAndTheCounterFollowTheTextScaleAndNeverClip) {
  GdkScreen* screen = gdk_screen_get_default();
  const double before = gdk_screen_get_resolution(screen);
  for (const auto& [dpi, clockPixels] : {std::pair{96.0, 19}, {144.0, 29}, {192.0, 38}}) {
    gdk_screen_set_resolution(screen, dpi);
    Start();
    EXPECT_EQ(form->TimerLabel->GetFont().GetPixelSize().y, clockPixels) << dpi;
    // Beyond what a saved game holds the figures stay at its bounds.
    form->TimerPanel->ShowFigures(static_cast<int32_t>(kMaxGameSeconds) + 3600, kMaxGameMoves + 7);
    EXPECT_EQ(U8(form->TimerText()), FormatGameClock(static_cast<int32_t>(kMaxGameSeconds)));
    EXPECT_EQ(U8(form->MovesText()), "Ходов: " + std::to_string(kMaxGameMoves));
    for (ClockCaption* label : {form->TimerLabel, form->MovesLabel}) {
      for (const wxChar digit : {'0', '4', '8'}) {
        wxString text = label->GetLabel();
        for (wxString::iterator c = text.begin(); c != text.end(); ++c) *c = wxIsdigit(*c) ? digit : wxChar(*c);
        const wxSize extent = label->GetTextExtent(text), field = label->GetClientSize();
        EXPECT_TRUE(extent.x <= field.x && extent.y <= field.y) << U8(text) << " at " << dpi;
      }
    }
    form->FormDestroy();
    form->Destroy();
    form = nullptr;
  }
  gdk_screen_set_resolution(screen, before);
}

// A still picture is drawn once, a pass a tick: ticks of the frame timer draw
// only when something in the picture changed or the window lost it. The test owns the
// frame clock: the real timer's ticks do nothing, and ticks are run by hand,
// so that every count is exact however busy the machine is.
#include <GL/gl.h>
#include <wx/frame.h>

#include <functional>
#include <utility>

#include "GuiHelpers.h"
#include "app/toolkit/Toolkit.h"

namespace {

class StillPictureTest : public MainFormTest {
 protected:
  // A game in progress (nothing moves by itself then), settled: the ticks
  // after the scramble have drawn the full-quality frame.
  void StartStillGame() {
    Start({"RotateSpeed=90", "ShuffleRotateCount=2", "DrawQuality=4", "TimeoutRotate=0"});
    OwnTheFrameClock();
    form->N4Click();
    EXPECT_TRUE(PumpUntil([&] { return Tick() >= 0 && !form->Animating(); }, 60000));  // the turns, ticked by hand
    Tick(4);
    ASSERT_EQ(Tick(), 0) << "settled";
  }
  void OwnTheFrameClock() {
    form->DrawTimer.OnTimer = [] {};
  }
  // Lets the toolkit deliver what the window does (a resize, an expose)
  // until a tick run by hand draws; false when none does.
  bool PumpUntilATickDraws() {
    const uint64_t before = gl().FramesDrawn;
    return PumpUntil([&] { return gl().FramesDrawn > before || Tick() == 1; }, 5000);
  }
  // Runs frame-timer ticks; returns the frames they drew.
  int Tick(int ticks = 1) {
    const uint64_t before = gl().FramesDrawn;
    for (int i = 0; i < ticks; ++i) form->DrawTimerTimer();
    return static_cast<int>(gl().FramesDrawn - before);
  }
  // The next ticks draw the picture once, one pass each, and the ones after
  // them nothing.
  ::testing::AssertionResult DrawsOnce(const char* what) {
    const int passes = gl().Passes;
    const int drawn = Tick(passes);
    const int after = Tick(5);
    if (drawn == passes && after == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << ": the next " << passes << " ticks drew "
                                         << drawn << ", the five after them " << after;
  }
};

}  // namespace

TEST_F(StillPictureTest, AStillGameDrawsNothingTickAfterTick) {
  StartStillGame();
  EXPECT_EQ(Tick(200), 0);
  EXPECT_TRUE(form->GameTimer.Enabled());
  // Nor does its frame timer wake the process until something may change.
  EXPECT_FALSE(form->DrawTimer.Enabled());
  const std::pair<const char*, std::function<void()>> wakers[] = {
      {"mouse", [&] { form->DrawPanelMouseMove(0, 12, 12); }},
      {"key", [&] { form->FormKeyDown(37, 0); }},
      {"clock", [&] { form->GameTimerTimer(); }},
      {"idle countdown", [&] { form->FRTimerTimer(); }},
      {"expose and resize", [&] { form->DrawPanelResize(); }},
  };
  for (const auto& [what, wake] : wakers) {
    Tick(16);
    ASSERT_FALSE(form->DrawTimer.Enabled()) << what;
    wake();
    EXPECT_TRUE(form->DrawTimer.Enabled()) << what;
  }
}

TEST_F(StillPictureTest, EveryChangeOfThePictureMakesTheNextTickDraw) {
  StartStillGame();
  form->DrawPanelMouseMove(ssRight, 40, 10);  // right-button orbit
  form->DrawPanelMouseMove(ssRight, 50, 14);
  EXPECT_TRUE(DrawsOnce("orbit"));
  form->FormMouseWheelUp(0);
  EXPECT_TRUE(DrawsOnce("zoom"));
  form->FormKeyDown(37, ssCtrl);  // Ctrl+Left orbits too
  EXPECT_TRUE(DrawsOnce("key orbit"));
  gl().SetClearColor(VEKColor::FromColorRef(0x203040));
  EXPECT_TRUE(DrawsOnce("background"));
  cube().BodyColor = VEKColor::FromColorRef(0x00FFFF);
  cube().ApplyBodyColor();
  EXPECT_TRUE(DrawsOnce("body colour"));
  form->DrawPanelMouseDown();  // one pass while the button is held
  EXPECT_EQ(gl().Passes, 1);
  EXPECT_TRUE(DrawsOnce("button down"));
  form->DrawPanelMouseUp();  // and the full quality at button-up
  EXPECT_TRUE(DrawsOnce("button up"));
  gl().InvalidatePicture();
  EXPECT_TRUE(DrawsOnce("expose"));
}

TEST_F(StillPictureTest, AResizeIsDrawnOnceAtItsNewSize) {
  StartStillGame();
  wxWindow* canvas = form->DrawWindow->Canvas();
  const wxSize before = canvas->GetClientSize();
  form->SetSize(form->GetSize() + wxSize(60, 40));
  // What the toolkit delivers for the resize, a tick by hand after each
  // batch, until the new size is settled; the viewport of every pass drawn.
  std::vector<int> drawnAtSide;
  for (int i = 0; i < 2000; ++i) {
    Pump(5);
    const int drawn = Tick();
    if (drawn == 0 && canvas->GetClientSize() != before) break;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (drawn == 1) drawnAtSide.push_back(viewport[2]);
  }
  const wxSize after = canvas->GetClientSize();
  ASSERT_NE(after, before);
  EXPECT_EQ(drawnAtSide, std::vector<int>(gl().Passes, std::min(after.x, after.y)))
      << "one picture, every pass at the new size";
}

TEST_F(StillPictureTest, CommandsThatChangeTheCubeDraw) {
  StartStillGame();
  form->DrawPanelMouseMove(0, 10, 10);  // the idle hold: no free rotation after Stop
  form->N5Click();                      // Stop: the solved cube again
  EXPECT_TRUE(DrawsOnce("stop"));
  const std::string path = Path("still.cube");
  ASSERT_TRUE(cube().SaveToFile(path));
  form->N4Click();
  EXPECT_TRUE(PumpUntil([&] { return Tick() >= 0 && !form->Animating(); }, 60000));  // the turns, ticked by hand
  Tick(4);
  ASSERT_EQ(Tick(), 0);
  chooser.path = path;
  form->N7Click();  // Open: the solved cube saved above
  EXPECT_TRUE(DrawsOnce("open"));
}

TEST_F(StillPictureTest, FreeRotationDrawsEveryTickUnlessTheWindowIsCovered) {
  Start({"TimeoutRotate=1000"});
  OwnTheFrameClock();
  EXPECT_EQ(Tick(20), 20);
  wxWindow& canvas = *form->DrawWindow->Canvas();
  auto* cover = new wxFrame(nullptr, wxID_ANY, "cover", form->GetScreenPosition() - wxPoint(20, 20),
                            form->GetSize() + wxSize(40, 40), wxFRAME_NO_TASKBAR | wxBORDER_NONE);
  cover->Show();
  ASSERT_TRUE(PumpUntil([&] { return !WindowCanBeSeen(canvas); }, 5000)) << "never covered";
  EXPECT_EQ(Tick(20), 0);
  cover->Destroy();
  ASSERT_TRUE(PumpUntil([&] { return WindowCanBeSeen(canvas); }, 5000)) << "never uncovered";
  EXPECT_EQ(Tick(20), 20);
}

TEST_F(StillPictureTest, AWindowClosedOverThePictureMakesItDrawAgain) {
  StartStillGame();
  // A window over the canvas, then gone: the canvas is exposed.
  auto* cover = new wxFrame(nullptr, wxID_ANY, "cover", form->GetScreenPosition(), form->GetSize(),
                            wxFRAME_NO_TASKBAR | wxBORDER_NONE);
  cover->Show();
  Pump(100);
  Tick(3);
  cover->Destroy();
  // The exposed picture is drawn again, once.
  ASSERT_TRUE(PumpUntilATickDraws()) << "not drawn again";
  Tick(gl().Passes);  // the passes the pumping left
  EXPECT_EQ(Tick(5), 0);
}

// The main window in-process: start-up, settings, frame loop and input.
#include <wx/display.h>

#include <cmath>

#include "GuiHelpers.h"

namespace {
double EyeDistance(const VEKGL& gl) {
  const VEKVector& e = gl.Camera.Eye;
  return std::sqrt(e.X * e.X + e.Y * e.Y + e.Z * e.Z);
}
bool SameEye(const VEKVector& a, const VEKVector& b) { return a.X == b.X && a.Y == b.Y && a.Z == b.Z; }
}  // namespace

TEST_F(MainFormTest, StartUpWithoutASettingsFile) {
  Start();
  EXPECT_EQ(form->GetTitle(), "Tessaro 3D 1.01");
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Готово!"));
  EXPECT_TRUE(form->DrawTimer.Enabled());
  EXPECT_FALSE(form->GameTimer.Enabled());
  EXPECT_FALSE(form->FRTimer.Enabled());
  EXPECT_EQ(form->DrawTimer.Interval(), 10);
  EXPECT_EQ(form->GameTimer.Interval(), 1000);
  EXPECT_EQ(form->FRTimer.Interval(), 10000);
  EXPECT_EQ(cube().BodyColor.ToColorRef(), 0xF0FBFFu);
  EXPECT_EQ(cube().Cubies[0].BodyColor.ToColorRef(), 0xF0FBFFu);  // built after reading it
  EXPECT_EQ(gl().ClearColor.ToColorRef(), 0u);
  EXPECT_EQ(gl().DrawQuality, 1);
  EXPECT_EQ(cube().RotateSpeed, 5);
  EXPECT_EQ(cube().ShuffleRotateCount, 30);
  EXPECT_TRUE(cube().ShowShuffle);
  EXPECT_FALSE(cube().RotateAntiAlias);
  EXPECT_EQ(form->CubeSize, 3);
  EXPECT_EQ(cube().Size, 3);
  EXPECT_TRUE(gl().Attached());
  for (int32_t phase : {form->RotatePhaseX, form->RotatePhaseY, form->RotatePhaseZ}) {
    EXPECT_GE(phase, 1);
    EXPECT_LE(phase, 360);
  }
  // Textures were uploaded on the live context: faces name real textures.
  EXPECT_NE(cube().Cubies[2].FaceTexture[0], 0u);
  EXPECT_FALSE(form->TimerPanel->IsShown());
}

TEST_F(MainFormTest, SettingsAreReadAndWrittenBackInOrder) {
  Start({"; my own comment", "SpaceColor=0x00483535", "BGColor=255", "DrawQuality=0x10",
         "RotateSpeed=9", "ShuffleRotateCount=12", "RotateAntiAlias=7", "TimeoutRotate=abc",
         "CubeSize=4", "ShowShuffle=0", "Unknown=kept"});
  EXPECT_EQ(cube().BodyColor.Red, 0x35);
  EXPECT_EQ(cube().BodyColor.Blue, 0x48);
  EXPECT_EQ(gl().ClearColor.Red, 255);
  EXPECT_EQ(gl().DrawQuality, 16);
  EXPECT_EQ(cube().RotateSpeed, 9);
  EXPECT_EQ(cube().ShuffleRotateCount, 12);
  EXPECT_FALSE(cube().ShowShuffle);
  EXPECT_TRUE(cube().RotateAntiAlias);
  EXPECT_EQ(form->FRTimer.Interval(), 10000);
  EXPECT_EQ(form->CubeSize, 4);
  EXPECT_EQ(cube().Size, 4);
  form->FormDestroy();
  const std::string written = ReadFile(SettingsPath());
  EXPECT_NE(written.find("; my own comment"), std::string::npos);
  EXPECT_NE(written.find("Unknown=kept"), std::string::npos);
  // Keys already in the file keep their lines; the values are the live ones.
  for (const char* line : {"SpaceColor=0x00483535\n", "BGColor=clRed\n", "DrawQuality=16\n",
                           "RotateAntiAlias=1\n", "RotateSpeed=9\n", "ShuffleRotateCount=12\n",
                           "CubeSize=4\n", "TimeoutRotate=10000\n", "ShowShuffle=0\n"}) {
    EXPECT_NE(written.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(written.find("abc"), std::string::npos);
}

TEST_F(MainFormTest, FirstRunWritesTheTenKeysAndWhereTheWindowWas) {
  Start();
  EXPECT_EQ(form->GetClientSize(), wxSize(478, 399));
  form->FormDestroy();
  const std::string written = ReadFile(SettingsPath());
  const std::string ten =
      "[Settings]\nSpaceColor=clCream\nBGColor=clBlack\nDrawQuality=1\nRotateAntiAlias=0\n"
      "RotateSpeed=5\nShuffleRotateCount=30\nShowShuffle=1\nCubeSize=3\nTimeoutRotate=10000\nLanguage=ru\n";
  EXPECT_EQ(written.substr(0, ten.size() + 11), ten + "WindowLeft=") << written;
  EXPECT_NE(written.find("\nWindowWidth=478\nWindowHeight=399\nWindowMaximized=0\n"), std::string::npos) << written;
}

TEST_F(MainFormTest, TheWindowOpensWhereItWasLeftAndItsNewPlaceIsKept) {
  Start({"WindowLeft=40", "WindowTop=30", "WindowWidth=700", "WindowHeight=520", "WindowMaximized=0"});
  EXPECT_TRUE(PumpUntil([&] { return form->GetClientSize() == wxSize(700, 520); }, 10000));
  EXPECT_EQ(form->GetPosition(), wxPoint(40, 30));
  form->SetClientSize(620, 450);
  form->Move(90, 70);
  EXPECT_TRUE(PumpUntil([&] { return form->GetClientSize() == wxSize(620, 450) && form->GetPosition() == wxPoint(90, 70); }, 10000));
  form->FormDestroy();
  const std::string written = ReadFile(SettingsPath());
  EXPECT_NE(written.find("WindowLeft=90\nWindowTop=70\nWindowWidth=620\nWindowHeight=450\nWindowMaximized=0\n"),
            std::string::npos)
      << written;
}

TEST_F(MainFormTest, AWindowLeftOffEveryScreenOpensCentredOnOne) {
  Start({"WindowLeft=9000", "WindowTop=-5000", "WindowWidth=640", "WindowHeight=480"});
  const wxRect screen = wxDisplay(0u).GetClientArea();
  EXPECT_TRUE(PumpUntil([&] { return form->GetClientSize() == wxSize(640, 480); }, 10000));
  EXPECT_TRUE(screen.Contains(form->GetScreenRect())) << form->GetPosition().x << "," << form->GetPosition().y;
}

TEST_F(MainFormTest, AnUnwritableSettingsFileIsReportedAndTheGameStillEnds) {
  // A missing folder is made at exit; a file where the folder should be cannot be.
  std::ofstream((folder / "not-a-folder").string()) << "x";
  settingsPath = (folder / "not-a-folder" / "tessaro3d.ini").string();
  Start();
  form->FormDestroy();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Не удалось записать файл настроек (на месте папки файл):\n" + settingsPath);
  EXPECT_FALSE(gl().Attached());  // shutdown went on
  form->FormDestroy();            // and happens once
  EXPECT_EQ(errors.size(), 1u);
}

// A file the game cannot read is said at start, and never written over.
TEST_F(MainFormTest, ASettingsFileThatCannotBeReadIsSaidAtStartAndLeftAsItIs) {
  std::filesystem::create_directories(folder / "tessaro3d.ini" / "inside");  // a folder in its place
  Start();
  EXPECT_EQ(statuses, std::vector<std::string>{"Файл настроек не прочитан (на его месте папка): настройки по "
                                               "умолчанию, файл не изменится"});
  EXPECT_FALSE(form->WriteSettingsFile());  // as when a record is set
  form->FormDestroy();
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(std::filesystem::is_directory(folder / "tessaro3d.ini" / "inside"));
}

TEST_F(MainFormTest, FreeRotationOnlyWhileNeitherGameNorCountdownRuns) {
  Start({"TimeoutRotate=100000"});
  const VEKVector start = gl().Camera.Eye;
  ASSERT_TRUE(PumpUntil([&] { return !SameEye(gl().Camera.Eye, start); }, 5000));
  // A mouse movement over the panel holds it off.
  form->DrawPanelMouseMove(0, 10, 10);
  EXPECT_TRUE(form->FRTimer.Enabled());
  Pump(30);
  const VEKVector held = gl().Camera.Eye;
  Pump(150);
  EXPECT_TRUE(SameEye(gl().Camera.Eye, held));
  // While a game runs, whatever the countdown does.
  form->FRTimerTimer();
  form->GameTimer.SetEnabled(true);
  Pump(30);
  const VEKVector playing = gl().Camera.Eye;
  Pump(150);
  EXPECT_TRUE(SameEye(gl().Camera.Eye, playing));
}

TEST_F(MainFormTest, MovingTheMouseStartsTheCountdownOnceAndDoesNotProlongIt) {
  Start({"TimeoutRotate=150"});
  // Keep moving for far longer than the idle time: the countdown still runs
  // out, which it never would if every movement restarted it.
  bool expired = false;
  form->DrawPanelMouseMove(0, 5, 5);
  for (int i = 0; i < 120 && !expired; ++i) {
    Pump(25);
    expired = !form->FRTimer.Enabled();
    form->DrawPanelMouseMove(0, 5 + i % 7, 5);
  }
  EXPECT_TRUE(expired);
}

TEST_F(MainFormTest, MouseButtonsShowTheirStatusAndLowerThePasses) {
  Start({"DrawQuality=4"});
  form->DrawPanelMouseDown();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Вращаю..."));
  EXPECT_EQ(gl().Passes, 1);
  cube().Busy = true;
  form->DrawPanelMouseUp();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Готово!"));
  EXPECT_EQ(gl().Passes, 4);
  EXPECT_FALSE(cube().Busy);
  // Antialiasing while moving keeps the passes.
  cube().RotateAntiAlias = true;
  form->DrawPanelMouseDown();
  EXPECT_EQ(gl().Passes, 4);
}

TEST_F(MainFormTest, WheelNotchesZoomAndWithCtrlOrbit) {
  Start({"TimeoutRotate=100000"});
  form->DrawPanelMouseMove(0, 1, 1);  // no free rotation from here on
  Pump(30);
  const double distance = EyeDistance(gl());
  form->FormMouseWheel(-60, 120, 0);  // half a notch: nothing yet
  EXPECT_NEAR(EyeDistance(gl()), distance, 1e-5);
  form->FormMouseWheel(-60, 120, 0);  // the remainder makes a whole notch towards the user
  EXPECT_NEAR(EyeDistance(gl()), distance * 1.01, 1e-3);
  form->FormMouseWheel(240, 120, 0);  // two notches away
  EXPECT_NEAR(EyeDistance(gl()), distance / 1.01, 1e-3);
  const VEKVector before = gl().Camera.Eye;
  form->FormMouseWheel(120, 120, ssCtrl);
  form->FormMouseWheel(120, 120, ssCtrl);
  EXPECT_FALSE(SameEye(gl().Camera.Eye, before));
  EXPECT_NEAR(EyeDistance(gl()), distance / 1.01, 1e-3);  // orbiting keeps the distance
  // Keys go the same way.
  form->FormKeyDown(40, 0);
  EXPECT_NEAR(EyeDistance(gl()), distance, 1e-3);
}

TEST_F(MainFormTest, ADragOverThePanelTurnsALayer) {
  Start({"RotateSpeed=45", "TimeoutRotate=100000"});
  form->DrawPanelMouseMove(0, 1, 1);
  Pump(30);
  // Back to the start view so that screen positions are known.
  gl().Camera = VEKCamera();
  gl().Camera.LoadView();
  const wxSize size = form->DrawPanel->GetClientSize();
  const int side = std::min(size.GetWidth(), size.GetHeight());
  const double x0 = (size.GetWidth() - side) / 2.0, y0 = (size.GetHeight() - side) / 2.0;
  // The +Z face seen from z = 20 with a 30 degree field: a point (x, y, 2.4)
  // lands at the centre plus x / (17.6 tan 15) half-sides.
  auto screen = [&](float x, float y) {
    const double scale = side / 2.0 / (17.6 * std::tan(15 * kDegree));
    return wxPoint(static_cast<int>(x0 + side / 2.0 + x * scale), static_cast<int>(y0 + side / 2.0 - y * scale));
  };
  const VEKVector before = cube().Cubies[(1 * 3 + 2) * 3 + 2].Points[0];  // (0, 1.6, 1.6)
  form->DrawPanelMouseDown();
  for (int i = 0; i <= 10; ++i) {
    const wxPoint p = screen(1.6f * i / 10, 1.6f);
    form->DrawPanelMouseMove(ssLeft, p.x, p.y);
  }
  form->DrawPanelMouseUp();
  EXPECT_TRUE(Played());
  const VEKVector& after = cube().Cubies[(1 * 3 + 2) * 3 + 2].Points[0];
  EXPECT_NEAR(before.X, 0.0f, 1e-6f);
  EXPECT_NEAR(after.X, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Y, 1.6f, 1e-4f);
  EXPECT_NEAR(after.Z, 0.0f, 1e-4f);
}

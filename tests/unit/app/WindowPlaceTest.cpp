// The window's place in the settings, and where it opens on the screens of today.
#include <gtest/gtest.h>

#include "app/settings/SettingsFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {

WindowPlace ReadFrom(const std::string& keys) {
  TempDir dir;
  const std::string path = dir.File("tessaro3d.ini");
  WriteBytes(path, "[Settings]\n" + keys);
  return ReadSettings(IniFile(path)).Window;
}

TEST(WindowPlaceTest, KnownOnlyWithAllFourFiguresAndAUsableSize) {
  struct Case {
    const char* keys;
    bool known;
  } cases[] = {
      {"", false},
      {"WindowLeft=10\nWindowTop=20\nWindowWidth=600\nWindowHeight=500\n", true},
      {"WindowLeft=-1200\nWindowTop=0\nWindowWidth=600\nWindowHeight=500\nWindowMaximized=1\n", true},
      {"WindowTop=20\nWindowWidth=600\nWindowHeight=500\n", false},
      {"WindowLeft=10\nWindowTop=20\nWindowWidth=600\n", false},
      {"WindowLeft=x\nWindowTop=20\nWindowWidth=600\nWindowHeight=500\n", false},
      {"WindowLeft=10\nWindowTop=20\nWindowWidth=0\nWindowHeight=500\n", false},
      {"WindowLeft=10\nWindowTop=20\nWindowWidth=600\nWindowHeight=-5\n", false},
      {"WindowLeft=10\nWindowTop=20\nWindowWidth=99999\nWindowHeight=500\n", false},
      {"WindowLeft=99999999\nWindowTop=20\nWindowWidth=600\nWindowHeight=500\n", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFrom(c.keys).Known, c.known) << c.keys;
  const WindowPlace read = ReadFrom("WindowLeft=-1200\nWindowTop=7\nWindowWidth=640\nWindowHeight=480\nWindowMaximized=1\n");
  EXPECT_EQ(read.Left, -1200);
  EXPECT_EQ(read.Top, 7);
  EXPECT_EQ(read.Width, 640);
  EXPECT_EQ(read.Height, 480);
  EXPECT_TRUE(read.Maximized);
}

TEST(WindowPlaceTest, WrittenAfterTheOtherKeysOnlyWhenKnown) {
  TempDir dir;
  IniFile ini(dir.File("tessaro3d.ini"));
  GameSettings settings;
  ASSERT_TRUE(WriteSettings(ini, settings));
  EXPECT_EQ(ReadBytes(ini.Path()).find("Window"), std::string::npos);

  settings.Window = {true, -30, 40, 700, 560, true};
  ASSERT_TRUE(WriteSettings(ini, settings));
  const std::string bytes = ReadBytes(ini.Path());
  EXPECT_NE(bytes.find("TimeoutRotate=10000\nLanguage=ru\nWindowLeft=-30\nWindowTop=40\nWindowWidth=700\nWindowHeight=560\n"
                      "WindowMaximized=1\n"),
            std::string::npos)
      << bytes;
  const WindowPlace back = ReadSettings(IniFile(ini.Path())).Window;
  EXPECT_TRUE(back.Known && back.Maximized);
  EXPECT_EQ(back.Left, -30);
  EXPECT_EQ(back.Height, 560);
}

TEST(WindowPlaceTest, OpensWhereItWasIfItsTitleBarCanBeReachedElseCentredOnThePrimaryScreen) {
  const ScreenRect frame{0, 0, 2, 30};  // borders and title bar
  const std::vector<ScreenRect> two{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  const std::vector<ScreenRect> small{{0, 0, 1024, 600}};
  struct Case {
    const char* what;
    std::vector<ScreenRect> screens;
    WindowPlace saved, expected;
  } cases[] = {
      {"on the first screen", two, {true, 100, 50, 640, 480, false}, {true, 100, 50, 640, 480, false}},
      {"on the second screen", two, {true, 2000, 100, 640, 480, true}, {true, 2000, 100, 640, 480, true}},
      {"half off the right edge", two, {true, 2900, 100, 640, 480, false}, {true, 2900, 100, 640, 480, false}},
      {"the second screen gone", {two[0]}, {true, 2000, 100, 640, 480, false}, {true, 639, 285, 640, 480, false}},
      {"above every screen", two, {true, 100, -200, 640, 480, false}, {true, 639, 285, 640, 480, false}},
      {"title bar under the top edge", two, {true, 100, -10, 640, 480, false}, {true, 100, -10, 640, 480, false}},
      {"bigger than a small screen", small, {true, 0, 0, 1800, 1000, false}, {true, 0, 0, 1022, 570, false}},
      {"big and off a small screen", small, {true, 3000, 0, 1800, 1000, false}, {true, 0, 0, 1022, 570, false}},
      {"unknown stays unknown", two, {false, 0, 0, 0, 0, false}, {false, 0, 0, 0, 0, false}},
  };
  for (const Case& c : cases) {
    const WindowPlace got = FitOnScreens(c.saved, c.screens, frame);
    EXPECT_EQ(got.Known, c.expected.Known) << c.what;
    EXPECT_EQ(got.Left, c.expected.Left) << c.what;
    EXPECT_EQ(got.Top, c.expected.Top) << c.what;
    EXPECT_EQ(got.Width, c.expected.Width) << c.what;
    EXPECT_EQ(got.Height, c.expected.Height) << c.what;
    EXPECT_EQ(got.Maximized, c.expected.Maximized) << c.what;
  }
}

}  // namespace

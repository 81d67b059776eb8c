// The menu's shortcuts and the full screen, pressed on the real keyboard:
// each key runs its command, a greyed command does not run, a key pressed
// while a layer turns is dropped, and Escape leaves the full screen.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "app/window/CommandIds.h"

namespace {
double EyeDistance(const VEKGL& gl) {
  const VEKVector& e = gl.Camera.Eye;
  return std::sqrt(e.X * e.X + e.Y * e.Y + e.Z * e.Z);
}

ino_t Inode(const std::string& path) {
  struct stat s {};
  return ::stat(path.c_str(), &s) == 0 ? s.st_ino : 0;
}

// Keys held down in order and let go in reverse.
void Chord(const std::vector<KeySym>& keys) {
  Display* d = XDisplayOfToolkit();
  for (KeySym k : keys) XTestFakeKeyEvent(d, XKeysymToKeycode(d, k), True, 0);
  for (auto k = keys.rbegin(); k != keys.rend(); ++k) {
    XTestFakeKeyEvent(d, XKeysymToKeycode(d, *k), False, 0);
  }
  SyncX();
}

struct Shortcut {
  int id;  // the menu item
  int flags, key;
  std::vector<KeySym> chord;
  std::function<bool()> ran;
};

class ShortcutsTest : public MainFormTest {
 protected:
  // A game saved to its own file, the window raised with the pointer over
  // the picture and free rotation held off.
  void StartGame() {
    Start({"RotateSpeed=90", "ShuffleRotateCount=2", "TimeoutRotate=1000000"});
    form->Raise();
    form->N4Click();
    EXPECT_TRUE(Played());
    ASSERT_TRUE(form->CurrentGame().SaveTo(Path("game.cube"), true));
    savedInode = Inode(Path("game.cube"));
    chooser.path = Path("other.cube");
    std::ofstream(Path("readme.htm")) << "<html></html>";
    int step = 0;
    ASSERT_TRUE(PumpUntil(
        [&] {
          PointerTo(*form->DrawWindow->Canvas(), wxPoint(40 + ++step % 2, 40));
          return form->FRTimer.Enabled();
        },
        5000))
        << "the pointer is over the picture";
    statuses.clear();
  }
  int Scrambles() const {
    return static_cast<int>(std::count(statuses.begin(), statuses.end(), "Перемешиваю..."));
  }

  bool SavedInPlace() const { return Inode(Path("game.cube")) != savedInode && chooser.saves == 0; }
  std::vector<Shortcut> Shortcuts() {
    const int ctrl = wxACCEL_CTRL, shift = wxACCEL_SHIFT, none = wxACCEL_NORMAL;
    const KeySym c = XK_Control_L;
    return {
        {kN8, ctrl, 'S', {c, XK_s}, [this] { return SavedInPlace(); }},
        {kN9, ctrl | shift, 'S', {c, XK_Shift_L, XK_s}, [this] { return chooser.saves == 1; }},
        {kN7, ctrl, 'O', {c, XK_o}, [this] { return chooser.opens == 1; }},
        {kN16, none, WXK_F1, {XK_F1}, [this] { return shell.documents.size() == 1; }},
        {kN4, ctrl, 'N', {c, XK_n}, [this] { return Scrambles() == 1; }},
        {kFullScreen, none, WXK_F11, {XK_F11}, [this] { return form->IsFullScreen(); }},
    };
  }

  // Keys are taken in the order pressed: once Down has zoomed out, every
  // key pressed before it has been handled.
  void PressMarkerAndWait() {
    const double before = EyeDistance(gl());
    PressKey(XK_Down);
    ASSERT_TRUE(PumpUntil([&] { return std::fabs(EyeDistance(gl()) - before) > 1e-4; }, 5000));
  }

  ino_t savedInode = 0;
};
}  // namespace

TEST_F(ShortcutsTest, EachShortcutIsShownOnItsItemAndRunsItsCommandUnlessGreyed) {
  StartGame();
  const std::vector<Shortcut> shortcuts = Shortcuts();
  form->Bars->EnableAllButStopAndExit(false);
  for (const Shortcut& s : shortcuts) Chord(s.chord);
  PressMarkerAndWait();
  for (const Shortcut& s : shortcuts) {
    EXPECT_FALSE(s.ran()) << "greyed: " << form->Bars->MainMenu->GetLabel(s.id).utf8_string();
  }
  form->Bars->EnableAllButStopAndExit(true);
  for (const Shortcut& s : shortcuts) {
    const wxMenuItem* item = form->Bars->MainMenu->FindItem(s.id);
    ASSERT_NE(item, nullptr);
    SCOPED_TRACE(item->GetItemLabelText().utf8_string());
    const std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
    ASSERT_TRUE(accel);
    EXPECT_EQ(accel->GetFlags(), s.flags);
    EXPECT_EQ(accel->GetKeyCode(), s.key);
    Chord(s.chord);
    EXPECT_TRUE(PumpUntil(s.ran, 5000));
    EXPECT_TRUE(Played());  // a new game's scramble greys the other commands while it plays
  }
  // The bars are hidden in full screen; the shortcuts still act, and
  // Escape brings the window back with its bars.
  EXPECT_TRUE(form->Bars->FullScreenItem->IsChecked());
  EXPECT_FALSE(form->GetMenuBar()->IsShown());
  EXPECT_FALSE(form->StatusBar->IsShown());
  Chord({XK_Control_L, XK_o});
  EXPECT_TRUE(PumpUntil([&] { return chooser.opens == 2; }, 5000));
  PressKey(XK_Escape);
  ASSERT_TRUE(PumpUntil([&] { return !form->IsFullScreen(); }, 5000));
  EXPECT_FALSE(form->Bars->FullScreenItem->IsChecked());
  EXPECT_TRUE(form->GetMenuBar()->IsShown());
  EXPECT_TRUE(form->StatusBar->IsShown());
  PressKey(XK_Escape);  // not full screen: nothing happens
  PressMarkerAndWait();
  EXPECT_FALSE(form->IsFullScreen());
}

TEST_F(ShortcutsTest, ANewGamePressedWhileALayerTurnsAsksAndTheTurnEndsOnItsQuarter) {
  StartGame();
  // Two turns to take back, the first shown slowly.
  cube().History.Restore({VEKMove{0, 0, 1}, VEKMove{1, 0, 1}}, 0, 0);
  while (cube().Redo()) {
  }
  form->UpdateUndoRedo();
  cube().RotateSpeed = 3;
  answerYes = false;
  form->UndoClick();
  ASSERT_TRUE(form->Animating());
  // The shortcut acts while the layer turns: the game with moves in it asks first.
  Chord({XK_Control_L, XK_n});
  ASSERT_TRUE(PumpUntil([&] { return !questions.empty(); }, 5000));
  EXPECT_TRUE(Played());
  PressMarkerAndWait();
  EXPECT_EQ(Scrambles(), 0);
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(cube().MoveCount(), 1u);
  EXPECT_TRUE(form->GameRunning());
}

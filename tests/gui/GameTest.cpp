// The game in the window: the move counter, undo and redo (commands, greyed
// state, real keys), the solved moment and the records it keeps.
#include <cmath>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "puzzle/Random.h"

namespace {
std::string U8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

class GameTest : public MainFormTest {
 protected:
  void TearDown() override {
    vekrandom::FixClockSeed(std::nullopt);
    MainFormTest::TearDown();
  }
  // A drag along the top row of the 3x3x3's front face, seen from the start
  // view: one quarter turn of the top layer.
  void DragTopRow() {
    gl().Camera = VEKCamera();
    gl().Camera.LoadView();
    const wxSize size = form->DrawPanel->GetClientSize();
    const int side = std::min(size.GetWidth(), size.GetHeight());
    const double x0 = (size.GetWidth() - side) / 2.0, y0 = (size.GetHeight() - side) / 2.0;
    const double scale = side / 2.0 / (17.6 * std::tan(15 * kDegree));
    form->DrawPanelMouseDown();
    for (int i = 0; i <= 10; ++i) {
      const float x = 1.6f * i / 10, y = 1.6f;
      form->DrawPanelMouseMove(ssLeft, static_cast<int>(x0 + side / 2.0 + x * scale),
                               static_cast<int>(y0 + side / 2.0 - y * scale));
    }
    form->DrawPanelMouseUp();
    EXPECT_TRUE(Played());
  }
  std::string Moves() const { return U8(form->MovesText()); }
};
}  // namespace

TEST_F(GameTest, TheCounterCountsDragsUndosAndRedosButNotTheScramble) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=6", "TimeoutRotate=1000000"});
  EXPECT_TRUE(form->Bars->UndoDisabled());
  EXPECT_TRUE(form->Bars->RedoDisabled());
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_EQ(Moves(), "Ходов: 0");
  EXPECT_TRUE(form->Bars->UndoDisabled()) << "the scramble cannot be undone";
  form->UndoClick();
  EXPECT_TRUE(Played());
  EXPECT_FALSE(IsSolved(cube()));

  DragTopRow();
  EXPECT_EQ(Moves(), "Ходов: 1");
  EXPECT_TRUE(form->Bars->UndoEnabled());
  EXPECT_TRUE(form->Bars->RedoDisabled());
  DragTopRow();
  EXPECT_EQ(Moves(), "Ходов: 2");
  form->UndoClick();
  EXPECT_TRUE(Played());
  EXPECT_EQ(Moves(), "Ходов: 1");
  EXPECT_TRUE(form->Bars->RedoEnabled());
  form->RedoClick();
  EXPECT_TRUE(Played());
  EXPECT_EQ(Moves(), "Ходов: 2");
  EXPECT_TRUE(form->Bars->RedoDisabled());
  form->UndoClick();
  EXPECT_TRUE(Played());
  DragTopRow();  // a new turn drops the redo tail
  EXPECT_EQ(Moves(), "Ходов: 2");
  EXPECT_TRUE(form->Bars->RedoDisabled());

  // Nothing happens while a turn is animated.
  cube().Busy = true;
  form->UndoClick();
  EXPECT_TRUE(Played());
  cube().Busy = false;
  EXPECT_EQ(cube().MoveCount(), 2u);

  form->N5Click();  // Stop: back to nothing to count or undo
  EXPECT_EQ(Moves(), "Ходов: 0");
  EXPECT_TRUE(form->Bars->UndoDisabled());
  EXPECT_TRUE(form->Bars->RedoDisabled());
  form->N4Click();
  EXPECT_TRUE(Played());
  DragTopRow();
  form->N4Click();  // New game forgets the old game's turns
  EXPECT_TRUE(Played());
  EXPECT_EQ(Moves(), "Ходов: 0");
  EXPECT_TRUE(form->Bars->UndoDisabled());
}

TEST_F(GameTest, ControlZShiftZAndYUndoAndRedoThroughTheKeyboard) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=3", "TimeoutRotate=1000000"});
  form->Raise();
  // A fixed scramble that no turn of the top row solves: a random one may
  // be three turns of that row, which the first drag would solve.
  vekrandom::FixClockSeed(11);
  form->N4Click();
  EXPECT_TRUE(Played());
  DragTopRow();
  DragTopRow();
  ASSERT_EQ(cube().MoveCount(), 2u);
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(20, 20));
  Display* d = XDisplayOfToolkit();
  auto chord = [d](std::vector<KeySym> keys) {
    for (KeySym k : keys) XTestFakeKeyEvent(d, XKeysymToKeycode(d, k), True, 0);
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) XTestFakeKeyEvent(d, XKeysymToKeycode(d, *k), False, 0);
    SyncX();
  };
  chord({XK_Control_L, XK_z});
  ASSERT_TRUE(PumpUntil([&] { return cube().MoveCount() == 1; }, 3000)) << "Ctrl+Z";
  chord({XK_Control_L, XK_z});
  ASSERT_TRUE(PumpUntil([&] { return cube().MoveCount() == 0; }, 3000)) << "Ctrl+Z again";
  chord({XK_Control_L, XK_Shift_L, XK_z});
  ASSERT_TRUE(PumpUntil([&] { return cube().MoveCount() == 1; }, 3000)) << "Ctrl+Shift+Z";
  chord({XK_Control_L, XK_y});
  ASSERT_TRUE(PumpUntil([&] { return cube().MoveCount() == 2; }, 3000)) << "Ctrl+Y";
  EXPECT_EQ(Moves(), "Ходов: 2");
  EXPECT_TRUE(form->Bars->RedoDisabled());
  EXPECT_TRUE(form->GameRunning());
}

TEST_F(GameTest, UndoPressesDuringATurnWaitTheirTurnAndTheReleaseEndsTheDrag) {
  // A one-turn scramble: taking every turn back leaves the cube unsolved.
  Start({"RotateSpeed=3", "ShuffleRotateCount=1", "TimeoutRotate=1000000"});
  form->Raise();
  vekrandom::FixClockSeed(7);
  form->N4Click();
  EXPECT_TRUE(Played());
  std::vector<VEKMove> moves;
  for (int i = 0; i < 26; ++i) moves.push_back(VEKMove{static_cast<uint8_t>(i % 3), 0, 1});
  cube().History.Restore(moves, 0, 0);
  cube().RotateSpeed = 90;
  while (cube().Redo()) {
  }
  cube().RotateSpeed = 3;
  form->UpdateUndoRedo();
  ASSERT_EQ(cube().MoveCount(), 26u);
  // The button goes down on the picture and stays down while Ctrl+Z is
  // pressed 26 times and the button comes up: all of it queued before the
  // first undo is taken, so everything after it arrives during its turn.
  Display* d = XDisplayOfToolkit();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(8, 8));
  XTestFakeButtonEvent(d, 1, True, 0);
  SyncX();
  ASSERT_TRUE(PumpUntil([&] { return U8(form->StatusText()) == "Вращаю..."; }, 3000));
  const KeyCode ctrl = XKeysymToKeycode(d, XK_Control_L), z = XKeysymToKeycode(d, XK_z);
  XTestFakeKeyEvent(d, ctrl, True, 0);
  for (int i = 0; i < 26; ++i) {
    XTestFakeKeyEvent(d, z, True, 0);
    XTestFakeKeyEvent(d, z, False, 0);
    if (i == 0) XTestFakeButtonEvent(d, 1, False, 0);
  }
  XTestFakeKeyEvent(d, ctrl, False, 0);
  SyncX();
  EXPECT_TRUE(PumpUntil([&] { return cube().MoveCount() == 0 && !cube().Busy; }, 60000))
      << cube().MoveCount() << " turns left";
  EXPECT_FALSE(form->DrawWindow->Canvas()->HasCapture());
  EXPECT_EQ(U8(form->StatusText()), "Готово!");
  EXPECT_EQ(Moves(), "Ходов: 0");
}

TEST_F(GameTest, ASolveAfterAFullScrambleIsARecordKeptInTheSettingsFile) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=20", "DrawQuality=3", "TimeoutRotate=1000000"});
  form->CubeSize = 2;
  form->N4Click();
  EXPECT_TRUE(Played());
  // One move from solved: the cube is made solved under the game, one turn
  // is made on it directly and the window's Redo of its inverse solves it.
  cube().Build(2);
  const VEKMove there{0, 0, 1}, back{0, 0, -1};
  cube().History.Restore({there, back}, 0, 0);
  ASSERT_TRUE(cube().Redo());
  form->RedoClick();
  EXPECT_TRUE(Played());
  ASSERT_TRUE(cube().IsSolved());
  const std::string text = U8(form->StatusText());
  EXPECT_EQ(text, "Собрано! " + U8(form->TimerText()) + ", ходов: 2. Новый рекорд!");
  ASSERT_TRUE(form->Records.Best(2));
  const int32_t seconds = form->Records.Best(2)->Seconds;
  EXPECT_EQ(form->Records.Best(2)->Moves, 2);

  // In the file at once, not only at exit.
  const std::string ini = ReadFile(SettingsPath());
  EXPECT_NE(ini.find("[Records]\nBest2=" + std::to_string(seconds) + ",2\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("DrawQuality=3\n"), std::string::npos);
  EXPECT_NE(ini.find("ShuffleRotateCount=20\n"), std::string::npos);
  EXPECT_LT(ini.find("TimeoutRotate="), ini.find("[Records]")) << "the eight keys stay in their section";
  form->FormDestroy();
  form->Destroy();
  form = nullptr;
  Pump(20);

  // The next run reads it back; a slower solve is no new record.
  Start();
  ASSERT_TRUE(form->Records.Best(2));
  EXPECT_EQ(form->Records.Best(2)->Seconds, seconds);
  EXPECT_FALSE(form->Records.Offer(2, {seconds + 1, 1}));
}

TEST_F(GameTest, TheSolvingDragsReleaseKeepsTheSolvedText) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=0", "TimeoutRotate=1000000"});
  form->N4Click();  // a game that starts solved: any turn unsolves it
  EXPECT_TRUE(Played());
  DragTopRow();
  ASSERT_EQ(U8(form->StatusText()), "Готово!");
  ASSERT_TRUE(form->GameRunning());
  // Three more turns of the same layer bring it home; the last one solves.
  DragTopRow();
  DragTopRow();
  EXPECT_TRUE(form->GameRunning());
  DragTopRow();
  EXPECT_FALSE(form->GameRunning());
  EXPECT_EQ(U8(form->StatusText()).rfind("Собрано! ", 0), 0u) << U8(form->StatusText());
  EXPECT_NE(U8(form->StatusText()).find(", ходов: 4"), std::string::npos);
}

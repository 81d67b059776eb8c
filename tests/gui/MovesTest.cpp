// Layers turned by keyboard and by typed notation, a game started from a
// typed scramble, and the moves of a game shown in notation.
#include <X11/keysym.h>

#include <functional>
#include <utility>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/toolkit/Toolkit.h"
#include "texts/Texts.h"

namespace {

void PressWith(KeySym modifier, KeySym key) {
  Display* d = XDisplayOfToolkit();
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, modifier), True, 0);
  PressKey(key);
  XTestFakeKeyEvent(d, XKeysymToKeycode(d, modifier), False, 0);
  SyncX();
}

void PressShifted(KeySym key) { PressWith(XK_Shift_L, key); }

}  // namespace

TEST_F(MainFormTest, KeysAndTypedMovesTurnLayersAsThePlayersTurns) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=2", "TimeoutRotate=1000000", "CubeSize=4"});
  form->N4Click();
  EXPECT_TRUE(Played());
  const Game& game = form->CurrentGame();
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(40, 40));  // the keys go to the window under it
  form->DrawWindow->Canvas()->SetFocus();
  // r turns R; Shift+U turns U counter-clockwise; 2 then f turns the layer
  // behind F. Each waits for the turn before it: keys pressed during a turn
  // are dropped.
  const std::function<void()> keys[] = {[] { PressKey(XK_r); }, [] { PressShifted(XK_u); },
                                        [] { PressKey(XK_2), PressKey(XK_f); }};
  for (unsigned i = 0; i < 3; ++i) {
    keys[i]();
    ASSERT_TRUE(PumpUntil([&] { return game.MovesShown() == i + 1; }, 10000)) << game.MovesText();
  }
  EXPECT_EQ(game.MovesText(), "R U' 2F");

  // Typed moves play as the player's; a bad one turns nothing and says which.
  typedMoves = {"R U  R'\nU'", "R U R3", "R ЖЖ U", "M"};
  form->TypeMovesClick();
  EXPECT_TRUE(Played());
  EXPECT_EQ(game.MovesText(), "R U' 2F R U R' U'");
  EXPECT_TRUE(form->Bars->UndoItem->IsEnabled());
  EXPECT_FALSE(form->Bars->RedoItem->IsEnabled()) << "nothing was undone";
  // The box comes back with what was typed and the bad move selected, until
  // the moves read or the player cancels.
  offeredMoves.clear();
  form->TypeMovesClick();
  EXPECT_TRUE(Played());
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "Ход 3 «R3» не записан в обозначениях куба. Ничего не повёрнуто.",
                        "Ход 2 «ЖЖ» не записан в обозначениях куба. Ничего не повёрнуто.",
                        "Ход 1 «M»: у куба 4×4×4 нет такого слоя. Ничего не повёрнуто."}));
  // Selections count characters, not bytes.
  const std::pair<std::string, std::pair<long, long>> offered[] = {
      {"", {0, 0}}, {"R U R3", {4, 6}}, {"R ЖЖ U", {2, 4}}, {"M", {0, 1}}};
  ASSERT_EQ(offeredMoves.size(), std::size(offered));
  for (std::size_t i = 0; i < std::size(offered); ++i) {
    EXPECT_EQ(offeredMoves[i].first, offered[i].first);
    EXPECT_EQ(std::make_pair(offeredMoves[i].second.From, offeredMoves[i].second.To), offered[i].second) << i;
  }
  EXPECT_EQ(game.MovesShown(), 7u);
  EXPECT_EQ(form->StatusText().ToStdString(wxConvUTF8), std::string(texts::Say(TextId::Ready)));

  // A typed scramble starts a game (after the question: moves were made).
  typedMoves = {"R U F D L B R U F D L B R U F D L B R2"};
  form->TypedScrambleClick();
  EXPECT_TRUE(Played());
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(game.ScrambleTurns(), 20u);
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_FALSE(game.CanUndo());
  form->GameMovesClick();
  EXPECT_EQ(shownTexts, (std::vector<std::string>{
                            "Перемешивание: R U F D L B R U F D L B R U F D L B R2\nХоды: нет"}));

  // The solved moment stays over the picture until the next action.
  typedMoves = {"R2 B' L' D' F' U' R' B' L' D' F' U' R' B' L' D' F' U'"};
  form->TypeMovesClick();
  EXPECT_TRUE(Played());
  EXPECT_FALSE(form->DrawPanel->Banner->IsShown());
  PressShifted(XK_r);
  ASSERT_TRUE(PumpUntil([&] { return game.State() == Game::Phase::Solved; }, 10000));
  EXPECT_TRUE(form->DrawPanel->Banner->IsShown());
  Pump(50);  // repaints and ticks change nothing
  EXPECT_TRUE(form->DrawPanel->Banner->IsShown());
  PressKey(XK_Left);
  EXPECT_TRUE(PumpUntil([&] { return !form->DrawPanel->Banner->IsShown(); }, 5000));
  // The game is over: Ctrl+Z, for real, takes nothing back.
  EXPECT_FALSE(form->Bars->UndoItem->IsEnabled());
  PressWith(XK_Control_L, XK_z);
  Pump(100);
  EXPECT_TRUE(cube().IsSolved());
  EXPECT_EQ(game.State(), Game::Phase::Solved);
}

// Players type faster than turns animate: U pressed four times, for real,
// while the first U has not yet taken a step, is four turns played in order,
// and the cube comes home.
TEST_F(MainFormTest, FourPressesOfUWithinOneTurnAreFourTurnsAndTheCubeComesHome) {
  Start({"RotateSpeed=5", "TimeoutRotate=1000000"});
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(60, 60));
  form->DrawWindow->Canvas()->SetFocus();
  // The frame loop waits while the keys go in, however busy the machine.
  const std::function<void()> frameTick = form->DrawTimer.OnTimer;
  form->DrawTimer.OnTimer = [] {};
  for (int i = 0; i < 4; ++i) PressKey(XK_u);
  TurnQueue& turns = form->CurrentGame().Turns();
  ASSERT_TRUE(PumpUntil([&] { return turns.Runs() == 4; }, 5000));
  EXPECT_EQ(cube().TurnStepsLeft, 18) << "the first turn has not moved yet";
  EXPECT_EQ(cube().MoveCount(), 0u);
  form->DrawTimer.OnTimer = frameTick;
  form->WakeFrameTimer();
  EXPECT_TRUE(Played());
  EXPECT_EQ(cube().MoveCount(), 4u);
  EXPECT_EQ(form->CurrentGame().MovesText(), "U2 U2");  // the notation's own reading of four U
  EXPECT_TRUE(cube().IsSolved());
}

TEST_F(MainFormTest, APauseHidesTheCubeUntilAKeyOrAClick) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=2", "TimeoutRotate=1000000"});
  form->N4Click();
  EXPECT_TRUE(Played());
  const Game& game = form->CurrentGame();
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(60, 60));
  form->DrawWindow->Canvas()->SetFocus();
  // The key P, for real.
  PressKey(XK_p);
  ASSERT_TRUE(PumpUntil([&] { return game.Paused(); }, 5000));
  PressKey(XK_space);
  ASSERT_TRUE(PumpUntil([&] { return !game.Paused(); }, 5000));
  const std::pair<const char*, std::function<void()>> resumers[] = {
      {"a key", [] { PressKey(XK_space); }},
      {"a click", [] { ClickButton(1); }},
  };
  for (const auto& [what, resume] : resumers) {
    form->PauseClick();
    ASSERT_TRUE(game.Paused()) << what;
    EXPECT_TRUE(form->DrawPanel->CoverShown()) << what;
    // The cube is gone from the screen before the player acts.
    ASSERT_TRUE(PumpUntil([&] { return !WindowCanBeSeen(*form->DrawWindow->Canvas()); }, 5000));
    resume();
    EXPECT_TRUE(PumpUntil([&] { return !game.Paused(); }, 5000)) << what;
    EXPECT_FALSE(form->DrawPanel->CoverShown()) << what;
    EXPECT_EQ(game.MovesShown(), 0u) << what << " turned nothing";
    // The clock and the counter are on screen again, over the picture (their sky blue).
    EXPECT_TRUE(PumpUntil([&] { return ScreenShowsColour(*form->TimerLabel, 0xA6CAF0); }, 5000)) << what;
  }
}

TEST_F(MainFormTest, AHintOutlinesTheNextTurnUntilATurnAndSolveFinishesTheGame) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=25", "TimeoutRotate=1000000", "CubeSize=2"});
  form->N4Click();
  EXPECT_TRUE(Played());
  const Game& game = form->CurrentGame();
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(40, 40));
  form->DrawWindow->Canvas()->SetFocus();
  // The key H; the search runs on its worker and its answer comes back here.
  PressKey(XK_h);
  ASSERT_TRUE(PumpUntil([&] { return gl().Hint.has_value(); }, 10000));
  const std::string status = form->StatusText().ToStdString(wxConvUTF8);
  EXPECT_EQ(status.rfind("Подсказка: ", 0), 0u) << status;
  EXPECT_TRUE(game.HelpUsed());
  EXPECT_EQ(game.ScrambleTurns(), 0u);
  // The hinted turn itself, typed: the outline goes with it.
  const std::string hinted = status.substr(std::string("Подсказка: ").size());
  typedMoves = {hinted};
  form->TypeMovesClick();
  EXPECT_TRUE(Played());
  EXPECT_FALSE(gl().Hint.has_value());
  EXPECT_EQ(game.MovesShown(), 1u);

  form->SolveClick();
  ASSERT_TRUE(PumpUntil([&] { return game.State() == Game::Phase::Solved; }, 20000));
  EXPECT_TRUE(game.SolvedByComputer());
  EXPECT_TRUE(cube().IsSolved());
  EXPECT_EQ(form->StatusText().ToStdString(wxConvUTF8), std::string(texts::Say(TextId::SolvedByComputer)));
  EXPECT_FALSE(game.Running());
  form->GameMovesClick();
  ASSERT_FALSE(shownTexts.empty());
  // The player's move stays, between the scramble and the computer's turns.
  EXPECT_NE(shownTexts.back().find("\nХоды: " + hinted + "\nРешение компьютера: "), std::string::npos)
      << shownTexts.back();
  // Solved, a hint has nothing to show.
  form->HintClick();
  EXPECT_EQ(form->StatusText().ToStdString(wxConvUTF8), std::string(texts::Say(TextId::SolvedAlready)));
}

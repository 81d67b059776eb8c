// Help on a big cube in the window: hints followed turn by turn come from
// one solution, and "Решить" plays the rest of it under its bar, paused,
// stepped and sped up with the replay's keys and the speed choice.
#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <string>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/window/ReplayBar.h"
#include "game/SolutionPlay.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {

using HelpTest = MainFormTest;

std::string Utf8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

TEST_F(HelpTest, A4x4x4sHintsFollowOneSolutionThatPlaysUnderTheBar) {
  Start({"CubeSize=4", "RotateSpeed=15", "TimeoutRotate=1000000"});
  typedMoves = {"Rw U 2F L' Dw"};
  form->TypedScrambleClick();
  ASSERT_TRUE(Played());
  ASSERT_TRUE(form->GameRunning());
  // The big cubes' solutions come in one stage, which the hint does not name.
  const std::string hint = "Подсказка: ";
  for (int k = 0; k < 3; ++k) {
    form->HintClick();
    ASSERT_TRUE(PumpUntil([&] { return Utf8(form->StatusText()).rfind(hint, 0) == 0; }, 60000))
        << k << ": " << Utf8(form->StatusText());
    ASSERT_TRUE(gl().Hint);
    // The player turns the outlined layers, as a drag would.
    cube().TurnDetected(*gl().Hint);
    ASSERT_TRUE(Played());
    EXPECT_EQ(Utf8(form->MovesText()), "Ходов: " + std::to_string(k + 1));
  }

  form->SolveClick();
  ASSERT_TRUE(PumpUntil([&] { return form->SolutionControls->IsShown(); }, 60000));
  SolutionPlay* play = form->CurrentGame().SolutionInPlay();
  ASSERT_NE(play, nullptr);
  const std::string of = " из " + std::to_string(play->Length());
  const ReplayBar& bar = *form->SolutionControls;
  EXPECT_EQ(Utf8(bar.Stage->GetLabel()), "");
  // The count goes on with the turns, whatever the frames that show it.
  ASSERT_TRUE(PumpUntil([&] { return play->At() >= 1; }, 10000));
  EXPECT_EQ(Utf8(bar.Position->GetLabel()), "Ход " + std::to_string(play->At()) + of);
  // Space pauses: the turn under way ends and no other begins; Right steps one.
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(60, 60));
  form->DrawWindow->Canvas()->SetFocus();
  PressKey(XK_space);
  ASSERT_TRUE(PumpUntil([&] { return !play->Playing() && !form->CurrentGame().Turns().Turning(); }, 10000));
  const std::size_t at = play->At();
  EXPECT_EQ(Utf8(bar.Position->GetLabel()), "Ход " + std::to_string(at) + of);
  EXPECT_EQ(Utf8(bar.PlayButton->GetLabel()), "▶");
  PressKey(XK_Right);
  ASSERT_TRUE(PumpUntil([&] { return play->At() == at + 1 && !form->CurrentGame().Turns().Turning(); }, 10000));
  Pump(100);
  EXPECT_EQ(Utf8(bar.Position->GetLabel()), "Ход " + std::to_string(at + 1) + of);
  // Four times the pace, played on to the end: the bar goes, the cube is solved.
  bar.SpeedChoice->SetSelection(2);
  wxCommandEvent chosen(wxEVT_CHOICE, bar.SpeedChoice->GetId());
  chosen.SetInt(2);
  bar.SpeedChoice->GetEventHandler()->ProcessEvent(chosen);
  EXPECT_EQ(play->Speed(), 4);
  PressKey(XK_space);
  ASSERT_TRUE(PumpUntil([&] { return form->CurrentGame().SolvedByComputer(); }, 60000));
  EXPECT_FALSE(form->SolutionControls->IsShown());
  EXPECT_TRUE(cube().IsSolved());
  EXPECT_EQ(form->CurrentGame().Turns().Pace(), 1);
}

}  // namespace

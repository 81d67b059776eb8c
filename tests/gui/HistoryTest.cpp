// The history in the window: a game solved with real keys is a row of the
// statistics box, and the replay chosen there plays to its end under the
// replay bar and its keys, then gives the game back.
#include <X11/keysym.h>

#include <gtest/gtest.h>
#include <wx/listctrl.h>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/dialogs/StatisticsForm.h"
#include "app/window/ReplayBar.h"
#include "game/Replay.h"
#include "app/window/CommandIds.h"
#include "app/window/HistoryOnScreen.h"
#include "game/SolveHistory.h"

namespace {

using HistoryTest = MainFormTest;

std::string Utf8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

TEST_F(HistoryTest, ASolveWithRealKeysIsARowOfTheStatisticsAndReplaysToItsEnd) {
  Start({"RotateSpeed=15", "TimeoutRotate=1000000"});
  // A scramble the keys U and R take back.
  typedMoves = {"R' U'"};
  form->TypedScrambleClick();
  ASSERT_TRUE(Played());
  ASSERT_TRUE(form->GameRunning());
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(60, 60));
  form->DrawWindow->Canvas()->SetFocus();
  PressKey(XK_u);
  PressKey(XK_r);
  ASSERT_TRUE(PumpUntil([&] { return form->CurrentGame().State() == Game::Phase::Solved; }, 10000));
  ASSERT_TRUE(form->History && form->History->Usable());
  ASSERT_EQ(form->History->Solves(3).size(), 1u);

  // The box shows the game on the 3x3x3's page; the player picks it.
  int rowsSeen = -1;
  wxString movesSeen;
  statistics = [&](SolveLog& history, int size) -> std::optional<SolveEntry> {
    TStatisticsForm box(form, history, size);
    const TStatisticsForm::Page& page = box.PageOf(3);
    rowsSeen = page.Rows->GetItemCount();
    if (rowsSeen < 1) return std::nullopt;
    movesSeen = page.Rows->GetItemText(0, 2);
    page.Rows->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    return box.Selected() ? std::optional<SolveEntry>(*box.Selected()) : std::nullopt;
  };
  ShowStatistics(*form);
  EXPECT_EQ(rowsSeen, 1);
  EXPECT_EQ(Utf8(movesSeen), "2");
  Replay* replay = form->CurrentGame().Replaying();
  ASSERT_NE(replay, nullptr);
  EXPECT_TRUE(form->ReplayControls->IsShown());
  // It plays from the scramble to the solved cube at the player's pace.
  EXPECT_FALSE(cube().IsSolved());
  ASSERT_TRUE(PumpUntil([&] { return replay->At() == 2 && !replay->Playing() && !form->Animating(); }, 20000));
  EXPECT_TRUE(cube().IsSolved());
  EXPECT_EQ(Utf8(form->ReplayControls->Position->GetLabel()), "Повтор: ход 2 из 2");
  EXPECT_EQ(Utf8(form->MovesText()), "Ходов: 2");

  // The bar's keys, for real: Home to the scramble, Left and Right a turn, End to the end.
  const std::pair<KeySym, std::size_t> keys[] = {{XK_Home, 0}, {XK_Right, 1}, {XK_Left, 0}, {XK_End, 2}};
  for (const auto& [key, at] : keys) {
    PressKey(key);
    EXPECT_TRUE(PumpUntil([&, at = at] { return replay->At() == at && !form->Animating(); }, 10000)) << key;
    EXPECT_EQ(cube().IsSolved(), at == 2) << key;
  }
  // Escape ends it: the solved game is back, and nothing of the replay was written.
  PressKey(XK_Escape);
  ASSERT_TRUE(PumpUntil([&] { return !form->CurrentGame().Replaying(); }, 5000));
  EXPECT_FALSE(form->ReplayControls->IsShown());
  EXPECT_EQ(form->CurrentGame().State(), Game::Phase::Solved);
  EXPECT_TRUE(cube().IsSolved());
  EXPECT_EQ(form->History->Solves(3).size(), 1u);

  // The game's moves offer the same review; any command ends it.
  reviewAsked = true;
  form->GameMovesClick();
  ASSERT_NE(form->CurrentGame().Replaying(), nullptr);
  EXPECT_EQ(form->CurrentGame().Replaying()->At(), 2u);  // where the game stands, to step back from
  form->ProcessCommand(kHomeView);
  EXPECT_EQ(form->CurrentGame().Replaying(), nullptr);
  EXPECT_TRUE(cube().IsSolved());
}

TEST_F(HistoryTest, ExportWritesTheHistoryAsCsvAndAFailedOneKeepsTheOldFile) {
  Start({"TimeoutRotate=1000000"});
  // Opened once the window is idle after its first picture.
  ASSERT_TRUE(PumpUntil([&] { return form->History != nullptr; }, 10000));
  SolveEntry game;
  game.Size = 2;
  game.Scramble = "R";
  game.Solution = "R'";
  game.MoveMs = {900};
  game.Ms = 900;
  HistoryProblem why;
  ASSERT_TRUE(form->History->Add(game, why));
  chooser.saveFilter = wxString::FromUTF8("Таблица CSV (*.csv)|*.csv");
  chooser.saveExtension = "csv";
  chooser.path = Path("history.csv");
  ExportHistory(*form);
  const std::string csv = ReadFile(Path("history.csv"));
  EXPECT_NE(csv.find(",2,900,0,R,R',900,solved,"), std::string::npos) << csv;
  // A folder in the file's place: the export fails and says so; nothing is written.
  std::filesystem::create_directory(Path("taken.csv"));
  chooser.path = Path("taken.csv");
  ExportHistory(*form);
  EXPECT_TRUE(std::filesystem::is_directory(Path("taken.csv")));
  EXPECT_NE(Utf8(form->StatusText()).find("Ошибка"), std::string::npos) << Utf8(form->StatusText());
}

}  // namespace

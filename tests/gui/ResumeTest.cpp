// Games that go on: Save and Open keep the clock and the history, a game
// closed during play is kept and continued, and the view fits the cube.
#include <cmath>
#include <filesystem>
#include <random>

#include "GuiHelpers.h"
#include "ToolkitDriver.h"
#include "app/toolkit/GLCanvasWindow.h"
#include "interaction/Orbit.h"
#include "puzzle/GameTrailer.h"
#include "tests/unit/TestCubes.h"

namespace {
namespace fs = std::filesystem;
constexpr std::size_t kThreeCubeBytes = 15884;  // a 3x3x3 game without its trailer

double Length(const VEKVector& v) { return std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z); }

::testing::AssertionResult SameDirection(const VEKVector& a, const VEKVector& b) {
  const double la = Length(a), lb = Length(b);
  const double dot = (a.X * b.X + a.Y * b.Y + a.Z * b.Z) / (la * lb);
  if (dot > 1 - 1e-5) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "cosine " << dot;
}

std::string Utf8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

// The trailer of a saved 3x3x3 file; fails the test when there is none.
GameTrailer TrailerOf(const std::string& path) {
  const std::string bytes = ReadFile(path);
  GameTrailer t;
  EXPECT_GT(bytes.size(), kThreeCubeBytes);
  if (bytes.size() <= kThreeCubeBytes) return t;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const std::vector<uint8_t> game(data, data + kThreeCubeBytes);
  EXPECT_TRUE(DecodeGameTrailer(data + kThreeCubeBytes, bytes.size() - kThreeCubeBytes, 3, game, t));
  return t;
}

class ResumeTest : public MainFormTest {
 protected:
  // A new game with the player's turns made by drags, the last one undone.
  void PlayThreeTurnsAndUndoOne() {
    form->N4Click();
    EXPECT_TRUE(Played());
    std::mt19937 random(5);
    for (int i = 0; i < 3; ++i) {
      RandomDrag(cube(), random);
      EXPECT_TRUE(Played());
    }
    ASSERT_TRUE(cube().Undo());
    ASSERT_EQ(cube().MoveCount(), 2u);
  }
  // Closes the window as the player does and lets the toolkit destroy it.
  void CloseWindow() {
    form->Close();
    form = nullptr;
    Pump(20);
  }
  wxMenuItem* ItemOf(const char* menu, const char* caption) {
    const int id = form->Bars->MainMenu->FindMenuItem(wxString::FromUTF8(menu), wxString::FromUTF8(caption));
    return id == wxNOT_FOUND ? nullptr : form->Bars->MainMenu->FindItem(id);
  }
  bool ContinueEnabled() {
    // As when the player opens the menu.
    form->Bars->MainMenu->GetMenu(0)->UpdateUI(form);
    return form->Bars->ContinueItem->IsEnabled();
  }
};
}  // namespace

TEST_F(ResumeTest, SaveKeepsClockMovesAndHistoryAndOpenGoesOnWithThem) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=4"});
  PlayThreeTurnsAndUndoOne();
  ASSERT_TRUE(PumpUntil([&] { return form->CurrentGame().Seconds() >= 1; }, 5000));
  chooser.path = Path("played.cube");
  form->N9Click();
  ASSERT_TRUE(cube().SaveToFile(Path("points.cube")));
  const std::string saved = ReadFile(Path("played.cube"));
  // The points as the older format has them, then the trailer.
  EXPECT_EQ(saved.substr(0, kThreeCubeBytes), ReadFile(Path("points.cube")));
  const GameTrailer trailer = TrailerOf(Path("played.cube"));
  EXPECT_GE(trailer.Seconds, 1u);
  EXPECT_EQ(trailer.MoveCount, 2u);
  EXPECT_EQ(trailer.Cursor, 2u);
  EXPECT_EQ(trailer.Moves.size(), 3u);
  EXPECT_EQ(trailer.ScrambleTurns, 4u);

  form->N5Click();
  form->N7Click();
  EXPECT_EQ(Utf8(form->StatusText()), "Готово!");
  EXPECT_EQ(form->CurrentGame().Seconds(), static_cast<int32_t>(trailer.Seconds));
  EXPECT_EQ(form->TimerText(), FormatGameClock(trailer.Seconds));
  EXPECT_TRUE(form->GameTimer.Enabled());
  EXPECT_TRUE(form->TimerPanel->IsShown());
  EXPECT_EQ(cube().MoveCount(), 2u);
  ASSERT_TRUE(cube().SaveToFile(Path("reopened.cube")));
  EXPECT_EQ(ReadFile(Path("reopened.cube")), ReadFile(Path("points.cube")));
  // The undone turn can be made again, and all can be taken back.
  EXPECT_TRUE(cube().Redo());
  EXPECT_EQ(cube().MoveCount(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(cube().Undo());
  EXPECT_FALSE(cube().CanUndo());
}

TEST_F(ResumeTest, TheGameIsKeptAfterEveryTurnAndContinueGoesOnWithIt) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=4"});
  EXPECT_FALSE(ContinueEnabled());
  form->CubeSize = 4;
  PlayThreeTurnsAndUndoOne();
  // Turns made through the cube alone; the window keeps after the next one.
  form->RedoClick();
  EXPECT_TRUE(Played());
  form->UndoClick();
  EXPECT_TRUE(Played());
  ASSERT_EQ(KeptGames().size(), 1u) << "kept during play, before any close";
  ASSERT_TRUE(cube().SaveToFile(Path("points.cube")));
  chooser.path = Path("mine.cube");
  form->N9Click();  // the player's own file, not to be confused with the kept game
  const std::string kept = KeptGames()[0];
  CloseWindow();
  ASSERT_EQ(KeptGames(), std::vector<std::string>{kept});

  Start({"RotateSpeed=45"});
  EXPECT_EQ(cube().Size, 3) << "no game resumed at start";
  EXPECT_FALSE(form->GameTimer.Enabled());
  EXPECT_TRUE(ContinueEnabled());
  const wxString title = form->GetTitle();
  form->ContinueClick();
  EXPECT_EQ(Utf8(form->StatusText()), "Готово!");
  EXPECT_EQ(form->CubeSize, 4);
  EXPECT_EQ(cube().MoveCount(), 2u);
  EXPECT_TRUE(cube().CanRedo());
  EXPECT_TRUE(form->GameTimer.Enabled());
  EXPECT_TRUE(form->TimerPanel->IsShown());
  EXPECT_NEAR(Length(gl().Camera.Eye), FittedEyeDistance(4), 1e-3);
  ASSERT_TRUE(cube().SaveToFile(Path("continued.cube")));
  EXPECT_EQ(ReadFile(Path("continued.cube")), ReadFile(Path("points.cube")));
  EXPECT_EQ(form->GetTitle(), title);
  EXPECT_TRUE(form->CurrentGame().FileName().empty());
  // A crash right after Continue loses nothing: the file stays, held by this window.
  EXPECT_EQ(KeptGames(), std::vector<std::string>{kept});
  EXPECT_FALSE(ContinueEnabled());
  // Save asks for a name: the kept game was not the player's file.
  chooser.path = Path("named.cube");
  form->N8Click();
  EXPECT_EQ(chooser.saves, 2);
}

TEST_F(ResumeTest, TwoWindowsKeepTwoGamesAndNewGameDropsOnlyItsOwn) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  form->N4Click();
  EXPECT_TRUE(Played());
  TMainForm* first = form;
  form = nullptr;
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  TMainForm* second = form;
  second->N4Click();
  EXPECT_TRUE(Played(second));
  // Closing both keeps both games.
  first->Close();
  Pump(20);
  ASSERT_EQ(KeptGames().size(), 1u);
  // The first window's game is free now and offered to the second.
  EXPECT_TRUE(ContinueEnabled());
  CloseWindow();
  ASSERT_EQ(KeptGames().size(), 2u);

  // A window that starts a new game drops its own kept game only.
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  chooseKept = [](const KeptGamesChoice& choice) { return choice.List().front().Path; };  // from the list of two
  form->ContinueClick();
  const std::string adopted = form->KeptGames.Own();
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_FALSE(fs::exists(adopted));
  EXPECT_EQ(KeptGames().size(), 1u);
  EXPECT_TRUE(ContinueEnabled());
}

TEST_F(ResumeTest, NothingIsKeptWithoutAGameInPlay) {
  chooser.path = Path("plain.cube");
  struct Case {
    const char* what;
    std::function<void(TMainForm&)> play;
  } cases[] = {
      {"no game", [](TMainForm&) {}},
      {"stopped after a kept turn", [this](TMainForm& f) {
         f.N4Click();
         Played(&f);
         f.Renderer->Cube->History.Restore({VEKMove{0, 0, 1}}, 0, 0);
         f.RedoClick();
         Played(&f);
         f.N5Click();
       }},
      {"opened without trailer", [this](TMainForm& f) {
         ASSERT_TRUE(f.Renderer->Cube->SaveToFile(chooser.path.ToStdString()));
         f.N4Click();
         Played(&f);
         f.N7Click();
       }},
  };
  for (const Case& c : cases) {
    Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
    c.play(*form);
    CloseWindow();
    EXPECT_TRUE(KeptGames().empty()) << c.what;
  }
  // A close asked during the scramble of a new game, after another game.
  Start({"RotateSpeed=9", "ShuffleRotateCount=50"});
  form->N4Click();
  EXPECT_TRUE(Played());
  TMainForm* closing = form;
  RequestClose(*form);  // arrives during the scramble, which it ends at once
  form->N4Click();
  form = nullptr;
  EXPECT_TRUE(PumpUntil([&] {
    return std::find(wxTopLevelWindows.begin(), wxTopLevelWindows.end(), closing) == wxTopLevelWindows.end();
  }, 20000));
  EXPECT_TRUE(KeptGames().empty());
}

TEST_F(ResumeTest, TheDataFolderFollowsTheXdgRules) {
  const std::string home = Path("home");
  const std::string inHome = home + "/.local/share/tessaro3d";
  struct Case {
    const char* xdg;  // null: unset
    const char* home;
    std::string kept;  // empty: nowhere
  } cases[] = {
      {"relative/data", home.c_str(), inHome},
      {"", home.c_str(), inHome},
      {nullptr, home.c_str(), inHome},
      {"relative/data", nullptr, ""},
      {nullptr, "not/absolute", ""},
  };
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  answerYes = false;  // the game is not saved to a file
  for (const Case& c : cases) {
    questions.clear();
    if (c.xdg) setenv("XDG_DATA_HOME", c.xdg, 1); else unsetenv("XDG_DATA_HOME");
    if (c.home) setenv("HOME", c.home, 1); else unsetenv("HOME");
    Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
    EXPECT_EQ(form->KeptGames.Folder(), c.kept) << (c.xdg ? c.xdg : "unset");
    form->N4Click();
    EXPECT_TRUE(Played());
    CloseWindow();
    if (!c.kept.empty()) {
      EXPECT_FALSE(fs::is_empty(c.kept));
      fs::remove_all(home);
    }
    // Without a data folder the game cannot be kept: a file is offered.
    EXPECT_EQ(questions, c.kept.empty() ? std::vector<std::string>{"Не удалось сохранить текущую игру для продолжения "
                             "(не задана папка данных: нет HOME и XDG_DATA_HOME).\nСохранить её в файл?"}
                                        : std::vector<std::string>{});
    EXPECT_FALSE(fs::exists("relative")) << "a relative XDG_DATA_HOME is not used";
    EXPECT_FALSE(fs::exists("not")) << "a relative HOME is not used";
  }
  fs::current_path(previous);
  questions.clear(), answerYes = true;
  // A game that cannot be kept at close: said in Russian, with Save as offered.
  setenv("XDG_DATA_HOME", Path("blocked").c_str(), 1);
  {
    std::ofstream file(Path("blocked"));
  }
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  form->N4Click();
  EXPECT_TRUE(Played());
  chooser.path = Path("rescued.cube");
  CloseWindow();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].rfind("Не удалось сохранить текущую игру", 0), 0u) << questions[0];
  EXPECT_TRUE(errors.empty());
  // Answered yes: the game went to the file the player chose, with its clock.
  EXPECT_GT(ReadFile(Path("rescued.cube")).size(), kThreeCubeBytes);
}

TEST_F(ResumeTest, ANewSizeFitsTheViewAndKeepsTheOrientation) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  EXPECT_NEAR(Length(gl().Camera.Eye), FittedEyeDistance(3), 1e-3);
  gl().Camera.RotateAxis(1, 30.0f);
  gl().Camera.RotateAxis(0, 20.0f);
  const VEKVector eye = gl().Camera.Eye, up = gl().Camera.Up;
  form->CubeSize = 5;  // as the options leave it
  form->N5Click();
  EXPECT_NEAR(Length(gl().Camera.Eye), FittedEyeDistance(5), 1e-3);
  EXPECT_TRUE(SameDirection(gl().Camera.Eye, eye));
  EXPECT_TRUE(SameDirection(gl().Camera.Up, up));
  // The same size again keeps the player's zoom.
  gl().Camera.SetDistance(30.0f);
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_NEAR(Length(gl().Camera.Eye), 30.0, 1e-3);
  // Open of another size, and a New game of another.
  {
    auto other = std::make_unique<VEKGL>();
    other->Cube->Build(2);
    ASSERT_TRUE(other->Cube->SaveToFile(Path("two.cube")));
  }
  chooser.path = Path("two.cube");
  form->N7Click();
  EXPECT_NEAR(Length(gl().Camera.Eye), FittedEyeDistance(2), 1e-3);
  form->CubeSize = 4;
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_NEAR(Length(gl().Camera.Eye), FittedEyeDistance(4), 1e-3);
  EXPECT_TRUE(SameDirection(gl().Camera.Eye, eye));
}

TEST_F(ResumeTest, HomeKeyAndMenuItemPutTheViewBack) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2", "TimeoutRotate=1000000"});
  // New items close the View menu; in the Game menu they stand above Exit's separator.
  wxMenu* game = form->Bars->MainMenu->GetMenu(0);
  wxMenu* view = form->Bars->MainMenu->GetMenu(1);
  EXPECT_EQ(Utf8(game->FindItemByPosition(game->GetMenuItemCount() - 1)->GetItemLabelText()), "Выход");
  EXPECT_TRUE(game->FindItemByPosition(game->GetMenuItemCount() - 2)->IsSeparator());
  EXPECT_EQ(Utf8(game->FindItemByPosition(game->GetMenuItemCount() - 3)->GetItemLabelText()),
            "Экспорт...");
  const int lastTool = static_cast<int>(form->Bars->ToolBarButton->GetToolsCount()) - 1;
  EXPECT_EQ(Utf8(form->Bars->ToolBarButton->GetToolByPos(lastTool)->GetShortHelp()), "Выход");
  EXPECT_EQ(Utf8(view->FindItemByPosition(view->GetMenuItemCount() - 1)->GetItemLabelText()),
            "Исходный вид");
  form->CubeSize = 4;
  form->N4Click();  // a game holds the idle rotation off
  EXPECT_TRUE(Played());
  auto turnAway = [&] {
    gl().Camera.RotateAxis(1, 40.0f);
    gl().Camera.RotateAxis(2, 15.0f);
    gl().Camera.SetDistance(33.0f);
  };
  auto atHome = [&] {
    const VEKCamera& c = gl().Camera;
    return std::fabs(c.Eye.X) < 1e-4 && std::fabs(c.Eye.Y) < 1e-4 &&
           std::fabs(c.Eye.Z - FittedEyeDistance(4)) < 1e-3 && std::fabs(c.Up.Y - 1) < 1e-4 &&
           std::fabs(c.Right.X - 1) < 1e-4;
  };
  // The key, wherever the focus is.
  turnAway();
  form->Raise();
  PointerTo(*form->DrawWindow->Canvas(), wxPoint(40, 40));  // the keys go to the window under it
  form->DrawWindow->Canvas()->SetFocus();
  PressKey(XK_Home);
  EXPECT_TRUE(PumpUntil(atHome, 3000));
  turnAway();
  form->Bars->ToolBarButton->SetFocus();
  PressKey(XK_KP_Home);
  EXPECT_TRUE(PumpUntil(atHome, 3000));
  // The menu item.
  turnAway();
  wxCommandEvent pick(wxEVT_MENU, ItemOf("Вид", "Исходный вид")->GetId());
  form->ProcessWindowEvent(pick);
  EXPECT_TRUE(atHome());
  // Not while a turn is animated.
  turnAway();
  cube().RotateSpeed = 1;
  form->TurnKeyPressed('U', false);
  ASSERT_TRUE(form->Animating());
  form->HomeViewClick();
  form->CurrentGame().EndTurnsNow();
  EXPECT_FALSE(atHome());
}

// With several kept games Continue lists them; the player deletes one (asked
// first), continues another, and each window's lock goes with it.
TEST_F(ResumeTest, SeveralKeptGamesAreListedToContinueOneOrDeleteAny) {
  for (const int size : {2, 4, 5}) {
    Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
    form->CubeSize = size;
    form->N4Click();
    EXPECT_TRUE(Played());
    CloseWindow();
  }
  const auto locks = [&] {
    return std::count_if(fs::directory_iterator(KeptFolder()), {}, [](auto& e) { return e.path().extension() == ".lock"; });
  };
  EXPECT_EQ(locks(), 0);
  Start({"RotateSpeed=45"});
  std::string sizes;
  GameStatus why;
  chooseKept = [&](const KeptGamesChoice& choice) {
    const std::vector<KeptGame> games = choice.List();
    for (const KeptGame& g : games) sizes += std::to_string(g.Summary.value().Size);
    answerYes = false;
    EXPECT_FALSE(choice.Delete(games[2], why));
    answerYes = true;
    EXPECT_TRUE(choice.Delete(games[2], why) && !fs::exists(games[2].Path));
    return games[1].Path;
  };
  form->ContinueClick();
  EXPECT_EQ(sizes, "542");  // newest first
  ASSERT_EQ(questions.size(), 2u);
  EXPECT_EQ(questions[0].rfind("Удалить сохранённую игру?\n2×2×2, ", 0), 0u) << questions[0];
  EXPECT_EQ(form->CubeSize, 4);
  EXPECT_EQ(locks(), 1);  // held by this window
  CloseWindow();
  EXPECT_EQ(locks(), 0);
}

// The game's commands on the real main window.
#include <unistd.h>

#include <filesystem>

#include "GuiHelpers.h"

namespace {
std::string Utf8(const wxString& s) { return s.ToStdString(wxConvUTF8); }
const std::string kReady = "Готово!";

std::vector<uint8_t> Bytes(const std::string& path) {
  const std::string s = ReadFile(path);
  return std::vector<uint8_t>(s.begin(), s.end());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}
}  // namespace

TEST_F(MainFormTest, NewGameScramblesAndStartsTheClock) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=6", "DrawQuality=4"});
  statuses.clear();
  const uint64_t frames = gl().FramesDrawn;
  form->N4Click();
  EXPECT_TRUE(Played());
  // Six quarter turns of two steps: a frame for each tick that moved them,
  // fewer when ticks came late, never more than a frame a step.
  EXPECT_GE(gl().FramesDrawn - frames, 1u);
  EXPECT_LE(gl().FramesDrawn - frames, 6u * 2u + 1u);
  EXPECT_EQ((std::vector<std::string>{"Перемешиваю...", kReady}), statuses);
  EXPECT_FALSE(IsSolved(cube()));
  EXPECT_TRUE(form->GameTimer.Enabled());
  EXPECT_EQ(form->TimerText(), "00:00:00");
  EXPECT_TRUE(form->TimerPanel->IsShown());
  EXPECT_EQ(gl().Passes, 4);
  ASSERT_TRUE(PumpUntil([&] { return form->TimerText() != "00:00:00"; }, 5000));
  EXPECT_EQ(form->TimerText(), "00:00:01");
  // A second new game starts the clock again from zero.
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_EQ(form->TimerText(), "00:00:00");
  EXPECT_EQ(form->CurrentGame().Seconds(), 0);
  EXPECT_EQ(form->GetTitle(), "Tessaro 3D 1.01");
}

TEST_F(MainFormTest, StopPutsTheSolvedCubeBack) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=3"});
  form->N4Click();
  EXPECT_TRUE(Played());
  ASSERT_TRUE(form->CurrentGame().SaveTo(Path("x.cube"), false));
  form->SetTitle("something else");
  form->SetStatus("unchanged");
  form->N5Click();
  EXPECT_TRUE(IsSolved(cube()));
  EXPECT_EQ(cube().Size, 3);
  EXPECT_FALSE(form->GameTimer.Enabled());
  EXPECT_EQ(form->TimerText(), "00:00:00");
  EXPECT_EQ(form->GetTitle(), "Tessaro 3D 1.01");
  EXPECT_TRUE(form->CurrentGame().FileName().empty());
  EXPECT_EQ(form->StatusText(), "unchanged");
}

TEST_F(MainFormTest, OpenRejectsWhatIsNoSavedGameAndChangesNothing) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=3"});
  form->N4Click();
  EXPECT_TRUE(Played());
  const std::string good = Path("good.cube");
  ASSERT_TRUE(cube().SaveToFile(good));
  const std::string valid = ReadFile(good);
  struct Case {
    std::string name, bytes, status;
  } cases[] = {
      {"magic.cube", std::string("\x71\0\0\0\3\0\0\0", 8) + valid.substr(8), "Ошибка: неизвестный формат файла!"},
      {"size.cube", std::string("\x72\0\0\0\7\0\0\0", 8) + valid.substr(8), "Ошибка: неизвестный формат файла!"},
      {"short.cube", valid.substr(0, valid.size() - 12), "Ошибка: неизвестный формат файла!"},
      {"empty.cube", "", "Ошибка: неизвестный формат файла!"},
  };
  const std::vector<uint8_t> game = Bytes(good);
  for (const Case& c : cases) {
    WriteBytes(Path(c.name), c.bytes);
    chooser.path = Path(c.name);
    const wxString title = form->GetTitle();
    form->N7Click();
    EXPECT_EQ(form->StatusText(), wxString::FromUTF8(c.status)) << c.name;
    EXPECT_EQ(form->GetTitle(), title) << c.name;
    EXPECT_EQ(form->CubeSize, 3) << c.name;
    EXPECT_TRUE(form->GameTimer.Enabled()) << c.name;
    ASSERT_TRUE(cube().SaveToFile(Path("now.cube")));
    EXPECT_EQ(Bytes(Path("now.cube")), game) << c.name;
  }
  // Files that cannot be opened say so, and change nothing either.
  ASSERT_EQ(symlink("loop-b.cube", Path("loop-a.cube").c_str()), 0);
  ASSERT_EQ(symlink("loop-a.cube", Path("loop-b.cube").c_str()), 0);
  for (const std::string name : {"missing.cube", "loop-a.cube"}) {
    chooser.path = Path(name);
    const wxString title = form->GetTitle();
    form->N7Click();
    EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Ошибка: не удалось открыть файл!")) << name;
    EXPECT_EQ(form->GetTitle(), title) << name;
    EXPECT_EQ(form->CubeSize, 3) << name;
    EXPECT_TRUE(form->GameTimer.Enabled()) << name;
  }
  // An empty name from the dialog.
  chooser.path = "";
  form->N7Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Ошибка: не указано имя файла!"));
  // Cancelled: the status line says again what it said before.
  chooser.answer = false;
  form->N7Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Ошибка: не указано имя файла!"));
  EXPECT_TRUE(form->GameTimer.Enabled());
}

TEST_F(MainFormTest, OpenAFourCubeThenNewGameAndStopKeepTheSize) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=4"});
  {
    auto other = std::make_unique<VEKGL>();
    other->Cube->RotateSpeed = 45;
    other->Cube->Build(4);
    other->Cube->Shuffle(5);
    ASSERT_TRUE(other->Cube->SaveToFile(Path("four.cube")));
  }
  form->N4Click();
  EXPECT_TRUE(Played());
  ASSERT_TRUE(form->TimerPanel->IsShown());
  chooser.path = Path("four.cube");
  form->N7Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8(kReady));
  EXPECT_EQ(form->CubeSize, 4);
  EXPECT_EQ(cube().Size, 4);
  EXPECT_EQ(form->GetTitle(), wxString::FromUTF8("Tessaro 3D 1.01 >>> four.cube"));
  // A file without its clock stops the game's clock and hides it.
  EXPECT_FALSE(form->GameTimer.Enabled());
  EXPECT_FALSE(form->TimerPanel->IsShown());
  EXPECT_EQ(form->TimerText(), "00:00:00");
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_EQ(cube().Size, 4);
  EXPECT_FALSE(IsSolved(cube()));
  form->N5Click();
  EXPECT_EQ(cube().Size, 4);
  EXPECT_TRUE(IsSolved(cube()));
  EXPECT_EQ(form->GetTitle(), "Tessaro 3D 1.01");
}

TEST_F(MainFormTest, SaveAsWritesTheGameAndOpenRestoresItBitForBit) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=5"});
  form->N4Click();
  EXPECT_TRUE(Played());
  // Cancelled: title and file name stay, the status line says ready.
  chooser.answer = false;
  form->N9Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8(kReady));
  EXPECT_EQ(form->GetTitle(), "Tessaro 3D 1.01");
  EXPECT_TRUE(form->CurrentGame().FileName().empty());
  ASSERT_EQ(chooser.proposed.size(), 1u);
  // dd-mm-yyyy--hh-mm-ss.cube
  const std::string proposed = chooser.proposed[0].ToStdString();
  ASSERT_EQ(proposed.size(), 25u);
  EXPECT_EQ(proposed.substr(2, 1) + proposed.substr(5, 1) + proposed.substr(10, 2), "----");
  EXPECT_EQ(proposed.substr(20), ".cube");

  chooser.answer = true;
  chooser.path = Path("saved.cube");
  statuses.clear();
  form->N9Click();
  EXPECT_EQ((std::vector<std::string>{"Сохраняю...", kReady}), statuses);
  EXPECT_EQ(form->GetTitle(), wxString::FromUTF8("Tessaro 3D 1.01 >>> saved.cube"));
  EXPECT_EQ(form->CurrentGame().FileName(), Path("saved.cube"));
  ASSERT_TRUE(cube().SaveToFile(Path("reference.cube")));
  // The points of the game, then the trailer of a game in play (no turns
  // yet) with its scramble in notation.
  const std::vector<uint8_t> saved = Bytes(Path("saved.cube"));
  ASSERT_EQ(saved.size(), 15884u + 36u + form->CurrentGame().ScrambleText().size());
  const std::vector<uint8_t> points(saved.begin(), saved.begin() + 15884);
  EXPECT_EQ(points, Bytes(Path("reference.cube")));

  form->N5Click();
  chooser.path = Path("saved.cube");
  form->N7Click();
  ASSERT_TRUE(cube().SaveToFile(Path("reopened.cube")));
  EXPECT_EQ(Bytes(Path("reopened.cube")), points);
}

TEST_F(MainFormTest, SaveWithoutAUsableFileBehavesAsSaveAs) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  chooser.path = Path("first.cube");
  form->N8Click();  // no game file yet
  EXPECT_EQ(chooser.saves, 1);
  EXPECT_TRUE(std::filesystem::exists(Path("first.cube")));
  form->N4Click();
  EXPECT_TRUE(Played());
  EXPECT_TRUE(form->CurrentGame().FileName().empty()) << "a new game never goes over the file of the last";
  form->N8Click();
  EXPECT_EQ(chooser.saves, 2);
  statuses.clear();
  form->N8Click();  // the file exists: saved in place, nothing said
  EXPECT_EQ(chooser.saves, 2);
  EXPECT_TRUE(statuses.empty());
  ASSERT_TRUE(cube().SaveToFile(Path("reference.cube")));
  const std::string first = ReadFile(Path("first.cube"));
  EXPECT_EQ(first.substr(0, 15884), ReadFile(Path("reference.cube")));
  std::filesystem::remove(Path("first.cube"));
  chooser.path = Path("second.cube");
  form->N8Click();  // deleted meanwhile: asks again
  EXPECT_EQ(chooser.saves, 3);
  EXPECT_TRUE(std::filesystem::exists(Path("second.cube")));
}

TEST_F(MainFormTest, SaveAfterARejectedOpenNeverTouchesTheRejectedFile) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  WriteBytes(Path("notes.cube"), "my notes, not a game");
  chooser.path = Path("notes.cube");
  form->N7Click();
  chooser.path = Path("elsewhere.cube");
  form->N8Click();
  EXPECT_EQ(chooser.saves, 1);
  EXPECT_EQ(ReadFile(Path("notes.cube")), "my notes, not a game");
  EXPECT_TRUE(std::filesystem::exists(Path("elsewhere.cube")));
}

TEST_F(MainFormTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  Start({"RotateSpeed=45", "ShuffleRotateCount=2"});
  form->N4Click();
  EXPECT_TRUE(Played());
  chooser.path = Path("kept.cube");
  form->N9Click();
  const std::vector<uint8_t> before = Bytes(Path("kept.cube"));
  // A target that cannot be replaced: a folder of that name.
  std::filesystem::create_directory(Path("folder.cube"));
  chooser.path = Path("folder.cube");
  form->N9Click();
  EXPECT_EQ(Utf8(form->StatusText()).rfind("Ошибка: не удалось сохранить файл (", 0), 0u);
  EXPECT_TRUE(form->GameRunning()) << "the game goes on";
  EXPECT_EQ(form->CurrentGame().FileName(), Path("kept.cube"));
  EXPECT_EQ(Bytes(Path("kept.cube")), before);
}

TEST_F(MainFormTest, NewGameStopAndOpenAskBeforeDroppingAGameWithMoves) {
  Start({"RotateSpeed=90", "ShuffleRotateCount=2"});
  ASSERT_TRUE(cube().SaveToFile(Path("home.cube")));
  chooser.path = Path("home.cube");
  struct Case {
    const char* what;
    std::function<void(TMainForm&)> command;
  } cases[] = {{"New game", [this](TMainForm& f) {
                  f.N4Click();
                  Played(&f);
                }},
               {"Stop", [](TMainForm& f) { f.N5Click(); }},
               {"Open", [](TMainForm& f) { f.N7Click(); }}};
  for (const Case& c : cases) {
    form->N4Click();
    EXPECT_TRUE(Played());
    questions.clear();
    c.command(*form);  // no move made yet: nothing to ask
    EXPECT_TRUE(questions.empty()) << c.what;
    form->N4Click();
    EXPECT_TRUE(Played());
    cube().History.Restore({VEKMove{0, 0, 1}}, 0, 0);
    ASSERT_TRUE(cube().Redo());
    ASSERT_TRUE(cube().SaveToFile(Path("played.cube")));
    answerYes = false;
    const int opens = chooser.opens;
    c.command(*form);
    ASSERT_EQ(questions, std::vector<std::string>{"Прервать текущую игру?"}) << c.what;
    EXPECT_TRUE(form->GameRunning()) << c.what;
    EXPECT_EQ(chooser.opens, opens) << c.what << ": no file is chosen for a game kept on screen";
    ASSERT_TRUE(cube().SaveToFile(Path("after.cube")));
    EXPECT_EQ(ReadFile(Path("after.cube")), ReadFile(Path("played.cube"))) << c.what;
    answerYes = true;
    c.command(*form);
    EXPECT_EQ(cube().MoveCount(), 0u) << c.what;
  }
  EXPECT_EQ(chooser.opens, 2);  // asked nothing, then agreed
}

TEST_F(MainFormTest, ViewTogglesHelpAndWebPages) {
  Start();
  EXPECT_TRUE(form->Bars->N14->IsChecked());
  form->N14Click();
  EXPECT_FALSE(form->Bars->N14->IsChecked());
  EXPECT_FALSE(form->Bars->ToolBarButton->IsShown());
  form->N14Click();
  EXPECT_TRUE(form->Bars->ToolBarButton->IsShown());
  form->N15Click();
  EXPECT_FALSE(form->StatusBar->IsShown());
  form->N15Click();
  EXPECT_TRUE(form->StatusBar->IsShown());

  // Help: nothing without the page; the page in the working directory, else
  // the one beside the game.
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::create_directory(Path("work"));
  std::filesystem::current_path(Path("work"));
  form->N16Click();
  EXPECT_TRUE(shell.documents.empty());
  WriteBytes(Path("readme.htm"), "<html></html>");
  form->N16Click();
  WriteBytes(Path("work/readme.htm"), "<html></html>");
  form->N16Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Готово!"));
  // No program to show it: the status line says so.
  shell.opens = false;
  form->N16Click();
  EXPECT_EQ(form->StatusText(), wxString::FromUTF8("Не удалось открыть справку: нет программы для просмотра страниц"));
  std::filesystem::current_path(previous);
  ASSERT_EQ(shell.documents.size(), 3u);
  EXPECT_EQ(shell.documents[0], Path("readme.htm"));
  EXPECT_EQ(shell.documents[1], Path("work/readme.htm"));

  form->SiteMenuItemClick();
  form->URLClick();
  ASSERT_EQ(shell.addresses.size(), 2u);
  EXPECT_EQ(shell.addresses[0].rfind("http", 0), 0u);
  EXPECT_NE(shell.addresses[0], shell.addresses[1]);
}

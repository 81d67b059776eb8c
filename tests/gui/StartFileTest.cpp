// The saved game named on the command line, opened as the window starts.
#include <filesystem>
#include <fstream>

#include "GuiHelpers.h"
#include "app/window/StartFile.h"
#include "puzzle/GameTrailer.h"
#include "tests/unit/TestCubes.h"

namespace {
std::string Utf8(const wxString& s) { return s.ToStdString(wxConvUTF8); }

class StartFileTest : public MainFormTest {
 protected:
  // A 4x4x4 game in play: scrambled, two turns of the player's, 42 s on its clock.
  void SaveFourCubeGame(const std::string& path) {
    auto other = HeadlessRenderer(4, 45);
    other->Cube->Shuffle(5);
    for (uint8_t axis : {0, 1}) {
      VEKMove move;
      move.Axis = axis;
      ASSERT_TRUE(other->Cube->TurnLayers(move.Axis, move.Layer, move.Layer, move.Sign, false));
      other->Cube->History.Record(move);
    }
    ASSERT_TRUE(SaveGameWithTrailer(*other->Cube, path, 42, 5));
  }
  // A game kept by a window that has gone, for Continue.
  std::string KeepAGame() {
    std::filesystem::create_directories(KeptFolder());
    const std::string kept = KeptFolder() + "/resume-1.cube";
    auto other = HeadlessRenderer(2, 45);
    other->Cube->Shuffle(3);
    EXPECT_TRUE(SaveGameWithTrailer(*other->Cube, kept, 7, 3));
    return kept;
  }
};
}  // namespace

TEST_F(StartFileTest, AGameNamedAtStartOpensAsOpenDoesAndTheKeptGameStays) {
  const std::string kept = KeepAGame();
  const std::string keptBytes = ReadFile(kept);
  SaveFourCubeGame(Path("four.cube"));
  Start({"RotateSpeed=45"});
  statuses.clear();
  OpenAtStart(*form, Path("four.cube"));
  EXPECT_EQ(statuses, (std::vector<std::string>{"Загружаю...", "Готово!"}));
  EXPECT_EQ(cube().Size, 4);
  EXPECT_EQ(form->CubeSize, 4);
  EXPECT_EQ(cube().MoveCount(), 2u);
  EXPECT_EQ(Utf8(form->MovesText()), "Ходов: 2");
  EXPECT_EQ(form->TimerText(), "00:00:42");
  EXPECT_TRUE(form->GameTimer.Enabled());
  EXPECT_EQ(Utf8(form->GetTitle()), "Tessaro 3D 1.01 >>> four.cube");
  EXPECT_EQ(form->CurrentGame().FileName(), Path("four.cube"));
  // The game the last window kept waits for Continue, untouched.
  EXPECT_TRUE(form->CanContinue());
  EXPECT_EQ(ReadFile(kept), keptBytes);
  // Save writes the opened file in place, as after Open.
  EXPECT_TRUE(form->CurrentGame().CanSaveInPlace());
}

TEST_F(StartFileTest, AFileThatDoesNotOpenLeavesTheStartCubeAndSaysWhy) {
  Start();
  std::ofstream(Path("notes.cube")) << "not a game\n";
  struct Case {
    std::string path, status;
  } cases[] = {
      {Path("missing.cube"), "Ошибка: не удалось открыть файл!"},
      {Path("notes.cube"), "Ошибка: неизвестный формат файла!"},
      {folder.string(), "Ошибка: неизвестный формат файла!"},  // a folder, as Open says of one
      {"", "Ошибка: не указано имя файла!"},
  };
  for (const Case& c : cases) {
    OpenAtStart(*form, c.path);
    EXPECT_EQ(Utf8(form->StatusText()), c.status) << c.path;
    EXPECT_EQ(cube().Size, 3) << c.path;
    EXPECT_TRUE(IsSolved(cube())) << c.path;
    EXPECT_EQ(Utf8(form->GetTitle()), "Tessaro 3D 1.01") << c.path;
    // Save must not write over the file that was refused.
    EXPECT_FALSE(form->CurrentGame().CanSaveInPlace()) << c.path;
  }
  EXPECT_EQ(ReadFile(Path("notes.cube")), "not a game\n");
}

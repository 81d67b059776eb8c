// The saved game named on the command line, opened as the window starts.
#include "GuiHelpers.h"
#include "app/window/OpenGameFile.h"
#include "puzzle/GameTrailer.h"
#include "tests/unit/TestCubes.h"

TEST_F(MainFormTest, AGameNamedAtStartOpensAsOpenDoesAndTheKeptGameStays) {
  // A 4x4x4 in play with 42 s on its clock, and the same kept by a window gone.
  auto other = HeadlessRenderer(4, 45);
  other->Cube->Shuffle(5);
  const std::string kept = KeptFolder() + "/resume-1.cube";
  std::filesystem::create_directories(KeptFolder());
  ASSERT_TRUE(SaveGameWithTrailer(*other->Cube, Path("four.cube"), 42, 5) &&
              SaveGameWithTrailer(*other->Cube, kept, 7, 5));
  const std::string keptBytes = ReadFile(kept);
  Start();
  for (const auto& [path, status] : {std::pair<std::string, std::string>{Path("gone.cube"), "Ошибка: не удалось открыть файл!"},
                                     {"", "Ошибка: не указано имя файла!"}}) {
    OpenGameFile(*form, path);
    EXPECT_EQ(form->StatusText().ToStdString(wxConvUTF8), status);
    EXPECT_TRUE(IsSolved(cube()) && cube().Size == 3 && form->GetTitle() == "Tessaro 3D 1.01") << path;
  }
  statuses.clear();
  OpenGameFile(*form, Path("four.cube"));
  EXPECT_EQ(statuses, (std::vector<std::string>{"Загружаю...", "Готово!"}));
  EXPECT_TRUE(cube().Size == 4 && form->CubeSize == 4);
  EXPECT_EQ(form->TimerText(), "00:00:42");
  EXPECT_EQ(form->GetTitle().ToStdString(wxConvUTF8), "Tessaro 3D 1.01 >>> four.cube");
  EXPECT_TRUE(form->CanContinue() && ReadFile(kept) == keptBytes);
}

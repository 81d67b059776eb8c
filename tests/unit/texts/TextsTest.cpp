// The words the player reads: every name has its text, and the texts made
// of figures read as they always have.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "game/ResumeStore.h"
#include "game/SolveEntry.h"
#include "texts/Texts.h"

namespace {

TEST(Texts, EveryNameHasAText) {
  for (std::size_t i = 0; i < kTextCount; ++i) EXPECT_STRNE(texts::Say(static_cast<TextId>(i)), "") << i;
}

notation::Parsed Bad(notation::Fault fault, std::size_t number, const std::string& move) {
  notation::Parsed parsed;
  parsed.Error = fault;
  parsed.MoveNumber = number;
  parsed.Text = move;
  return parsed;
}

TEST(Texts, TextsWithFiguresReadAsBefore) {
  using notation::Fault;
  const std::string why = "Ошибка: не удалось сохранить файл (";
  const std::string read = "Файл настроек не прочитан (", readEnd = "): настройки по умолчанию, файл не изменится";
  const std::string notDeleted = "Ошибка: сохранённая игра не удалена (";
  const std::pair<std::string, std::string> cases[] = {
      {texts::Solved(117, 42, false), "Собрано! 00:01:57, ходов: 42"},
      {texts::Solved(105, 2, true), "Собрано! 00:01:45, ходов: 2. Новый рекорд!"},
      {texts::Solved(3600, 7, false, true), "Собрано! 01:00:00, ходов: 7. С подсказкой — без рекорда"},
      {texts::StatusLine(GameStatus::Solved(105, 2, true, false)), "Собрано! 00:01:45, ходов: 2. Новый рекорд!"},
      {texts::StatusLine(GameStatus::Hint("R'")), "Подсказка: R'"},
      {texts::StatusLine(GameStatus::Hint("Rw", solver::Stage::Centres)), "Подсказка (центры): Rw"},
      {texts::StatusLine(GameStatus::Hint("3Uw'", solver::Stage::Edges)), "Подсказка (рёбра): 3Uw'"},
      {texts::StatusLine(GameStatus::Hint("F", solver::Stage::AsThree)), "Подсказка (как 3×3×3): F"},
      {texts::StageName(solver::Stage::Centres) + "|" + texts::StageName(solver::Stage::Edges) + "|" +
           texts::StageName(solver::Stage::AsThree) + "|" + texts::StageName(solver::Stage::Whole),
       "Центры|Рёбра|Как 3×3×3|"},
      {texts::StatusLine(StatusKind::ReadyWithoutTrailer), "Готово! Файл без времени и истории ходов"},
      {texts::StatusLine(StatusKind::None), ""},
      {texts::MovesCaption(9999999), "Ходов: 9999999"},
      {texts::BadMoves(Bad(Fault::None, 0, ""), 3), ""},
      {texts::BadMoves(Bad(Fault::Empty, 0, ""), 3), "Ходы не введены."},
      {texts::BadMoves(Bad(Fault::NoSuchLayer, 3, "4R"), 3),
       "Ход 3 «4R»: у куба 3×3×3 нет такого слоя. Ничего не повёрнуто."},
      {texts::BadMoves(Bad(Fault::Unreadable, 12, "Q"), 5),
       "Ход 12 «Q» не записан в обозначениях куба. Ничего не повёрнуто."},
      {texts::GameMoves("", ""), "Перемешивание: неизвестно\nХоды: нет"},
      {texts::GameMoves("R U", "U'", "U", "F2"),
       "Перемешивание: R U\nХоды: U'\nРешение компьютера: U\nХоды после решения: F2"},
      {texts::SaveFailed(ENOSPC, "/x/a.cube"), why + "нет места на диске)!"},
      {texts::SaveFailed(EDQUOT, "/x/a.cube"), why + "нет места на диске)!"},
      {texts::SaveFailed(ENAMETOOLONG, "/x/a.cube"), why + "слишком длинное имя файла)!"},
      {texts::SaveFailed(EROFS, "/x/a.cube"), why + "папка недоступна для записи)!"},
      {texts::SaveFailed(EACCES, "/no-such-folder/a.cube"), why + "папка недоступна для записи)!"},
      {texts::SaveFailed(ENOENT, "/x/a.cube"), why + "нет такой папки)!"},
      {texts::SaveFailed(ENOTDIR, "/x/a.cube"), why + "на месте папки файл)!"},
      {texts::SaveFailed(EFBIG, "/x/a.cube"), why + "ошибка записи)!"},
      {texts::StatusLine(GameStatus::FileFailed(StatusKind::SaveFailed, ENOSPC, "/x")), why + "нет места на диске)!"},
      {texts::StatusLine(GameStatus::FileFailed(StatusKind::KeepFailed, ENOENT, "")),
       "Не удалось сохранить игру для продолжения (не задана папка данных: нет HOME и XDG_DATA_HOME)"},
      {texts::KeepFailed(ENOSPC, "/x/kept.cube"), "Не удалось сохранить игру для продолжения (нет места на диске)"},
      {texts::KeepFailedAtCloseQuestion(ENOTDIR, "/x/kept"),
       "Не удалось сохранить текущую игру для продолжения (на месте папки файл).\nСохранить её в файл?"},
      {texts::StatusLine(GameStatus::FileFailed(StatusKind::KeptNotDeleted, EWOULDBLOCK, "/x")),
       notDeleted + "её продолжают в другом окне)"},
      {texts::KeptGameNotDeleted(EINVAL, "/x"), notDeleted + "это не сохранённая игра)"},
      {texts::KeptGameNotDeleted(ENOENT, "/x"), notDeleted + "нет такой папки)"},
      {texts::SettingsNotRead(EACCES), read + "нет прав на чтение" + readEnd},
      {texts::SettingsNotRead(EISDIR), read + "на его месте папка" + readEnd},
      {texts::SettingsNotRead(EINVAL), read + "это не обычный файл" + readEnd},
      {texts::SettingsNotRead(EILSEQ), read + "в нём не текст" + readEnd},
      {texts::SettingsNotRead(ELOOP), read + "ссылки ведут по кругу" + readEnd},
      {texts::SettingsNotRead(ENOTDIR), read + "на месте папки файл" + readEnd},
      {texts::SettingsNotRead(ENAMETOOLONG), read + "слишком длинное имя файла" + readEnd},
      {texts::SettingsNotRead(EIO), read + "ошибка чтения" + readEnd},
      {texts::SettingsNotWritten(ENOSPC, "/x/t.ini"), "Не удалось записать файл настроек (нет места на диске):\n/x/t.ini"},
      {texts::FileExistsQuestion("a.cube"), "Файл «a.cube» уже существует.\nЗаменить его?"},
  };
  for (const auto& [said, expected] : cases) EXPECT_EQ(said, expected);
}

TEST(Texts, TheSolvedMomentCountsMovesInRussian) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "ходов"}, {1, "ход"},    {2, "хода"},   {4, "хода"},   {5, "ходов"},  {11, "ходов"},
      {12, "ходов"}, {14, "ходов"}, {21, "ход"},  {22, "хода"},  {111, "ходов"}, {1042, "хода"},
  };
  for (const auto& [moves, word] : cases) {
    EXPECT_EQ(texts::SolvedBanner(117, moves), "Собрано за 00:01:57, " + std::to_string(moves) + " " + word);
  }
}

TEST(Texts, AKeptGameReadsAsARowAndInTheQuestion) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  KeptGame game{"/x/kept.cube", 1204898700, SavedGameSummary{3, 117, 42}};  // 07.03.2008 14:05 UTC
  texts::KeptGameRow row = texts::KeptGameColumns(game);
  EXPECT_EQ(row.Saved + "|" + row.Cube + "|" + row.Moves + "|" + row.Clock, "07.03.2008 14:05|3×3×3|42|00:01:57");
  EXPECT_EQ(texts::DeleteKeptQuestion(game), "Удалить сохранённую игру?\n3×3×3, 07.03.2008 14:05, ходов: 42");
  game.Summary = SavedGameSummary{4, std::nullopt, std::nullopt};
  row = texts::KeptGameColumns(game);
  EXPECT_EQ(row.Cube + "|" + row.Moves + "|" + row.Clock, "4×4×4|—|—");
  game.Summary.reset();
  row = texts::KeptGameColumns(game);
  EXPECT_EQ(row.Cube + "|" + row.Moves + "|" + row.Clock, "не читается|—|—");
}

TEST(Texts, TheHistorysProblemsSayWhatHappenedToTheGame) {
  using Kind = HistoryProblem::Kind;
  const std::string notWritten = "Ошибка: игра не записана в историю (";
  const struct {
    HistoryProblem problem;
    std::string said;
  } cases[] = {
      {{Kind::None, 0, 0, "/x/history.sqlite", ""}, ""},
      {{Kind::SetAside, 0, 0, "/x/history.sqlite", "/x/history.sqlite.bad-20261210T072503Z"},
       "История игр была повреждена и отложена в /x/history.sqlite.bad-20261210T072503Z; начата новая"},
      {{Kind::Newer, 0, 0, "/x/history.sqlite", ""}, notWritten + "история записана более новой версией игры)"},
      {{Kind::Full, ENOSPC, 13, "/x/history.sqlite", ""}, notWritten + "нет места на диске)"},
      {{Kind::Busy, 0, 5, "/x/history.sqlite", ""}, notWritten + "история занята другим окном игры)"},
      {{Kind::CannotOpen, ENOENT, 0, "", ""}, notWritten + "не задана папка данных: нет HOME и XDG_DATA_HOME)"},
      {{Kind::CannotOpen, EISDIR, 14, "/x/history.sqlite", ""}, notWritten + "на его месте папка)"},
      {{Kind::Failed, 0, 275, "/x/history.sqlite", ""}, notWritten + "ошибка базы данных, код 275)"},
  };
  for (const auto& c : cases) EXPECT_EQ(texts::HistoryProblemText(c.problem), c.said);
}

}  // namespace

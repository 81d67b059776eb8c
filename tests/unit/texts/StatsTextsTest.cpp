// The statistics box's words: clocks with hundredths, figures, a game's row,
// its text for the clipboard and why it stayed in the history.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>

#include "game/SolveStats.h"
#include "texts/Texts.h"

namespace {

TEST(StatsTexts, ClocksAndFigures) {
  const std::pair<std::string, std::string> cases[] = {
      {texts::SolveClock(0), "00:00:00.00"},
      {texts::SolveClock(117345), "00:01:57.34"},
      {texts::SolveClock(117349), "00:01:57.34"},  // cut as a stopwatch shows it
      {texts::SolveClock(3725990), "01:02:05.99"},
      {texts::SolveClock(-5), "00:00:00.00"},
      {texts::StatsFigure(std::nullopt), "—"},
      {texts::StatsFigure(kDnf), "DNF"},
      {texts::StatsFigure(61005), "00:01:01.00"},
      {texts::StatsDecimal(std::nullopt), "—"},
      {texts::StatsDecimal(2.5), "2,50"},
      {texts::StatsDecimal(1.0 / 3), "0,33"},
      {texts::StatsDecimal(12.999), "13,00"},
      {texts::StatsDecimal(0.004), "0,00"},
      {texts::SolveHowText(SolveHow::Solved), "собран"},
      {texts::SolveHowText(SolveHow::Computer), "компьютер"},
      {texts::SolveHowText(SolveHow::Abandoned), "брошен"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(StatsTexts, TheMomentReadsInLocalTime) {
  ::setenv("TZ", "MSK-3", 1);  // three hours east of UTC
  ::tzset();
  const std::pair<const char*, const char*> cases[] = {
      {"2026-12-10T07:25:03Z", "10.12.2026 10:25"},
      {"2026-12-31T22:00:00Z", "01.01.2027 01:00"},
      {"2026-12-10 07:25:03", "—"},
      {"2026-12-10T07:25:03Zx", "—"},
      {"", "—"},
  };
  for (const auto& [utc, local] : cases) EXPECT_EQ(texts::SolveDate(utc), local) << utc;
  ::setenv("TZ", "UTC", 1);
  ::tzset();
}

TEST(StatsTexts, AGameReadsAsARowOnTheClipboardAndInTheQuestion) {
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  SolveEntry game;
  game.FinishedAt = "2026-12-10T07:25:03Z";
  game.Size = 4;
  game.Ms = 117345;
  game.Moves = 42;
  game.Scramble = "R U F'";
  game.Solution = "F U' R'";
  game.Record = true;
  texts::SolveRow row = texts::SolveColumns(game);
  EXPECT_EQ(row.Date + "|" + row.Time + "|" + row.Moves + "|" + row.How + "|" + row.Record,
            "10.12.2026 07:25|00:01:57.34|42|собран|★");
  EXPECT_EQ(texts::SolveAsText(game),
            "Кубик: 4×4×4\nДата: 10.12.2026 07:25\nВремя: 00:01:57.34 (собран)\nХодов: 42\n"
            "Перемешивание: R U F'\nХоды: F U' R'");
  EXPECT_EQ(texts::DeleteSolveQuestion(game), "Удалить игру из истории?\n4×4×4, 10.12.2026 07:25, 00:01:57.34, ходов: 42");
  game.Scramble.clear();
  game.Solution.clear();
  game.How = SolveHow::Abandoned;
  game.Record = false;
  EXPECT_EQ(texts::SolveColumns(game).Record, "");
  EXPECT_EQ(texts::SolveAsText(game),
            "Кубик: 4×4×4\nДата: 10.12.2026 07:25\nВремя: 00:01:57.34 (брошен)\nХодов: 42\n"
            "Перемешивание: неизвестно\nХоды: нет");
}

TEST(StatsTexts, WhyAGameStayedInTheHistory) {
  using Kind = HistoryProblem::Kind;
  const std::string start = "Ошибка: игра не удалена из истории (";
  const struct {
    HistoryProblem why;
    std::string reason;
  } cases[] = {
      {{Kind::Busy, 0, 5, "/d/history.db", ""}, "история занята другим окном игры"},
      {{Kind::Newer, 0, 0, "/d/history.db", ""}, "история записана более новой версией игры"},
      {{Kind::SetAside, 0, 0, "/d/history.db", "/d/history.db.bad"}, "файл истории был повреждён и отложен"},
      {{Kind::Full, 0, 13, "/d/history.db", ""}, "нет места на диске"},
      {{Kind::CannotOpen, 0, 0, "", ""}, texts::KeepReason(0, "")},
      {{Kind::CannotOpen, ENOENT, 0, "/none/history.db", ""}, "нет такой папки"},
      {{Kind::Failed, 0, 1034, "/d/history.db", ""}, "ошибка базы данных, код 1034"},
  };
  for (const auto& c : cases) EXPECT_EQ(texts::SolveNotDeleted(c.why), start + c.reason + ")");
}

}  // namespace

// The statistics box's words: clocks with hundredths, figures, a game's row and text, why it stayed in the history.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "game/SolveStats.h"
#include "texts/Texts.h"

namespace {

TEST(StatsTexts, ClocksAndFigures) {
  const std::pair<std::string, std::string> cases[] = {
      {texts::SolveClock(-5), "00:00:00.00"},      {texts::SolveClock(117349), "00:01:57.34"},  // cut, as a stopwatch
      {texts::StatsFigure(std::nullopt), "—"},     {texts::StatsFigure(kDnf), "DNF"},
      {texts::StatsFigure(3725990), "01:02:05.99"}, {texts::StatsDecimal(std::nullopt), "—"},
      {texts::StatsDecimal(2.5), "2,50"},          {texts::StatsDecimal(1.0 / 3), "0,33"},
      {texts::StatsDecimal(12.999), "13,00"},      {texts::StatsDecimal(0.004), "0,00"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(StatsTexts, AGameReadsInLocalTimeAsARowOnTheClipboardAndInTheQuestion) {
  ::setenv("TZ", "MSK-3", 1);  // three hours east of UTC
  ::tzset();
  const std::pair<const char*, const char*> moments[] = {
      {"2026-12-10T07:25:03Z", "10.12.2026 10:25"}, {"2026-12-31T22:00:00Z", "01.01.2027 01:00"},
      {"2026-12-10 07:25:03", "—"}, {"2026-12-10T07:25:03Zx", "—"}, {"", "—"},
  };
  for (const auto& [utc, local] : moments) EXPECT_EQ(texts::SolveDate(utc), local) << utc;
  SolveEntry game{0, "2026-12-10T07:25:03Z", 4, 117345, 42, "R U F'", "F U' R'", {}, SolveHow::Solved, 0, 0, true};
  const auto [date, time, moves, how, record] = texts::SolveColumns(game);
  EXPECT_EQ(date + "|" + time + "|" + moves + "|" + how + "|" + record, "10.12.2026 10:25|00:01:57.34|42|собран|★");
  const std::string heading = "Кубик: 4×4×4\nДата: 10.12.2026 10:25\nВремя: 00:01:57.34 ";
  EXPECT_EQ(texts::SolveAsText(game), heading + "(собран)\nХодов: 42\nПеремешивание: R U F'\nХоды: F U' R'");
  EXPECT_EQ(texts::DeleteSolveQuestion(game),
            "Удалить игру из истории?\n4×4×4, 10.12.2026 10:25, 00:01:57.34, ходов: 42");
  game = {0, "2026-12-10T07:25:03Z", 4, 117345, 42, "", "", {}, SolveHow::Abandoned, 0, 0, false};
  EXPECT_EQ(texts::SolveColumns(game).Record, "");
  EXPECT_EQ(texts::SolveAsText(game), heading + "(брошен)\nХодов: 42\nПеремешивание: неизвестно\nХоды: нет");
  ::setenv("TZ", "UTC", 1);
  ::tzset();
}

TEST(StatsTexts, WhyAGameStayedInTheHistorySaysWhatTheStatusLineWould) {
  const HistoryProblem busy{HistoryProblem::Kind::Busy, 0, 5, "/d/history.db", ""};
  EXPECT_EQ(texts::SolveNotDeleted(busy), "Ошибка: игра не удалена из истории (история занята другим окном игры)");
}

}  // namespace

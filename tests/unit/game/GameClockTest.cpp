#include <gtest/gtest.h>

#include "game/GameClock.h"

TEST(GameClock, FieldsHaveTwoDigitsAndHoursGrowPastNinetyNine) {
  EXPECT_EQ(FormatGameClock(0), "00:00:00");
  EXPECT_EQ(FormatGameClock(59), "00:00:59");
  EXPECT_EQ(FormatGameClock(60), "00:01:00");
  EXPECT_EQ(FormatGameClock(3599), "00:59:59");
  EXPECT_EQ(FormatGameClock(3600), "01:00:00");
  EXPECT_EQ(FormatGameClock(3725), "01:02:05");
  EXPECT_EQ(FormatGameClock(359999), "99:59:59");
  EXPECT_EQ(FormatGameClock(360000), "100:00:00");
}

TEST(SavedGameName, DayMonthYearThenTime) {
  std::tm t{};
  t.tm_mday = 7;
  t.tm_mon = 2;  // March
  t.tm_year = 2008 - 1900;
  t.tm_hour = 14;
  t.tm_min = 5;
  t.tm_sec = 9;
  EXPECT_EQ(ProposedGameFileName(t), "07-03-2008--14-05-09.cube");
  t.tm_mday = 31;
  t.tm_mon = 11;
  t.tm_hour = 0;
  t.tm_min = 0;
  t.tm_sec = 0;
  EXPECT_EQ(ProposedGameFileName(t), "31-12-2008--00-00-00.cube");
}

TEST(GameClock, AResumedClockStartsAtItsOffset) {
  SteadyStopwatch clock;
  clock.Start(3725);
  EXPECT_GE(clock.Seconds(), 3725);
  clock.Start(-5);  // never before zero
  EXPECT_GE(clock.Seconds(), 0);
  EXPECT_LT(clock.Seconds(), 3725);
}

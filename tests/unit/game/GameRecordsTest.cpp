// Best solves in [Records] of the settings file: which solve wins, which
// values are read, and that writing them leaves every other line alone.
#include <gtest/gtest.h>

#include "game/GameRecords.h"
#include "files/IniFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {

TEST(GameRecordsTest, FasterWinsAndAnEqualTimeWinsWithFewerTurns) {
  GameRecords records;
  EXPECT_TRUE(records.Offer(3, {117, 42}));  // the first solve is a record
  EXPECT_FALSE(records.Offer(3, {118, 10}));
  EXPECT_FALSE(records.Offer(3, {117, 42}));  // a tie keeps the old one
  EXPECT_TRUE(records.Offer(3, {117, 41}));
  EXPECT_TRUE(records.Offer(3, {90, 300}));
  ASSERT_TRUE(records.Best(3));
  EXPECT_EQ(records.Best(3)->Seconds, 90);
  EXPECT_EQ(records.Best(3)->Moves, 300);
  EXPECT_FALSE(records.Best(2));  // sizes are kept apart
  EXPECT_FALSE(records.Offer(6, {1, 1}));
  EXPECT_FALSE(records.Offer(1, {1, 1}));
}

TEST(GameRecordsTest, OnlyPlainPairsOfCountsAreRecords) {
  ASSERT_TRUE(ParseRecord("117,42"));
  EXPECT_EQ(ParseRecord("117,42")->Seconds, 117);
  EXPECT_EQ(ParseRecord("117,42")->Moves, 42);
  EXPECT_TRUE(ParseRecord("0,0"));
  EXPECT_TRUE(ParseRecord("8640000,100000000"));  // 100 days
  for (const char* bad : {"", "117", "117,", ",42", "-5,42", "117,-1", "+5,4", "1 17,42", "117;42",
                          "abc,42", "117,4x", "0x10,4", "8640001,4", "5,100000001",
                          "99999999999999999999,1", "1,2,3"}) {
    EXPECT_FALSE(ParseRecord(bad)) << bad;
  }
  EXPECT_EQ(RecordText({117, 42}), "117,42");
}

class RecordsFileTest : public ::testing::Test {
 protected:
  TempDir dir_;
  std::string path_ = dir_.File("tessaro3d.ini");
};

TEST_F(RecordsFileTest, ABetterRecordWrittenMeanwhileByAnotherRunSurvives) {
  WriteBytes(path_, "[Records]\nBest3=117,42\n");
  GameRecords mine = GameRecords::Read(IniFile(path_));
  mine.Offer(3, {100, 40});
  mine.Offer(2, {20, 9});
  WriteBytes(path_, "[Records]\nBest3=90,50\n");  // the other run's exit
  IniFile ini(path_);
  mine.Write(ini);
  ASSERT_TRUE(ini.Save());
  const GameRecords read = GameRecords::Read(IniFile(path_));
  EXPECT_EQ(read.Best(3)->Seconds, 90);
  ASSERT_TRUE(read.Best(2));
  EXPECT_EQ(read.Best(2)->Moves, 9);
}

TEST_F(RecordsFileTest, NoRecordsAddNoSection) {
  WriteBytes(path_, "[Settings]\nDrawQuality=2\n");
  IniFile ini(path_);
  GameRecords().Write(ini);
  ASSERT_TRUE(ini.Save());
  EXPECT_EQ(ReadBytes(path_), "[Settings]\nDrawQuality=2\n");
}

}  // namespace

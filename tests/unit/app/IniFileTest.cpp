// Reading the INI file and parsing integer text.

#include <gtest/gtest.h>

#include "files/IniFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {

class IniReadTest : public ::testing::Test {
protected:
  IniFile With(const std::string& content) {
    WriteBytes(dir_.File("game.ini"), content);
    return IniFile(dir_.File("game.ini"));
  }
  TempDir dir_;
};

TEST_F(IniReadTest, MissingFileGivesDefaultsAndIsNotCreated) {
  const IniFile ini(dir_.File("absent.ini"));
  EXPECT_EQ(ini.Path(), dir_.File("absent.ini"));
  EXPECT_EQ(ini.ReadString("Settings", "SpaceColor", "fallback"), "fallback");
  EXPECT_EQ(ini.ReadInteger("Settings", "DrawQuality", 42), 42);
  EXPECT_TRUE(dir_.Entries().empty());
}

TEST_F(IniReadTest, DirectoryAsPathGivesDefaults) {
  const IniFile ini(dir_.File(""));
  EXPECT_EQ(ini.ReadString("Settings", "Key", "def"), "def");
}

TEST_F(IniReadTest, NamesCompareCaseInsensitivelyAndEverythingIsTrimmed) {
  const IniFile ini = With("  [ settings ]  \n\t spacecolor \t=  clRed  \nEMPTY=\n");
  EXPECT_EQ(ini.ReadString("Settings", "SpaceColor", "def"), "clRed");
  EXPECT_EQ(ini.ReadString("SETTINGS", "SPACECOLOR", "def"), "clRed");
  EXPECT_EQ(ini.ReadString(" Settings ", " SpaceColor ", "def"), "clRed");
  // An empty value is a value: the default is only for missing keys.
  EXPECT_EQ(ini.ReadString("Settings", "Empty", "def"), "");
  EXPECT_EQ(ini.ReadInteger("Settings", "Empty", 7), 7);
}

TEST_F(IniReadTest, FirstKeyOfFirstMatchingSectionCounts) {
  const IniFile ini = With(
      "Speed=1\n"
      "[Other]\nSpeed=2\n"
      "[Settings]\nSpeed=3\nspeed=4\n"
      "[Settings]\nSpeed=5\nLater=6\n");
  EXPECT_EQ(ini.ReadInteger("Settings", "Speed", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Other", "Speed", 0), 2);
  // Keys of a second section with the same name are not looked at.
  EXPECT_EQ(ini.ReadInteger("Settings", "Later", 0), 0);
  // Keys before the first section belong to no section.
  EXPECT_EQ(ini.ReadInteger("", "Speed", 0), 0);
}

TEST_F(IniReadTest, KeyOfAnotherSectionIsNotTaken) {
  const IniFile ini = With("[Other]\nDrawQuality=7\n[Settings]\nRotateSpeed=9\n");
  EXPECT_EQ(ini.ReadInteger("Settings", "DrawQuality", 1), 1);
}

TEST_F(IniReadTest, CommentsAndLinesWithoutEqualsHoldNoKeys) {
  const IniFile ini = With("[Settings]\n;DrawQuality=5\n# DrawQuality=6\nDrawQuality\nRotateSpeed=9 ; not a comment\n");
  EXPECT_EQ(ini.ReadInteger("Settings", "DrawQuality", 1), 1);
  EXPECT_EQ(ini.ReadString("Settings", "RotateSpeed", ""), "9 ; not a comment");
}

TEST_F(IniReadTest, CrlfAndMissingFinalLineBreakRead) {
  const IniFile ini = With("[Settings]\r\nSpaceColor=clRed\r\nDrawQuality=4");
  EXPECT_EQ(ini.ReadString("Settings", "SpaceColor", ""), "clRed");
  EXPECT_EQ(ini.ReadInteger("Settings", "DrawQuality", 1), 4);
}

TEST_F(IniReadTest, Utf8MarkBeforeFirstSectionIsIgnored) {
  const IniFile ini = With("\xEF\xBB\xBF[Settings]\nDrawQuality=4\n");
  EXPECT_EQ(ini.ReadInteger("Settings", "DrawQuality", 1), 4);
}

TEST_F(IniReadTest, OnePairOfMatchingQuotesIsRemoved) {
  const IniFile ini = With("[S]\nA=\"clRed\"\nB='x y'\nC=\"half\nD=\"\"\"\"\n");
  EXPECT_EQ(ini.ReadString("S", "A", ""), "clRed");
  EXPECT_EQ(ini.ReadString("S", "B", ""), "x y");
  EXPECT_EQ(ini.ReadString("S", "C", ""), "\"half");
  EXPECT_EQ(ini.ReadString("S", "D", ""), "\"\"");
}

// A big settings file costs one read, not one per key.
TEST_F(IniReadTest, TheFileIsReadOnceUntilLoadedAgain) {
  IniFile ini = With("[S]\nA=1\n");
  EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
  WriteBytes(ini.Path(), "[S]\nA=2\nB=3\n");
  EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
  EXPECT_EQ(ini.ReadInteger("S", "B", 0), 0);
  EXPECT_TRUE(ini.Load());
  EXPECT_EQ(ini.ReadInteger("S", "A", 0), 2);
  EXPECT_EQ(ini.ReadInteger("S", "B", 0), 3);
}

int32_t Parsed(const std::string& text) {
  int32_t value = 12345;
  EXPECT_TRUE(ParseIniInteger(text, value)) << '"' << text << '"';
  return value;
}

bool Rejected(const std::string& text) {
  int32_t value = 12345;
  const bool ok = ParseIniInteger(text, value);
  EXPECT_EQ(value, 12345) << "a rejected text must leave the value alone";
  return !ok;
}

TEST(ParseIniIntegerTest, DecimalWithOptionalSign) {
  EXPECT_EQ(Parsed("0"), 0);
  EXPECT_EQ(Parsed("17"), 17);
  EXPECT_EQ(Parsed("+17"), 17);
  EXPECT_EQ(Parsed("-5"), -5);
  EXPECT_EQ(Parsed("007"), 7);
  EXPECT_EQ(Parsed("2147483647"), INT32_MAX);
  EXPECT_EQ(Parsed("-2147483648"), INT32_MIN);
}

TEST(ParseIniIntegerTest, HexadecimalAfterDollarOrZeroX) {
  EXPECT_EQ(Parsed("0x10"), 16);
  EXPECT_EQ(Parsed("0X1f"), 31);
  EXPECT_EQ(Parsed("$1F"), 31);
  EXPECT_EQ(Parsed("$abcdef"), 0xABCDEF);
  EXPECT_EQ(Parsed("0x00483535"), 0x483535);
  EXPECT_EQ(Parsed("0x0000000000ff"), 255);
  // 32-bit patterns wrap into the signed range.
  EXPECT_EQ(Parsed("0xFFFFFFFF"), -1);
  EXPECT_EQ(Parsed("$FF00000F"), static_cast<int32_t>(-0x01000000 + 15));
  EXPECT_EQ(Parsed("0x80000000"), INT32_MIN);
}

TEST(ParseIniIntegerTest, AnythingElseIsRejected) {
  for (const char* text : {"", "abc", "12abc", "1.5", " 5", "5 ", "-", "+", "$", "0x", "0X", "0xg", "$-1", "-$1",
                           "0x-1", "--5", "2147483648", "-2147483649", "99999999999", "0x100000000", "$1FFFFFFFF"})
    EXPECT_TRUE(Rejected(text)) << '"' << text << '"';
}

}  // namespace

// The nine settings: defaults, reading rules, range repairs and writing,
// also with the records beside them.

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "app/settings/SettingsFile.h"
#include "game/GameRecords.h"
#include "texts/Texts.h"
#include "tests/unit/app/TestFiles.h"

namespace {

TEST(SettingsPathTest, ExtensionOfTheExecutableBecomesIni) {
  EXPECT_EQ(SettingsPathForExecutable("/opt/t/tessaro3d"), "/opt/t/tessaro3d.ini");
  EXPECT_EQ(SettingsPathForExecutable("/opt/t/tessaro3d.exe"), "/opt/t/tessaro3d.ini");
  EXPECT_EQ(SettingsPathForExecutable("/opt/t/tessaro.3d.bin"), "/opt/t/tessaro.3d.ini");
  EXPECT_EQ(SettingsPathForExecutable("/opt/t.d/tessaro3d"), "/opt/t.d/tessaro3d.ini");
  EXPECT_EQ(SettingsPathForExecutable("/opt/.hidden"), "/opt/.hidden.ini");
  EXPECT_EQ(SettingsPathForExecutable("tessaro3d"), "tessaro3d.ini");
  EXPECT_EQ(SettingsPathForExecutable("./tessaro3d"), "./tessaro3d.ini");
}

class SettingsTest : public ::testing::Test {
protected:
  TempDir dir_;
  IniFile ini_{dir_.File("tessaro3d.ini")};

  GameSettings Read(const std::string& content) {
    WriteBytes(ini_.Path(), content);
    EXPECT_TRUE(ini_.Load());
    return ReadSettings(ini_);
  }
  GameSettings ReadOne(const std::string& key, const std::string& value) {
    return Read("[Settings]\n" + key + "=" + value + "\n");
  }
  // The value a key has in the file after reading `value` and writing back.
  std::string RoundTrip(const std::string& key, const std::string& value) {
    EXPECT_TRUE(WriteSettings(ini_, ReadOne(key, value)));
    return IniFile(ini_.Path()).ReadString("Settings", key, "<missing>");
  }
};

void ExpectDefaults(const GameSettings& s) {
  EXPECT_EQ(s.SpaceColor, 0xF0FBFF);
  EXPECT_EQ(s.BGColor, 0x000000);
  EXPECT_EQ(s.DrawQuality, 1);
  EXPECT_EQ(s.RotateSpeed, 5);
  EXPECT_EQ(s.ShuffleRotateCount, 30);
  EXPECT_TRUE(s.ShowShuffle);
  EXPECT_FALSE(s.RotateAntiAlias);
  EXPECT_EQ(s.TimeoutRotate, 10000);
  EXPECT_EQ(s.CubeSize, 3);
  EXPECT_EQ(s.Language, "ru");
}

TEST_F(SettingsTest, FirstRunReadsDefaultsAndWritesAllTenKeysInOrder) {
  ExpectDefaults(ReadSettings(ini_));
  ASSERT_TRUE(WriteSettings(ini_, ReadSettings(ini_)));
  EXPECT_EQ(ReadBytes(ini_.Path()),
            "[Settings]\n"
            "SpaceColor=clCream\n"
            "BGColor=clBlack\n"
            "DrawQuality=1\n"
            "RotateAntiAlias=0\n"
            "RotateSpeed=5\n"
            "ShuffleRotateCount=30\n"
            "ShowShuffle=1\n"
            "CubeSize=3\n"
            "TimeoutRotate=10000\n"
            "Language=ru\n");
}

TEST_F(SettingsTest, EveryKeyIsReadAndWrittenBack) {
  const GameSettings s = Read(
      "[Settings]\nSpaceColor=clRed\nBGColor=clNavy\nDrawQuality=7\nRotateSpeed=15\n"
      "ShuffleRotateCount=0\nRotateAntiAlias=1\nTimeoutRotate=0\nCubeSize=4\nShowShuffle=0\nLanguage=en\n");
  EXPECT_EQ(s.SpaceColor, 0x0000FF);
  EXPECT_EQ(s.BGColor, 0x800000);
  EXPECT_EQ(s.DrawQuality, 7);
  EXPECT_EQ(s.RotateSpeed, 15);
  EXPECT_EQ(s.ShuffleRotateCount, 0);
  EXPECT_FALSE(s.ShowShuffle);
  EXPECT_TRUE(s.RotateAntiAlias);
  EXPECT_EQ(s.TimeoutRotate, 0);
  EXPECT_EQ(s.CubeSize, 4);
  EXPECT_EQ(s.Language, "en");

  GameSettings changed = s;
  changed.CubeSize = 5;
  ASSERT_TRUE(WriteSettings(ini_, changed));
  EXPECT_EQ(
      ReadBytes(ini_.Path()),
      "[Settings]\nSpaceColor=clRed\nBGColor=clNavy\nDrawQuality=7\nRotateSpeed=15\n"
      "ShuffleRotateCount=0\nRotateAntiAlias=1\nTimeoutRotate=0\nCubeSize=5\nShowShuffle=0\nLanguage=en\n");
}

TEST_F(SettingsTest, ColorsKeepTheirLow24BitsAndAreWrittenByName) {
  const GameSettings custom = ReadOne("SpaceColor", "0x00483535");
  EXPECT_EQ(custom.SpaceColor & 0xFF, 0x35);          // red
  EXPECT_EQ((custom.SpaceColor >> 8) & 0xFF, 0x35);   // green
  EXPECT_EQ((custom.SpaceColor >> 16) & 0xFF, 0x48);  // blue
  EXPECT_EQ(RoundTrip("SpaceColor", "0x00483535"), "0x00483535");

  EXPECT_EQ(ReadOne("BGColor", "255").BGColor, 0x0000FF);
  EXPECT_EQ(RoundTrip("BGColor", "255"), "clRed");
  EXPECT_EQ(ReadOne("BGColor", "clBtnFace").BGColor, 0x00000F);
  EXPECT_EQ(RoundTrip("BGColor", "clBtnFace"), "0x0000000f");
  EXPECT_EQ(ReadOne("BGColor", "clNone").BGColor, 0xFFFFFF);
  EXPECT_EQ(RoundTrip("BGColor", "clNone"), "clWhite");
  EXPECT_EQ(ReadOne("SpaceColor", "clDefault").SpaceColor, 0x000000);
  EXPECT_EQ(ReadOne("SpaceColor", "$FFFF0000").SpaceColor, 0xFF0000);
  EXPECT_EQ(ReadOne("SpaceColor", "-1").SpaceColor, 0xFFFFFF);
}

TEST_F(SettingsTest, UnreadableColorsGiveThatKeysDefault) {
  EXPECT_EQ(ReadOne("SpaceColor", "purple-ish").SpaceColor, 0xF0FBFF);
  EXPECT_EQ(ReadOne("SpaceColor", "").SpaceColor, 0xF0FBFF);
  EXPECT_EQ(ReadOne("BGColor", "clWhitish").BGColor, 0x000000);
  EXPECT_EQ(ReadOne("BGColor", "0x").BGColor, 0x000000);
}

TEST_F(SettingsTest, IntegersAcceptHexAndSignsAndFallBackOnGarbage) {
  EXPECT_EQ(ReadOne("DrawQuality", "0x10").DrawQuality, 16);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "$1F").ShuffleRotateCount, 31);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "0X1f").ShuffleRotateCount, 31);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "+12").ShuffleRotateCount, 12);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "-5").ShuffleRotateCount, 0);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "").ShuffleRotateCount, 30);
  EXPECT_EQ(ReadOne("ShuffleRotateCount", "12abc").ShuffleRotateCount, 30);
  EXPECT_EQ(ReadOne("TimeoutRotate", "abc").TimeoutRotate, 10000);
  EXPECT_EQ(ReadOne("TimeoutRotate", "-5").TimeoutRotate, 10000);
  EXPECT_EQ(ReadOne("TimeoutRotate", "99999999999").TimeoutRotate, 10000);
  EXPECT_EQ(ReadOne("TimeoutRotate", "2147483647").TimeoutRotate, 2147483647);
}

TEST_F(SettingsTest, RotateAntiAliasIsAnyNonZeroNumberAndWrittenAsOne) {
  EXPECT_TRUE(ReadOne("RotateAntiAlias", "7").RotateAntiAlias);
  EXPECT_TRUE(ReadOne("RotateAntiAlias", "-1").RotateAntiAlias);
  EXPECT_FALSE(ReadOne("RotateAntiAlias", "0").RotateAntiAlias);
  EXPECT_FALSE(ReadOne("RotateAntiAlias", "yes").RotateAntiAlias);
  EXPECT_EQ(RoundTrip("RotateAntiAlias", "7"), "1");
}

TEST_F(SettingsTest, ShowShuffleIsOneOrZeroAndAnyOtherValueTheDefault) {
  const struct {
    const char* text;
    bool shown;
  } cases[] = {{"1", true}, {"0", false},  {"7", true}, {"-1", true},
               {"2", true}, {"yes", true}, {"", true},  {"0abc", true}};
  for (const auto& c : cases) {
    EXPECT_EQ(ReadOne("ShowShuffle", c.text).ShowShuffle, c.shown) << c.text;
    EXPECT_EQ(RoundTrip("ShowShuffle", c.text), c.shown ? "1" : "0") << c.text;
  }
}

TEST_F(SettingsTest, LanguageIsAKnownCodeAndAnyOtherValueRussian) {
  for (const auto& [text, language] : std::initializer_list<std::pair<const char*, const char*>>{
           {"ru", "ru"}, {"en", "en"}, {"de", "ru"}, {"EN", "ru"}, {"en_US", "ru"}, {"", "ru"}, {"English", "ru"}}) {
    EXPECT_EQ(ReadOne("Language", text).Language, language) << text;
    EXPECT_EQ(RoundTrip("Language", text), language) << text;
  }
}

TEST_F(SettingsTest, OutOfRangeValuesAreRepairedAndInRangeValuesKept) {
  struct Case {
    const char* key;
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"DrawQuality", "0", 1},          {"DrawQuality", "17", 16},       {"DrawQuality", "-3", 1},
      {"DrawQuality", "16", 16},        {"DrawQuality", "7", 7},         {"DrawQuality", "1", 1},
      {"RotateSpeed", "0", 5},          {"RotateSpeed", "-5", 5},        {"RotateSpeed", "7", 5},
      {"RotateSpeed", "91", 5},         {"RotateSpeed", "180", 5},       {"RotateSpeed", "-90", 5},
      {"RotateSpeed", "90", 90},        {"RotateSpeed", "15", 15},       {"RotateSpeed", "1", 1},
      {"RotateSpeed", "45", 45},        {"ShuffleRotateCount", "-1", 0}, {"ShuffleRotateCount", "5000", 1000},
      {"ShuffleRotateCount", "0", 0},   {"ShuffleRotateCount", "1000", 1000},
      {"TimeoutRotate", "-1", 10000},   {"TimeoutRotate", "0", 0},       {"TimeoutRotate", "250", 250},
      {"CubeSize", "1", 3},             {"CubeSize", "6", 3},            {"CubeSize", "-4", 3},
      {"CubeSize", "2", 2},             {"CubeSize", "5", 5},            {"CubeSize", "big", 3},
  };
  for (const Case& c : cases) {
    const GameSettings s = ReadOne(c.key, c.text);
    const std::string key = c.key;
    const int32_t got = key == "DrawQuality"   ? s.DrawQuality
                        : key == "RotateSpeed" ? s.RotateSpeed
                        : key == "TimeoutRotate" ? s.TimeoutRotate
                        : key == "CubeSize"      ? s.CubeSize
                                                 : s.ShuffleRotateCount;
    EXPECT_EQ(got, c.expected) << c.key << '=' << c.text;
  }
  for (int speed = 1; speed <= 90; ++speed)
    EXPECT_EQ(ReadOne("RotateSpeed", std::to_string(speed)).RotateSpeed, 90 % speed == 0 ? speed : 5) << speed;
}

TEST_F(SettingsTest, KeysAreFoundCaseInsensitivelyOnlyInTheSettingsSection) {
  const GameSettings s = Read("[Other]\nDrawQuality=7\n[SETTINGS]\nrotatespeed=9\nSPACECOLOR=CLRED\n");
  EXPECT_EQ(s.DrawQuality, 1);
  EXPECT_EQ(s.RotateSpeed, 9);
  EXPECT_EQ(s.SpaceColor, 0x0000FF);
}

TEST_F(SettingsTest, WritingKeepsCommentsOtherSectionsUnknownKeysAndCrlf) {
  const std::string before =
      "; written by hand\r\n"
      "\r\n"
      "[Window]\r\n"
      "Left=10\r\n"
      "\r\n"
      "[settings]\r\n"
      "# speed of a turn\r\n"
      "rotatespeed = 9\r\n"
      "Sound=off\r\n"
      "CubeSize=4\r\n"
      "\r\n"
      "[Recent]\r\n"
      "File1=a.sav\r\n";
  GameSettings s = Read(before);
  EXPECT_EQ(s.RotateSpeed, 9);
  s.CubeSize = 2;
  ASSERT_TRUE(WriteSettings(ini_, s));
  EXPECT_EQ(ReadBytes(ini_.Path()),
            "; written by hand\r\n"
            "\r\n"
            "[Window]\r\n"
            "Left=10\r\n"
            "\r\n"
            "[settings]\r\n"
            "# speed of a turn\r\n"
            "rotatespeed=9\r\n"
            "Sound=off\r\n"
            "CubeSize=2\r\n"
            "SpaceColor=clCream\r\n"
            "BGColor=clBlack\r\n"
            "DrawQuality=1\r\n"
            "RotateAntiAlias=0\r\n"
            "ShuffleRotateCount=30\r\n"
            "ShowShuffle=1\r\n"
            "TimeoutRotate=10000\r\n"
            "Language=ru\r\n"
            "\r\n"
            "[Recent]\r\n"
            "File1=a.sav\r\n");
}

TEST_F(SettingsTest, UnwritableFileMakesWriteFailAndLeavesTheFileAlone) {
  const std::string parent = dir_.File("plain-file");
  WriteBytes(parent, "x\n");
  IniFile insideFile(parent + "/tessaro3d.ini");
  EXPECT_FALSE(WriteSettings(insideFile, GameSettings{}));
  EXPECT_EQ(ReadBytes(parent), "x\n");

  IniFile folder(dir_.File(""));
  EXPECT_FALSE(WriteSettings(folder, GameSettings{}));

  const std::string before = "[Settings]\nSpaceColor=clRed\nDrawQuality=4\n";
  WriteBytes(ini_.Path(), before);
  {
    const FileSizeLimit limit(before.size());  // the first changed key already grows the file
    EXPECT_FALSE(WriteSettings(ini_, GameSettings{}));
  }
  EXPECT_EQ(ReadBytes(ini_.Path()), before);
}

// A disk that fills up while the settings are written: all ten keys reach
// the file together or none does, and they can still be saved later.
TEST_F(SettingsTest, TheTenKeysAreWrittenInOneReplacement) {
  const std::string before = "[Settings]\nSpaceColor=clRed\n";
  WriteBytes(ini_.Path(), before);
  {
    const FileSizeLimit limit(80);  // room for the first few keys, not for all
    EXPECT_FALSE(WriteSettings(ini_, GameSettings{}));
  }
  EXPECT_EQ(ReadBytes(ini_.Path()), before);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"tessaro3d.ini"});
  EXPECT_TRUE(ini_.Save());
  EXPECT_EQ(
      ReadBytes(ini_.Path()),
      "[Settings]\nSpaceColor=clCream\nBGColor=clBlack\nDrawQuality=1\nRotateAntiAlias=0\n"
      "RotateSpeed=5\nShuffleRotateCount=30\nShowShuffle=1\nCubeSize=3\nTimeoutRotate=10000\nLanguage=ru\n");
}

TEST_F(SettingsTest, RecordsAndSettingsWrittenTogetherKeepEveryOtherLine) {
  const std::string before =
      "; my notes\n[Settings]\nDrawQuality=4\nRotateSpeed=10\nUnknown=x\n"
      "[Records]\nBest2=-3,4\nBest3=117,42\nBest4=fast\nComment=kept\n[Other]\na=b\n";
  WriteBytes(ini_.Path(), before);
  GameRecords records;
  const GameSettings settings = ReadSettingsFile(ini_.Path(), records);
  EXPECT_EQ(records.Best(3).value_or(SolveRecord{}).Seconds, 117);
  EXPECT_FALSE(records.Best(2) || records.Best(4) || records.Best(5));
  EXPECT_FALSE(records.Offer(3, {200, 5}));
  EXPECT_TRUE(records.Offer(4, {300, 80}));
  ASSERT_TRUE(SaveSettingsFile(ini_.Path(), settings, records));
  // Best4 replaces the invalid value in place; nothing else moves.
  const std::string after = ReadBytes(ini_.Path());
  std::string expected = before;
  expected.replace(expected.find("Best4=fast"), 10, "Best4=300,80");
  EXPECT_EQ(after.substr(after.find("[Records]")), expected.substr(expected.find("[Records]")));
  EXPECT_EQ(after.substr(0, 12), "; my notes\n[");
  EXPECT_EQ(ReadSettings(IniFile(ini_.Path())).RotateSpeed, 10);
}

// A run on a settings file it cannot read: the defaults, a text for the
// status line, and at exit (with a new record too) nothing written.
::testing::AssertionResult ReadButLeftAlone(const std::string& path, const std::string& failure) {
  SettingsFileKeeper keeper;
  GameRecords records;
  const GameSettings s = keeper.Read(path, records);
  records.Offer(3, {100, 50});
  if (s.DrawQuality != 1 || keeper.ReadFailure() != failure ||
      keeper.Write(GameSettings{}, records) != SettingsFileKeeper::Outcome::LeftAlone)
    return ::testing::AssertionFailure() << keeper.ReadFailure();
  return ::testing::AssertionSuccess();
}

TEST(SettingsKeeperTest, AFileThatCannotBeReadIsSaidAndNeverWrittenOver) {
  const struct { std::function<void(const std::string&)> make; int error; } cases[] = {
      {[](const std::string& p) { ::mkdir(p.c_str(), 0755); }, EISDIR},
      {[](const std::string& p) { WriteBytes(p, std::string("\xFF\xFE[\0S\0]\0", 8)); }, EILSEQ},  // UTF-16
  };
  for (const auto& c : cases) {
    TempDir dir;
    c.make(dir.File("tessaro3d.ini"));
    EXPECT_TRUE(ReadButLeftAlone(dir.File("tessaro3d.ini"), texts::SettingsNotRead(c.error))) << c.error;
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"tessaro3d.ini"}) << c.error;
  }
  // No read permission: as nobody, in a child, since permissions do not stop root.
  TempDir dir;
  const std::string path = dir.File("tessaro3d.ini");
  WriteBytes(path, "[Settings]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0200) | ::chmod(dir.File("").c_str(), 0777), 0);
  const pid_t pid = ::fork(), nobody = 65534;
  if (pid == 0) {
    const bool asNobody = ::geteuid() != 0 || (!::setgroups(0, nullptr) && !::setgid(nobody) && !::setuid(nobody));
    ::_exit(asNobody && ReadButLeftAlone(path, texts::SettingsNotRead(EACCES)) ? 0 : 1);
  }
  int status = -1;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_EQ(status, 0);
}

}  // namespace

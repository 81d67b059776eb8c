// Writing the INI file: what changes, what is kept, and failing safely.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/IniFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {

// Member order matters: the folder must exist before its path is taken.
class IniWrite : public ::testing::Test {
protected:
  TempDir dir_;
  std::string path_ = dir_.File("game.ini");
  IniFile ini_{path_};

  std::string After(const std::string& before, const std::string& key, const std::string& value,
                    const std::string& section = "Settings") {
    WriteBytes(path_, before);
    EXPECT_TRUE(ini_.WriteString(section, key, value));
    EXPECT_TRUE(ini_.Save());
    return ReadBytes(path_);
  }
};

TEST_F(IniWrite, NewFileGetsSectionAndKeysInWriteOrder) {
  EXPECT_TRUE(ini_.WriteString("Settings", "B", "two"));
  EXPECT_TRUE(ini_.WriteInteger("Settings", "A", -5));
  EXPECT_TRUE(ini_.WriteString("Other", "C", "3"));
  EXPECT_TRUE(ini_.Save());
  EXPECT_EQ(ReadBytes(path_), "[Settings]\nB=two\nA=-5\n[Other]\nC=3\n");
  EXPECT_EQ(ini_.ReadInteger("Settings", "A", 0), -5);
}

TEST_F(IniWrite, ExistingKeyIsReplacedOnItsLineAndTheRestKeptVerbatim) {
  const std::string before =
      "; Tessaro settings\n"
      "\n"
      "[Settings]\n"
      "# colours\n"
      "   spacecolor  =  clRed   \n"
      "Unknown = keep me\n"
      "\n"
      "[Window]\n"
      "SpaceColor=not this one\n";
  EXPECT_EQ(After(before, "SPACECOLOR", "clCream"),
            "; Tessaro settings\n"
            "\n"
            "[Settings]\n"
            "# colours\n"
            "   spacecolor=clCream\n"
            "Unknown = keep me\n"
            "\n"
            "[Window]\n"
            "SpaceColor=not this one\n");
}

TEST_F(IniWrite, NewKeyGoesAfterTheLastKeyOfItsSection) {
  EXPECT_EQ(After("[Settings]\nA=1\n; trailing note\n\n[Other]\nX=1\n", "B", "2"),
            "[Settings]\nA=1\nB=2\n; trailing note\n\n[Other]\nX=1\n");
  EXPECT_EQ(After("[Settings]\n\n[Other]\n", "B", "2"), "[Settings]\nB=2\n\n[Other]\n");
  // Only the first section of a name is written to, as it is the only one read.
  EXPECT_EQ(After("[Settings]\nA=1\n[Settings]\nB=1\n", "B", "2"), "[Settings]\nA=1\nB=2\n[Settings]\nB=1\n");
}

TEST_F(IniWrite, MissingSectionIsAppendedAtTheEnd) {
  EXPECT_EQ(After("[Other]\nX=1\n", "A", "1"), "[Other]\nX=1\n[Settings]\nA=1\n");
  EXPECT_EQ(After("[Other]\nX=1", "A", "1"), "[Other]\nX=1\n[Settings]\nA=1\n");
  EXPECT_EQ(After("[Settings]\nA=1", "B", "2"), "[Settings]\nA=1\nB=2\n");
}

TEST_F(IniWrite, CrlfFileStaysCrlf) {
  const std::string before = "; note\r\n[Settings]\r\nA=1\r\n\r\n[Other]\r\nX=1\r\n";
  EXPECT_EQ(After(before, "A", "9"), "; note\r\n[Settings]\r\nA=9\r\n\r\n[Other]\r\nX=1\r\n");
  EXPECT_EQ(After(before, "B", "2"), "; note\r\n[Settings]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nX=1\r\n");
  EXPECT_EQ(After(before, "C", "3", "New"), before + "[New]\r\nC=3\r\n");
}

TEST_F(IniWrite, Utf8MarkIsKept) {
  EXPECT_EQ(After("\xEF\xBB\xBF[Settings]\nA=1\n", "A", "2"), "\xEF\xBB\xBF[Settings]\nA=2\n");
}

TEST_F(IniWrite, TextThatCouldNotBeReadBackIsRefused) {
  WriteBytes(path_, "[Settings]\nA=1\n");
  EXPECT_FALSE(ini_.WriteString("Settings", "A", "1\n[Evil]"));
  EXPECT_FALSE(ini_.WriteString("Settings", "A", "1\r"));
  EXPECT_FALSE(ini_.WriteString("Settings", "A=B", "1"));
  EXPECT_FALSE(ini_.WriteString("Settings", "", "1"));
  EXPECT_FALSE(ini_.WriteString("Settings", ";A", "1"));
  EXPECT_FALSE(ini_.WriteString("Set]tings", "A", "1"));
  EXPECT_FALSE(ini_.WriteString(" ", "A", "1"));
  EXPECT_TRUE(ini_.Save());
  EXPECT_EQ(ReadBytes(path_), "[Settings]\nA=1\n");
}

TEST_F(IniWrite, FileModeIsKeptAndNoTemporaryFileIsLeft) {
  WriteBytes(path_, "[Settings]\nA=1\n");
  ASSERT_EQ(chmod(path_.c_str(), 0640), 0);
  EXPECT_TRUE(ini_.WriteString("Settings", "A", "2"));
  EXPECT_TRUE(ini_.Save());
  struct stat st {};
  ASSERT_EQ(stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"game.ini"});
}

TEST_F(IniWrite, SymbolicLinkIsFollowedNotReplaced) {
  const std::string real = dir_.File("real.ini");
  WriteBytes(real, "[Settings]\nA=1\n");
  ASSERT_EQ(symlink("real.ini", path_.c_str()), 0);
  EXPECT_TRUE(ini_.WriteString("Settings", "A", "2"));
  EXPECT_TRUE(ini_.Save());
  struct stat st {};
  ASSERT_EQ(lstat(path_.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadBytes(real), "[Settings]\nA=2\n");
}

TEST_F(IniWrite, UnwritablePathsReturnFalse) {
  // Parent is a regular file (permissions would not stop root).
  const std::string parent = dir_.File("not-a-folder");
  WriteBytes(parent, "plain file\n");
  IniFile insideFile(parent + "/game.ini");
  EXPECT_TRUE(insideFile.WriteString("Settings", "A", "1"));
  EXPECT_FALSE(insideFile.Save());
  EXPECT_EQ(ReadBytes(parent), "plain file\n");

  // The target itself is a folder.
  ASSERT_EQ(mkdir(path_.c_str(), 0755), 0);
  EXPECT_TRUE(ini_.WriteString("Settings", "A", "1"));
  EXPECT_FALSE(ini_.Save());
  EXPECT_TRUE(std::filesystem::is_directory(path_));
  EXPECT_EQ(dir_.Entries(), (std::set<std::string>{"game.ini", "not-a-folder"}));
}

TEST_F(IniWrite, WriteFailingMidwayLeavesTheOldFileIntact) {
  const std::string before = "; keep\n[Settings]\nSpaceColor=clRed\nUnknown=1\n";
  WriteBytes(path_, before);
  {
    // Too small for the new content: a truncate-and-write would lose the file.
    const FileSizeLimit limit(before.size() / 2);
    EXPECT_TRUE(ini_.WriteString("Settings", "BGColor", "clBlack"));
    EXPECT_FALSE(ini_.Save());
  }
  EXPECT_EQ(ReadBytes(path_), before);
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"game.ini"});
}

// errno says why, and the writes wait for a Save that can be made.
TEST_F(IniWrite, AFailedSaveSaysWhyAndKeepsTheFile) {
  WriteBytes(path_, "[Settings]\nA=1\n");
  ASSERT_EQ(chmod(path_.c_str(), 0444), 0);
  EXPECT_TRUE(ini_.WriteString("Settings", "A", "2"));
  const bool saved = ini_.Save();
  const int error = errno;
  EXPECT_FALSE(saved);
  EXPECT_EQ(error, EACCES);
  EXPECT_EQ(ReadBytes(path_), "[Settings]\nA=1\n");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"game.ini"});
  ASSERT_EQ(chmod(path_.c_str(), 0644), 0);
  EXPECT_TRUE(ini_.Save());
  EXPECT_EQ(ReadBytes(path_), "[Settings]\nA=2\n");
}

// Two games running at once: each save is whole and keeps what the other
// saved meanwhile, other sections included.
TEST_F(IniWrite, TwoWritersKeepEachOthersKeysAndOtherSections) {
  WriteBytes(path_, "; mine\n[Settings]\nA=1\n");
  IniFile first(path_), second(path_);
  EXPECT_EQ(first.ReadString("Settings", "A", ""), "1");
  EXPECT_EQ(second.ReadString("Settings", "A", ""), "1");
  EXPECT_TRUE(first.WriteString("Settings", "A", "2"));
  EXPECT_TRUE(first.WriteString("Records", "Best3", "61"));
  EXPECT_EQ(first.ReadString("Records", "Best3", ""), "61");
  EXPECT_EQ(ReadBytes(path_), "; mine\n[Settings]\nA=1\n") << "nothing is written before Save";
  EXPECT_TRUE(second.WriteString("Settings", "B", "3"));
  EXPECT_TRUE(first.Save());
  EXPECT_TRUE(second.Save());
  EXPECT_EQ(ReadBytes(path_), "; mine\n[Settings]\nA=2\nB=3\n[Records]\nBest3=61\n");
  EXPECT_EQ(second.ReadString("Records", "Best3", ""), "61");
  EXPECT_EQ(dir_.Entries(), std::set<std::string>{"game.ini"});
}

}  // namespace

// The help page is looked up in the working directory, beside the executable,
// then in the installed documentation folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings/HelpFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {

namespace fs = std::filesystem;

TEST(HelpFileTest, LookupOrder) {
  TempDir dir;
  const std::string cwd = dir.File("cwd"), bin = dir.File("usr/bin"), doc = dir.File("usr/share/doc/tessaro3d");
  for (const std::string& d : {cwd, bin, doc}) fs::create_directories(d);

  EXPECT_EQ(FindHelpFile(cwd, bin), "");
  WriteBytes(doc + "/readme.htm", "doc");
  EXPECT_EQ(FindHelpFile(cwd, bin), doc + "/readme.htm");
  WriteBytes(bin + "/readme.htm", "bin");
  EXPECT_EQ(FindHelpFile(cwd, bin), bin + "/readme.htm");
  WriteBytes(cwd + "/readme.htm", "cwd");
  EXPECT_EQ(FindHelpFile(cwd, bin), cwd + "/readme.htm");
}

// The page of the player's language wherever it lies, before the Russian one.
TEST(HelpFileTest, ThePageOfTheLanguageComesFirst) {
  TempDir dir;
  const std::string cwd = dir.File("cwd"), bin = dir.File("usr/bin"), doc = dir.File("usr/share/doc/tessaro3d");
  for (const std::string& d : {cwd, bin, doc}) fs::create_directories(d);
  WriteBytes(cwd + "/readme.htm", "ru");
  EXPECT_EQ(FindHelpFile(cwd, bin, "en"), cwd + "/readme.htm") << "no English page: the Russian one";
  WriteBytes(doc + "/readme-en.htm", "en");
  EXPECT_EQ(FindHelpFile(cwd, bin, "en"), doc + "/readme-en.htm");
}

TEST(HelpFileTest, FolderNamedLikeThePageIsNoPage) {
  TempDir dir;
  fs::create_directories(dir.File("cwd/readme.htm"));
  fs::create_directories(dir.File("bin"));
  EXPECT_EQ(FindHelpFile(dir.File("cwd"), dir.File("bin")), "");
}

}  // namespace

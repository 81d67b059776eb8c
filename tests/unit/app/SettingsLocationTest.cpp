// Where the settings file is kept: beside the executable when the game is not
// installed and may write there, in the player's configuration folder otherwise.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/settings/SettingsPath.h"
#include "tests/unit/app/TestFiles.h"

namespace {

namespace fs = std::filesystem;

class SettingsLocationTest : public ::testing::Test {
protected:
  SettingsLocationTest() {
    fs::create_directories(bin_);
    fs::create_directories(home_);
  }

  // The real check, except that the game's own folder (and what lies in it)
  // counts as read-only when the test says so: root may write anywhere, so a
  // read-only folder cannot be made with permissions alone.
  std::string Choose(const char* xdg, const char* home) {
    return ChooseSettingsPath(exe_, xdg, home, installed_, [this](const std::string& path) {
      const bool inBin = path == bin_ || path.rfind(bin_ + "/", 0) == 0;
      if (inBin && binReadOnly_) return fileWritable_ && path != bin_;
      return IsWritable(path);
    });
  }

  TempDir dir_;
  const std::string bin_ = dir_.File("usr/bin");
  const std::string home_ = dir_.File("home");
  const std::string exe_ = bin_ + "/tessaro3d";
  bool binReadOnly_ = false;
  bool fileWritable_ = false;  // the file beside the executable, when the folder is read-only
  bool installed_ = false;
};

TEST_F(SettingsLocationTest, WritableFolderKeepsTheFileBesideTheExecutable) {
  EXPECT_EQ(Choose(nullptr, home_.c_str()), exe_ + ".ini");
  WriteBytes(exe_ + ".ini", "[Settings]\n");
  EXPECT_EQ(Choose("/elsewhere", home_.c_str()), exe_ + ".ini");
  // The same with the real check alone: the test made the folder, so may write it.
  EXPECT_EQ(ChooseSettingsPath(exe_, nullptr, home_.c_str(), false), exe_ + ".ini");
}

// A save needs a temporary file beside it; and root may write the program
// folder, so being installed decides alone.
TEST_F(SettingsLocationTest, NotBesideTheExecutableInAReadOnlyFolderOrWhenInstalled) {
  binReadOnly_ = true;
  fileWritable_ = true;
  WriteBytes(exe_ + ".ini", "[Settings]\n");
  EXPECT_EQ(Choose(nullptr, home_.c_str()), home_ + "/.config/tessaro3d/tessaro3d.ini");
  binReadOnly_ = false;
  installed_ = true;
  EXPECT_EQ(Choose(nullptr, home_.c_str()), home_ + "/.config/tessaro3d/tessaro3d.ini");
  EXPECT_EQ(Choose(nullptr, nullptr), "");
}

TEST_F(SettingsLocationTest, InstalledMeansTheConfiguredBinFolderOrUnderUsr) {
  fs::create_directory_symlink(bin_, dir_.File("link"));
  EXPECT_TRUE(IsInstalledFolder(dir_.File("link"), bin_));  // real paths are compared
  EXPECT_TRUE(IsInstalledFolder(dir_.File("home/../usr/bin"), dir_.File("link")));
  EXPECT_TRUE(IsInstalledFolder("/usr", ""));
  EXPECT_TRUE(IsInstalledFolder("/usr/bin", dir_.File("missing")));
  EXPECT_FALSE(IsInstalledFolder(home_, bin_));
  EXPECT_FALSE(IsInstalledFolder(dir_.File("missing"), dir_.File("missing")));
}

TEST_F(SettingsLocationTest, InstalledGameUsesTheConfigurationFolder) {
  binReadOnly_ = true;
  EXPECT_EQ(Choose(nullptr, home_.c_str()), home_ + "/.config/tessaro3d/tessaro3d.ini");
  EXPECT_EQ(Choose("/cfg", home_.c_str()), "/cfg/tessaro3d/tessaro3d.ini");
  // A read-only file beside the executable does not count.
  WriteBytes(exe_ + ".ini", "[Settings]\n");
  EXPECT_EQ(Choose("/cfg", home_.c_str()), "/cfg/tessaro3d/tessaro3d.ini");
}

TEST_F(SettingsLocationTest, BadEnvironmentFallsBack) {
  binReadOnly_ = true;
  // Relative or empty XDG_CONFIG_HOME is ignored, as the XDG rules say.
  EXPECT_EQ(Choose("relative/cfg", home_.c_str()), home_ + "/.config/tessaro3d/tessaro3d.ini");
  EXPECT_EQ(Choose("", home_.c_str()), home_ + "/.config/tessaro3d/tessaro3d.ini");
  // Without HOME (or with a relative one) only the designed path is left.
  EXPECT_EQ(Choose(nullptr, nullptr), exe_ + ".ini");
  EXPECT_EQ(Choose(nullptr, ""), exe_ + ".ini");
  EXPECT_EQ(Choose(nullptr, "home"), exe_ + ".ini");
  EXPECT_EQ(Choose("/cfg", nullptr), "/cfg/tessaro3d/tessaro3d.ini");
}

TEST(SettingsFolderTest, CreatedWhenMissingAndFailureIsReported) {
  TempDir dir;
  const std::string path = dir.File("a/b/tessaro3d/tessaro3d.ini");
  EXPECT_TRUE(CreateFolderOf(path));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("a/b/tessaro3d")));
  EXPECT_TRUE(CreateFolderOf(path));  // already there
  EXPECT_FALSE(std::filesystem::exists(path));
  // A file where the folder should be: no folder, no exception.
  WriteBytes(dir.File("file"), "x");
  EXPECT_FALSE(CreateFolderOf(dir.File("file/tessaro3d/tessaro3d.ini")));
  EXPECT_TRUE(IsWritable(dir.File("a")));
  EXPECT_FALSE(IsWritable(dir.File("missing")));
}

}  // namespace

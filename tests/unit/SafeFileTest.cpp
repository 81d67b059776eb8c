// Replacing a file when the save cannot succeed: the old bytes stay, nothing
// new is left in the folder, and errno (with its text for the player) says why.
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "puzzle/SafeFile.h"

namespace fs = std::filesystem;

namespace {
constexpr uid_t kNobody = 65534;
const std::string kOld(3000, 'o');
const std::string kNew(20000, 'n');

std::string Read(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return "";
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> Entries(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
  return names;
}

// File permissions do not stop root: the failing save runs as nobody.
bool AsNobody() {
  return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}

// A real full disk: a tmpfs of three pages over dir, in a mount namespace of
// the child's own. Only root (with the right to mount) gets one.
bool SmallFileSystem(const fs::path& dir, const char* options) {
  if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tessaro-test", dir.c_str(), "tmpfs", 0, options) != 0)
    return false;
  std::ofstream(dir / "game.cube", std::ios::binary) << kOld;
  return Read((dir / "game.cube").string()) == kOld;
}

// Replaces dir/name with kNew in a child set up by setUp, and tells what the
// child saw: the result, errno and its reason, and whether the file and its
// folder stayed as they were.
std::string ReplaceInChild(const fs::path& dir, const std::string& name, const std::function<bool()>& setUp) {
  int out[2];
  if (::pipe(out) != 0) return "no pipe";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(out[0]);
    std::string report = "not set up";
    try {  // the child must never go back into the tests
      if (setUp()) {
        const std::string path = (dir / name).string();
        const std::string before = Read(path);
        const std::set<std::string> entries = Entries(dir);
        const bool replaced = safefile::Replace(path, kNew);
        const int error = errno;
        report = replaced ? "replaced" : std::string(std::strerror(error)) + ": " + safefile::FailureReason(error, path);
        if (Read(path) != before) report += ", old bytes lost";
        if (Entries(dir) != entries) report += ", folder changed";
      }
    } catch (const std::exception& e) {
      report = e.what();
    }
    (void)!::write(out[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(out[1]);
  std::string report;
  char buffer[256];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return report;
}

class SafeFileFailures : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tessaro-safe-XXXXXX").string();
    ASSERT_TRUE(::mkdtemp(pattern.data()));
    base_ = pattern;
    NewFolder("first");
  }
  void TearDown() override {
    for (const auto& entry : fs::directory_iterator(base_)) ::chmod(entry.path().c_str(), 0755);
    fs::remove_all(base_);
  }
  void NewFolder(const std::string& name) {
    dir_ = base_ / name;
    fs::create_directory(dir_);
    ASSERT_EQ(::chmod(base_.c_str(), 0755), 0);  // nobody must reach it
  }
  std::string Old(const std::string& name = "game.cube") {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << kOld;
    return path;
  }
  // What nobody may do to files that are theirs.
  void GiveAway(const fs::path& path) {
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
  }

  fs::path base_, dir_;
};

TEST_F(SafeFileFailures, TheOldFileStaysAndErrnoSaysWhy) {
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::function<bool()> inChild;
    std::string name, expected;
  };
  const Case cases[] = {
      {"a file-size limit stops the write halfway", [&] { Old(); },
       [] {
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit small{8192, 8192};
         return ::setrlimit(RLIMIT_FSIZE, &small) == 0;
       },
       "game.cube", "File too large: ошибка записи"},
      {"a read-only folder",
       [&] {
         GiveAway(Old());
         GiveAway(dir_);
         ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
       },
       AsNobody, "game.cube", "Permission denied: папка недоступна для записи"},
      {"a read-only file",
       [&] {
         GiveAway(Old());
         GiveAway(dir_);
         ASSERT_EQ(::chmod((dir_ / "game.cube").c_str(), 0444), 0);
       },
       AsNobody, "game.cube", "Permission denied: файл только для чтения"},
      {"a name too long", [&] { Old(); }, [] { return true; }, std::string(256, 'g'),
       "File name too long: слишком длинное имя файла"},
      {"a folder", [&] { fs::create_directory(dir_ / "folder.cube"); }, [] { return true; }, "folder.cube",
       "Is a directory: ошибка записи"},
  };
  for (const Case& c : cases) {
    NewFolder(c.what);
    c.prepare();
    EXPECT_EQ(ReplaceInChild(dir_, c.name, c.inChild), c.expected) << c.what;
  }
}

TEST_F(SafeFileFailures, AFullDiskKeepsTheOldFile) {
  // Three pages of space, or room for one file beside the folder itself.
  for (const char* options : {"size=12k", "size=1m,nr_inodes=2"}) {
    const std::string report = ReplaceInChild(dir_, "game.cube", [&] { return SmallFileSystem(dir_, options); });
    if (report == "not set up") GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(report, "No space left on device: нет места на диске") << options;
  }
}

}  // namespace

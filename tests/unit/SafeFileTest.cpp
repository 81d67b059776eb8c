// Replacing a file when the save cannot succeed: the old bytes and the folder
// stay as they were, and errno (with its words for the player) says why.
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "files/SafeFile.h"
#include "tests/unit/app/TestFiles.h"

namespace {
constexpr uid_t kNobody = 65534;
const std::string kOld(3000, 'o');

// Replaces dir/name in a child made ready by setUp: its errno, or 0 when it did,
// 255 when not set up, 254 when dir/game.cube lost its old bytes or dir its
// entries. The child never goes back into the tests: an exception ends it.
int ReplaceInChild(const TempDir& dir, const std::string& name, const std::function<bool()>& setUp) noexcept {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!setUp()) ::_exit(255);
    const std::set<std::string> entries = dir.Entries();
    if (safefile::Replace(dir.File(name), std::string(20000, 'n'))) ::_exit(0);
    const int error = errno;
    ::_exit(ReadBytes(dir.File("game.cube")) == kOld && dir.Entries() == entries ? error : 254);
  }
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// File permissions do not stop root: the failing save runs as nobody.
bool AsNobody() {
  return ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
}
bool SmallFileSizeLimit() {
  const rlimit small{8192, 8192};
  return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
}
}  // namespace

TEST(SafeFileFailures, TheOldFileStaysAndErrnoSaysWhy) {
  const struct {
    bool (*inChild)();
    mode_t folderMode, fileMode;
    std::string name;
    int error;
    safefile::FileProblem problem;
  } cases[] = {
      {SmallFileSizeLimit, 0755, 0644, "game.cube", EFBIG, safefile::FileProblem::WriteFailed},
      {AsNobody, 0555, 0644, "game.cube", EACCES, safefile::FileProblem::FolderNotWritable},
      {AsNobody, 0755, 0444, "game.cube", EACCES, safefile::FileProblem::ReadOnlyFile},
      {AsNobody, 0755, 0644, std::string(256, 'g'), ENAMETOOLONG, safefile::FileProblem::NameTooLong},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteBytes(dir.File("game.cube"), kOld);
    for (const std::string& path : {dir.File(""), dir.File("game.cube")}) {  // only the modes stop nobody
      ASSERT_TRUE(::geteuid() != 0 || ::chown(path.c_str(), kNobody, kNobody) == 0);
    }
    ASSERT_EQ(::chmod(dir.File("game.cube").c_str(), c.fileMode), 0);
    ASSERT_EQ(::chmod(dir.File("").c_str(), c.folderMode), 0);
    EXPECT_EQ(ReplaceInChild(dir, c.name, c.inChild), c.error) << c.name;
    EXPECT_EQ(safefile::WriteProblem(c.error, dir.File(c.name)), c.problem);
    ::chmod(dir.File("").c_str(), 0700);
  }
}

// A real full disk: a tmpfs over the folder, in a mount namespace of the
// child's own (root only), with no room for the new bytes or for a new file.
TEST(SafeFileFailures, AFullDiskKeepsTheOldFile) {
  EXPECT_EQ(safefile::WriteProblem(ENOSPC, ""), safefile::FileProblem::NoSpace);
  for (const char* options : {"size=12k", "size=1m,nr_inodes=2"}) {
    TempDir dir;
    const int error = ReplaceInChild(dir, "game.cube", [&] {
      if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          ::mount("tessaro-test", dir.File("").c_str(), "tmpfs", 0, options) != 0)
        return false;
      WriteBytes(dir.File("game.cube"), kOld);
      return true;
    });
    if (error == 255) GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(error, ENOSPC) << options;
  }
}

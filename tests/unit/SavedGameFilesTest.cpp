// Saved games and the file system: files that cannot be read or are no
// regular files, links, modes, read-only files and folders, long names and
// the temporary files of interrupted saves.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <set>

#include "TestCubes.h"

namespace fs = std::filesystem;

namespace {
constexpr uid_t kNobody = 65534;

// Runs body in a child process, as an ordinary user when the tests run as
// root (file permissions do not stop root); true when body returned true.
bool InChild(const std::function<bool()>& body, bool unprivileged = true) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    bool ok = true;
    if (unprivileged && ::geteuid() == 0)
      ok = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    ::_exit(ok && body() ? 0 : 1);
  }
  int status = 0;
  return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SavedGameFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tessaro-files-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      if (fs::is_directory(entry.symlink_status())) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The child of InChild must be able to write what it is given.
  static void GiveToChild(const std::string& path) {
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
    }
  }
  std::set<std::string> Entries(const fs::path& dir) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    return names;
  }
  static mode_t Mode(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
  }

  fs::path dir_;
  std::unique_ptr<VEKGL> three_ = HeadlessRenderer(3);
  std::unique_ptr<VEKGL> two_ = HeadlessRenderer(2);
};

TEST_F(SavedGameFiles, AFifoIsNoSavedGameAndNeverBlocksTheLoad) {
  const std::string fifo = Path("pipe.cube");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  GameFileError error = GameFileError::None;
  // Opening a FIFO that has no writer waits for one: load on another thread,
  // and let a writer in if the load is still waiting long after it should
  // have returned, so that a failure ends instead of hanging the tests.
  auto load = std::async(std::launch::async, [&] { return three_->Cube->LoadFromFile(fifo, &error); });
  if (load.wait_for(std::chrono::seconds(30)) != std::future_status::ready) {
    ADD_FAILURE() << "loading a FIFO blocks";
    ::close(::open(fifo.c_str(), O_WRONLY));
  }
  EXPECT_EQ(load.get(), 0);
  EXPECT_EQ(error, GameFileError::NotAGame);
  EXPECT_EQ(three_->Cube->Size, 3);

  EXPECT_EQ(three_->Cube->LoadFromFile(dir_.string(), &error), 0);
  EXPECT_EQ(error, GameFileError::NotAGame);
  EXPECT_EQ(three_->Cube->LoadFromFile("/dev/zero", &error), 0);
  EXPECT_EQ(error, GameFileError::NotAGame);
  // Saving over a FIFO fails too, without waiting for a reader.
  EXPECT_FALSE(three_->Cube->SaveToFile(fifo));
  EXPECT_EQ(errno, EINVAL);
}

TEST_F(SavedGameFiles, AFileThatCannotBeOpenedIsToldFromOneThatIsNoGame) {
  GameFileError error = GameFileError::None;
  EXPECT_EQ(three_->Cube->LoadFromFile(Path("missing.cube"), &error), 0);
  EXPECT_EQ(error, GameFileError::CannotOpen);
  ASSERT_EQ(::symlink("loop-b.cube", Path("loop-a.cube").c_str()), 0);
  ASSERT_EQ(::symlink("loop-a.cube", Path("loop-b.cube").c_str()), 0);
  EXPECT_EQ(three_->Cube->LoadFromFile(Path("loop-a.cube"), &error), 0);
  EXPECT_EQ(error, GameFileError::CannotOpen);

  const std::string secret = Path("secret.cube");
  ASSERT_TRUE(two_->Cube->SaveToFile(secret));
  ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
  EXPECT_TRUE(InChild([&] {
    GameFileError childError = GameFileError::None;
    return three_->Cube->LoadFromFile(secret, &childError) == 0 && childError == GameFileError::CannotOpen;
  }));

  std::ofstream(Path("text.cube")) << "not a game\n";
  EXPECT_EQ(three_->Cube->LoadFromFile(Path("text.cube"), &error), 0);
  EXPECT_EQ(error, GameFileError::NotAGame);
  EXPECT_EQ(three_->Cube->LoadFromFile(secret, &error), 2);
  EXPECT_EQ(error, GameFileError::None);
}

TEST_F(SavedGameFiles, SavingThroughALinkUpdatesTheFileItNames) {
  fs::create_directory(dir_ / "games");
  const std::string real = Path("games/real.cube");
  ASSERT_TRUE(three_->Cube->SaveToFile(real));
  ASSERT_EQ(::symlink("games/real.cube", Path("link.cube").c_str()), 0);
  ASSERT_TRUE(two_->Cube->SaveToFile(Path("link.cube")));
  EXPECT_TRUE(fs::is_symlink(Path("link.cube")));
  EXPECT_EQ(fs::file_size(real), 4712u);
  // A link to a file not yet there makes the file.
  ASSERT_EQ(::symlink("games/new.cube", Path("dangling.cube").c_str()), 0);
  ASSERT_TRUE(two_->Cube->SaveToFile(Path("dangling.cube")));
  EXPECT_TRUE(fs::is_symlink(Path("dangling.cube")));
  EXPECT_EQ(fs::file_size(Path("games/new.cube")), 4712u);
  EXPECT_EQ(Entries(dir_ / "games"), (std::set<std::string>{"real.cube", "new.cube"}));
}

TEST_F(SavedGameFiles, ModesAreKeptAndAReadOnlyGameIsNotReplaced) {
  const std::string mine = Path("mine.cube");
  ASSERT_TRUE(three_->Cube->SaveToFile(mine));
  ASSERT_EQ(::chmod(mine.c_str(), 0600), 0);
  ASSERT_TRUE(two_->Cube->SaveToFile(mine));
  EXPECT_EQ(Mode(mine), 0600u);
  EXPECT_EQ(fs::file_size(mine), 4712u);

  const mode_t previous = ::umask(027);
  const bool saved = two_->Cube->SaveToFile(Path("new.cube"));
  EXPECT_EQ(::umask(previous), 027u);
  ASSERT_TRUE(saved);
  EXPECT_EQ(Mode(Path("new.cube")), 0640u);

  const std::string locked = Path("locked.cube");
  ASSERT_TRUE(three_->Cube->SaveToFile(locked));
  const std::string before = Read(locked);
  ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
  EXPECT_FALSE(two_->Cube->SaveToFile(locked));
  EXPECT_EQ(Read(locked), before);
  EXPECT_EQ(Mode(locked), 0444u);
}

TEST_F(SavedGameFiles, NamesOfTheLongestLengthCanBeSaved) {
  for (size_t length : {242u, 250u, 255u}) {
    const std::string name = std::string(length - 5, 'g') + ".cube";
    ASSERT_TRUE(two_->Cube->SaveToFile(Path(name))) << length;
    auto loaded = HeadlessRenderer(3);
    EXPECT_EQ(loaded->Cube->LoadFromFile(Path(name)), 2) << length;
    fs::remove(Path(name));
  }
  EXPECT_TRUE(Entries(dir_).empty());
}

TEST_F(SavedGameFiles, InAReadOnlyFolderNoGameIsSavedNotEvenInPlace) {
  const fs::path folder = dir_ / "readonly";
  fs::create_directory(folder);
  const std::string game = (folder / "game.cube").string();
  ASSERT_TRUE(three_->Cube->SaveToFile(game));
  const std::string before = Read(game);
  GiveToChild(folder.string());
  GiveToChild(game);
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);

  EXPECT_TRUE(InChild([&] { return !two_->Cube->SaveToFile(game) && errno == EACCES; }));
  EXPECT_TRUE(InChild([&] { return !two_->Cube->SaveToFile((folder / "other.cube").string()) && errno == EACCES; }));
  EXPECT_EQ(Read(game), before);
  EXPECT_EQ(Entries(folder), std::set<std::string>{"game.cube"});
}

TEST_F(SavedGameFiles, OnlyTheTemporaryFileOfTheSaveItselfIsEverRemoved) {
  const std::string game = Path("game.cube");
  ASSERT_TRUE(three_->Cube->SaveToFile(game));
  const std::string before = Read(game);
  // A save killed halfway through its write: the file-size limit's signal
  // ends the process as a crash or a power cut would.
  auto five = HeadlessRenderer(5);
  const pid_t pid = ::fork();
  if (pid == 0) {
    const rlimit noCore{0, 0}, small{4096, 4096};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::signal(SIGXFSZ, SIG_DFL);
    five->Cube->SaveToFile(game);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
  EXPECT_EQ(Read(game), before);
  // The killed save's file is named as ours are, but this process did not
  // make it; nor did it make the player's files of similar names.
  ASSERT_EQ(Entries(dir_).size(), 2u);
  std::ofstream(Path("game.cube.saving-backup")) << "the player's";
  std::ofstream(Path("game.cube.saving-Ab12Z9")) << "the player's";
  const std::set<std::string> others = Entries(dir_);

  ASSERT_TRUE(two_->Cube->SaveToFile(game));
  EXPECT_EQ(Entries(dir_), others);
  EXPECT_TRUE(InChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small{4096, 4096};
    return ::setrlimit(RLIMIT_FSIZE, &small) == 0 && !five->Cube->SaveToFile(game) && errno == EFBIG;
  }, false));
  EXPECT_EQ(Entries(dir_), others);
  EXPECT_EQ(Read(game).size(), 4712u);
  EXPECT_EQ(Read(Path("game.cube.saving-backup")), "the player's");
}
}  // namespace

// Which kept games Continue is offered: plain files named as kept games only,
// and never one that was set aside; which are deleted; whose lock goes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>

#include "game/ResumeStore.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/VekCube.h"
#include "tests/unit/TestCubes.h"
#include "tests/unit/app/TestFiles.h"

namespace {

namespace fs = std::filesystem;

// The folder of kept games in a scratch folder of its own.
struct KeptFolder {
  KeptFolder() { fs::create_directory(path); }
  std::string File(const std::string& name) const { return path + "/" + name; }
  TempDir dir;
  const std::string path = dir.File("kept");
};

// A kept game of size with its clock and moves.
void WriteKeptGame(const std::string& path, int size, uint32_t seconds, int moves) {
  auto renderer = HeadlessRenderer(size, 90);
  std::mt19937 random(static_cast<unsigned>(size + moves));
  for (int i = 0; i < moves; ++i) RandomDrag(*renderer->Cube, random);
  ASSERT_TRUE(SaveGameWithTrailer(*renderer->Cube, path, seconds, 20));
}

std::string LockOf(const std::string& game) { return game.substr(0, game.size() - 5) + ".lock"; }

// Neither is ever opened: a FIFO would hold Latest() until a writer came.
void MakeFifo(const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }
void MakeLinkLoop(const std::string& path) { fs::create_symlink(fs::path(path).filename(), path); }

TEST(ResumeStoreTest, OnlyAPlainFileNamedAsAKeptGameIsOffered) {
  const auto plain = [](const std::string& path) { WriteBytes(path, "a game"); };
  const struct { const char* name; std::function<void(const std::string&)> make; bool offered; } cases[] = {
      {"resume.cube", plain, true},  // kept by earlier versions
      {"resume-1-2-3.cube", plain, true},
      {"resumes.cube", plain, false},
      {"resume-1-2-3.lock", plain, false},
      {"resume-1-2-3.cube.bad", plain, false},
      {"resume-fifo.cube", MakeFifo, false},
      {"resume-loop.cube", MakeLinkLoop, false},
      {"resume-link.cube", [](const std::string& path) { fs::create_symlink("game", path); }, false},
      {"resume-folder.cube", [](const std::string& path) { fs::create_directory(path); }, false},
  };
  for (const auto& c : cases) {
    KeptFolder kept;
    WriteBytes(kept.File("game"), "a game");  // where the link leads
    c.make(kept.File(c.name));
    EXPECT_EQ(ResumeStore(kept.path).Latest(), c.offered ? kept.File(c.name) : "") << c.name;
  }
}

TEST(ResumeStoreTest, AKeptGameSetAsideIsNotOfferedAgainAndNoneSetAsideEarlierIsReplaced) {
  KeptFolder kept;
  MakeFifo(kept.File("resume-fifo.cube"));
  MakeLinkLoop(kept.File("resume-loop.cube"));
  ResumeStore store(kept.path);
  const std::string broken = kept.File("resume.cube");
  for (const char* bytes : {"not a game", "not a game either"}) {
    WriteBytes(broken, bytes);
    ASSERT_EQ(store.Latest(), broken);
    EXPECT_TRUE(store.SetAside(broken));
    EXPECT_FALSE(fs::exists(broken));
    EXPECT_EQ(store.Latest(), "");
  }
  EXPECT_EQ(ReadBytes(broken + ".bad"), "not a game");
  EXPECT_EQ(ReadBytes(broken + ".bad-2"), "not a game either");
}

// Only a free kept game of the folder that reads as a game is deleted, with
// its stale lock; anything else stays, byte for byte.
TEST(ResumeStoreTest, OnlyAFreeKeptGameIsDeletedAndItsStaleLockWithIt) {
  KeptFolder kept;
  const std::string game = kept.File("resume-a.cube"), held = kept.File("resume-held.cube");
  const struct { std::string path; int error; } cases[] = {
      {game, 0}, {held, EWOULDBLOCK}, {kept.File("resume-notes.cube"), EINVAL}, {kept.File("game.cube"), EINVAL},
      {kept.File("resume-link.cube"), EINVAL}};
  for (const auto& c : cases) WriteKeptGame(c.path, 3, 9, 2);
  WriteBytes(LockOf(game), "");  // left by a copy that was killed
  WriteBytes(kept.File("resume-notes.cube"), "my notes");
  fs::remove(kept.File("resume-link.cube"));
  fs::create_symlink(game + ".bad", kept.File("resume-link.cube"));
  ResumeStore store(kept.path), other(kept.path);
  ASSERT_TRUE(other.Adopt(held));
  for (const auto& c : cases) {
    const std::string before = ReadBytes(c.path);
    errno = 0;
    EXPECT_EQ(store.Remove(c.path), c.error == 0) << c.path;
    EXPECT_EQ(errno, c.error) << c.path;
    EXPECT_EQ(ReadBytes(c.path), c.error ? before : "") << c.path;
  }
  EXPECT_FALSE(fs::exists(LockOf(game)));
  EXPECT_TRUE(fs::exists(LockOf(held)));
}

// A window's lock goes when it lets go of its game (the game stays), but
// never a lock another window has taken under the same name since.
TEST(ResumeStoreTest, AWindowRemovesItsOwnLockOnlyWhenItLetsGo) {
  KeptFolder kept;
  for (const bool replaced : {false, true}) {
    ResumeStore first(kept.path), second(kept.path);
    ASSERT_TRUE(first.Keep([](const std::string& path) { return WriteKeptGame(path, 3, 4, 1), true; }));
    const std::string game = first.Own();
    if (replaced) {
      ASSERT_EQ(::unlink(LockOf(game).c_str()), 0);  // removed by hand
      ASSERT_TRUE(second.Adopt(game));
    }
    first.Release();
    EXPECT_TRUE(fs::exists(game));
    EXPECT_EQ(fs::exists(LockOf(game)), replaced);
    EXPECT_EQ(ResumeStore(kept.path).Latest(), replaced ? "" : game) << "still held by the other";
    second.Release();
    EXPECT_FALSE(fs::exists(LockOf(game)));
    fs::remove(game);
  }
}

}  // namespace

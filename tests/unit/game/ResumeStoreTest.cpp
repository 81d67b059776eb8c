// Which kept games Continue is offered: plain files named as kept games only,
// and never one that was set aside.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "game/ResumeStore.h"
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

}  // namespace

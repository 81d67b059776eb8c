#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

#include "puzzle/Random.h"
#include "TestCubes.h"

namespace fs = std::filesystem;

namespace {
class SavedGame : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tessaro-saved-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  static std::vector<uint8_t> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  static void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static float FloatAt(const std::vector<uint8_t>& bytes, size_t offset) {
    float f;
    std::memcpy(&f, bytes.data() + offset, 4);
    return f;
  }

  fs::path dir_;
};

bool SamePointsBitForBit(const VEKBigCube& a, const VEKBigCube& b) {
  if (a.CubieCount != b.CubieCount) return false;
  for (int c = 0; c < a.CubieCount; ++c) {
    for (int p = 0; p < kPointsPerCubie; ++p) {
      const VEKVector &u = a.Cubies[c].Points[p], &v = b.Cubies[c].Points[p];
      if (std::memcmp(&u.X, &v.X, 12) != 0 || v.W != 1.0f) return false;
    }
  }
  return true;
}
}  // namespace

TEST_F(SavedGame, LayoutAndLengthForEverySize) {
  const size_t lengths[] = {4712, 15884, 37640, 73508};
  for (int n = 2; n <= 5; ++n) {
    auto renderer = HeadlessRenderer(n);
    const std::string path = Path("size" + std::to_string(n) + ".cube");
    ASSERT_TRUE(renderer->Cube->SaveToFile(path));
    const std::vector<uint8_t> bytes = Read(path);
    ASSERT_EQ(bytes.size(), lengths[n - 2]);
    const uint8_t header[8] = {0x72, 0, 0, 0, static_cast<uint8_t>(n), 0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes.data(), header, 8), 0);
    // Cubie b, point p sits at 8 + 588 b + 12 p as X, Y, Z.
    const VEKBigCube& cube = *renderer->Cube;
    for (int b : {0, n * n * n - 1}) {
      for (int p : {0, 17, 48}) {
        const size_t at = 8 + 588 * static_cast<size_t>(b) + 12 * static_cast<size_t>(p);
        EXPECT_EQ(FloatAt(bytes, at), cube.Cubies[b].Points[p].X);
        EXPECT_EQ(FloatAt(bytes, at + 4), cube.Cubies[b].Points[p].Y);
        EXPECT_EQ(FloatAt(bytes, at + 8), cube.Cubies[b].Points[p].Z);
      }
    }
  }
  // The first point of a fresh 3x3x3 is the centre of cubie 0.
  const std::vector<uint8_t> three = Read(Path("size3.cube"));
  EXPECT_FLOAT_EQ(FloatAt(three, 8), -1.6f);
  EXPECT_FLOAT_EQ(FloatAt(three, 16), -1.6f);
}

TEST_F(SavedGame, RoundTripRestoresEveryPointBitForBit) {
  vekrandom::FixClockSeed(99u);
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto saved = HeadlessRenderer(n, 30);
    saved->Cube->Shuffle(25);
    saved->Cube->Cubies[1].Points[7].Z = 1.0e-30f;  // any finite value survives
    const std::string path = Path("game.cube");
    ASSERT_TRUE(saved->Cube->SaveToFile(path));

    auto loaded = HeadlessRenderer(3);
    EXPECT_EQ(loaded->Cube->LoadFromFile(path), n);
    EXPECT_EQ(loaded->Cube->Size, n);
    EXPECT_TRUE(SamePointsBitForBit(*saved->Cube, *loaded->Cube)) << n;
    // Ids, flags and digits follow from the array index, as in the saved game.
    for (int b = 0; b < loaded->Cube->CubieCount; ++b) {
      EXPECT_EQ(loaded->Cube->Cubies[b].Id, saved->Cube->Cubies[b].Id);
      EXPECT_EQ(loaded->Cube->Cubies[b].OuterPlusX, saved->Cube->Cubies[b].OuterPlusX);
    }
  }
  vekrandom::FixClockSeed(std::nullopt);
}

TEST_F(SavedGame, SavingASmallGameOverABigOneLeavesOnlyTheSmallOne) {
  auto big = HeadlessRenderer(3);
  const std::string path = Path("over.cube");
  ASSERT_TRUE(big->Cube->SaveToFile(path));
  auto small = HeadlessRenderer(2);
  ASSERT_TRUE(small->Cube->SaveToFile(path));
  EXPECT_EQ(Read(path).size(), 4712u);
  auto loaded = HeadlessRenderer(3);
  EXPECT_EQ(loaded->Cube->LoadFromFile(path), 2);
}

TEST_F(SavedGame, MalformedFilesAreRejectedAndTheCubeIsUntouched) {
  auto source = HeadlessRenderer(3);
  ASSERT_TRUE(source->Cube->SaveToFile(Path("good.cube")));
  const std::vector<uint8_t> good = Read(Path("good.cube"));

  std::vector<std::vector<uint8_t>> bad;
  bad.push_back({});                                       // empty
  bad.push_back({0x72, 0, 0});                             // shorter than the magic
  bad.push_back({0x72, 0, 0, 0});                          // no size
  bad.push_back(std::vector<uint8_t>(good.begin(), good.end() - 1));  // one byte short
  bad.push_back(std::vector<uint8_t>(good.begin(), good.begin() + 8));
  for (uint32_t magic : {0u, 113u, 115u, 0x72000000u}) {
    std::vector<uint8_t> b = good;
    std::memcpy(b.data(), &magic, 4);
    bad.push_back(b);
  }
  for (int32_t size : {0, 1, 6, -3, 1 << 30}) {
    std::vector<uint8_t> b = good;
    std::memcpy(b.data() + 4, &size, 4);
    bad.push_back(b);
  }
  {
    std::vector<uint8_t> b = good;  // claims 4x4x4 but holds a 3x3x3's points
    b[4] = 4;
    bad.push_back(b);
  }
  {
    std::vector<uint8_t> b = good;  // an undefined coordinate
    const uint32_t nan = 0x7FC00000u;
    std::memcpy(b.data() + 8 + 588 * 5 + 4, &nan, 4);
    bad.push_back(b);
  }
  // Finite, but beyond any cube: one turn would make it infinite.
  for (float far : {3e38f, -3e38f, 100.5f, std::numeric_limits<float>::infinity()}) {
    std::vector<uint8_t> b = good;
    std::memcpy(b.data() + 8 + 588 * 26 + 12 * 48 + 8, &far, 4);
    bad.push_back(b);
  }

  // Centres that are no cube: more than a quarter of a cell off the grid (the
  // hidden core too), a layer beyond the cube, cubie 1 on cubie 0's place.
  const auto moved = [](std::vector<uint8_t> b, size_t cubie, size_t axis, float by) {
    const float v = FloatAt(b, 8 + 588 * cubie + 4 * axis) + by;
    std::memcpy(b.data() + 8 + 588 * cubie + 4 * axis, &v, 4);
    return b;
  };
  for (float by : {0.41f, -0.41f}) bad.push_back(moved(good, 5, 0, by));
  bad.push_back(moved(good, 13, 2, -0.5f));
  bad.push_back(moved(good, 26, 0, 1.6f));
  bad.push_back(moved(good, 1, 2, -1.6f));

  auto target = HeadlessRenderer(4);
  target->Cube->Cubies[3].Points[2].Y = 7.5f;
  for (size_t i = 0; i < bad.size(); ++i) {
    const std::string path = Path("bad" + std::to_string(i) + ".cube");
    Write(path, bad[i]);
    EXPECT_EQ(target->Cube->LoadFromFile(path), 0) << "case " << i;
    EXPECT_EQ(target->Cube->LoadFromBytes(bad[i].data(), bad[i].size()), 0) << "case " << i;
    EXPECT_EQ(target->Cube->Size, 4) << "case " << i;
    EXPECT_EQ(target->Cube->Cubies[3].Points[2].Y, 7.5f) << "case " << i;
  }
  EXPECT_EQ(target->Cube->LoadFromFile(Path("missing.cube")), 0);
  EXPECT_EQ(target->Cube->LoadFromFile(dir_.string()), 0);  // a folder
  EXPECT_EQ(target->Cube->Size, 4);

  // Coordinates within reach of some game still load.
  std::vector<uint8_t> near = good;
  const float fifty = -50.0f;
  std::memcpy(near.data() + 8 + 588 * 26 + 12 * 48 + 8, &fifty, 4);
  EXPECT_EQ(target->Cube->LoadFromBytes(near.data(), near.size()), 3);

  // A centre drifted almost a quarter of a cell still stands on its place.
  const std::vector<uint8_t> drifted = moved(moved(good, 7, 0, 0.39f), 7, 1, -0.39f);
  EXPECT_EQ(target->Cube->LoadFromBytes(drifted.data(), drifted.size()), 3);

  // Extra bytes after the points are ignored.
  std::vector<uint8_t> longer = good;
  longer.resize(good.size() + 1000, 0xAB);
  Write(Path("long.cube"), longer);
  EXPECT_EQ(target->Cube->LoadFromFile(Path("long.cube")), 3);
}

TEST_F(SavedGame, AFailedSaveKeepsTheOldFileAndSaysSo) {
  auto old = HeadlessRenderer(3);
  const std::string path = Path("keep.cube");
  ASSERT_TRUE(old->Cube->SaveToFile(path));
  const std::vector<uint8_t> before = Read(path);

  auto other = HeadlessRenderer(5);
  // Nothing can be created beside the target in a folder without write
  // permission (root ignores permissions, so use a target that is a folder too).
  fs::create_directory(Path("folder.cube"));
  EXPECT_FALSE(other->Cube->SaveToFile(Path("folder.cube")));
  EXPECT_TRUE(fs::is_directory(Path("folder.cube")));
  EXPECT_FALSE(other->Cube->SaveToFile(Path("no-such-folder/game.cube")));

  // A disk that fills up halfway through the write (a file-size limit works
  // for root too).
  {
    struct rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved_ok = other->Cube->SaveToFile(path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(saved_ok);
  }
  EXPECT_EQ(Read(path), before);
  // No temporary file is left behind by the failures.
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 1);
}

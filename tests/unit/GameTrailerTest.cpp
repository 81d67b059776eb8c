// The saved-game trailer: round trips through bytes and files, files of the
// older format, and every damaged trailer falling back to the plain game.
#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "puzzle/GameTrailer.h"
#include "puzzle/Random.h"
#include "TestCubes.h"

namespace fs = std::filesystem;

namespace {
std::vector<uint8_t> Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool SamePoints(const VEKBigCube& a, const VEKBigCube& b) {
  if (a.CubieCount != b.CubieCount) return false;
  for (int c = 0; c < a.CubieCount; ++c) {
    if (std::memcmp(a.Cubies[c].Points.get(), b.Cubies[c].Points.get(),
                    sizeof(VEKVector) * kPointsPerCubie) != 0) {
      return false;
    }
  }
  return true;
}

GameTrailer SomeTrailer(int size, int moves, uint32_t seed) {
  std::mt19937 random(seed);
  GameTrailer t;
  t.Seconds = 3725;
  for (int i = 0; i < moves; ++i) {
    t.Moves.push_back(VEKMove{static_cast<uint8_t>(random() % 3), static_cast<uint8_t>(random() % size),
                              static_cast<int8_t>(random() % 2 ? 1 : -1)});
  }
  if (moves > 0) t.Moves[0].Width = static_cast<uint8_t>(size - t.Moves[0].Layer);  // a wide turn
  t.Cursor = static_cast<uint32_t>(moves / 2);
  t.MoveCount = t.Cursor;
  t.ScrambleTurns = 30;
  t.Scramble = "R U2 F' x";
  return t;
}

// Bytes standing in for the game a trailer follows.
std::vector<uint8_t> SomeGame(uint8_t fill) { return std::vector<uint8_t>(100, fill); }

void Resign(std::vector<uint8_t>& trailer, const std::vector<uint8_t>& game) {
  uLong crc = crc32(0L, game.data(), static_cast<uInt>(game.size()));
  crc = crc32(crc, trailer.data(), static_cast<uInt>(trailer.size() - 4));
  for (int i = 0; i < 4; ++i) trailer[trailer.size() - 4 + i] = static_cast<uint8_t>(crc >> (8 * i));
}

class TrailerFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tessaro-trailer-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  fs::path dir_;
};
}  // namespace

TEST(GameTrailer, BytesRoundTripForEverySize) {
  const std::vector<uint8_t> game = SomeGame(7);
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    const GameTrailer t = SomeTrailer(n, 40, static_cast<uint32_t>(n));
    const std::vector<uint8_t> bytes = EncodeGameTrailer(t, game);
    ASSERT_EQ(bytes.size(), kTrailerFixedBytes + 40 + 4 + t.Scramble.size());
    EXPECT_EQ(std::memcmp(bytes.data(), "T3DG\x03\0\0\0", 8), 0);
    GameTrailer back;
    ASSERT_TRUE(DecodeGameTrailer(bytes.data(), bytes.size(), n, game, back)) << n;
    EXPECT_EQ(back.Seconds, t.Seconds);
    EXPECT_EQ(back.MoveCount, t.MoveCount);
    EXPECT_EQ(back.Cursor, t.Cursor);
    EXPECT_EQ(back.ScrambleTurns, 30u);
    EXPECT_EQ(back.Moves, t.Moves);
    EXPECT_EQ(back.Scramble, t.Scramble);
    // Behind other points of the same length it is not believed.
    EXPECT_FALSE(DecodeGameTrailer(bytes.data(), bytes.size(), n, SomeGame(8), back)) << n;
  }
  GameTrailer empty;
  const std::vector<uint8_t> bytes = EncodeGameTrailer(empty, game);
  GameTrailer back;
  back.Seconds = 9;
  EXPECT_TRUE(DecodeGameTrailer(bytes.data(), bytes.size(), 2, game, back));
  EXPECT_EQ(back.Seconds, 0u);
  EXPECT_TRUE(back.Moves.empty());
}

TEST(GameTrailer, TheLastVersionStillLoads) {
  // Version 2: no scramble text, and no wide turns.
  const std::vector<uint8_t> game = SomeGame(5);
  GameTrailer t = SomeTrailer(4, 10, 3);
  t.Moves[0].Width = 1;
  t.Scramble.clear();
  std::vector<uint8_t> old = EncodeGameTrailer(t, game);
  old.erase(old.end() - 8, old.end() - 4);  // the scramble's length
  old[4] = 2;
  Resign(old, game);
  GameTrailer back;
  ASSERT_TRUE(DecodeGameTrailer(old.data(), old.size(), 4, game, back));
  EXPECT_EQ(back.Moves, t.Moves);
  EXPECT_TRUE(back.Scramble.empty());
  old[28] |= 0x40;  // a width in a version that had none
  Resign(old, game);
  EXPECT_FALSE(DecodeGameTrailer(old.data(), old.size(), 4, game, back));
}

TEST(GameTrailer, EveryTruncationAndEveryBitFlipIsRefused) {
  const std::vector<uint8_t> game = SomeGame(1);
  const std::vector<uint8_t> good = EncodeGameTrailer(SomeTrailer(3, 12, 1), game);
  GameTrailer out;
  for (std::size_t length = 0; length < good.size(); ++length) {
    EXPECT_FALSE(DecodeGameTrailer(good.data(), length, 3, game, out)) << length;
  }
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::vector<uint8_t> bad = good;
      bad[i] ^= static_cast<uint8_t>(1 << bit);
      EXPECT_FALSE(DecodeGameTrailer(bad.data(), bad.size(), 3, game, out)) << i << " bit " << bit;
    }
  }
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeGameTrailer(longer.data(), longer.size(), 3, game, out));
}

TEST(GameTrailer, InconsistentContentIsRefusedEvenWithAGoodChecksum) {
  GameTrailer out;
  const std::vector<uint8_t> game = SomeGame(2);
  // A layer that a smaller cube does not have.
  GameTrailer big;
  big.Moves = {VEKMove{0, 4, 1}};
  big.Cursor = big.MoveCount = 1;
  const std::vector<uint8_t> five = EncodeGameTrailer(big, game);
  EXPECT_TRUE(DecodeGameTrailer(five.data(), five.size(), 5, game, out));
  EXPECT_FALSE(DecodeGameTrailer(five.data(), five.size(), 3, game, out));

  const std::vector<uint8_t> good = EncodeGameTrailer(SomeTrailer(3, 6, 2), game);
  struct Change {
    std::size_t at;
    uint8_t value;
  } changes[] = {
      {4, 1},     // version 1: its check did not cover the points
      {16, 7},    // cursor past the six moves
      {12, 0},    // fewer turns applied (0) than undoable (3)
      {12, 9},    // more turns applied than the history holds, history not full
      {10, 0x84}, // clock 100 days and a few seconds
      {23, 1},    // scramble of 16 million turns
      {28, 3},    // axis 3
      {29, 0xC8}, // a turn of four layers from layer 2
      {24, 5},    // count says five moves, six follow
      {34, 10},   // scramble text longer than what follows
      {38, 'Q'},  // scramble text that is no notation
  };
  for (const Change& c : changes) {
    std::vector<uint8_t> bad = good;
    bad[c.at] = c.value;
    Resign(bad, game);
    EXPECT_FALSE(DecodeGameTrailer(bad.data(), bad.size(), 3, game, out)) << "byte " << c.at;
  }
}

TEST(GameTrailer, TheCountIsBoundedToWhatTheCounterShowsAndSavedAtTheBound) {
  // Only a full history counts turns beyond it; a game counted past the
  // bound is saved at it.
  auto cube = std::make_unique<VEKBigCube>();
  cube->Build(3);
  const std::vector<VEKMove> full(VEKMoveHistory::kMaxMoves, VEKMove{1, 0, 1});
  const std::vector<uint8_t> game = SomeGame(3);
  for (const auto& [count, saved] : {std::pair{kMaxGameMoves, kMaxGameMoves}, {kMaxGameMoves + 1, kMaxGameMoves}}) {
    ASSERT_TRUE(cube->History.Restore(full, full.size(), count));
    GameTrailer t = CaptureGameTrailer(*cube, 0, 30), out;
    EXPECT_EQ(t.MoveCount, saved);
    t.MoveCount = count;
    const std::vector<uint8_t> bytes = EncodeGameTrailer(t, game);
    EXPECT_EQ(DecodeGameTrailer(bytes.data(), bytes.size(), 3, game, out), count <= kMaxGameMoves) << count;
  }
}

TEST_F(TrailerFiles, SaveAndLoadResumeTheGameAndItsHistory) {
  vekrandom::FixClockSeed(4u);
  std::mt19937 random(8);
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto game = HeadlessRenderer(n, 45);
    VEKBigCube& cube = *game->Cube;
    cube.Shuffle(6);
    auto scrambled = HeadlessRenderer(n);
    const std::string plain = Path("plain.cube"), full = Path("full.cube");
    ASSERT_TRUE(cube.SaveToFile(plain));
    for (int i = 0; i < 9; ++i) RandomDrag(cube, random);
    ASSERT_TRUE(cube.Undo());
    ASSERT_TRUE(cube.Undo());
    ASSERT_TRUE(SaveGameWithTrailer(cube, full, 754, 45));
    ASSERT_TRUE(cube.SaveToFile(plain));

    // Up to the last point the file is the designed one.
    const std::vector<uint8_t> withTrailer = Read(full), designed = Read(plain);
    ASSERT_EQ(withTrailer.size(), designed.size() + kTrailerFixedBytes + 4 + 9);
    EXPECT_TRUE(std::equal(designed.begin(), designed.end(), withTrailer.begin()));

    auto loaded = HeadlessRenderer(3, 45);
    std::optional<GameTrailer> trailer;
    ASSERT_EQ(LoadGameWithTrailer(*loaded->Cube, full, trailer), n);
    ASSERT_TRUE(trailer.has_value());
    EXPECT_EQ(trailer->Seconds, 754u);
    EXPECT_EQ(trailer->ScrambleTurns, 45u);
    EXPECT_TRUE(SamePoints(cube, *loaded->Cube));
    EXPECT_EQ(loaded->Cube->MoveCount(), 7u);
    EXPECT_EQ(loaded->Cube->History.Moves(), cube.History.Moves());
    // The restored history plays on the loaded cube as on the saved one.
    ASSERT_TRUE(loaded->Cube->Redo());
    ASSERT_TRUE(cube.Redo());
    while (loaded->Cube->Undo()) ASSERT_TRUE(cube.Undo());
    EXPECT_FALSE(cube.CanUndo());
    EXPECT_TRUE(CubeIsIntact(*loaded->Cube, 1e-3f));
    for (int b = 0; b < cube.CubieCount; ++b) {
      for (int p = 0; p < kPointsPerCubie; ++p) {
        EXPECT_NEAR(loaded->Cube->Cubies[b].Points[p].X, cube.Cubies[b].Points[p].X, 1e-3f);
      }
    }
  }
  vekrandom::FixClockSeed(std::nullopt);
}

TEST_F(TrailerFiles, OlderFilesAndDamagedTrailersLoadAsThePlainGame) {
  vekrandom::FixClockSeed(12u);
  std::mt19937 random(1);
  auto game = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *game->Cube;
  cube.Shuffle(4);
  for (int i = 0; i < 5; ++i) RandomDrag(cube, random);
  const std::string older = Path("older.cube"), path = Path("damaged.cube");
  ASSERT_TRUE(cube.SaveToFile(older));
  const std::vector<uint8_t> designed = Read(older);
  const std::vector<uint8_t> trailer = EncodeGameTrailer(CaptureGameTrailer(cube, 61, 30), designed);

  auto loaded = HeadlessRenderer(2, 45);
  std::optional<GameTrailer> resumed;
  TrailerStatus status = TrailerStatus::Restored;
  EXPECT_EQ(LoadGameWithTrailer(*loaded->Cube, older, resumed, nullptr, &status), 3);
  EXPECT_FALSE(resumed.has_value());
  EXPECT_EQ(status, TrailerStatus::Absent);
  EXPECT_TRUE(SamePoints(cube, *loaded->Cube));
  EXPECT_FALSE(loaded->Cube->CanUndo());

  // Every truncation and a flipped bit in every byte: the points still load.
  auto check = [&](const std::vector<uint8_t>& tail, const std::string& what) {
    std::vector<uint8_t> bytes = designed;
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    loaded->Cube->Build(2);
    ASSERT_EQ(LoadGameWithTrailer(*loaded->Cube, path, resumed, nullptr, &status), 3) << what;
    EXPECT_FALSE(resumed.has_value()) << what;
    // Said on the status line unless the bytes do not even begin like one.
    EXPECT_EQ(status, LooksLikeTrailer(tail.data(), tail.size()) ? TrailerStatus::Rejected
                                                                 : TrailerStatus::Absent)
        << what;
    EXPECT_TRUE(SamePoints(cube, *loaded->Cube)) << what;
    EXPECT_EQ(loaded->Cube->MoveCount(), 0u) << what;
  };
  for (std::size_t length = 0; length < trailer.size(); ++length) {
    check(std::vector<uint8_t>(trailer.begin(), trailer.begin() + static_cast<long>(length)),
          "cut at " + std::to_string(length));
  }
  for (std::size_t i = 0; i < trailer.size(); ++i) {
    std::vector<uint8_t> bad = trailer;
    bad[i] ^= 0x10;
    check(bad, "byte " + std::to_string(i));
  }
  // Left behind when another game of the same size was written over the
  // file in place: its check was made over other points.
  std::vector<uint8_t> other = designed;
  other[100] ^= 1;
  check(EncodeGameTrailer(CaptureGameTrailer(cube, 61, 30), other), "the trailer of another game");
  vekrandom::FixClockSeed(std::nullopt);
}

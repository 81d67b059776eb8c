// A finished game played again: from its scramble to its end, at the
// player's pace or faster, stepped through both ways, on a clock the test moves.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "game/Replay.h"
#include "game/TurnQueue.h"
#include "puzzle/Random.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "tests/unit/TestCubes.h"

namespace {

struct FakeClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  std::chrono::steady_clock::time_point now{std::chrono::hours(5)};
};

// A game of size whose turns undo its scramble one by one, a second apart.
SolveEntry SolvedGame(VEKBigCube& cube, int size, int scrambleTurns = 12) {
  cube.Build(size);
  cube.Shuffle(scrambleTurns);
  std::vector<VEKMove> back(cube.ScrambleMoves.rbegin(), cube.ScrambleMoves.rend());
  for (VEKMove& m : back) m.Sign = static_cast<int8_t>(-m.Sign);
  SolveEntry game;
  game.Size = size;
  game.Scramble = NotationText(cube.ScrambleMoves, FaceFrame{}, size);
  game.Solution = NotationText(back, FaceFrame{}, size);
  for (std::size_t k = 0; k < back.size(); ++k) game.MoveMs.push_back(1000 * static_cast<int64_t>(k + 1));
  game.Ms = game.MoveMs.back() + 400;
  return game;
}

class ReplayTest : public ::testing::Test {
 protected:
  ReplayTest() { vekrandom::FixClockSeed(5u); }
  ~ReplayTest() override { vekrandom::FixClockSeed(std::nullopt); }

  void Tick(Replay& replay) {
    clock.now += TurnQueue::kStepTime;
    replay.Tick();
    turns.Advance();
  }
  // Frame ticks until the replay stops playing and its turns are done (a
  // paused replay: its step played).
  int PlayOut(Replay& replay) {
    int ticks = 0;
    for (; (replay.Playing() || !turns.Idle()) && ticks < 1000000; ++ticks) Tick(replay);
    return ticks;
  }

  std::unique_ptr<VEKGL> renderer = HeadlessRenderer(3, 10);
  VEKBigCube& cube = *renderer->Cube;
  FakeClock clock;
  TurnQueue turns{cube, clock};
};

TEST_F(ReplayTest, EverySizeComesHomeAtThePaceAskedAndTheClockShowsTheGamesTime) {
  for (int size = kMinCubeSize; size <= kMaxCubeSize; ++size) {
    const SolveEntry game = SolvedGame(cube, size);
    int ticksAt1 = 0;
    for (const int speed : {1, 4}) {
      Replay replay(cube, turns, clock, *ScriptOf(game));
      EXPECT_FALSE(cube.IsSolved()) << size;
      replay.SetSpeed(speed);
      replay.Play();
      int ticks = 0;
      for (; ticks < 250; ++ticks) Tick(replay);
      // Halfway through the third second at the player's pace: two turns done, the third not begun.
      if (speed == 1) {
        EXPECT_EQ(replay.At(), 2u) << size;
        EXPECT_EQ(replay.ClockMs(), 2500) << size;
      }
      ticks += PlayOut(replay);
      if (speed == 1) ticksAt1 = ticks;
      EXPECT_TRUE(cube.IsSolved()) << size << " x" << speed;
      EXPECT_EQ(replay.At(), replay.Length());
      EXPECT_EQ(replay.ClockMs(), game.Ms) << size;
      // The game's 12 seconds at the pace asked; a turn's own frames are never hurried.
      EXPECT_NEAR(ticks, ticksAt1 / speed, 12) << size << " x" << speed;
    }
  }
}

TEST_F(ReplayTest, SteppingBothWaysWalksTheGameAndTheEndsAreReachedAtOnce) {
  const SolveEntry game = SolvedGame(cube, 4, 6);
  Replay replay(cube, turns, clock, *ScriptOf(game));
  const std::vector<long> start = PointPlaces(cube);
  replay.SetSpeed(Replay::kTurnByTurn);
  std::vector<std::vector<long>> after;
  for (int k = 0; k < 6; ++k) {
    replay.Forward();
    PlayOut(replay);
    after.push_back(PointPlaces(cube));
    EXPECT_EQ(replay.ClockMs(), 1000 * (k + 1));
  }
  EXPECT_TRUE(cube.IsSolved());
  // Back walks the same cubes in reverse.
  for (int k = 5; k > 0; --k) {
    replay.Back();
    PlayOut(replay);
    EXPECT_EQ(replay.At(), static_cast<std::size_t>(k));
    EXPECT_TRUE(PointPlaces(cube) == after[k - 1]) << k;
  }
  // A step asked while a turn is under way ends that turn first.
  replay.Forward();
  replay.Forward();
  PlayOut(replay);
  EXPECT_EQ(replay.At(), 3u);
  EXPECT_TRUE(PointPlaces(cube) == after[2]);
  replay.ToEnd();
  EXPECT_TRUE(turns.Idle());
  EXPECT_TRUE(cube.IsSolved());
  EXPECT_EQ(replay.ClockMs(), game.Ms);
  replay.ToStart();
  EXPECT_TRUE(PointPlaces(cube) == start);
  EXPECT_EQ(replay.ClockMs(), 0);
}

TEST_F(ReplayTest, AGameIsReplayedOnlyWhenItsScrambleAndTurnsReadAndItsTimesFit) {
  const SolveEntry good = SolvedGame(cube, 3, 4);
  struct Case {
    const char* what;
    void (*spoil)(SolveEntry&);
  } const cases[] = {
      {"scramble not known", [](SolveEntry& g) { g.Scramble.clear(); }},
      {"a move that does not read", [](SolveEntry& g) { g.Solution += " Q"; }},
      {"a turn of the whole view", [](SolveEntry& g) { g.Solution += " x"; }},
      {"a time too few", [](SolveEntry& g) { g.MoveMs.pop_back(); }},
      {"times going back", [](SolveEntry& g) { std::swap(g.MoveMs.front(), g.MoveMs.back()); }},
  };
  EXPECT_TRUE(ScriptOf(good));
  for (const Case& c : cases) {
    SolveEntry game = good;
    c.spoil(game);
    EXPECT_FALSE(ScriptOf(game)) << c.what;
  }
  // A half turn is two quarter turns, each with its time.
  SolveEntry half = good;
  half.Solution = "R2 U";
  half.MoveMs = {100, 200, 300};
  ASSERT_TRUE(ScriptOf(half));
  EXPECT_EQ(ScriptOf(half)->Turns.size(), 3u);
}

}  // namespace

// Undo and redo of the player's turns: what drags record, what undo and redo
// turn, and what they leave alone.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "puzzle/Random.h"
#include "TestCubes.h"

namespace {

::testing::AssertionResult SamePoints(const std::vector<VEKVector>& a, const std::vector<VEKVector>& b,
                                      float eps) {
  if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::fabs(a[i].X - b[i].X) > eps || std::fabs(a[i].Y - b[i].Y) > eps ||
        std::fabs(a[i].Z - b[i].Z) > eps) {
      return ::testing::AssertionFailure() << "point " << i << " of cubie " << i / kPointsPerCubie;
    }
  }
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST(Undo, KRandomDragsThenKUndosRestoreEveryPointAndKRedosReplayThem) {
  std::mt19937 random(77);
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    for (int speed : {45, 9}) {
      auto renderer = HeadlessRenderer(n, speed);
      VEKBigCube& cube = *renderer->Cube;
      cube.Shuffle(5);
      const std::vector<VEKVector> start = AllPoints(cube);
      const int k = 25;
      for (int i = 0; i < k; ++i) RandomDrag(cube, random);
      ASSERT_EQ(cube.MoveCount(), static_cast<uint32_t>(k));
      const std::vector<VEKVector> played = AllPoints(cube);
      for (int i = 0; i < k; ++i) {
        ASSERT_TRUE(cube.Undo());
        EXPECT_EQ(cube.MoveCount(), static_cast<uint32_t>(k - 1 - i));
      }
      EXPECT_TRUE(SamePoints(AllPoints(cube), start, 1e-3f)) << "n " << n << " speed " << speed;
      EXPECT_FALSE(cube.CanUndo());
      EXPECT_FALSE(cube.Undo());
      for (int i = 0; i < k; ++i) ASSERT_TRUE(cube.Redo());
      EXPECT_FALSE(cube.CanRedo());
      EXPECT_FALSE(cube.Redo());
      EXPECT_EQ(cube.MoveCount(), static_cast<uint32_t>(k));
      EXPECT_TRUE(SamePoints(AllPoints(cube), played, 1e-3f));
      EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
      EXPECT_FALSE(cube.Busy);
    }
  }
}

TEST(Undo, ANewTurnAfterUndoDropsTheRedoTail) {
  std::mt19937 random(5);
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  for (int i = 0; i < 4; ++i) RandomDrag(cube, random);
  const VEKMove first = cube.History.Moves()[0];
  ASSERT_TRUE(cube.Undo());
  ASSERT_TRUE(cube.Undo());
  ASSERT_TRUE(cube.Undo());
  EXPECT_TRUE(cube.CanRedo());
  RandomDrag(cube, random);
  EXPECT_FALSE(cube.CanRedo());
  EXPECT_FALSE(cube.Redo());
  EXPECT_EQ(cube.MoveCount(), 2u);
  ASSERT_EQ(cube.History.Moves().size(), 2u);
  EXPECT_EQ(cube.History.Moves()[0], first);
}

TEST(Undo, NothingHappensWhileBusy) {
  std::mt19937 random(9);
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  RandomDrag(cube, random);
  RandomDrag(cube, random);
  ASSERT_TRUE(cube.Undo());
  const std::vector<VEKVector> before = AllPoints(cube);
  const uint64_t frames = renderer->FramesDrawn;
  cube.Busy = true;
  EXPECT_FALSE(cube.Undo());
  EXPECT_FALSE(cube.Redo());
  EXPECT_TRUE(cube.Busy);
  EXPECT_EQ(renderer->FramesDrawn, frames);
  EXPECT_EQ(cube.MoveCount(), 1u);
  EXPECT_TRUE(cube.CanRedo());
  EXPECT_TRUE(SamePoints(AllPoints(cube), before, 0.0f));
}

TEST(Undo, TheScrambleAndARebuiltCubeCannotBeUndone) {
  vekrandom::FixClockSeed(31u);
  std::mt19937 random(3);
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  cube.Shuffle(10);
  EXPECT_FALSE(cube.CanUndo());
  EXPECT_FALSE(cube.Undo());
  EXPECT_EQ(cube.MoveCount(), 0u);
  // Turns made before a new game are gone with it, and with a rebuild.
  RandomDrag(cube, random);
  EXPECT_TRUE(cube.CanUndo());
  cube.Shuffle(3);
  EXPECT_FALSE(cube.CanUndo());
  RandomDrag(cube, random);
  cube.Build(4);
  EXPECT_FALSE(cube.CanUndo());
  EXPECT_EQ(cube.MoveCount(), 0u);
  vekrandom::FixClockSeed(std::nullopt);
}

TEST(Undo, DragsRecordTheirLayerByTheWorldAxes) {
  auto renderer = HeadlessRenderer(3, 45);
  VEKBigCube& cube = *renderer->Cube;
  // The top row's middle facelet dragged to the right turns layer y = 1.6
  // by -step about Y (the gesture test's figure).
  cube.RecordHit(CubieAt(cube, 1, 2, 2), 1);
  cube.RecordHit(CubieAt(cube, 2, 2, 2), 1);
  ASSERT_EQ(cube.History.Moves().size(), 1u);
  const VEKMove move = cube.History.Moves()[0];
  EXPECT_EQ(move.Axis, 1);
  EXPECT_EQ(move.Layer, 2);
  EXPECT_EQ(move.Sign, -1);
  // An undo in the middle of a drag ends that drag: the next hit only records.
  cube.RecordHit(CubieAt(cube, 0, 0, 2), 1);
  ASSERT_TRUE(cube.Undo());
  for (const VEKVector& p : cube.PlanePoint) EXPECT_EQ(p.X, 0.0f);
  cube.RecordHit(CubieAt(cube, 1, 0, 2), 1);
  EXPECT_EQ(cube.MoveCount(), 0u);
  EXPECT_FALSE(cube.CanUndo());
}

TEST(MoveHistory, TheOldestTurnsStopBeingUndoableButStillCount) {
  VEKMoveHistory history;
  const std::size_t total = VEKMoveHistory::kMaxMoves + 3;
  for (std::size_t i = 0; i < total; ++i) history.Record(VEKMove{static_cast<uint8_t>(i % 3), 0, 1});
  EXPECT_EQ(history.MoveCount(), total);
  EXPECT_EQ(history.Moves().size(), VEKMoveHistory::kMaxMoves);
  EXPECT_EQ(history.Moves()[0].Axis, 3 % 3);  // the first three are gone
  history.StepBack();
  EXPECT_EQ(history.MoveCount(), total - 1);

  EXPECT_FALSE(history.Restore({VEKMove{}}, 2, 5));  // cursor past the moves
  EXPECT_FALSE(history.Restore({VEKMove{}}, 1, 0));  // fewer applied than undoable
  EXPECT_EQ(history.MoveCount(), total - 1);
  EXPECT_TRUE(history.Restore({VEKMove{}, VEKMove{}}, 1, 40));
  EXPECT_EQ(history.MoveCount(), 40u);
  EXPECT_TRUE(history.CanRedo());
}

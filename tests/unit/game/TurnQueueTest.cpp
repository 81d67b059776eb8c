// The turn queue on a clock the test moves: the steps due at each tick, turns
// ending on their quarter, pause/step/drop, turns queued during a turn played
// in order, and a close in the middle of a turn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/TurnQueue.h"
#include "tests/unit/TestCubes.h"

namespace {

using std::chrono::milliseconds;

struct FakeClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
};

// What the queue's runs told, in order: "U+" a turn of layer 2 about Y, "end
// 1" a run that ran out, "end 0" one dropped.
struct Log {
  std::vector<std::string> lines;
  TurnQueue::Run Run(std::vector<LayerTurn> turns) {
    return {[this, turns, next = std::size_t{0}]() mutable -> std::optional<LayerTurn> {
              if (next == turns.size()) return std::nullopt;
              return turns[next++];
            },
            [this](const LayerTurn& t) {
              lines.push_back(std::string(1, "XYZ"[t.Axis]) + std::to_string(t.First) + (t.Sign > 0 ? "+" : "-"));
            },
            [this](bool complete) { lines.push_back(complete ? "end 1" : "end 0"); }};
  }
};

const LayerTurn kTop{1, 2, 2, 1}, kRight{0, 2, 2, -1}, kFront{2, 2, 2, 1};

class TurnQueueTest : public ::testing::Test {
 protected:
  // Ticks every period until the queue is idle (at most limit ticks): how many.
  int TicksToIdle(milliseconds period = TurnQueue::kStepTime, int limit = 100000) {
    int ticks = 0;
    while (!queue.Idle() && ticks < limit) {
      clock.now += period;
      queue.Advance();
      ++ticks;
    }
    return ticks;
  }
  std::unique_ptr<VEKGL> renderer = HeadlessRenderer(3, 5);
  VEKBigCube& cube = *renderer->Cube;
  FakeClock clock;
  TurnQueue queue{cube, clock};
  Log log;
};

TEST_F(TurnQueueTest, EachTickTakesTheStepsDueAndATurnEndsOnItsQuarter) {
  // Pace: the queue's from the start; later: the pace set after the sixth tick.
  const struct { int speed; int period; int ticks; int pace = 1; int later = 0; } cases[] = {
      {5, 10, 18}, {45, 10, 2}, {1, 10, 90},  // a step a tick on a machine that keeps up
      {5, 35, 6},                             // a slow one: 180 ms in ticks of 35, the last a little late
      {5, 1000, 1},                           // a tick a second late takes the whole turn at once
      {5, 10, 9, 2}, {5, 10, 5, 4},           // twice and four times as fast: 18 steps of 5 and 2.5 ms
      {5, 10, 9, 1, 4},                       // 6 steps, then the other 12 four a tick
      {1, 10, 72, 4, 1},                      // 24 steps, then the other 66 one a tick
  };
  for (const auto& c : cases) {
    auto reference = HeadlessRenderer(3, c.speed);
    ASSERT_TRUE(reference->Cube->TurnLayers(kTop.Axis, kTop.First, kTop.Last, kTop.Sign));
    auto fresh = HeadlessRenderer(3, c.speed);
    VEKBigCube& turning = *fresh->Cube;
    TurnQueue q(turning, clock);
    q.SetPace(c.pace);
    Log told;
    q.Push(told.Run({kTop}));
    EXPECT_TRUE(turning.Busy);
    const int steps = 90 / c.speed;
    int ticks = 0, pace = c.pace, dueBefore = 0, ticksBefore = 0;
    while (!q.Idle() && ticks < 1000) {
      if (ticks == 6 && c.later) {
        dueBefore = std::min(steps, ticks * c.period * pace / 10);
        ticksBefore = ticks;
        q.SetPace(pace = c.later);
      }
      clock.now += milliseconds(c.period);
      EXPECT_TRUE(q.Advance());
      ++ticks;
      const int due = std::min(steps, dueBefore + (ticks - ticksBefore) * c.period * pace / 10);
      EXPECT_EQ(turning.TurnStepsLeft, q.Turning() ? steps - due : 0) << c.speed << " tick " << ticks;
    }
    EXPECT_EQ(ticks, c.ticks) << c.speed << " every " << c.period;
    EXPECT_EQ(told.lines, (std::vector<std::string>{"Y2+", "end 1"}));
    EXPECT_FALSE(turning.Busy);
    // The same points as a turn taken in its steps at once: exactly on its quarter.
    EXPECT_EQ(AllPoints(turning).size(), AllPoints(*reference->Cube).size());
    const auto a = AllPoints(turning), b = AllPoints(*reference->Cube);
    for (std::size_t i = 0; i < a.size(); ++i) ASSERT_TRUE(a[i].X == b[i].X && a[i].Y == b[i].Y && a[i].Z == b[i].Z);
  }
}

TEST_F(TurnQueueTest, TurnsQueuedDuringATurnFollowInOrderAtTheirPace) {
  queue.Push(log.Run({kTop}));
  clock.now += milliseconds(50);
  queue.Advance();
  // Keys pressed faster than turns animate: each waits for the one before.
  queue.Push(log.Run({kRight}));
  queue.Push(log.Run({kFront, kFront}));
  EXPECT_EQ(log.lines, std::vector<std::string>{});
  // Four quarter turns, each 18 steps, the next starting where the last ended.
  EXPECT_EQ(TicksToIdle(), 4 * 18 - 5);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Y2+", "end 1", "X2-", "end 1", "Z2+", "Z2+", "end 1"}));
  EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
  // On a slow machine a run keeps its pace: three turns take 540 ms, seen by ticks of 35.
  queue.Push(log.Run({kTop, kRight, kFront}));
  EXPECT_EQ(TicksToIdle(milliseconds(35)), 16);
}

TEST_F(TurnQueueTest, PausedTheQueueFinishesItsTurnAndStepsOneTurnAtATime) {
  queue.Push(log.Run({kTop, kRight, kFront}));
  clock.now += milliseconds(30);
  queue.Advance();
  queue.Pause();
  EXPECT_EQ(TicksToIdle(TurnQueue::kStepTime, 200), 200);  // never idle while paused
  EXPECT_EQ(log.lines, std::vector<std::string>{"Y2+"});   // the turn under way ended on its quarter
  EXPECT_FALSE(queue.Turning());
  queue.Step();
  EXPECT_TRUE(queue.Turning());
  TicksToIdle(TurnQueue::kStepTime, 100);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Y2+", "X2-"}));
  queue.Resume();
  EXPECT_EQ(TicksToIdle(), 18);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Y2+", "X2-", "Z2+", "end 1"}));
}

TEST_F(TurnQueueTest, DropEndsTheRunAfterItsTurnAndACloseEndsTheTurnAtOnce) {
  // Drop: the turn under way ends on its quarter; its run and the rest end dropped.
  queue.Push(log.Run({kTop, kTop, kTop}));
  queue.Push(log.Run({kRight}));
  clock.now += milliseconds(40);
  queue.Advance();
  queue.Drop();
  EXPECT_EQ(log.lines, std::vector<std::string>{"end 0"});  // the run that never began
  EXPECT_EQ(TicksToIdle(), 14);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"end 0", "Y2+", "end 0"}));

  // A close: the turn under way is finished now, and nothing else turns.
  auto reference = HeadlessRenderer(3, 5);
  ASSERT_TRUE(reference->Cube->TurnLayers(kTop.Axis, kTop.First, kTop.Last, kTop.Sign));
  ASSERT_TRUE(reference->Cube->TurnLayers(kTop.Axis, kTop.First, kTop.Last, kTop.Sign));
  log.lines.clear();
  queue.Push(log.Run({kTop, kRight}));
  queue.Push(log.Run({kFront}));
  clock.now += milliseconds(70);
  queue.Advance();
  queue.FinishAndDrop();
  EXPECT_TRUE(queue.Idle());
  EXPECT_FALSE(cube.Busy);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Y2+", "end 0", "end 0"}));
  const auto a = AllPoints(cube), b = AllPoints(*reference->Cube);
  for (std::size_t i = 0; i < a.size(); ++i) ASSERT_TRUE(a[i].X == b[i].X && a[i].Y == b[i].Y && a[i].Z == b[i].Z);
}

TEST_F(TurnQueueTest, AtOnceEverythingIsTakenWithoutATickAndABrokenLayerEndsItsRun) {
  queue.Push(log.Run({kTop, {1, 0, 3, 1}, kFront}));  // layers 0..3 of a 3x3x3: no such turn
  queue.Push(log.Run({kRight, kRight}));
  queue.PlayAtOnce();
  EXPECT_TRUE(queue.Idle());
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Y2+", "end 0", "X2-", "X2-", "end 1"}));
  EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
  EXPECT_EQ(renderer->FramesDrawn, 0u);
}

}  // namespace

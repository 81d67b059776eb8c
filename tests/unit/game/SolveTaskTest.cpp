// The worker that searches solutions: its answer comes once, for the
// position asked about; a cancelled search answers nothing.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "game/SolveTask.h"
#include "solver/BuildOnce.h"
#include "tests/unit/SolverPositions.h"

TEST(SolveTaskTest, AnswersOnceForThePositionAndNotAfterCancel) {
  solver::CubieState position = solver::CubieState::Solved(2);
  position.Turn({0, 1, 1, 1});
  position.Turn({1, 1, -1, 1});
  std::mutex mutex;
  std::condition_variable told;
  int finished = 0;
  SolveTask task;
  task.Start(position, [&] {
    std::lock_guard<std::mutex> lock(mutex);
    ++finished;
    told.notify_all();
  });
  {
    std::unique_lock<std::mutex> lock(mutex);
    told.wait(lock, [&] { return finished == 1; });
  }
  EXPECT_FALSE(task.Searching());
  const auto outcome = task.Take();
  ASSERT_TRUE(outcome);
  EXPECT_EQ(outcome->first, position);
  EXPECT_EQ(outcome->second.Length(), 2u);  // the shortest way back
  EXPECT_FALSE(task.Take());

  task.Start(position, [&] { ++finished; });
  task.Cancel();
  EXPECT_FALSE(task.Searching());
  EXPECT_FALSE(task.Take());
}

// The window's end destroys its task while the search may be building the
// tables: the build stops at its next look at the cancel flag and the end
// waits for nothing more. A newer search takes over the build it gave up.
TEST(SolveTaskTest, AnEndOrANewerSearchStopsATableBuild) {
  struct Case {
    int size;
    bool newer;
  } cases[] = {{3, false}, {2, true}};
  for (const Case& c : cases) {
    solver::tables::ForgetAll();
    std::atomic<bool> began{false};
    solver::tables::WatchBuilds([&](long looks, const std::atomic<bool>& cancel) {
      if (looks > 1 || began.exchange(true)) return;
      while (!cancel) std::this_thread::yield();  // the first build goes on only once given up
    });
    const solver::CubieState position = solverpositions::Scrambled(c.size, 40, 9);
    std::atomic<int> finished{0};
    auto task = std::make_unique<SolveTask>();
    task->Start(position, [&] { ++finished; });
    while (!began) std::this_thread::yield();
    if (c.newer) {
      task->Start(position, [&] { ++finished; });
      while (finished == 0) std::this_thread::yield();
      const auto outcome = task->Take();
      ASSERT_TRUE(outcome);
      solver::CubieState turned = position;
      for (const VEKMove& move : outcome->second.Moves()) turned.Turn(move);
      EXPECT_TRUE(solver::AtHome(turned));
    }
    task.reset();
    solver::tables::WatchBuilds(nullptr);
    EXPECT_EQ(finished, c.newer ? 1 : 0) << c.size;
  }
}

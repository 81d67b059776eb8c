// The worker that searches solutions: its answer comes once, for the
// position asked about; a cancelled search answers nothing.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

#include "game/SolveTask.h"

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
  EXPECT_EQ(outcome->second.Moves.size(), 2u);  // the shortest way back
  EXPECT_FALSE(task.Take());

  task.Start(position, [&] { ++finished; });
  task.Cancel();
  EXPECT_FALSE(task.Searching());
  EXPECT_FALSE(task.Take());
}

// A solution searched on a worker thread, so that the window never waits
// for it. One search at a time; a new one, Cancel or the task's end stops
// the one before.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "solver/Solver.h"

class SolveTask {
 public:
  SolveTask() = default;
  SolveTask(const SolveTask&) = delete;
  SolveTask& operator=(const SolveTask&) = delete;
  ~SolveTask() { Cancel(); }

  // Searches on a worker; Finished runs on that worker when a solution or
  // the lack of one is known (not after Cancel), and Take then has it.
  void Start(solver::CubieState Position, std::function<void()> Finished);
  // Stops the search and waits for the worker; what it found is dropped.
  void Cancel();
  bool Searching() const { return searching_; }
  // The finished search's outcome and the position it was for, once.
  std::optional<std::pair<solver::CubieState, solver::Solution>> Take();

 private:
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> searching_{false};
  std::mutex mutex_;
  std::optional<std::pair<solver::CubieState, solver::Solution>> result_;
};

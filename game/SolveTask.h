// A solution, in its stages, searched on a worker thread, so that the window never waits
// for it. One search counts at a time: a new one or Cancel drops the one
// before without waiting for its worker, which stops at its next look at
// the cancel flag (table builds included); the task's end waits for every
// worker, which takes milliseconds.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "solver/Staged.h"

class SolveTask {
 public:
  using Outcome = std::pair<solver::CubieState, solver::StagedSolution>;

  SolveTask() = default;
  SolveTask(const SolveTask&) = delete;
  SolveTask& operator=(const SolveTask&) = delete;
  ~SolveTask();

  // Searches on a worker; Finished runs on that worker when a solution or
  // the lack of one is known (never after Cancel or a newer Start), and Take
  // then has it.
  void Start(solver::CubieState Position, std::function<void()> Finished);
  void Cancel();
  bool Searching() const;
  // The finished search's outcome and the position it was for, once.
  std::optional<Outcome> Take();

 private:
  struct Search {
    std::atomic<bool> cancel{false};
    std::mutex mutex;  // guards done and outcome, and orders Finished against Cancel
    bool done = false;
    std::optional<Outcome> outcome;
    std::atomic<bool> exited{false};  // its worker can be joined at once
  };
  std::shared_ptr<Search> current_;
  std::vector<std::pair<std::thread, std::shared_ptr<Search>>> workers_;
};

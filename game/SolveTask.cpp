#include "game/SolveTask.h"

#include <utility>

void SolveTask::Start(solver::CubieState Position, std::function<void()> Finished) {
  Cancel();
  cancel_ = false;
  searching_ = true;
  worker_ = std::thread([this, position = std::move(Position), finished = std::move(Finished)] {
    solver::Solution solution = solver::Solve(position, cancel_);
    if (cancel_) return;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      result_.emplace(position, std::move(solution));
    }
    searching_ = false;
    if (finished) finished();
  });
}

void SolveTask::Cancel() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
  searching_ = false;
  std::lock_guard<std::mutex> lock(mutex_);
  result_.reset();
}

std::optional<std::pair<solver::CubieState, solver::Solution>> SolveTask::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  auto taken = std::move(result_);
  result_.reset();
  return taken;
}

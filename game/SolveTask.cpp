#include "game/SolveTask.h"

SolveTask::~SolveTask() {
  Cancel();
  for (auto& worker : workers_) worker.first.join();
}

void SolveTask::Start(solver::CubieState Position, std::function<void()> Finished) {
  Cancel();
  // Workers of earlier searches that have ended are joined now, so that a
  // long evening does not pile them up.
  for (auto w = workers_.begin(); w != workers_.end();) {
    if (!w->second->exited) {
      ++w;
      continue;
    }
    w->first.join();
    w = workers_.erase(w);
  }
  auto search = std::make_shared<Search>();
  current_ = search;
  std::thread worker([search, position = std::move(Position), finished = std::move(Finished)] {
    solver::StagedSolution solution = solver::SolveStaged(position, search->cancel);
    {
      std::lock_guard<std::mutex> lock(search->mutex);
      if (!search->cancel) {
        search->done = true;
        search->outcome.emplace(position, std::move(solution));
        // Under the lock: once Cancel has returned, no Finished runs for this search.
        if (finished) finished();
      }
    }
    search->exited = true;
  });
  workers_.emplace_back(std::move(worker), search);
}

void SolveTask::Cancel() {
  if (!current_) return;
  {
    std::lock_guard<std::mutex> lock(current_->mutex);
    current_->cancel = true;
  }
  current_.reset();
}

bool SolveTask::Searching() const {
  if (!current_) return false;
  std::lock_guard<std::mutex> lock(current_->mutex);
  return !current_->done;
}

std::optional<SolveTask::Outcome> SolveTask::Take() {
  if (!current_) return std::nullopt;
  std::lock_guard<std::mutex> lock(current_->mutex);
  std::optional<Outcome> taken = std::move(current_->outcome);
  current_->outcome.reset();
  return taken;
}

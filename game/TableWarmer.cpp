#include "game/TableWarmer.h"

#include <algorithm>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "solver/Staged.h"

struct TableWarmer::Run {
  Run(int Size, bool Lowest) : size(Size), lowest(Lowest) {}
  const int size;
  const bool lowest;
  std::atomic<bool> cancel{false};
  std::atomic<bool> exited{false};  // its thread can be joined at once
};

namespace {

// Made at first use and never destroyed, so that a warmer going at exit
// still finds them.
std::mutex& WarmersMutex() {
  static std::mutex& m = *new std::mutex;
  return m;
}
std::vector<TableWarmer*>& Warmers() {
  static auto& all = *new std::vector<TableWarmer*>;
  return all;
}

// SCHED_IDLE runs the thread only on a core nothing else wants; where that
// is refused, nice 19, which still lets others go first.
void TakeLowestPriority() {
#ifdef __linux__
  sched_param none{};
  if (pthread_setschedparam(pthread_self(), SCHED_IDLE, &none) != 0) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
  }
#endif
}

}  // namespace

TableWarmer::TableWarmer(Ended ended) : ended_(std::move(ended)) {
  std::lock_guard<std::mutex> lock(WarmersMutex());
  Warmers().push_back(this);
}

TableWarmer::~TableWarmer() {
  {
    std::lock_guard<std::mutex> lock(WarmersMutex());
    auto& all = Warmers();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (current_) current_->cancel = true;
  }
  for (auto& worker : workers_) worker.first.join();
}

void TableWarmer::Warm(int Size) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (current_ && current_->size == Size) return;
  if (current_) current_->cancel = true;
  Start(Size, true);
}

void TableWarmer::SearchStarts() {
  std::lock_guard<std::mutex> lock(WarmersMutex());
  for (TableWarmer* warmer : Warmers()) warmer->Hurry();
}

void TableWarmer::Hurry() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!current_ || !current_->lowest || current_->exited) return;
  current_->cancel = true;
  // A thread takes the priority of the thread that starts it.
  Start(current_->size, false);
}

// Under mutex_.
void TableWarmer::Start(int Size, bool Lowest) {
  // Threads of runs that have ended are joined now, so that they do not pile up.
  for (auto w = workers_.begin(); w != workers_.end();) {
    if (!w->second->exited) {
      ++w;
      continue;
    }
    w->first.join();
    w = workers_.erase(w);
  }
  auto run = std::make_shared<Run>(Size, Lowest);
  current_ = run;
  std::thread worker([run, ended = ended_] {
    if (run->lowest) TakeLowestPriority();
    const bool whole = solver::PrepareTables(run->size, run->cancel);
    if (ended) ended(run->size, whole);
    run->exited = true;
  });
  workers_.emplace_back(std::move(worker), run);
}

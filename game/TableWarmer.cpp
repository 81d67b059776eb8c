#include "game/TableWarmer.h"

#include <algorithm>

#ifdef __linux__
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
  std::atomic<long> tid{0};          // its thread's, once at the lowest priority
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

#ifdef __linux__
int OwnNice() { return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid))); }
#endif

}  // namespace

// Nice 19 rather than SCHED_IDLE: a thread of SCHED_IDLE on a busy machine
// waits about a second for its turn on a core, and a search waiting for its
// build to be given up would wait as long for it to see its flag.
void TableWarmer::TakeLowestPriority(Run& run) {
#ifdef __linux__
  if (run.cancel) return;  // given up before it began
  run.tid = static_cast<long>(syscall(SYS_gettid));
  setpriority(PRIO_PROCESS, static_cast<id_t>(run.tid), 19);
#else
  (void)run;
#endif
}

// The caller's priority back for the thread given up, so that it comes to its
// next look at once; refused to a player without the right to raise a
// priority (RLIMIT_NICE), whose thread then sees its flag at its next turn.
void TableWarmer::Lift(const Run& run) {
#ifdef __linux__
  if (run.tid != 0) setpriority(PRIO_PROCESS, static_cast<id_t>(run.tid), OwnNice());
#else
  (void)run;
#endif
}

void TableWarmer::GiveUp(Run& run) {
  run.cancel = true;
  Lift(run);
}

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
    if (current_) GiveUp(*current_);  // the window's end waits for it
  }
  for (auto& worker : workers_) worker.first.join();
}

void TableWarmer::Warm(int Size) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_ || (current_ && current_->size == Size)) return;
  // Lifted too: the new size may need a table that this build holds.
  if (current_) GiveUp(*current_);
  Start(Size, true);
}

void TableWarmer::Stop() {
  std::lock_guard<std::mutex> lock(mutex_);
  stopped_ = true;
  if (current_) GiveUp(*current_);
}

void TableWarmer::SearchStarts() {
  std::lock_guard<std::mutex> lock(WarmersMutex());
  for (TableWarmer* warmer : Warmers()) warmer->Hurry();
}

void TableWarmer::Hurry() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (stopped_ || !current_ || !current_->lowest || current_->exited) return;
  GiveUp(*current_);
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
    if (run->lowest) TakeLowestPriority(*run);
    const bool whole = solver::PrepareTables(run->size, run->cancel);
    if (ended) ended(run->size, whole);
    run->exited = true;
  });
  workers_.emplace_back(std::move(worker), run);
}

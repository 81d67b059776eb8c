// The tables of the size in play, built ahead while the player looks at the
// cube, so that the first hint or solution waits for none. The build runs on
// a thread of the lowest priority (nice 19): on a busy machine it takes only time
// nothing else wants, and start-up, frames and closing never wait for it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

class TableWarmer {
 public:
  // Ended runs on the building thread once a run for a size has ended:
  // whole, or given up (cancelled, or handed over to a thread of normal
  // priority).
  using Ended = std::function<void(int Size, bool Whole)>;
  explicit TableWarmer(Ended ended = {});
  TableWarmer(const TableWarmer&) = delete;
  TableWarmer& operator=(const TableWarmer&) = delete;
  // The build under way is given up at its next look at the cancel flag
  // (within milliseconds of its thread's time) and its thread joined; the
  // thread gets the caller's priority back for that where allowed (see
  // SearchStarts).
  ~TableWarmer();

  // Builds the tables of Size at the lowest priority; a warm-up of another
  // size is given up first. Nothing when Size is warming or warm already.
  void Warm(int Size);
  // The warm-up is given up for good, without waiting for its thread: a
  // window that closes calls it first, so that the thread has the rest of
  // the close to come to its flag before the destruction joins it.
  void Stop();

  // A search begins, on the calling thread's behalf. A low-priority build
  // under way would hold it back on a busy machine, as the search would wait
  // for it, so that build is given up (the search then builds the table
  // itself, or takes it over) and the rest of the warm-up goes on on a thread
  // started by the caller, at the caller's priority: the tables the search
  // needs next are then built no slower than by the search itself. The build
  // given up gets the caller's priority back where the player may raise one,
  // so that it sees its flag at once; elsewhere it sees it at its next turn
  // on a core. Every warmer alive hears of it, as the tables are the whole
  // program's.
  static void SearchStarts();

 private:
  struct Run;
  void Start(int Size, bool Lowest);
  void Hurry();
  static void TakeLowestPriority(Run& run);
  static void Lift(const Run& run);
  // Sets its flag, and lifts it so that it comes to see it soon.
  static void GiveUp(Run& run);

  Ended ended_;
  std::mutex mutex_;  // guards current_, stopped_ and workers_
  std::shared_ptr<Run> current_;
  bool stopped_ = false;
  std::vector<std::pair<std::thread, std::shared_ptr<Run>>> workers_;
};

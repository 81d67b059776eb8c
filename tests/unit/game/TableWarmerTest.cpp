// The tables built ahead at the lowest priority: whole for the size asked,
// given up at once when the warmer goes or another size is asked, and never
// holding back a search that starts while they are built.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "game/TableWarmer.h"
#include "solver/BuildOnce.h"
#include "solver/Staged.h"
#include "tests/unit/SolverPositions.h"

namespace {

namespace tables = solver::tables;

bool OnLowestPriority() { return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid))) == 19; }

// Watches every build's looks at its cancel flag. With HoldAt, the first
// build stops at that look until its flag is set (as a build would that the
// machine gave no time to), and Held says it got there.
struct Watch {
  std::atomic<int> begun{0};
  std::atomic<int> lowLooks{0}, normalLooks{0};
  std::atomic<bool> held{false}, heldGone{false};
  std::atomic<int> looksOfHeldAfterCancel{0};
  std::atomic<bool> after{false};     // the test has acted on the held build
  std::atomic<int> lowLooksAfter{0};  // looks on a low-priority thread since then

  explicit Watch(long holdAt = 0) {
    tables::WatchBuilds([this, holdAt](long looks, const std::atomic<bool>& cancel) {
      if (looks == 1) ++begun;
      ++(OnLowestPriority() ? lowLooks : normalLooks);
      if (after && OnLowestPriority()) ++lowLooksAfter;
      if (holdAt == 0) return;
      if (looks > holdAt && &cancel == held_) ++looksOfHeldAfterCancel;
      if (begun == 1 && looks == holdAt && !held.exchange(true)) {
        held_ = &cancel;
        while (!cancel) std::this_thread::yield();
      }
    });
  }
  ~Watch() { tables::WatchBuilds(nullptr); }
  void WaitHeld() const {
    while (!held) std::this_thread::yield();
  }

 private:
  std::atomic<const std::atomic<bool>*> held_{nullptr};
};

// What the warmer said of its runs, in order.
struct Ends {
  std::mutex mutex;
  std::condition_variable told;
  std::vector<std::pair<int, bool>> said;

  TableWarmer::Ended Hear() {
    return [this](int size, bool whole) {
      std::lock_guard<std::mutex> lock(mutex);
      said.emplace_back(size, whole);
      told.notify_all();
    };
  }
  void WaitFor(int size, bool whole) {
    std::unique_lock<std::mutex> lock(mutex);
    told.wait(lock, [&] {
      for (const auto& end : said) {
        if (end == std::make_pair(size, whole)) return true;
      }
      return false;
    });
  }
};

// A staged solution of the position is found and brings it home.
::testing::AssertionResult SolvedHome(const solver::CubieState& position) {
  const std::atomic<bool> never{false};
  const solver::StagedSolution solution = solver::SolveStaged(position, never);
  if (solution.Result != solver::Solution::Outcome::Found) return ::testing::AssertionFailure() << "no solution";
  solver::CubieState turned = position;
  for (const VEKMove& move : solution.Moves()) turned.Turn(move);
  if (!solver::AtHome(turned)) return ::testing::AssertionFailure() << "not home";
  return ::testing::AssertionSuccess();
}

TEST(TableWarmerTest, BuildsEveryTableOfTheSizeAtTheLowestPriority) {
  for (int size : {2, 3, 4, 5}) {
    tables::ForgetAll();
    Ends ends;
    {
      Watch watch;
      TableWarmer warmer(ends.Hear());
      warmer.Warm(size);
      warmer.Warm(size);  // asked again: the same warm-up goes on
      ends.WaitFor(size, true);
      EXPECT_GE(watch.begun, 1) << size;
      EXPECT_GE(watch.lowLooks, 1) << size;
      EXPECT_EQ(watch.normalLooks, 0) << size;
    }
    EXPECT_EQ(ends.said.size(), 1u) << size;
    Watch search;
    EXPECT_TRUE(SolvedHome(solverpositions::Scrambled(size, 40, 3))) << size;
    EXPECT_EQ(search.begun, 0) << size << ": the search built a table";
  }
}

// The warmer goes or stops, or another size is asked, while a build is under way:
// the build stops at the look that sees its flag and keeps nothing.
TEST(TableWarmerTest, ABuildGivenUpStopsAtOnceAndKeepsNothing) {
  struct Case {
    int size;
    long holdAt;
    int other;  // the size asked next; 0: the warmer goes
    bool stop;  // Stop first: the size asked next is not warmed
  } cases[] = {{2, 1, 0, false}, {3, 5, 0, false}, {3, 4, 2, false}, {2, 2, 3, false}, {3, 5, 2, true}};
  for (const Case& c : cases) {
    tables::ForgetAll();
    Ends ends;
    {
      Watch watch(c.holdAt);
      {
        TableWarmer warmer(ends.Hear());
        warmer.Warm(c.size);
        watch.WaitHeld();
        if (c.stop) {
          warmer.Stop();
          warmer.Warm(c.other);
          TableWarmer::SearchStarts();
        } else if (c.other != 0) {
          warmer.Warm(c.other);
          ends.WaitFor(c.other, true);
        }
      }
      EXPECT_EQ(watch.looksOfHeldAfterCancel, 0) << c.size << " " << c.holdAt;
    }
    std::vector<std::pair<int, bool>> expected{{c.size, false}};
    if (c.other != 0 && !c.stop) expected.emplace_back(c.other, true);
    EXPECT_EQ(ends.said, expected) << c.size << " " << c.holdAt;
    Watch search;
    EXPECT_TRUE(SolvedHome(solverpositions::Scrambled(c.size, 40, 5))) << c.size;
    EXPECT_GE(search.begun, 1) << c.size << ": a half-built table was kept";
  }
}

// A search starts while the warm-up's build gets no time: the build is
// given up, and the search gets its solution with no table built on a
// low-priority thread from then on.
TEST(TableWarmerTest, ASearchStartedMidWarmUpIsNotHeldBack) {
  for (int size : {2, 3, 4}) {
    tables::ForgetAll();
    Ends ends;
    Watch watch(2);
    {
      TableWarmer warmer(ends.Hear());
      warmer.Warm(size);
      watch.WaitHeld();
      watch.after = true;
      TableWarmer::SearchStarts();
      EXPECT_TRUE(SolvedHome(solverpositions::Scrambled(size, 40, 7))) << size;
      // The rest of the warm-up goes on at the search's priority, whole.
      ends.WaitFor(size, true);
      TableWarmer::SearchStarts();  // nothing is left to hurry
    }
    EXPECT_EQ(watch.lowLooksAfter, 0) << size;
    EXPECT_EQ(ends.said, (std::vector<std::pair<int, bool>>{{size, false}, {size, true}})) << size;
  }
}

}  // namespace

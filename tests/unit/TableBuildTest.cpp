// The tables built at a solver's first use: a cancel during the build
// leaves nothing half-built. (A newer search taking over a build that an
// older one gave up: SolveTaskTest.)
#include <gtest/gtest.h>

#include "solver/BuildOnce.h"
#include "tests/unit/SolverPositions.h"

namespace {

using solver::Solution;
using solverpositions::GoesHomeWithin;
using solverpositions::Scrambled;
namespace tables = solver::tables;

// Counts the builds begun, and cancels build number Build (from 0) at its look At.
struct Watch {
  std::atomic<int> begun{0};
  explicit Watch(std::atomic<bool>* cancel = nullptr, int build = 0, long at = 0) {
    tables::WatchBuilds([this, cancel, build, at](long looks, const std::atomic<bool>&) {
      if (looks == 1) ++begun;
      if (cancel && begun == build + 1 && looks == at) *cancel = true;
    });
  }
  ~Watch() { tables::WatchBuilds(nullptr); }
};

TEST(TableBuildTest, ACancelledBuildIsBuiltWholeByTheNextSearch) {
  // The 4x4x4 builds its toolbox (build 0), then the 2x2x2's table for its corners.
  struct Case {
    int size, build;
    long at;
    int rebuilt;  // builds the next search makes
  } cases[] = {{2, 0, 1, 1},    {2, 0, 800, 1}, {3, 0, 2000, 1},
               {4, 0, 1000, 2}, {4, 1, 500, 1}, {5, 0, 2000, 1}};
  for (const Case& c : cases) {
    const auto position = Scrambled(c.size, 40, 5);
    std::atomic<bool> cancel{false};
    tables::ForgetAll();
    {
      Watch watch(&cancel, c.build, c.at);
      EXPECT_EQ(solver::Solve(position, cancel).Result, Solution::Outcome::Cancelled) << c.size;
    }
    Watch next;
    EXPECT_TRUE(GoesHomeWithin(position, 500)) << c.size;
    EXPECT_EQ(next.begun, c.rebuilt) << c.size << " " << c.at;
  }
}

}  // namespace

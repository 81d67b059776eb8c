// The 4x4x4 and 5x5x5 solver over a fixed seeded set of positions: how long
// its solutions are (quarter turns) and how long it takes, median and worst,
// and what its first use costs (the tables it builds, in time and memory).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <vector>

#include "solver/CubieState.h"
#include "solver/Solver.h"

namespace {

constexpr int kPositions = 200;

std::vector<solver::CubieState> Positions(int n) {
  std::mt19937 random(20240601 + n);
  std::vector<solver::CubieState> out;
  for (int i = 0; i < kPositions; ++i) {
    solver::CubieState state = solver::CubieState::Solved(n);
    for (int k = 0; k < 200; ++k) {
      state.Turn({static_cast<uint8_t>(random() % 3), static_cast<uint8_t>(random() % n),
                  static_cast<int8_t>(random() % 2 ? 1 : -1), 1});
    }
    out.push_back(state);
  }
  return out;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

template <typename T>
T Median(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void BM_SolveBig(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<solver::CubieState> positions = Positions(n);
  const std::atomic<bool> cancel{false};
  using Clock = std::chrono::steady_clock;
  // The first solve of the size builds its tables; the benchmark may run
  // more than once, so that first use is kept from the first run.
  static double firstUse[6], tables[6];
  if (firstUse[n] == 0) {
    const double before = PeakMegabytes();
    const auto start = Clock::now();
    solver::SolveBig(positions[0], cancel);
    firstUse[n] = std::chrono::duration<double>(Clock::now() - start).count();
    tables[n] = PeakMegabytes() - before;
  }

  std::vector<int> lengths;
  std::vector<double> seconds;
  for (auto _ : state) {
    lengths.clear();
    seconds.clear();
    for (const solver::CubieState& position : positions) {
      const auto start = Clock::now();
      const solver::Solution solution = solver::SolveBig(position, cancel);
      seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
      if (solution.Result != solver::Solution::Outcome::Found) {
        state.SkipWithError("a position was not solved");
        return;
      }
      lengths.push_back(static_cast<int>(solution.Moves.size()));
    }
  }
  state.counters["len_median"] = Median(lengths);
  state.counters["len_worst"] = *std::max_element(lengths.begin(), lengths.end());
  state.counters["ms_median"] = 1000 * Median(seconds);
  state.counters["ms_worst"] = 1000 * *std::max_element(seconds.begin(), seconds.end());
  state.counters["first_use_ms"] = 1000 * firstUse[n];
  state.counters["tables_MB"] = tables[n];
}
BENCHMARK(BM_SolveBig)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

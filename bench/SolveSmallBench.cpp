// Solution lengths (quarter turns) and times of the 2x2x2 and 3x3x3 solvers
// over a fixed set of scrambles. The first run of each size also builds its
// tables; that time is reported on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "solver/Solver.h"
#include "solver/ThreeTables.h"

namespace {

using solver::CubieState;

constexpr int kPositions = 100;

std::vector<CubieState> Positions(int n) {
  std::vector<CubieState> positions;
  std::mt19937 random(2024 + n);
  for (int i = 0; i < kPositions; ++i) {
    CubieState s = CubieState::Solved(n);
    for (int t = 0; t < 200; ++t) {
      s.Turn({static_cast<uint8_t>(random() % 3), static_cast<uint8_t>(random() % n),
              static_cast<int8_t>(random() % 2 ? 1 : -1), 1});
    }
    positions.push_back(s);
  }
  return positions;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void SolveSet(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::atomic<bool> cancel{false};
  const auto solve = n == 2 ? solver::SolveTwo : solver::SolveThree;
  const std::vector<CubieState> positions = Positions(n);
  using Clock = std::chrono::steady_clock;
  // The first solve builds the tables.
  const auto start = Clock::now();
  solve(positions[0], cancel);
  const double build = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<double> lengths, seconds;
  for (auto _ : state) {
    lengths.clear();
    seconds.clear();
    for (const CubieState& p : positions) {
      const auto t0 = Clock::now();
      const solver::Solution s = solve(p, cancel);
      seconds.push_back(std::chrono::duration<double>(Clock::now() - t0).count());
      lengths.push_back(static_cast<double>(s.Moves.size()));
      benchmark::DoNotOptimize(s);
    }
  }
  state.counters["first_solve_s"] = build;
  // The 2x2x2's: a distance byte per position and two small move tables.
  state.counters["tables_MB"] =
      (n == 2 ? 5040.0 * 729 + (5040 + 729) * 6 * 2 : solver::three::TheTables().Bytes()) / 1e6;
  state.counters["median_len"] = Median(lengths);
  state.counters["worst_len"] = *std::max_element(lengths.begin(), lengths.end());
  state.counters["median_s"] = Median(seconds);
  state.counters["worst_s"] = *std::max_element(seconds.begin(), seconds.end());
}
BENCHMARK(SolveSet)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();

// The history's database: writing one finished game (one WAL transaction),
// and reading a long history of one size back for its statistics.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "game/SolveHistory.h"
#include "game/SolveStats.h"

namespace {

// A folder of the benchmark's own, removed with what it made.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaro-history-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::string History() const { return path_ + "/history.sqlite"; }

 private:
  std::string path_;
};

// A 3x3x3 game as a player makes it: some sixty turns, each with its time.
SolveEntry TypicalGame(int64_t i) {
  SolveEntry e;
  e.Size = 3;
  e.Ms = 40'000 + i % 20'000;
  e.Scramble = "R U2 F' L D2 B R' U F2 L' D B2 R2 U' F L2 D' B' R U";
  for (int t = 0; t < 60; ++t) {
    e.Solution += t ? " R" : "R";
    e.MoveMs.push_back(e.Ms * (t + 1) / 60);
  }
  e.Moves = 60;
  e.How = i % 10 ? SolveHow::Solved : SolveHow::Abandoned;
  e.ScrambleTurns = 20;
  return e;
}

void BM_AddRow(benchmark::State& state) {
  ScratchFolder folder;
  SolveHistory history(folder.History());
  if (!history.Usable()) state.SkipWithError("the history did not open");
  int64_t i = 0;
  for (auto _ : state) {
    SolveEntry e = TypicalGame(i++);
    HistoryProblem why;
    if (!history.Add(e, why)) state.SkipWithError("a row was not written");
  }
}
BENCHMARK(BM_AddRow)->Unit(benchmark::kMicrosecond);

void BM_ReadStats10000(benchmark::State& state) {
  ScratchFolder folder;
  SolveHistory history(folder.History());
  for (int64_t i = 0; i < 10'000; ++i) {
    SolveEntry e = TypicalGame(i);
    HistoryProblem why;
    if (!history.Add(e, why)) state.SkipWithError("a row was not written");
  }
  for (auto _ : state) {
    const std::vector<SolveEntry> games = history.Solves(3);
    benchmark::DoNotOptimize(games.data());
    benchmark::DoNotOptimize(StatsOf(games));
    if (games.size() != 10'000) state.SkipWithError("rows missing");
  }
}
BENCHMARK(BM_ReadStats10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

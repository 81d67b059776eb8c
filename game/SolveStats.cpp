#include "game/SolveStats.h"

#include <algorithm>

namespace {

// a / b to the nearest whole number, halves up; a >= 0, b > 0.
int64_t RoundedQuotient(int64_t a, int64_t b) { return (2 * a + b) / (2 * b); }

// A DNF is worse than every time.
bool Faster(int64_t a, int64_t b) {
  if (a == kDnf) return false;
  return b == kDnf || a < b;
}

// The best of the windows' averages: kDnf when each is one.
std::optional<int64_t> BestOf(const std::vector<std::optional<int64_t>>& averages) {
  std::optional<int64_t> best;
  for (const auto& average : averages) {
    if (average && (!best || Faster(*average, *best))) best = average;
  }
  return best;
}

}  // namespace

std::optional<int64_t> TrimmedAverage(const std::vector<int64_t>& window) {
  if (window.size() < 3) return std::nullopt;
  if (std::count(window.begin(), window.end(), kDnf) > 1) return kDnf;
  std::vector<int64_t> sorted = window;
  std::sort(sorted.begin(), sorted.end(), Faster);
  int64_t sum = 0;
  for (std::size_t i = 1; i + 1 < sorted.size(); ++i) sum += sorted[i];
  return RoundedQuotient(sum, static_cast<int64_t>(sorted.size() - 2));
}

std::vector<int64_t> TimesOf(const std::vector<SolveEntry>& games) {
  std::vector<int64_t> times;
  times.reserve(games.size());
  for (const SolveEntry& game : games) times.push_back(game.How == SolveHow::Solved ? std::max<int64_t>(game.Ms, 0) : kDnf);
  return times;
}

std::vector<std::optional<int64_t>> RunningAverages(const std::vector<int64_t>& times, std::size_t n) {
  std::vector<std::optional<int64_t>> averages(times.size());
  for (std::size_t end = n; end <= times.size() && n > 0; ++end) {
    averages[end - 1] = TrimmedAverage(std::vector<int64_t>(times.begin() + static_cast<std::ptrdiff_t>(end - n),
                                                            times.begin() + static_cast<std::ptrdiff_t>(end)));
  }
  return averages;
}

SizeStats StatsOf(const std::vector<SolveEntry>& games) {
  SizeStats stats;
  stats.Count = games.size();
  int64_t sumMs = 0, sumMoves = 0;
  for (const SolveEntry& game : games) {
    if (game.How != SolveHow::Solved) continue;
    const int64_t ms = std::max<int64_t>(game.Ms, 0);
    ++stats.Solved;
    sumMs += ms;
    sumMoves += game.Moves;
    if (!stats.Best || ms < *stats.Best) stats.Best = ms;
  }
  if (stats.Solved > 0) stats.Mean = RoundedQuotient(sumMs, static_cast<int64_t>(stats.Solved));
  if (sumMs > 0) stats.MovesPerSecond = static_cast<double>(sumMoves) * 1000.0 / static_cast<double>(sumMs);

  const std::vector<int64_t> times = TimesOf(games);
  const auto ao5 = RunningAverages(times, 5), ao12 = RunningAverages(times, 12);
  if (!times.empty()) stats.Ao5 = ao5.back(), stats.Ao12 = ao12.back();
  stats.BestAo5 = BestOf(ao5);
  stats.BestAo12 = BestOf(ao12);
  return stats;
}

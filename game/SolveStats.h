// Statistics of one size's games as speedcubers count them. A game the
// player did not bring home (the computer solved it, or it was abandoned) is
// a DNF: it counts as a solve, worse than any time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/SolveEntry.h"

// A time in milliseconds, or kDnf.
constexpr int64_t kDnf = -1;

// The average of a window of n >= 3 times: the single best and the single
// worst dropped (of equal times only one), the rest averaged, rounded to the
// nearest millisecond with halves up; a DNF is the worst, so more than one
// DNF makes the average kDnf. None for fewer than 3.
std::optional<int64_t> TrimmedAverage(const std::vector<int64_t>& window);

// The times of games in order, a DNF for each game not brought home.
std::vector<int64_t> TimesOf(const std::vector<SolveEntry>& games);

// For each game in order, the average of the n games ending with it; none
// before the n-th. The chart's running average.
std::vector<std::optional<int64_t>> RunningAverages(const std::vector<int64_t>& times, std::size_t n);

struct SizeStats {
  std::size_t Count = 0;    // games of the size
  std::size_t Solved = 0;   // of them brought home by the player
  // Over the solved ones; the mean rounded as an average is. None without any.
  std::optional<int64_t> Best, Mean;
  // Of the last 5 / 12 games, and the best of every such window; none until
  // there are that many games; kDnf when the window (or every window) is a DNF.
  std::optional<int64_t> Ao5, Ao12, BestAo5, BestAo12;
  // The solved games' turns over their seconds; none without time.
  std::optional<double> MovesPerSecond;
};

// games oldest first.
SizeStats StatsOf(const std::vector<SolveEntry>& games);

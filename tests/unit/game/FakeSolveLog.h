// A history of finished games kept in a list, for the game that writes it
// and the dialogs that read it.
#pragma once

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "game/SolveEntry.h"

class FakeSolveLog : public SolveLog {
 public:
  bool Add(SolveEntry& entry, HistoryProblem& why) override {
    why = refuse;
    if (refuse) return false;
    entry.Id = static_cast<int64_t>(games.size()) + 1;
    games.push_back(entry);
    return true;
  }
  std::vector<SolveEntry> Solves(int size) const override {
    std::vector<SolveEntry> result;
    std::copy_if(games.begin(), games.end(), std::back_inserter(result),
                 [&](const SolveEntry& game) { return size == 0 || game.Size == size; });
    return result;
  }
  bool Remove(int64_t id, HistoryProblem& why) override {
    removed.push_back(id);
    why = refuse;
    const auto gone = [&](const SolveEntry& game) { return !refuse && game.Id == id; };
    games.erase(std::remove_if(games.begin(), games.end(), gone), games.end());
    return !refuse;
  }
  // Adds a game finished a day after the one before, the first on 1 December 2026 at 10:00 UTC.
  void Finish(int size, int64_t ms, uint32_t moves, SolveHow how = SolveHow::Solved,
              const std::string& scramble = "R U", bool record = false) {
    const std::time_t moment = 1796119200 + static_cast<std::time_t>(games.size()) * 86400;
    std::tm utc{};
    char finished[32];
    std::strftime(finished, sizeof finished, "%Y-%m-%dT%H:%M:%SZ", gmtime_r(&moment, &utc));
    games.push_back({static_cast<int64_t>(games.size()) + 1, finished, size, ms, moves, scramble, "U' R'", {}, how, 0,
                     0, record});
  }

  std::vector<SolveEntry> games;  // oldest first
  HistoryProblem refuse;          // set: Add and Remove fail with it
  std::vector<int64_t> removed;   // the ids asked to go
};

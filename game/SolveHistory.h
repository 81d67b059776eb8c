// The history of finished games: an SQLite database, history.sqlite in the
// player's data folder beside the kept games. Each game is one row, written
// in one transaction when it ends; the journal is a write-ahead log, so that
// a kill at any moment loses at most the game being written and several
// windows can write the same file (each waits a little for the others).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/SolveEntry.h"

struct sqlite3;

class SolveHistory : public SolveLog {
 public:
  // The schema this version writes (PRAGMA user_version).
  static constexpr int kSchemaVersion = 1;

  // Opens path, or begins it. A file that is no database, or is damaged, is
  // renamed to <path>.bad-<UTC time> (never over another file) and a new one
  // begun; OpenProblem() then says so. One of a newer schema is left as it
  // is and nothing is written to it. An empty path opens nothing.
  explicit SolveHistory(std::string path);
  ~SolveHistory() override;
  SolveHistory(const SolveHistory&) = delete;
  SolveHistory& operator=(const SolveHistory&) = delete;

  const std::string& Path() const { return path_; }
  // Rows can be read and written.
  bool Usable() const { return db_ != nullptr && !readOnly_; }
  // What opening found: nothing, a file set aside, a newer file, no folder.
  const HistoryProblem& OpenProblem() const { return openProblem_; }

  bool Add(SolveEntry& entry, HistoryProblem& why) override;
  std::vector<SolveEntry> Solves(int size = 0) const override;
  std::optional<SolveEntry> Find(int64_t id) const;
  bool Remove(int64_t id, HistoryProblem& why) override;

 private:
  std::string path_;
  sqlite3* db_ = nullptr;
  bool readOnly_ = false;
  HistoryProblem openProblem_;
};

// The whole history as CSV (RFC 4180, UTF-8, a header line, one row per
// game, oldest first): the columns of the database, in its order.
std::string HistoryCsv(const std::vector<SolveEntry>& solves);

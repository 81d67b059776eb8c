// The history of finished games: an SQLite database, history.sqlite in the
// player's data folder beside the kept games. Each game is one row, written
// in one transaction when it ends; the journal is a write-ahead log, so that
// a kill at any moment loses at most the game being written and several
// windows can write the same file (each waits a little for the others).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/Sqlite.h"
#include "game/SolveEntry.h"

class SolveHistory : public SolveLog {
 public:
  // The schema this version writes (PRAGMA user_version).
  static constexpr int kSchemaVersion = 1;
  // How long a write waits for another window's before it gives up (Busy).
  static constexpr int kBusyWaitMs = 2000;

  // The history's file in the data folder; empty for an empty folder.
  static std::string InFolder(const std::string& dataFolder);

  // Opens path, or begins it (making its folder, mode 0700, when missing). A
  // file that is no database, or is damaged, is renamed to
  // <path>.bad-<UTC yyyymmddThhmmssZ> (never over another file; its -wal and
  // -shm go with it) and a new one begun; OpenProblem() then says so. One of
  // a newer schema is left as it is: its rows are read, nothing is written.
  // An empty path opens nothing. now: the system clock's seconds, for the
  // set-aside name and the moment of an entry without one.
  explicit SolveHistory(std::string path, std::function<int64_t()> now = {});
  ~SolveHistory() override = default;
  SolveHistory(const SolveHistory&) = delete;
  SolveHistory& operator=(const SolveHistory&) = delete;

  const std::string& Path() const { return path_; }
  // Rows can be read and written.
  bool Usable() const { return static_cast<bool>(db_) && !readOnly_; }
  // What opening found: nothing, a file set aside, a newer file, no folder.
  const HistoryProblem& OpenProblem() const { return openProblem_; }

  // An entry without FinishedAt is stamped now. Refused (Failed, SQLite's
  // SQLITE_CONSTRAINT_CHECK) when a field is out of bounds or MoveMs would
  // not read back.
  bool Add(SolveEntry& entry, HistoryProblem& why) override;
  // Rows that do not read back sanely are left out.
  std::vector<SolveEntry> Solves(int size = 0) const override;
  std::optional<SolveEntry> Find(int64_t id) const;
  // One game of the file at path, only read (for tools); none, with why in
  // a few words, when the file or the game is not there.
  static std::optional<SolveEntry> ReadGame(const std::string& path, int64_t id, std::string& why);
  // Removing a row that is not there succeeds.
  bool Remove(int64_t id, HistoryProblem& why) override;

 private:
  enum class Opened { Ready, Newer, Damaged, Failed };
  Opened OpenFile();
  // Renames the file and its companions; false, with errno, when it stays.
  bool SetAside(std::string& aside);
  // What a failed call with SQLite's code tells the player.
  HistoryProblem ProblemOf(int code) const;
  // Why nothing can be written: the open problem, or a newer file.
  bool CannotWrite(HistoryProblem& why) const;
  // Inside a write transaction: the file still has our schema.
  bool StillOurs(HistoryProblem& why);

  std::string path_;
  std::function<int64_t()> now_;
  sqlite::Database db_;
  bool readOnly_ = false;
  HistoryProblem openProblem_;
};

// The whole history as CSV (RFC 4180, UTF-8, a header line of the column
// names, one row per game in the order given, lines ended by LF): the
// columns of the database, in its order.
std::string HistoryCsv(const std::vector<SolveEntry>& solves);

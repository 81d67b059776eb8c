// One finished game as the history keeps it: how it was scrambled, every
// turn the player made and when, and how it ended.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class SolveHow {
  Solved,     // the player brought the cube home
  Computer,   // the computer was asked to solve it
  Abandoned,  // New game, Stop or Open ended it after at least one turn
};

// "solved", "computer", "abandoned": how the database and the export write it.
const char* HowName(SolveHow how);
std::optional<SolveHow> HowFromName(const std::string& name);

struct SolveEntry {
  int64_t Id = 0;          // the database's; 0 until stored
  std::string FinishedAt;  // UTC, ISO 8601: "2026-12-10T07:25:03Z"
  int Size = 3;
  int64_t Ms = 0;          // the game clock at the end, in milliseconds
  uint32_t Moves = 0;      // the move counter at the end
  // The notation with faces named for the start view, as saved games keep
  // it; empty when not known (a game continued from a file without it).
  std::string Scramble;
  // Every quarter turn made on the cube after the scramble, in the order
  // made: the player's (an undo is the turn taken back, a redo the turn made
  // again), then, when the computer was asked, its turns.
  std::string Solution;
  // For each quarter turn of Solution (a half turn written "R2" is two), the
  // milliseconds since the clock started when it ended; never decreasing.
  std::vector<int64_t> MoveMs;
  SolveHow How = SolveHow::Solved;
  uint32_t Hints = 0;
  uint32_t ScrambleTurns = 0;
  bool Record = false;
};

// "120 450 980": the times as the database keeps them; empty for none.
std::string MoveMsText(const std::vector<int64_t>& times);
// None when the text is not such a list (a negative, a decrease, a stray character).
std::optional<std::vector<int64_t>> ParseMoveMs(const std::string& text);

// "2026-12-10T07:25:03Z" for a moment of the system clock.
std::string IsoUtc(int64_t secondsSinceEpoch);

// Why the history could not be opened or written.
struct HistoryProblem {
  enum class Kind {
    None,
    SetAside,   // the file was no database or damaged: moved to Aside, a new one begun
    Newer,      // written by a newer version of the game: left alone, nothing written
    CannotOpen, // no data folder, or it cannot be written (Error: errno)
    Full,       // the disk is full: nothing of the new row was written
    Busy,       // another window held the file longer than the wait
    Failed,     // any other database error (Code: SQLite's)
  };
  Kind What = Kind::None;
  int Error = 0;      // errno, where the system said
  int Code = 0;       // SQLite's extended result code, where it said
  std::string Path;   // the database
  std::string Aside;  // where a bad file went
  explicit operator bool() const { return What != Kind::None; }
};

// Where finished games are written and read back: the database, or a
// test's list.
class SolveLog {
 public:
  virtual ~SolveLog() = default;
  // Writes the entry whole, or nothing of it; sets entry.Id. False, with why.
  virtual bool Add(SolveEntry& entry, HistoryProblem& why) = 0;
  // The games of one size, oldest first; all sizes for size 0.
  virtual std::vector<SolveEntry> Solves(int size = 0) const = 0;
  // Deletes one row; false, with why, when it stays.
  virtual bool Remove(int64_t id, HistoryProblem& why) = 0;
};

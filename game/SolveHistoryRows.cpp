// The history's rows: one written per finished game, read back by size or
// id, removed one at a time, and exported as CSV.
#include <sqlite3.h>

#include <cerrno>
#include <limits>

#include "game/SolveHistory.h"
#include "puzzle/CubeSizes.h"

namespace {

// The columns in the table's order, which is also the export's.
constexpr const char* kColumns =
    "id, finished_at, size, ms, moves, scramble, solution, move_ms, how, hints, scramble_turns, record";
enum Column { kId, kFinishedAt, kSize, kMs, kMoves, kScramble, kSolution, kMoveMs, kHow, kHints, kTurns, kRecord };

bool InRange(int64_t value, int64_t low, int64_t high) { return value >= low && value <= high; }

// None for a row a newer version or a damaged page left unreadable.
std::optional<SolveEntry> ReadRow(const sqlite::Statement& row) {
  for (const int column : {kId, kSize, kMs, kMoves, kHints, kTurns, kRecord})
    if (row.Type(column) != SQLITE_INTEGER) return std::nullopt;
  for (const int column : {kFinishedAt, kScramble, kSolution, kMoveMs, kHow})
    if (row.Type(column) != SQLITE_TEXT) return std::nullopt;
  constexpr int64_t kCount = std::numeric_limits<uint32_t>::max();
  const std::optional<SolveHow> how = HowFromName(row.Text(kHow));
  std::optional<std::vector<int64_t>> moveMs = ParseMoveMs(row.Text(kMoveMs));
  if (!how || !moveMs || !IsSupportedCubeSize(static_cast<int>(row.Int(kSize))) || row.Int(kMs) < 0 ||
      !InRange(row.Int(kMoves), 0, kCount) || !InRange(row.Int(kHints), 0, kCount) ||
      !InRange(row.Int(kTurns), 0, kCount) || !InRange(row.Int(kRecord), 0, 1))
    return std::nullopt;
  SolveEntry entry;
  entry.Id = row.Int(kId);
  entry.FinishedAt = row.Text(kFinishedAt);
  entry.Size = static_cast<int>(row.Int(kSize));
  entry.Ms = row.Int(kMs);
  entry.Moves = static_cast<uint32_t>(row.Int(kMoves));
  entry.Scramble = row.Text(kScramble);
  entry.Solution = row.Text(kSolution);
  entry.MoveMs = std::move(*moveMs);
  entry.How = *how;
  entry.Hints = static_cast<uint32_t>(row.Int(kHints));
  entry.ScrambleTurns = static_cast<uint32_t>(row.Int(kTurns));
  entry.Record = row.Int(kRecord) == 1;
  return entry;
}

// The times must read back: never negative, never decreasing.
bool TimesReadBack(const std::vector<int64_t>& times) {
  for (std::size_t i = 0; i < times.size(); ++i)
    if (times[i] < 0 || (i > 0 && times[i] < times[i - 1])) return false;
  return true;
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

}  // namespace

bool SolveHistory::CannotWrite(HistoryProblem& why) const {
  if (!db_) {
    why = openProblem_;
    if (!why) why = HistoryProblem{HistoryProblem::Kind::CannotOpen, ENOENT, 0, path_, {}};
    return true;
  }
  if (!readOnly_) return false;
  why = HistoryProblem{HistoryProblem::Kind::Newer, 0, 0, path_, {}};
  return true;
}

bool SolveHistory::StillOurs(HistoryProblem& why) {
  int64_t version = 0;
  const int code = sqlite::PragmaInt(db_, "user_version", version);
  if (code != SQLITE_OK) {
    why = ProblemOf(code);
    return false;
  }
  if (version <= kSchemaVersion) return true;
  readOnly_ = true;  // a newer version of the game migrated it meanwhile
  why = HistoryProblem{HistoryProblem::Kind::Newer, 0, 0, path_, {}};
  return false;
}

bool SolveHistory::Add(SolveEntry& entry, HistoryProblem& why) {
  if (CannotWrite(why)) return false;
  if (entry.FinishedAt.empty()) entry.FinishedAt = IsoUtc(now_());
  if (!TimesReadBack(entry.MoveMs)) {
    why = HistoryProblem{HistoryProblem::Kind::Failed, 0, SQLITE_CONSTRAINT_CHECK, path_, {}};
    return false;
  }
  errno = 0;  // see ProblemOf
  sqlite::Transaction write(db_);
  int code = write.Begun();
  if (code == SQLITE_OK && !StillOurs(why)) return false;
  if (code == SQLITE_OK) {
    sqlite::Statement insert(db_, std::string("INSERT INTO solves (") + kColumns +
                                      ") VALUES (NULL, ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11)");
    insert.Bind(1, entry.FinishedAt).Bind(2, int64_t{entry.Size}).Bind(3, entry.Ms).Bind(4, int64_t{entry.Moves});
    insert.Bind(5, entry.Scramble).Bind(6, entry.Solution).Bind(7, MoveMsText(entry.MoveMs));
    insert.Bind(8, std::string(HowName(entry.How))).Bind(9, int64_t{entry.Hints});
    insert.Bind(10, int64_t{entry.ScrambleTurns}).Bind(11, int64_t{entry.Record ? 1 : 0});
    const int stepped = insert.Step();
    code = stepped == SQLITE_DONE ? SQLITE_OK : stepped;
  }
  const int64_t id = sqlite3_last_insert_rowid(db_.Handle());
  if (code == SQLITE_OK) code = write.Commit();
  if (code != SQLITE_OK) {
    why = ProblemOf(code);  // before the rollback, while SQLite still knows the errno
    return false;
  }
  entry.Id = id;
  return true;
}

std::vector<SolveEntry> SolveHistory::Solves(int size) const {
  std::vector<SolveEntry> solves;
  if (!db_) return solves;
  const std::string select = std::string("SELECT ") + kColumns + " FROM solves";
  sqlite::Statement rows(db_, size == 0 ? select + " ORDER BY id" : select + " WHERE size = ?1 ORDER BY id");
  if (size != 0) rows.Bind(1, int64_t{size});
  while (rows.Step() == SQLITE_ROW)
    if (std::optional<SolveEntry> entry = ReadRow(rows)) solves.push_back(std::move(*entry));
  return solves;
}

std::optional<SolveEntry> SolveHistory::Find(int64_t id) const {
  if (!db_) return std::nullopt;
  sqlite::Statement row(db_, std::string("SELECT ") + kColumns + " FROM solves WHERE id = ?1");
  row.Bind(1, id);
  return row.Step() == SQLITE_ROW ? ReadRow(row) : std::nullopt;
}

std::optional<SolveEntry> SolveHistory::ReadGame(const std::string& path, int64_t id, std::string& why) {
  sqlite::Database db;
  // Only read: nothing is made, migrated or set aside.
  if (db.Open(path, SQLITE_OPEN_READONLY) != SQLITE_OK) {
    why = "cannot be opened";
    return std::nullopt;
  }
  int64_t version = 0;
  if (sqlite::PragmaInt(db, "user_version", version) != SQLITE_OK || version < 1) {
    why = "no history of games";
    return std::nullopt;
  }
  sqlite::Statement row(db, std::string("SELECT ") + kColumns + " FROM solves WHERE id = ?1");
  row.Bind(1, id);
  std::optional<SolveEntry> game = row.Step() == SQLITE_ROW ? ReadRow(row) : std::nullopt;
  if (!game) why = "no game " + std::to_string(id) + " in it";
  return game;
}

bool SolveHistory::Remove(int64_t id, HistoryProblem& why) {
  if (CannotWrite(why)) return false;
  errno = 0;  // see ProblemOf
  sqlite::Transaction write(db_);
  int code = write.Begun();
  if (code == SQLITE_OK && !StillOurs(why)) return false;
  if (code == SQLITE_OK) {
    sqlite::Statement remove(db_, "DELETE FROM solves WHERE id = ?1");
    remove.Bind(1, id);
    const int stepped = remove.Step();
    code = stepped == SQLITE_DONE ? SQLITE_OK : stepped;
  }
  if (code == SQLITE_OK) code = write.Commit();
  if (code == SQLITE_OK) return true;
  why = ProblemOf(code);
  return false;
}

std::string HistoryCsv(const std::vector<SolveEntry>& solves) {
  std::string csv;
  for (const char* c = kColumns; *c; ++c)
    if (*c != ' ') csv += *c;
  csv += '\n';
  for (const SolveEntry& e : solves) {
    const std::string fields[] = {
        std::to_string(e.Id),      e.FinishedAt,          std::to_string(e.Size),    std::to_string(e.Ms),
        std::to_string(e.Moves),   e.Scramble,            e.Solution,                MoveMsText(e.MoveMs),
        HowName(e.How),            std::to_string(e.Hints), std::to_string(e.ScrambleTurns), e.Record ? "1" : "0",
    };
    for (const std::string& field : fields) csv += (&field == fields ? "" : ",") + CsvField(field);
    csv += '\n';
  }
  return csv;
}

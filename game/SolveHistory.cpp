// Opening the history: its folder, the schema and its migrations, and a
// damaged file set aside.
#include "game/SolveHistory.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <chrono>
#include <ctime>
#include <iterator>

#include "puzzle/CubeSizes.h"

namespace {

// Each step takes the schema from its index's version to the next; a later
// version appends its step. A step runs inside the transaction that also
// sets the new user_version.
int CreateSolves(sqlite::Database& db) {
  static_assert(kMinCubeSize == 2 && kMaxCubeSize == 5, "other sizes need a step that widens the size check");
  return db.Exec(R"(
    CREATE TABLE solves (
      id INTEGER PRIMARY KEY,
      finished_at TEXT NOT NULL CHECK (finished_at GLOB
        '[0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]:[0-6][0-9]Z'),
      size INTEGER NOT NULL CHECK (size BETWEEN 2 AND 5),
      ms INTEGER NOT NULL CHECK (ms >= 0),
      moves INTEGER NOT NULL CHECK (moves >= 0),
      scramble TEXT NOT NULL,
      solution TEXT NOT NULL,
      move_ms TEXT NOT NULL,
      how TEXT NOT NULL CHECK (how IN ('solved', 'computer', 'abandoned')),
      hints INTEGER NOT NULL CHECK (hints >= 0),
      scramble_turns INTEGER NOT NULL CHECK (scramble_turns >= 0),
      record INTEGER NOT NULL CHECK (record IN (0, 1))
    );
    CREATE INDEX solves_by_size ON solves (size, id);
  )");
}

using MigrationStep = int (*)(sqlite::Database&);
constexpr MigrationStep kSteps[] = {CreateSolves};
static_assert(std::size(kSteps) == SolveHistory::kSchemaVersion, "one step to each version");

bool Damaged(int code) {
  const int primary = code & 0xff;
  return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

// PRAGMA quick_check says "ok" alone, or lists what is wrong.
int QuickCheck(const sqlite::Database& db) {
  sqlite::Statement check(db, "PRAGMA quick_check");
  int code = check.Step();
  if (code != SQLITE_ROW) return code;
  if (check.Text(0) != "ok") return SQLITE_CORRUPT;
  code = check.Step();
  return code == SQLITE_DONE ? SQLITE_OK : code == SQLITE_ROW ? SQLITE_CORRUPT : code;
}

// Brings the schema up to ours, a step at a time. Another window may be
// doing the same: the version is read again once the write lock is held.
// SQLITE_READONLY when the file turns out newer than ours.
int Migrate(sqlite::Database& db) {
  for (;;) {
    sqlite::Transaction step(db);
    int64_t version = 0;
    int code = step.Begun();
    if (code == SQLITE_OK) code = sqlite::PragmaInt(db, "user_version", version);
    if (code != SQLITE_OK) return code;
    if (version == SolveHistory::kSchemaVersion) return SQLITE_OK;
    if (version < 0 || version > SolveHistory::kSchemaVersion) return SQLITE_READONLY;
    code = kSteps[version](db);
    if (code == SQLITE_OK) code = db.Exec("PRAGMA user_version = " + std::to_string(version + 1));
    if (code == SQLITE_OK) code = step.Commit();
    if (code != SQLITE_OK) return code;
  }
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// mkdir -p. Every folder made is the player's own (0700), as the data
// folders of the desktop are to be.
bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return true;
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return true;
    errno = ENOTDIR;
    return false;
  }
  if (errno != ENOENT || !MakeFolders(FolderOf(folder))) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// Renames from to to unless to exists (EEXIST then). Where the file system
// cannot refuse a rename over a file, a link and an unlink do the same.
bool MoveNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  return ::link(from.c_str(), to.c_str()) == 0 && ::unlink(from.c_str()) == 0;
}

// What the file at path begins with, before SQLite opens it.
enum class Start { Database, Empty, Other, NotRegular, Unreadable };
Start StartOf(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);  // a FIFO never blocks it
  if (fd < 0) return errno == ENOENT ? Start::Empty : Start::Unreadable;
  struct stat st {};
  char head[16];
  const bool known = ::fstat(fd, &st) == 0;
  const ssize_t n = known && S_ISREG(st.st_mode) ? ::read(fd, head, sizeof head) : -1;
  ::close(fd);
  if (known && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) return Start::NotRegular;
  if (n < 0) return Start::Unreadable;  // SQLite says why
  if (n == 0) return Start::Empty;
  return n == sizeof head && std::memcmp(head, "SQLite format 3", sizeof head) == 0 ? Start::Database : Start::Other;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

std::string Stamp(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  struct tm utc {};
  char text[32];
  if (!gmtime_r(&t, &utc) || !std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc)) return "unknown";
  return text;
}

int64_t SystemSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// SQLite's own files beside a database, moved with it.
constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

}  // namespace

std::string SolveHistory::InFolder(const std::string& dataFolder) {
  return dataFolder.empty() ? std::string() : dataFolder + "/history.sqlite";
}

SolveHistory::SolveHistory(std::string path, std::function<int64_t()> now)
    : path_(std::move(path)), now_(now ? std::move(now) : SystemSeconds) {
  openProblem_.Path = path_;
  if (path_.empty()) {
    openProblem_.What = HistoryProblem::Kind::CannotOpen;
    openProblem_.Error = ENOENT;
    return;
  }
  if (!MakeFolders(FolderOf(path_))) {
    openProblem_.What = HistoryProblem::Kind::CannotOpen;
    openProblem_.Error = errno;
    return;
  }
  // A damaged file is set aside and a new one begun; when another window
  // moved it first (ENOENT), the file is opened as that window began it.
  std::string aside;
  for (int attempt = 0; OpenFile() == Opened::Damaged; ++attempt) {
    if (attempt == 2) {  // damaged again and again: left where it is
      openProblem_ = ProblemOf(SQLITE_CORRUPT);
      break;
    }
    if (!SetAside(aside) && errno != ENOENT) {
      openProblem_ = HistoryProblem{HistoryProblem::Kind::CannotOpen, errno, 0, path_, aside};
      return;
    }
  }
  openProblem_.Aside = aside;
  if (!aside.empty() && !openProblem_) openProblem_.What = HistoryProblem::Kind::SetAside;
}

SolveHistory::Opened SolveHistory::OpenFile() {
  openProblem_ = HistoryProblem{HistoryProblem::Kind::None, 0, 0, path_, {}};
  readOnly_ = false;
  errno = 0;
  // Set aside before SQLite opens it: SQLite would take a -wal beside a
  // file that is no database for its own and empty it.
  const Start start = StartOf(path_);
  if (start == Start::Other) return Opened::Damaged;
  if (start == Start::NotRegular) {
    openProblem_ = HistoryProblem{HistoryProblem::Kind::CannotOpen, EINVAL, SQLITE_CANTOPEN, path_, {}};
    return Opened::Failed;
  }
  int code = db_.Open(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  if (Damaged(code)) return Opened::Damaged;
  const auto fail = [this](int failed) {
    openProblem_ = ProblemOf(failed);
    db_.Close();
    return Damaged(failed) ? Opened::Damaged : Opened::Failed;
  };
  if (code != SQLITE_OK) return fail(code);
  if (sqlite3_db_readonly(db_.Handle(), "main") == 1) {  // a read-only file
    db_.Close();
    openProblem_ = HistoryProblem{HistoryProblem::Kind::CannotOpen, EACCES, SQLITE_READONLY, path_, {}};
    return Opened::Failed;
  }
  sqlite3_busy_timeout(db_.Handle(), kBusyWaitMs);

  // Reading the version reads the header: a file that is no database says so here.
  int64_t version = 0;
  code = sqlite::PragmaInt(db_, "user_version", version);
  if (code != SQLITE_OK) return fail(code);
  if (version > kSchemaVersion) {
    // Read as it is, never written: not even the journal mode is set.
    code = db_.Open(path_, SQLITE_OPEN_READONLY);
    if (code != SQLITE_OK) return fail(code);
    sqlite3_busy_timeout(db_.Handle(), kBusyWaitMs);
    readOnly_ = true;
    openProblem_.What = HistoryProblem::Kind::Newer;
    return Opened::Newer;
  }
  // Checked before anything is written, so that a damaged file is set aside
  // with the bytes it had.
  code = QuickCheck(db_);
  if (code != SQLITE_OK) return fail(code);
  // A kill during a write loses at most that row: WAL with synchronous
  // NORMAL keeps the database whole, only the last commits may be undone.
  code = db_.Exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL");
  if (code != SQLITE_OK) return fail(code);
  code = Migrate(db_);
  if (code == SQLITE_READONLY) {  // a newer version migrated it meanwhile
    readOnly_ = true;
    openProblem_.What = HistoryProblem::Kind::Newer;
    return Opened::Newer;
  }
  if (code != SQLITE_OK) return fail(code);
  return Opened::Ready;
}

bool SolveHistory::SetAside(std::string& aside) {
  const std::string stamp = path_ + ".bad-" + Stamp(now_());
  for (int n = 1; n < 1000; ++n) {
    const std::string name = n == 1 ? stamp : stamp + "-" + std::to_string(n);
    bool taken = false;
    for (const char* companion : kCompanions) taken = taken || Exists(name + companion);
    if (taken) continue;
    if (!MoveNoReplace(path_, name)) {
      if (errno == EEXIST) continue;
      return false;
    }
    aside = name;
    // A -wal left beside a new database would be read into it: when one
    // cannot be moved, nothing is begun.
    for (const char* companion : kCompanions) {
      const std::string from = path_ + companion;
      if (Exists(from) && !MoveNoReplace(from, name + companion)) return false;
    }
    return true;
  }
  errno = EEXIST;
  return false;
}

HistoryProblem SolveHistory::ProblemOf(int code) const {
  HistoryProblem why;
  why.Path = path_;
  why.Code = code;
  const int primary = code & 0xff;
  const int lastErrno = errno;  // the callers clear it before they call SQLite
  if (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL) why.Error = db_.SystemErrno();
  // SQLite keeps no errno for a write that failed in a commit; these can
  // only come from writes (or creations) that found no room.
  if (why.Error == 0 && (lastErrno == ENOSPC || lastErrno == EDQUOT || lastErrno == EFBIG)) why.Error = lastErrno;
  if (primary == SQLITE_FULL || why.Error == ENOSPC || why.Error == EDQUOT || why.Error == EFBIG)
    why.What = HistoryProblem::Kind::Full;
  else if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
    why.What = HistoryProblem::Kind::Busy;
  else if (primary == SQLITE_CANTOPEN)
    why.What = HistoryProblem::Kind::CannotOpen;
  else
    why.What = HistoryProblem::Kind::Failed;
  return why;
}

// A thin hold on SQLite's C interface: a connection and its statements close
// themselves, a write transaction rolls back unless committed, and every
// call answers with SQLite's result code (sqlite3.h names them).
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlite {

class Database {
 public:
  Database() = default;
  ~Database() { Close(); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens path with sqlite3_open_v2's flags. On failure no connection is
  // held, and SystemErrno() still says what the system said.
  int Open(const std::string& path, int flags);
  void Close();
  explicit operator bool() const { return db_ != nullptr; }
  sqlite3* Handle() const { return db_; }

  // Runs statements that give no rows (several, separated by ';').
  int Exec(const std::string& sql);
  // The errno of the connection's last failed system call (of the failed
  // open when there is no connection); 0 when the system said nothing.
  int SystemErrno() const;

 private:
  sqlite3* db_ = nullptr;
  int openErrno_ = 0;
};

// One prepared statement. Binding or preparing errors are kept and returned
// by the next Step, so a caller checks once.
class Statement {
 public:
  Statement(const Database& db, const std::string& sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Parameters count from 1, as in the SQL's ?1, ?2...
  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, const std::string& text);
  // SQLITE_ROW while there are rows, SQLITE_DONE after the last, or the error.
  int Step();

  // Columns of the current row count from 0. Type() is SQLITE_INTEGER,
  // SQLITE_TEXT, SQLITE_NULL...
  int Type(int column) const;
  int64_t Int(int column) const;
  std::string Text(int column) const;

 private:
  void Keep(int code);
  sqlite3_stmt* stmt_ = nullptr;
  int code_ = 0;
};

// BEGIN IMMEDIATE: the write lock is taken now (waiting the connection's
// busy timeout), so the transaction cannot fail later for another writer.
class Transaction {
 public:
  explicit Transaction(Database& db);
  ~Transaction();  // rolls back what was not committed
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  int Begun() const { return begun_; }  // SQLITE_OK when it holds the lock
  int Commit();

 private:
  Database& db_;
  int begun_;
  bool open_;
};

// The value of "PRAGMA name" when it gives one integer; the code otherwise.
int PragmaInt(const Database& db, const std::string& name, int64_t& value);

}  // namespace sqlite

#include "files/Sqlite.h"

#include <sqlite3.h>

namespace sqlite {

int Database::Open(const std::string& path, int flags) {
  Close();
  openErrno_ = 0;
  // SQLite hands back a connection even when opening fails; it only says why.
  const int code = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (code == SQLITE_OK) {
    sqlite3_extended_result_codes(db_, 1);
    return code;
  }
  const int extended = db_ ? sqlite3_extended_errcode(db_) : code;
  openErrno_ = db_ ? sqlite3_system_errno(db_) : 0;
  Close();
  return extended;
}

void Database::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

int Database::Exec(const std::string& sql) {
  return db_ ? sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) : SQLITE_MISUSE;
}

int Database::SystemErrno() const { return db_ ? sqlite3_system_errno(db_) : openErrno_; }

Statement::Statement(const Database& db, const std::string& sql) {
  code_ = db ? sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr)
             : SQLITE_MISUSE;
  if (code_ == SQLITE_OK && !stmt_) code_ = SQLITE_MISUSE;  // the text held no statement
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Keep(int code) {
  if (code_ == SQLITE_OK) code_ = code;
}

Statement& Statement::Bind(int index, int64_t value) {
  if (stmt_) Keep(sqlite3_bind_int64(stmt_, index, value));
  return *this;
}

Statement& Statement::Bind(int index, const std::string& text) {
  if (stmt_) Keep(sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
  return *this;
}

int Statement::Step() {
  if (code_ != SQLITE_OK) return code_;
  const int code = sqlite3_step(stmt_);
  if (code != SQLITE_ROW && code != SQLITE_DONE) code_ = code;
  return code;
}

int Statement::Type(int column) const { return sqlite3_column_type(stmt_, column); }

int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return text ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

Transaction::Transaction(Database& db) : db_(db), begun_(db.Exec("BEGIN IMMEDIATE")), open_(begun_ == SQLITE_OK) {}

Transaction::~Transaction() {
  // A full disk or an I/O error may have ended the transaction already.
  if (open_ && !sqlite3_get_autocommit(db_.Handle())) db_.Exec("ROLLBACK");
}

int Transaction::Commit() {
  const int code = open_ ? db_.Exec("COMMIT") : begun_;
  if (code == SQLITE_OK) open_ = false;
  return code;
}

int PragmaInt(const Database& db, const std::string& name, int64_t& value) {
  Statement pragma(db, "PRAGMA " + name);
  const int code = pragma.Step();
  if (code != SQLITE_ROW) return code == SQLITE_DONE ? SQLITE_ERROR : code;
  value = pragma.Int(0);
  return SQLITE_OK;
}

}  // namespace sqlite

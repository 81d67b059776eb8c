// The history of games: every field comes back as written, the schema is made and versioned, a file of a newer
// game or a damaged one is never written over, two windows share the file, a failed write leaves the rows as they were.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "files/Sqlite.h"
#include "game/SolveHistory.h"
#include "tests/unit/app/TestFiles.h"

namespace {

using Kind = HistoryProblem::Kind;
using Ids = std::vector<int64_t>;
const std::string kName = "history.sqlite", kAside = "history.sqlite.bad-20261210T072503Z";
int64_t FixedClock() { return 1796887503; }  // 2026-12-10T07:25:03Z

auto Fields(const SolveEntry& e) {
  return std::tie(e.Id, e.FinishedAt, e.Size, e.Ms, e.Moves, e.Scramble, e.Solution, e.MoveMs, e.How, e.Hints,
                  e.ScrambleTurns, e.Record);
}

SolveEntry Entry(int size, int64_t ms, const std::string& solution = "R U R' U'") {
  return {0, "2026-12-10T07:25:03Z", size, ms, 4, "F B' L2", solution, {ms / 4, ms / 2, ms / 2, ms},
          SolveHow::Solved, 0, 20, false};
}

// What adding e said: nothing when it was written (e then has its id).
HistoryProblem Adding(SolveHistory& history, SolveEntry& e) {
  HistoryProblem why;
  const bool added = history.Add(e, why);
  EXPECT_EQ(added, !why) << "the answer and its reason disagree";
  return why;
}
HistoryProblem Adding(SolveHistory& history, SolveEntry&& e = Entry(3, 100)) { return Adding(history, e); }

// Adds count games to the histories in turn, game i of size 2 + i % 4 lasting i seconds; their ids.
Ids Fill(const std::vector<SolveHistory*>& histories, int count) {
  Ids ids;
  for (int i = 0; i < count; ++i) {
    SolveEntry e = Entry(2 + i % 4, 1000 * i);
    EXPECT_FALSE(Adding(*histories[i % histories.size()], e)) << i;
    ids.push_back(e.Id);
  }
  return ids;
}

Ids IdsOf(const std::vector<SolveEntry>& solves) {
  Ids ids;
  for (const SolveEntry& e : solves) ids.push_back(e.Id);
  return ids;
}

// A connection of our own, to look at and to make files as other programs would.
struct Raw {
  explicit Raw(const std::string& path) { EXPECT_EQ(db.Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), 0); }
  std::string Text(const std::string& sql) const {
    sqlite::Statement statement(db, sql);
    return statement.Step() == SQLITE_ROW ? statement.Text(0) : "(none)";
  }
  void Exec(const std::string& sql) { ASSERT_EQ(db.Exec(sql), SQLITE_OK) << sql; }
  sqlite::Database db;
};

TEST(SolveEntryText, TimesHowAndMomentsReadBackOnlyAsWritten) {
  const std::pair<std::string, Ids> good[] = {
      {"", {}}, {"120 450 980", {120, 450, 980}}, {"0 0 7", {0, 0, 7}}, {"9223372036854775807", {INT64_MAX}}};
  for (const auto& [text, times] : good) {
    EXPECT_EQ(ParseMoveMs(text), times) << '"' << text << '"';
    EXPECT_EQ(MoveMsText(times), text);
  }
  for (const char* bad :
       {"-5", "450 120", "1 -2", " 1", "1 ", "1  2", "1,2", "1\t2", "+1", "12ms", "9223372036854775808"})
    EXPECT_EQ(ParseMoveMs(bad), std::nullopt) << '"' << bad << '"';
  for (const char* name : {"", "Solved", "solved ", "dnf"}) EXPECT_EQ(HowFromName(name), std::nullopt) << name;
  EXPECT_EQ(IsoUtc(951868799), "2000-02-29T23:59:59Z");
}

// Rows that would not read back (left by a newer version or a damaged page) are left out.
TEST(SolveHistoryTest, EveryFieldComesBackAsWrittenAndNothingElse) {
  TempDir dir;
  std::vector<SolveEntry> entries = {
      // No scramble known (continued from a file that did not say); 2Rw2 is two quarter turns.
      {0, "2026-12-10T07:25:03Z", 3, 61'250, 5, "", "R U' 2Rw2 M", {400, 900, 1500, 1500, 61'250}, SolveHow::Solved,
       0, 20, true},
      {0, "2026-12-10T07:25:03Z", 5, 3'600'000'123, UINT32_MAX, "F", "R", {7}, SolveHow::Computer, 7, 0, false},
      {0, "1999-12-31T23:59:59Z", 2, 0, 0, "F B' L2", "", {}, SolveHow::Abandoned, 0, 20, false},
      {0, "", 3, 5'000, 1, "F", "R", {5'000}, SolveHow::Solved, 0, 1, false},  // stamped now
  };
  const std::string path = dir.File(kName);
  SolveHistory writer(path, FixedClock);
  for (SolveEntry& e : entries) ASSERT_FALSE(Adding(writer, e)) << e.Solution;
  EXPECT_EQ(entries[3].FinishedAt, "2026-12-10T07:25:03Z");
  SolveHistory history(path);  // read back from the file, not from memory
  const std::vector<SolveEntry> all = history.Solves();
  ASSERT_EQ(all.size(), entries.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(Fields(all[i]), Fields(entries[i])) << i;
    EXPECT_EQ(Fields(history.Find(entries[i].Id).value_or(SolveEntry{})), Fields(entries[i])) << i;
  }
  HistoryProblem why;
  EXPECT_TRUE(history.Remove(entries[1].Id, why));
  EXPECT_TRUE(history.Remove(entries[1].Id, why));  // gone already: nothing stays
  const Ids kept = {entries[0].Id, entries[2].Id, entries[3].Id};
  EXPECT_EQ(IdsOf(SolveHistory(path).Solves()), kept);

  Raw other(path);  // rows no check lets in: opened again, the file would be set aside as damaged
  other.Exec("PRAGMA ignore_check_constraints = ON");
  const std::pair<const char*, const char*> spoilt[] = {
      {"how", "'flew'"}, {"move_ms", "'1 x'"}, {"move_ms", "'90 50 60 70'"}, {"size", "9"},
      {"ms", "'long'"},  {"finished_at", "X'3230'"}, {"moves", "-1"},      {"record", "2"},
  };
  for (const auto& [column, value] : spoilt)  // a copy of the last row, with one field spoilt
    other.Exec("INSERT INTO solves SELECT NULL, finished_at, size, ms, moves, scramble, solution, move_ms, how, hints,"
               " scramble_turns, record FROM solves WHERE id = " + std::to_string(entries[3].Id) + ";"
               "UPDATE solves SET " + column + " = " + value + " WHERE id = last_insert_rowid()");
  EXPECT_EQ(other.Text("SELECT count(*) FROM solves"), "11");
  EXPECT_EQ(IdsOf(history.Solves()), kept);
  EXPECT_EQ(IdsOf(history.Solves(3)), (Ids{entries[0].Id, entries[3].Id}));
  EXPECT_FALSE(history.Find(entries[3].Id + 1));
}

TEST(SolveHistoryTest, ANewOrEmptyFileGetsTheSchemaAndNoPlaceGetsNothing) {
  TempDir dir;
  WriteBytes(dir.File("empty.sqlite"), "");
  Raw(dir.File("tables.sqlite")).Exec("CREATE TABLE t (x); DROP TABLE t");  // a database without tables
  WriteBytes(dir.File("file"), "a file of the player's");
  ::mkdir(dir.File(kName).c_str(), 0700);
  ::mkfifo(dir.File("fifo.sqlite").c_str(), 0600);
  const std::pair<std::string, int> cases[] = {  // the FIFO is never opened: it would wait for a writer
      {dir.File("new.sqlite"), 0},   {SolveHistory::InFolder(dir.File("new/folder")), 0},
      {dir.File("empty.sqlite"), 0}, {dir.File("tables.sqlite"), 0},
      {"", ENOENT},                  {dir.File("file/tessaro3d/history.sqlite"), ENOTDIR},
      {dir.File(kName), EISDIR},     {dir.File("fifo.sqlite"), EINVAL},
  };
  for (const auto& [path, error] : cases) {
    SCOPED_TRACE(path);
    SolveHistory history(path);
    const Kind kind = error ? Kind::CannotOpen : Kind::None;
    EXPECT_EQ(history.Usable(), !error);
    EXPECT_EQ(history.OpenProblem().What, kind);
    EXPECT_EQ(history.OpenProblem().Error, error);
    EXPECT_EQ(Adding(history).What, kind);
    EXPECT_EQ(history.Solves().size(), error ? 0u : 1u);
    if (error) continue;
    struct stat folder {};  // made for the player alone
    EXPECT_EQ(::stat(path.substr(0, path.rfind('/')).c_str(), &folder) == 0 ? folder.st_mode & 0777 : 0, 0700u);
    Raw raw(path);
    EXPECT_EQ(raw.Text("PRAGMA user_version"), std::to_string(SolveHistory::kSchemaVersion));
    EXPECT_EQ(raw.Text("PRAGMA journal_mode"), "wal");
    EXPECT_EQ(raw.Text("SELECT count(*) FROM solves"), "1");
  }
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"empty.sqlite", "fifo.sqlite", "file", kName, "new", "new.sqlite",
                                                  "tables.sqlite"}));
  EXPECT_EQ(ReadBytes(dir.File("file")), "a file of the player's");
  EXPECT_EQ(SolveHistory::InFolder(""), "");
}

// Neither adding nor removing writes to a newer game's file; its one row is read.
void ExpectNothingWritten(SolveHistory& history, int64_t id) {
  EXPECT_EQ(Adding(history).What, Kind::Newer);
  HistoryProblem why;
  EXPECT_FALSE(history.Remove(id, why));
  EXPECT_EQ(why.What, Kind::Newer);
  EXPECT_FALSE(history.Usable());
  EXPECT_EQ(IdsOf(history.Solves()), Ids{id});
}

TEST(SolveHistoryTest, ANewerGamesFileIsReadButNeverWritten) {
  TempDir dir;
  const std::string path = dir.File(kName);
  {
    SolveHistory history(path);
    Fill({&history}, 1);
    // A newer game adds a column while this one has the file open.
    Raw(path).Exec("ALTER TABLE solves ADD COLUMN pauses TEXT; PRAGMA user_version = 2");
    ExpectNothingWritten(history, 1);
  }
  Raw(path).Exec("PRAGMA journal_mode = DELETE");  // no log for a write to hide in
  const std::string bytes = ReadBytes(path);
  {
    SolveHistory history(path);
    EXPECT_EQ(history.OpenProblem().What, Kind::Newer);
    ExpectNothingWritten(history, 1);
  }
  EXPECT_EQ(ReadBytes(path), bytes);
}

void WriteNotes(const std::string& path) {
  WriteBytes(path, "These are the player's notes, not a database.\n" + std::string(5000, 'x'));
  WriteBytes(path + "-wal", "not a log either");
}

// A history of 50 games whose table's first page is overwritten.
void WriteDamaged(const std::string& path) {
  Fill({&*std::make_unique<SolveHistory>(path)}, 50);  // closing writes the log into the file
  std::string bytes = ReadBytes(path);
  ASSERT_GT(bytes.size(), 8192u);
  WriteBytes(path, bytes.replace(4096, 4096, std::string(4096, '\xee')));
}

// What is in the file, the names its set-aside copy finds taken, and the one it goes to.
TEST(SolveHistoryTest, AFileThatIsNoDatabaseOrDamagedIsSetAsideWhole) {
  const std::tuple<void (*)(const std::string&), std::vector<std::string>, std::string> cases[] = {
      {WriteNotes, {}, kAside},
      {WriteNotes, {kAside}, kAside + "-2"},
      {WriteNotes, {kAside + "-wal"}, kAside + "-2"},  // its -wal would have nowhere to go
      {WriteDamaged, {}, kAside},
      {WriteDamaged, {kAside}, kAside + "-2"},  // a second does not replace the first
  };
  for (const auto& [write, taken, goesTo] : cases) {
    SCOPED_TRACE(goesTo);
    TempDir dir;
    const std::string path = dir.File(kName);
    for (const std::string& name : taken) WriteBytes(dir.File(name), "taken: " + name);
    write(path);
    const std::string bytes = ReadBytes(path), wal = ReadBytes(path + "-wal");
    SolveHistory history(path, FixedClock);
    EXPECT_EQ(history.OpenProblem().What, Kind::SetAside);
    EXPECT_EQ(history.OpenProblem().Aside, dir.File(goesTo));
    EXPECT_EQ(ReadBytes(dir.File(goesTo)), bytes);
    EXPECT_EQ(ReadBytes(dir.File(goesTo + "-wal")), wal);
    for (const std::string& name : taken) EXPECT_EQ(ReadBytes(dir.File(name)), "taken: " + name);
    EXPECT_FALSE(Adding(history));
    EXPECT_EQ(history.Solves().size(), 1u);
  }
}

TEST(SolveHistoryTest, TwoWindowsWriteTheFileAndAFailedWriteLeavesTheOlderRows) {
  TempDir dir;
  const std::string path = dir.File(kName);
  SolveHistory history(path), two(path);
  const Ids ids = Fill({&history, &two}, 6);
  for (const SolveHistory* window : {&history, &two}) EXPECT_EQ(IdsOf(window->Solves()), ids);  // as written
  Raw other(path);  // a write that does not end while this one waits
  other.Exec("BEGIN IMMEDIATE");
  EXPECT_EQ(Adding(history).What, Kind::Busy);
  other.Exec("COMMIT");
  void (*const refused[])(SolveEntry&) = {
      [](SolveEntry& e) { e.Size = 6; }, [](SolveEntry& e) { e.Ms = -1; },
      [](SolveEntry& e) { e.FinishedAt = "yesterday"; }, [](SolveEntry& e) { e.MoveMs = {500, 400}; },
  };
  for (const auto change : refused) {
    SolveEntry e = Entry(3, 5000);
    change(e);
    const HistoryProblem why = Adding(history, e);
    EXPECT_EQ(std::tie(why.What, why.Code, e.Id), std::make_tuple(Kind::Failed, SQLITE_CONSTRAINT_CHECK, int64_t{0}));
    EXPECT_EQ(IdsOf(history.Solves()), ids);
  }
  std::uintmax_t largest = 0;
  for (const char* suffix : {"", "-wal", "-shm"})
    largest = std::max(largest, std::filesystem::file_size(path + suffix));
  SolveEntry big = Entry(3, 9000, std::string(200'000, 'R'));
  auto full = std::make_unique<FileSizeLimit>(largest + 100);
  const HistoryProblem why = Adding(history, big);
  full.reset();
  EXPECT_EQ(why.What, Kind::Full);
  EXPECT_EQ(why.Error, EFBIG);  // as the size limit says it
  EXPECT_EQ(IdsOf(SolveHistory(path).Solves()), ids);
  EXPECT_FALSE(Adding(history, big));  // no transaction was left open
}

TEST(HistoryCsvTest, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const std::pair<std::string, std::string> cases[] = {
      {"R U' 2Rw2 M", "R U' 2Rw2 M"}, {"", ""}, {"R,U", "\"R,U\""}, {"say \"R\"", "\"say \"\"R\"\"\""},
      {"R\nU", "\"R\nU\""}, {"R\rU", "\"R\rU\""},
  };
  std::string csv = "id,finished_at,size,ms,moves,scramble,solution,move_ms,how,hints,scramble_turns,record\n";
  EXPECT_EQ(HistoryCsv({}), csv);
  std::vector<SolveEntry> all;  // one row each, in the order given
  for (const auto& [solution, field] : cases) {
    all.push_back({12 + int64_t(all.size()), "2026-12-10T07:25:03Z", 4, 61'250, 4, "F B' L2", solution,
                   {15312, 30625, 61250}, SolveHow::Computer, 2, 20, true});
    csv += std::to_string(all.back().Id) + ",2026-12-10T07:25:03Z,4,61250,4,F B' L2," + field +
           ",15312 30625 61250,computer,2,20,1\n";
  }
  EXPECT_EQ(HistoryCsv(all), csv);
}

}  // namespace

// The history of games: every field comes back as written, the schema is
// made and versioned, a file of a newer game or a damaged one is never
// written over, two windows share the file, and a failed write leaves the
// rows as they were.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "files/Sqlite.h"
#include "game/SolveHistory.h"
#include "tests/unit/app/TestFiles.h"

namespace {

using Kind = HistoryProblem::Kind;
constexpr int64_t kDecember10 = 1796887503;  // 2026-12-10T07:25:03Z
const std::string kStamp = "20261210T072503Z";

int64_t FixedClock() { return kDecember10; }

auto Fields(const SolveEntry& e) {
  return std::tie(e.Id, e.FinishedAt, e.Size, e.Ms, e.Moves, e.Scramble, e.Solution, e.MoveMs, e.How, e.Hints,
                  e.ScrambleTurns, e.Record);
}

SolveEntry Entry(int size, int64_t ms, const std::string& solution = "R U R' U'") {
  SolveEntry e;
  e.FinishedAt = "2026-12-10T07:25:03Z";
  e.Size = size;
  e.Ms = ms;
  e.Moves = 4;
  e.Scramble = "F B' L2";
  e.Solution = solution;
  e.MoveMs = {ms / 4, ms / 2, ms / 2, ms};
  e.ScrambleTurns = 20;
  return e;
}

std::vector<int64_t> IdsOf(const std::vector<SolveEntry>& solves) {
  std::vector<int64_t> ids;
  for (const SolveEntry& e : solves) ids.push_back(e.Id);
  return ids;
}

// A connection of our own, to look at and to make files as other programs would.
struct Raw {
  explicit Raw(const std::string& path, int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) {
    EXPECT_EQ(db.Open(path, flags), SQLITE_OK) << path;
  }
  int64_t Pragma(const std::string& name) const {
    int64_t value = -1;
    EXPECT_EQ(sqlite::PragmaInt(db, name, value), SQLITE_OK) << name;
    return value;
  }
  std::string Text(const std::string& sql) const {
    sqlite::Statement statement(db, sql);
    return statement.Step() == SQLITE_ROW ? statement.Text(0) : "(none)";
  }
  void Exec(const std::string& sql) { ASSERT_EQ(db.Exec(sql), SQLITE_OK) << sql; }
  sqlite::Database db;
};

TEST(SolveEntryText, MoveTimesReadBackOnlyAsWritten) {
  const struct {
    std::string text;
    std::optional<std::vector<int64_t>> times;
  } cases[] = {
      {"", std::vector<int64_t>{}},
      {"120 450 980", std::vector<int64_t>{120, 450, 980}},
      {"0 0 7", std::vector<int64_t>{0, 0, 7}},  // two turns ending in the same millisecond
      {"9223372036854775807", std::vector<int64_t>{INT64_MAX}},
      {"-5", std::nullopt},
      {"450 120", std::nullopt},
      {"1 -2", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"1  2", std::nullopt},
      {"1,2", std::nullopt},
      {"1\t2", std::nullopt},
      {"+1", std::nullopt},
      {"12ms", std::nullopt},
      {"9223372036854775808", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseMoveMs(c.text), c.times) << '"' << c.text << '"';
    if (c.times) {
      EXPECT_EQ(MoveMsText(*c.times), c.text);
    }
  }
}

TEST(SolveEntryText, HowAndMomentsHaveTheirNames) {
  for (const SolveHow how : {SolveHow::Solved, SolveHow::Computer, SolveHow::Abandoned})
    EXPECT_EQ(HowFromName(HowName(how)), how) << HowName(how);
  EXPECT_STREQ(HowName(SolveHow::Computer), "computer");
  for (const char* name : {"", "Solved", "solved ", "dnf"}) EXPECT_EQ(HowFromName(name), std::nullopt) << name;

  EXPECT_EQ(IsoUtc(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(IsoUtc(951868799), "2000-02-29T23:59:59Z");
  EXPECT_EQ(IsoUtc(kDecember10), "2026-12-10T07:25:03Z");
}

TEST(SolveHistoryTest, EveryFieldComesBackAsWritten) {
  TempDir dir;
  std::vector<SolveEntry> entries;
  {
    SolveEntry e = Entry(3, 61'250);
    e.Scramble = "";  // a game continued from a file that did not say
    e.Solution = "R U' 2Rw2 M";
    e.MoveMs = {400, 900, 1500, 1500, 61'250};  // 2Rw2 is two quarter turns
    e.Moves = 5;
    e.How = SolveHow::Solved;
    e.Record = true;
    entries.push_back(e);
  }
  {
    SolveEntry e = Entry(5, 3'600'000'123);
    e.How = SolveHow::Computer;
    e.Hints = 7;
    e.Moves = UINT32_MAX;
    e.ScrambleTurns = 0;
    entries.push_back(e);
  }
  {
    SolveEntry e = Entry(2, 0, "");
    e.MoveMs = {};
    e.Moves = 0;
    e.How = SolveHow::Abandoned;
    e.FinishedAt = "1999-12-31T23:59:59Z";
    entries.push_back(e);
  }
  entries.push_back(Entry(3, 5'000));

  const std::string path = dir.File("history.sqlite");
  {
    SolveHistory history(path);
    ASSERT_TRUE(history.Usable());
    EXPECT_FALSE(history.OpenProblem());
    for (SolveEntry& e : entries) {
      HistoryProblem why;
      ASSERT_TRUE(history.Add(e, why)) << e.Solution;
      EXPECT_FALSE(why);
    }
  }
  SolveHistory history(path);  // read back from the file, not from memory
  const std::vector<SolveEntry> all = history.Solves();
  ASSERT_EQ(all.size(), entries.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(Fields(all[i]), Fields(entries[i])) << i;
    ASSERT_TRUE(history.Find(entries[i].Id)) << i;
    EXPECT_EQ(Fields(*history.Find(entries[i].Id)), Fields(entries[i])) << i;
  }
  EXPECT_EQ(IdsOf(history.Solves(3)), (std::vector<int64_t>{entries[0].Id, entries[3].Id}));
  EXPECT_EQ(IdsOf(history.Solves(4)), std::vector<int64_t>{});
  EXPECT_FALSE(history.Find(entries[3].Id + 1));
}

TEST(SolveHistoryTest, AnEntryWithoutItsMomentIsStampedNow) {
  TempDir dir;
  SolveHistory history(dir.File("history.sqlite"), FixedClock);
  SolveEntry e = Entry(4, 1000);
  e.FinishedAt.clear();
  HistoryProblem why;
  ASSERT_TRUE(history.Add(e, why));
  EXPECT_EQ(history.Find(e.Id)->FinishedAt, "2026-12-10T07:25:03Z");
}

TEST(SolveHistoryTest, ANewOrEmptyFileGetsTheSchema) {
  const struct {
    const char* what;
    void (*make)(const std::string& path);
  } cases[] = {
      {"no file", [](const std::string&) {}},
      {"a zero-byte file", [](const std::string& path) { WriteBytes(path, ""); }},
      {"a database without tables",
       [](const std::string& path) { Raw(path).Exec("CREATE TABLE t (x); DROP TABLE t"); }},
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.File("history.sqlite");
    c.make(path);
    {
      SolveHistory history(path);
      EXPECT_TRUE(history.Usable()) << c.what;
      EXPECT_FALSE(history.OpenProblem()) << c.what;
      SolveEntry e = Entry(3, 100);
      HistoryProblem why;
      EXPECT_TRUE(history.Add(e, why)) << c.what;
    }
    Raw raw(path);
    EXPECT_EQ(raw.Pragma("user_version"), SolveHistory::kSchemaVersion) << c.what;
    EXPECT_EQ(raw.Text("PRAGMA journal_mode"), "wal") << c.what;
    EXPECT_EQ(raw.Text("SELECT tbl_name FROM sqlite_schema WHERE name = 'solves_by_size'"), "solves") << c.what;
    EXPECT_EQ(raw.Text("SELECT count(*) FROM solves"), "1") << c.what;
  }
}

TEST(SolveHistoryTest, ItsFolderIsMadeForThePlayerAlone) {
  TempDir dir;
  const std::string folder = dir.File("share/tessaro3d");
  SolveHistory history(SolveHistory::InFolder(folder));
  EXPECT_EQ(history.Path(), folder + "/history.sqlite");
  EXPECT_TRUE(history.Usable());
  struct stat st {};
  ASSERT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(SolveHistory::InFolder(""), "");
}

TEST(SolveHistoryTest, WithoutAPlaceNothingIsOpenedOrMade) {
  TempDir dir;
  WriteBytes(dir.File("file"), "a file of the player's");
  mkdir(dir.File("history.sqlite").c_str(), 0700);
  mkfifo(dir.File("fifo.sqlite").c_str(), 0600);
  const struct {
    std::string path;
    Kind what;
    int error;
  } cases[] = {
      {"", Kind::CannotOpen, ENOENT},
      {dir.File("file/tessaro3d/history.sqlite"), Kind::CannotOpen, ENOTDIR},
      {dir.File("history.sqlite"), Kind::CannotOpen, EISDIR},  // a folder of that name
      {dir.File("fifo.sqlite"), Kind::CannotOpen, EINVAL},  // never opened: it would wait for a writer
  };
  for (const auto& c : cases) {
    SolveHistory history(c.path);
    EXPECT_FALSE(history.Usable()) << c.path;
    EXPECT_EQ(history.OpenProblem().What, c.what) << c.path;
    EXPECT_EQ(history.OpenProblem().Error, c.error) << c.path;
    SolveEntry e = Entry(3, 100);
    HistoryProblem why;
    EXPECT_FALSE(history.Add(e, why)) << c.path;
    EXPECT_EQ(why.What, c.what) << c.path;
    EXPECT_TRUE(history.Solves().empty());
  }
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"fifo.sqlite", "file", "history.sqlite"}));
  EXPECT_EQ(ReadBytes(dir.File("file")), "a file of the player's");
}

TEST(SolveHistoryTest, ANewerGamesFileIsReadButNeverWritten) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  {
    Raw newer(path);  // the next version added a column
    newer.Exec(
        "CREATE TABLE solves (id INTEGER PRIMARY KEY, finished_at TEXT, size INTEGER, ms INTEGER, moves INTEGER,"
        " scramble TEXT, solution TEXT, move_ms TEXT, how TEXT, hints INTEGER, scramble_turns INTEGER,"
        " record INTEGER, pauses TEXT);"
        "INSERT INTO solves VALUES (1, '2030-01-01T00:00:00Z', 3, 900, 2, 'R', 'R''', '400 900', 'solved', 0, 1, 0, '');"
        "PRAGMA user_version = 2");
  }
  const std::string bytes = ReadBytes(path);
  {
    SolveHistory history(path);
    EXPECT_FALSE(history.Usable());
    EXPECT_EQ(history.OpenProblem().What, Kind::Newer);
    ASSERT_EQ(history.Solves().size(), 1u);
    EXPECT_EQ(history.Solves()[0].MoveMs, (std::vector<int64_t>{400, 900}));

    SolveEntry e = Entry(3, 100);
    HistoryProblem why;
    EXPECT_FALSE(history.Add(e, why));
    EXPECT_EQ(why.What, Kind::Newer);
    EXPECT_FALSE(history.Remove(1, why));
    EXPECT_EQ(why.What, Kind::Newer);
  }
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(Raw(path).Pragma("user_version"), 2);
}

TEST(SolveHistoryTest, AFileMigratedByANewerGameMeanwhileIsLeftAlone) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory history(path);
  SolveEntry e = Entry(3, 100);
  HistoryProblem why;
  ASSERT_TRUE(history.Add(e, why));
  Raw(path).Exec("PRAGMA user_version = 2");
  EXPECT_FALSE(history.Add(e, why));
  EXPECT_EQ(why.What, Kind::Newer);
  EXPECT_FALSE(history.Remove(e.Id, why));
  EXPECT_FALSE(history.Usable());
  EXPECT_EQ(history.Solves().size(), 1u);
}

// The names the set-aside file finds taken, and the one it goes to.
TEST(SolveHistoryTest, AFileThatIsNoDatabaseIsSetAsideWhole) {
  const std::string aside = "history.sqlite.bad-" + kStamp;
  const struct {
    std::vector<std::string> taken;
    std::string goesTo;
  } cases[] = {
      {{}, aside},
      {{aside}, aside + "-2"},
      {{aside, aside + "-2"}, aside + "-3"},
      {{aside + "-wal"}, aside + "-2"},  // its -wal would have nowhere to go
  };
  for (const auto& c : cases) {
    TempDir dir;
    const std::string path = dir.File("history.sqlite");
    const std::string garbage = "These are the player's notes, not a database.\n" + std::string(5000, 'x');
    WriteBytes(path, garbage);
    WriteBytes(path + "-wal", "not a log either");
    for (const std::string& name : c.taken) WriteBytes(dir.File(name), "taken: " + name);

    SolveHistory history(path, FixedClock);
    EXPECT_TRUE(history.Usable()) << c.goesTo;
    EXPECT_EQ(history.OpenProblem().What, Kind::SetAside) << c.goesTo;
    EXPECT_EQ(history.OpenProblem().Aside, dir.File(c.goesTo));
    EXPECT_EQ(ReadBytes(dir.File(c.goesTo)), garbage);
    EXPECT_EQ(ReadBytes(dir.File(c.goesTo + "-wal")), "not a log either");
    for (const std::string& name : c.taken) EXPECT_EQ(ReadBytes(dir.File(name)), "taken: " + name);
    SolveEntry e = Entry(3, 100);
    HistoryProblem why;
    EXPECT_TRUE(history.Add(e, why)) << c.goesTo;
    EXPECT_EQ(history.Solves().size(), 1u);
  }
}

// A history of 50 games whose table's first page is overwritten; its bytes.
std::string Damaged(const std::string& path) {
  {
    SolveHistory history(path);
    for (int i = 0; i < 50; ++i) {
      SolveEntry e = Entry(3, 1000 + i);
      HistoryProblem why;
      EXPECT_TRUE(history.Add(e, why));
    }
  }  // closing writes the log into the file
  std::string bytes = ReadBytes(path);
  EXPECT_GT(bytes.size(), 8192u);
  bytes.replace(4096, 4096, std::string(4096, '\xee'));
  WriteBytes(path, bytes);
  return bytes;
}

TEST(SolveHistoryTest, ADamagedDatabaseIsSetAsideAndASecondDoesNotReplaceIt) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  const std::string first = Damaged(path);
  std::string firstAside;
  {
    SolveHistory history(path, FixedClock);
    EXPECT_EQ(history.OpenProblem().What, Kind::SetAside);
    firstAside = history.OpenProblem().Aside;
    EXPECT_TRUE(history.Solves().empty());
  }
  const std::string second = Damaged(path);
  SolveHistory history(path, FixedClock);
  EXPECT_EQ(history.OpenProblem().What, Kind::SetAside);
  EXPECT_EQ(history.OpenProblem().Aside, firstAside + "-2");
  EXPECT_EQ(ReadBytes(firstAside), first);
  EXPECT_EQ(ReadBytes(firstAside + "-2"), second);
  EXPECT_TRUE(history.Usable());
}

TEST(SolveHistoryTest, TwoWindowsWriteTheSameFile) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory one(path), two(path);
  std::vector<int64_t> ids;
  for (int i = 0; i < 6; ++i) {
    SolveEntry e = Entry(2 + i % 4, 1000 * i);
    HistoryProblem why;
    ASSERT_TRUE((i % 2 ? two : one).Add(e, why)) << i;
    ids.push_back(e.Id);
  }
  for (const SolveHistory* history : {&one, &two}) {
    const std::vector<SolveEntry> all = history->Solves();
    EXPECT_EQ(IdsOf(all), ids);  // distinct, in the order written
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i].Ms, int64_t(1000 * i));
  }
}

TEST(SolveHistoryTest, AnotherWindowsLongWriteMakesItBusyAndChangesNothing) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory history(path);
  Raw other(path);
  other.Exec("BEGIN IMMEDIATE");
  SolveEntry e = Entry(3, 100);
  HistoryProblem why;
  EXPECT_FALSE(history.Add(e, why));  // after waiting kBusyWaitMs
  EXPECT_EQ(why.What, Kind::Busy);
  other.Exec("COMMIT");
  EXPECT_TRUE(history.Solves().empty());
  EXPECT_TRUE(history.Add(e, why));
}

TEST(SolveHistoryTest, ARefusedRowLeavesTheOlderOnes) {
  TempDir dir;
  SolveHistory history(dir.File("history.sqlite"));
  SolveEntry older = Entry(3, 100);
  HistoryProblem why;
  ASSERT_TRUE(history.Add(older, why));
  const auto bad = [](auto change) {
    SolveEntry e = Entry(3, 5000);
    change(e);
    return e;
  };
  const SolveEntry cases[] = {
      bad([](SolveEntry& e) { e.Size = 6; }),
      bad([](SolveEntry& e) { e.Size = 1; }),
      bad([](SolveEntry& e) { e.Ms = -1; }),
      bad([](SolveEntry& e) { e.FinishedAt = "yesterday"; }),
      bad([](SolveEntry& e) { e.MoveMs = {500, 400}; }),
      bad([](SolveEntry& e) { e.MoveMs = {-3}; }),
  };
  for (SolveEntry e : cases) {
    EXPECT_FALSE(history.Add(e, why)) << e.Size << " " << e.FinishedAt;
    EXPECT_EQ(why.What, Kind::Failed);
    EXPECT_EQ(why.Code, SQLITE_CONSTRAINT_CHECK);
    EXPECT_EQ(e.Id, 0);
    EXPECT_EQ(IdsOf(history.Solves()), std::vector<int64_t>{older.Id});
  }
  SolveEntry next = Entry(3, 200);  // no transaction was left open
  EXPECT_TRUE(history.Add(next, why));
  EXPECT_EQ(history.Solves().size(), 2u);
}

TEST(SolveHistoryTest, AFullDiskWritesNothingOfTheRow) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory history(path);
  std::vector<int64_t> ids;
  for (int i = 0; i < 3; ++i) {
    SolveEntry e = Entry(3, 100 + i);
    HistoryProblem why;
    ASSERT_TRUE(history.Add(e, why));
    ids.push_back(e.Id);
  }
  std::uintmax_t largest = 0;
  for (const char* suffix : {"", "-wal", "-shm"})
    largest = std::max(largest, std::filesystem::file_size(path + suffix));
  SolveEntry big = Entry(3, 9000, std::string(200'000, 'R'));
  HistoryProblem why;
  {
    FileSizeLimit full(largest + 100);
    EXPECT_FALSE(history.Add(big, why));
  }
  EXPECT_EQ(why.What, Kind::Full);
  EXPECT_EQ(why.Error, EFBIG);  // as the size limit says it
  EXPECT_EQ(IdsOf(history.Solves()), ids);
  EXPECT_EQ(IdsOf(SolveHistory(path).Solves()), ids);
  EXPECT_TRUE(history.Add(big, why));
}

TEST(SolveHistoryTest, RowsThatDoNotReadBackAreLeftOut) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory history(path);
  SolveEntry good = Entry(3, 100);
  HistoryProblem why;
  ASSERT_TRUE(history.Add(good, why));
  Raw other(path);
  other.Exec("PRAGMA ignore_check_constraints = ON");
  const char* const rows[] = {
      "'2026-12-10T07:25:03Z', 3, 100, 1, '', 'R', '100', 'flew', 0, 0, 0",    // how unknown
      "'2026-12-10T07:25:03Z', 3, 100, 1, '', 'R', '1 x', 'solved', 0, 0, 0",  // times not numbers
      "'2026-12-10T07:25:03Z', 3, 100, 2, '', 'R', '9 5', 'solved', 0, 0, 0",  // times going back
      "'2026-12-10T07:25:03Z', 9, 100, 1, '', 'R', '100', 'solved', 0, 0, 0",  // no such cube
      "'2026-12-10T07:25:03Z', 3, 'long', 1, '', 'R', '100', 'solved', 0, 0, 0",
      "X'3230', 3, 100, 1, '', 'R', '100', 'solved', 0, 0, 0",
      "'2026-12-10T07:25:03Z', 3, 100, -1, '', 'R', '100', 'solved', 0, 0, 0",
      "'2026-12-10T07:25:03Z', 3, 100, 1, '', 'R', '100', 'solved', 0, 0, 2",
  };
  for (const char* row : rows)
    other.Exec(std::string("INSERT INTO solves (finished_at, size, ms, moves, scramble, solution, move_ms, how,"
                           " hints, scramble_turns, record) VALUES (") + row + ")");
  EXPECT_EQ(IdsOf(history.Solves()), std::vector<int64_t>{good.Id});
  EXPECT_EQ(IdsOf(history.Solves(3)), std::vector<int64_t>{good.Id});
  EXPECT_FALSE(history.Find(good.Id + 1));
}

TEST(SolveHistoryTest, ARemovedRowGoesAndTheOthersStay) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite");
  SolveHistory history(path);
  std::vector<int64_t> ids;
  for (int i = 0; i < 3; ++i) {
    SolveEntry e = Entry(3, 100 + i);
    HistoryProblem why;
    ASSERT_TRUE(history.Add(e, why));
    ids.push_back(e.Id);
  }
  HistoryProblem why;
  EXPECT_TRUE(history.Remove(ids[1], why));
  EXPECT_TRUE(history.Remove(ids[1], why));  // gone already: nothing stays
  EXPECT_FALSE(history.Find(ids[1]));
  EXPECT_EQ(IdsOf(SolveHistory(path).Solves()), (std::vector<int64_t>{ids[0], ids[2]}));
}

TEST(HistoryCsvTest, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const struct {
    std::string solution, field;
  } cases[] = {
      {"R U' 2Rw2 M", "R U' 2Rw2 M"},
      {"", ""},
      {"R,U", "\"R,U\""},
      {"say \"R\"", "\"say \"\"R\"\"\""},
      {"R\nU", "\"R\nU\""},
      {"R\r\nU", "\"R\r\nU\""},
  };
  const std::string header =
      "id,finished_at,size,ms,moves,scramble,solution,move_ms,how,hints,scramble_turns,record\n";
  for (const auto& c : cases) {
    SolveEntry e = Entry(4, 61'250, c.solution);
    e.Id = 12;
    e.Hints = 2;
    e.How = SolveHow::Computer;
    e.Record = true;
    EXPECT_EQ(HistoryCsv({e}),
              header + "12,2026-12-10T07:25:03Z,4,61250,4,F B' L2," + c.field + ",15312 30625 30625 61250,computer,2,20,1\n");
  }
  EXPECT_EQ(HistoryCsv({}), header);
  SolveEntry first = Entry(2, 1), second = Entry(5, 2);
  first.Id = 1;
  second.Id = 2;
  const std::string csv = HistoryCsv({first, second});
  EXPECT_LT(csv.find("\n1,"), csv.find("\n2,"));  // in the order given
}

}  // namespace

// The words for what the game shows, in the player's language (UTF-8): the
// plain texts by name, and the texts made of words and figures.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

#include "files/SafeFile.h"
#include "game/GameStatus.h"
#include "puzzle/Notation.h"
#include "texts/TextId.h"

struct KeptGame;
// game/SolveEntry.h, not included: X11 headers before this one define None.
struct HistoryProblem;
struct SolveEntry;
enum class SolveHow;

namespace texts {

const char* Say(TextId id);
// The pattern with {1}...{9} replaced by the figures, in any order.
std::string Fill(TextId pattern, std::initializer_list<std::string> figures);

// What the game said on the status line.
std::string StatusLine(const GameStatus& status);

// "Ходов: 42", the counter beside the clock.
std::string MovesCaption(uint32_t moves);
// "3×3×3".
std::string CubeSize(int size);
// Why typed moves were not played: the first bad one and its place.
std::string BadMoves(const notation::Parsed& parsed, int size);
// The scramble, the player's moves, and the computer's solution with any
// moves after it when it was asked, as the player can read and copy them.
std::string GameMoves(const std::string& scramble, const std::string& moves,
                      const std::string& solution = std::string(), const std::string& after = std::string());
// "Собрано! 00:01:57, ходов: 42", with ". Новый рекорд!" after a record,
// or saying that a hint made it no record.
std::string Solved(int32_t seconds, uint32_t moves, bool record, bool helpUsed = false);
// "Подсказка: R'", the hint on the status line; a stage of a big cube's
// solution is named: "Подсказка (центры): Rw".
std::string Hint(const std::string& move, solver::Stage stage = solver::Stage::Whole);
// The stage a solution's bar shows ("Центры"); nothing for a whole one.
std::string StageName(solver::Stage stage);
// The solved moment over the picture: "Собрано за 00:01:57, 42 хода".
std::string SolvedBanner(int32_t seconds, uint32_t moves);

// Why a file was not written or read, in a few words.
std::string Problem(safefile::FileProblem problem);
// "Ошибка: не удалось сохранить файл (<why>)!" for the errno of a failed save of path.
std::string SaveFailed(int error, const std::string& path);
// Why a game could not be kept: the errno of writing path (the kept file,
// or its folder), or, for an empty path, that there is no data folder.
std::string KeepReason(int error, const std::string& path);
// The game could not be kept after a turn.
std::string KeepFailed(int error, const std::string& path);
// Asked at close when the game could not be kept.
std::string KeepFailedAtCloseQuestion(int error, const std::string& path);

// A row of the list of kept games: when it was kept ("07.03.2008 14:05",
// local time), the cube ("3×3×3"), the moves and the clock ("—" when the
// file does not say).
struct KeptGameRow {
  std::string Saved, Cube, Moves, Clock;
};
KeptGameRow KeptGameColumns(const KeptGame& game);
// "Удалить сохранённую игру?" with the row's figures below.
std::string DeleteKeptQuestion(const KeptGame& game);
// Why a kept game was not deleted (errno of ResumeStore::Remove).
std::string KeptGameNotDeleted(int error, const std::string& path);

// The settings file could not be read at start (its errno): said on the
// status line; the file is then left as it is.
std::string SettingsNotRead(int error);
// It could not be written (errno of the save, its path).
std::string SettingsNotWritten(int error, const std::string& path);

// Asked before a file of that name is replaced.
std::string FileExistsQuestion(const std::string& name);

// What went wrong with the history of games, for the status line: the file
// set aside, or why the game was not written (empty for no problem).
std::string HistoryProblemText(const HistoryProblem& problem);

// The statistics box.
// "00:01:57.34": the game clock with hundredths (cut, not rounded, as a
// stopwatch shows them).
std::string SolveClock(int64_t ms);
// A figure of the statistics: the clock, "DNF" for kDnf, "—" for none.
std::string StatsFigure(const std::optional<int64_t>& ms);
// "2,35"; "—" for none.
std::string StatsDecimal(const std::optional<double>& value);
// "собран", "компьютер", "брошен".
std::string SolveHowText(SolveHow how);
// When a game finished, in local time as the kept games' list shows it;
// "—" when the moment does not read as ISO 8601 UTC.
std::string SolveDate(const std::string& finishedAtUtc);
// A row of the list of finished games.
struct SolveRow {
  std::string Date, Time, Moves, How, Record;
};
SolveRow SolveColumns(const SolveEntry& game);
// The game for the clipboard: cube, date, time, moves, scramble and the turns.
std::string SolveAsText(const SolveEntry& game);
// "Удалить игру из истории?" with the row's figures below.
std::string DeleteSolveQuestion(const SolveEntry& game);
// Why a game stayed in the history.
std::string SolveNotDeleted(const HistoryProblem& why);

}  // namespace texts

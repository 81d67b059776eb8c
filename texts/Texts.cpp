#include "texts/Texts.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>

#include "game/GameClock.h"
#include "game/ResumeStore.h"
#include "game/SolveEntry.h"
#include "game/SolveStats.h"
#include "texts/Language.h"

namespace texts {
namespace {

// The translation in use; none while the game speaks its source language.
// Set from the window's thread, as every text is asked for there.
std::unique_ptr<Translation>& InUse() {
  static std::unique_ptr<Translation> translation;
  return translation;
}

}  // namespace

std::string KnownLanguage(std::string_view code) {
  for (const LanguageName& language : kLanguages) {
    if (code == language.Code) return language.Code;
  }
  return kRussian.Code;
}

bool UseTranslation(Translation translation) {
  if (translation.Texts.size() != kTextCount || !translation.WordAfter) return false;
  InUse() = std::make_unique<Translation>(std::move(translation));
  return true;
}

void UseSourceLanguage() { InUse().reset(); }

const char* CurrentLanguage() { return InUse() ? InUse()->Code.c_str() : kRussian.Code; }

const char* Say(TextId id) {
  const std::size_t i = static_cast<std::size_t>(id);
  if (InUse()) return InUse()->Texts[i].c_str();
  return kRussian.Texts[i].Text;
}

static_assert(static_cast<int>(TextId::MovesWordFew) == static_cast<int>(TextId::MovesWordOne) + 1 &&
                  static_cast<int>(TextId::MovesWordMany) == static_cast<int>(TextId::MovesWordOne) + 2,
              "a word's forms stand in the order of NumberForm");

std::string WordAfter(TextId one, uint32_t number) {
  if (InUse()) return InUse()->WordAfter(one, number);
  // The source's forms follow its One in the order One, Few, Many.
  return Say(static_cast<TextId>(static_cast<int>(one) + static_cast<int>(kRussian.FormAfter(number))));
}

std::string Fill(TextId pattern, std::initializer_list<std::string> figures) {
  const std::string text = Say(pattern);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const std::size_t n = i + 2 < text.size() && c == '{' && text[i + 2] == '}' ? std::size_t(text[i + 1] - '1') : 9;
    if (n < figures.size()) {
      out += figures.begin()[n];
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

std::string StatusLine(const GameStatus& status) {
  switch (status.Kind) {
    case StatusKind::None: return {};
    case StatusKind::Ready: return Say(TextId::Ready);
    case StatusKind::ReadyWithoutTrailer: return Say(TextId::ReadyWithoutTrailer);
    case StatusKind::Scrambling: return Say(TextId::Scrambling);
    case StatusKind::Loading: return Say(TextId::Loading);
    case StatusKind::Turning: return Say(TextId::Turning);
    case StatusKind::Solving: return Say(TextId::Solving);
    case StatusKind::SolvedByComputer: return Say(TextId::SolvedByComputer);
    case StatusKind::SolutionStopped: return Say(TextId::SolutionStopped);
    case StatusKind::CannotOpen: return Say(TextId::CannotOpen);
    case StatusKind::UnknownFormat: return Say(TextId::UnknownFormat);
    case StatusKind::KeptGameSetAside: return Say(TextId::KeptGameSetAside);
    case StatusKind::KeptGameTaken: return Say(TextId::KeptGameTaken);
    case StatusKind::Searching: return Say(TextId::Searching);
    case StatusKind::SolvedAlready: return Say(TextId::SolvedAlready);
    case StatusKind::CannotBeSolved: return Say(TextId::CannotBeSolved);
    case StatusKind::CubieOffGrid: return Say(TextId::CubieOffGrid);
    case StatusKind::Solved: return Solved(status.Seconds, status.Moves, status.Record, status.HelpUsed);
    case StatusKind::Hint: return Hint(status.Move, status.Stage);
    case StatusKind::SaveFailed: return SaveFailed(status.Error, status.Path);
    case StatusKind::KeepFailed: return KeepFailed(status.Error, status.Path);
    case StatusKind::KeptNotDeleted: return KeptGameNotDeleted(status.Error, status.Path);
    case StatusKind::HistoryFailed: return HistoryProblemText(status.History);
  }
  return {};
}

std::string MovesCaption(uint32_t moves) { return Fill(TextId::MovesCaptionPattern, {std::to_string(moves)}); }

std::string CubeSize(int size) { return Fill(TextId::CubeSizePattern, {std::to_string(size)}); }

std::string BadMoves(const notation::Parsed& parsed, int size) {
  const std::string number = std::to_string(parsed.MoveNumber);
  switch (parsed.Error) {
    case notation::Fault::None: return {};
    case notation::Fault::Empty: return Say(TextId::NoMovesTyped);
    case notation::Fault::NoSuchLayer: return Fill(TextId::NoSuchLayerPattern, {number, parsed.Text, CubeSize(size)});
    case notation::Fault::Unreadable: break;
  }
  return Fill(TextId::UnreadableMovePattern, {number, parsed.Text});
}

std::string GameMoves(const std::string& scramble, const std::string& moves, const std::string& solution,
                      const std::string& after) {
  // In the order they were made: the player's, the computer's, then any
  // the player made after them.
  std::string text = Fill(TextId::GameMovesPattern, {scramble.empty() ? Say(TextId::ScrambleUnknown) : scramble,
                                                     moves.empty() ? Say(TextId::NoMoves) : moves});
  if (!solution.empty()) text += Fill(TextId::GameMovesSolution, {solution});
  if (!after.empty()) text += Fill(TextId::GameMovesAfter, {after});
  return text;
}

std::string Solved(int32_t seconds, uint32_t moves, bool record, bool helpUsed) {
  std::string text = Fill(TextId::SolvedPattern, {FormatGameClock(seconds), std::to_string(moves)});
  if (record) text = Fill(TextId::SentenceAfter, {text, Say(TextId::NewRecord)});
  if (helpUsed) text = Fill(TextId::SentenceAfter, {text, Say(TextId::NoRecordWithHelp)});
  return text;
}

std::string Hint(const std::string& move, solver::Stage stage) {
  switch (stage) {
    case solver::Stage::Centres: return Fill(TextId::HintCentresPattern, {move});
    case solver::Stage::Edges: return Fill(TextId::HintEdgesPattern, {move});
    case solver::Stage::AsThree: return Fill(TextId::HintAsThreePattern, {move});
    case solver::Stage::Whole: break;
  }
  return Fill(TextId::HintPattern, {move});
}

std::string StageName(solver::Stage stage) {
  switch (stage) {
    case solver::Stage::Centres: return Say(TextId::SolutionCentres);
    case solver::Stage::Edges: return Say(TextId::SolutionEdges);
    case solver::Stage::AsThree: return Say(TextId::SolutionAsThree);
    case solver::Stage::Whole: break;
  }
  return {};
}

std::string SolvedBanner(int32_t seconds, uint32_t moves) {
  return Fill(TextId::SolvedBannerPattern,
              {FormatGameClock(seconds), std::to_string(moves), WordAfter(TextId::MovesWordOne, moves)});
}

std::string Problem(safefile::FileProblem problem) {
  using safefile::FileProblem;
  switch (problem) {
    case FileProblem::NoSpace: return Say(TextId::NoSpace);
    case FileProblem::NameTooLong: return Say(TextId::NameTooLong);
    case FileProblem::FolderNotWritable: return Say(TextId::FolderNotWritable);
    case FileProblem::NoSuchFolder: return Say(TextId::NoSuchFolder);
    case FileProblem::FileForFolder: return Say(TextId::FileForFolder);
    case FileProblem::ReadOnlyFile: return Say(TextId::ReadOnlyFile);
    case FileProblem::WriteFailed: return Say(TextId::WriteFailed);
    case FileProblem::NoReadPermission: return Say(TextId::NoReadPermission);
    case FileProblem::FolderForFile: return Say(TextId::FolderForFile);
    case FileProblem::NotRegular: return Say(TextId::NotRegular);
    case FileProblem::NotText: return Say(TextId::NotText);
    case FileProblem::LinkLoop: return Say(TextId::LinkLoop);
    case FileProblem::ReadFailed: return Say(TextId::ReadFailed);
  }
  return Say(TextId::WriteFailed);
}

std::string SaveFailed(int error, const std::string& path) {
  return Fill(TextId::SaveFailedPattern, {Problem(safefile::WriteProblem(error, path))});
}

std::string KeepReason(int error, const std::string& path) {
  if (path.empty()) return Say(TextId::NoDataFolder);
  return Problem(safefile::WriteProblem(error, path));
}

std::string KeepFailed(int error, const std::string& path) {
  return Fill(TextId::KeepFailedPattern, {KeepReason(error, path)});
}

std::string KeepFailedAtCloseQuestion(int error, const std::string& path) {
  return Fill(TextId::KeepFailedAtClosePattern, {KeepReason(error, path)});
}

KeptGameRow KeptGameColumns(const KeptGame& game) {
  KeptGameRow row;
  row.Saved = row.Moves = row.Clock = Say(TextId::NoFigure);
  char saved[64];
  struct tm local {};
  if (localtime_r(&game.Modified, &local) && std::strftime(saved, sizeof saved, Say(TextId::KeptDateFormat), &local))
    row.Saved = saved;
  if (!game.Summary) {
    row.Cube = Say(TextId::KeptUnreadable);
    return row;
  }
  row.Cube = CubeSize(game.Summary->Size);
  if (game.Summary->Moves) row.Moves = std::to_string(*game.Summary->Moves);
  if (game.Summary->Seconds) row.Clock = FormatGameClock(static_cast<int32_t>(*game.Summary->Seconds));
  return row;
}

std::string DeleteKeptQuestion(const KeptGame& game) {
  const KeptGameRow row = KeptGameColumns(game);
  return Fill(TextId::DeleteKeptPattern, {row.Cube, row.Saved, row.Moves});
}

std::string KeptGameNotDeleted(int error, const std::string& path) {
  const std::string why = error == EWOULDBLOCK ? Say(TextId::KeptTakenElsewhere)
                          : error == EINVAL    ? Say(TextId::KeptNoGame)
                                               : Problem(safefile::WriteProblem(error, path));
  return Fill(TextId::KeptNotDeletedPattern, {why});
}

std::string SettingsNotRead(int error) {
  return Fill(TextId::SettingsNotReadPattern, {Problem(safefile::ReadProblem(error))});
}

std::string SettingsNotWritten(int error, const std::string& path) {
  return Fill(TextId::SettingsNotWrittenPattern, {Problem(safefile::WriteProblem(error, path)), path});
}

std::string FileExistsQuestion(const std::string& name) { return Fill(TextId::FileExistsPattern, {name}); }

namespace {

// Why the history could not be written, in a few words.
std::string HistoryReason(const HistoryProblem& problem) {
  using Kind = HistoryProblem::Kind;
  switch (problem.What) {
    case Kind::SetAside: return Say(TextId::HistorySetAsideReason);
    case Kind::Newer: return Say(TextId::HistoryNewer);
    case Kind::Full: return Say(TextId::NoSpace);
    case Kind::Busy: return Say(TextId::HistoryBusy);
    case Kind::None:
    case Kind::CannotOpen:
    case Kind::Failed: break;
  }
  // A folder, a FIFO or a loop of links where the file should be reads as a read's problem.
  if (problem.Error == EISDIR || problem.Error == EINVAL || problem.Error == ELOOP)
    return Problem(safefile::ReadProblem(problem.Error));
  if (problem.Error != 0 || problem.What == Kind::CannotOpen) return KeepReason(problem.Error, problem.Path);
  return Fill(TextId::HistoryDatabaseErrorPattern, {std::to_string(problem.Code)});
}

}  // namespace

std::string HistoryProblemText(const HistoryProblem& problem) {
  if (!problem) return {};
  if (problem.What == HistoryProblem::Kind::SetAside) return Fill(TextId::HistorySetAsidePattern, {problem.Aside});
  return Fill(TextId::HistoryNotWrittenPattern, {HistoryReason(problem)});
}

// The statistics box.
std::string SolveClock(int64_t ms) {
  if (ms < 0) ms = 0;
  char hundredths[4];
  std::snprintf(hundredths, sizeof hundredths, "%02d", static_cast<int>(ms % 1000 / 10));
  return FormatGameClock(static_cast<int32_t>(ms / 1000)) + "." + hundredths;
}

std::string StatsFigure(const std::optional<int64_t>& ms) {
  if (!ms) return Say(TextId::NoFigure);
  return *ms == kDnf ? Say(TextId::StatsDnf) : SolveClock(*ms);
}

std::string StatsDecimal(const std::optional<double>& value) {
  if (!value || !(*value >= 0)) return Say(TextId::NoFigure);
  const long long hundredths = std::llround(*value * 100);
  char fraction[4];
  std::snprintf(fraction, sizeof fraction, "%02d", static_cast<int>(hundredths % 100));
  return Fill(TextId::StatsDecimalPattern, {std::to_string(hundredths / 100), fraction});
}

std::string SolveHowText(SolveHow how) {
  switch (how) {
    case SolveHow::Solved: return Say(TextId::StatsHowSolved);
    case SolveHow::Computer: return Say(TextId::StatsHowComputer);
    case SolveHow::Abandoned: return Say(TextId::StatsHowAbandoned);
  }
  return Say(TextId::NoFigure);
}

std::string SolveDate(const std::string& finishedAtUtc) {
  struct tm utc {};
  char zone = 0, end = 0;
  if (std::sscanf(finishedAtUtc.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%c", &utc.tm_year, &utc.tm_mon, &utc.tm_mday,
                  &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &zone, &end) != 7 || zone != 'Z')
    return Say(TextId::NoFigure);
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  const time_t moment = timegm(&utc);
  struct tm local {};
  char text[64];
  if (moment == -1 || !localtime_r(&moment, &local) || !std::strftime(text, sizeof text, Say(TextId::KeptDateFormat), &local))
    return Say(TextId::NoFigure);
  return text;
}

SolveRow SolveColumns(const SolveEntry& game) {
  return {SolveDate(game.FinishedAt), SolveClock(game.Ms), std::to_string(game.Moves), SolveHowText(game.How),
          game.Record ? Say(TextId::StatsRecordMark) : ""};
}

std::string SolveAsText(const SolveEntry& game) {
  const SolveRow row = SolveColumns(game);
  return Fill(TextId::StatsSolvePattern,
              {CubeSize(game.Size), row.Date, row.Time, row.How, row.Moves,
               game.Scramble.empty() ? Say(TextId::ScrambleUnknown) : game.Scramble,
               game.Solution.empty() ? Say(TextId::NoMoves) : game.Solution});
}

std::string DeleteSolveQuestion(const SolveEntry& game) {
  const SolveRow row = SolveColumns(game);
  return Fill(TextId::StatsDeletePattern, {CubeSize(game.Size), row.Date, row.Time, row.Moves});
}

std::string SolveNotDeleted(const HistoryProblem& why) {
  return Fill(TextId::StatsNotDeletedPattern, {HistoryReason(why)});
}

}  // namespace texts

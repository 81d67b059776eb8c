// The game's files: saved games with their clock and history, and the game
// kept while it is played.
#include <cerrno>
#include <filesystem>

#include "game/Game.h"
#include "game/ResumeStore.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/VekCube.h"

bool Game::Load(const std::string& path) {
  EndReplay();
  // A cube that loads replaces the one on screen, turns and all.
  Whole();
  GameFileError error = GameFileError::None;
  TrailerStatus status = TrailerStatus::Absent;
  std::optional<GameTrailer> trailer;
  if (LoadGameWithTrailer(cube_, path, trailer, &error, &status) <= 0) {
    view_.ShowStatus(error == GameFileError::CannotOpen ? StatusKind::CannotOpen : StatusKind::UnknownFormat);
    return false;
  }
  restingStatus_.clear();
  paused_ = false;
  ForgetHelp();  // a file that had hints says so by not claiming its scramble
  ForgetTurns();
  Count();
  if (trailer) {
    // A file that says how its game began can set a record.
    scrambleTurns_ = startScrambleTurns_ = trailer->ScrambleTurns;
    scrambleText_ = trailer->Scramble;
    // The turns standing on the cube, for the history: when they were made
    // is not in the file.
    played_ = AppliedMoves();
    playedMs_.assign(played_.size(), 0);
    StartClock(static_cast<int32_t>(trailer->Seconds));
  } else {
    // Any other is shown with the clock stopped.
    phase_ = Phase::None;
    seconds_ = 0;
    scrambleTurns_ = 0;
    scrambleText_.clear();
    clockShown_ = false;
    view_.ShowGame();
  }
  // The cube loads; what the file said of its clock and moves is not believed.
  view_.ShowStatus(status == TrailerStatus::Rejected ? StatusKind::ReadyWithoutTrailer : StatusKind::Ready);
  return true;
}

bool Game::Open(const std::string& path) {
  EndReplay();
  Whole();
  // Written only when the file replaces the game.
  const std::optional<SolveEntry> abandoned = logged_ ? std::nullopt : EntryNow();
  if (!Load(path)) {
    // The game on screen stays as it was; Save must not overwrite the
    // refused file with it, nor the one opened before.
    saveNeedsName_ = true;
    return false;
  }
  fileName_ = path;
  saveNeedsName_ = false;
  if (abandoned) WriteEntry(*abandoned);
  view_.ShowGame();
  return true;
}

std::vector<KeptGame> Game::KeptGamesWaiting() const {
  return Scrambling() ? std::vector<KeptGame>() : kept_.Waiting();
}

bool Game::Continue() { return Continue(kept_.Latest()); }

bool Game::Continue(const std::string& kept) {
  if (Scrambling() || kept.empty()) {
    view_.ShowGame();
    return false;
  }
  // Chosen from a list a while ago: another copy may have taken it since.
  if (kept != kept_.Latest()) {
    bool waiting = false;
    for (const KeptGame& game : kept_.Waiting()) waiting = waiting || game.Path == kept;
    if (!waiting) {
      view_.ShowStatus(StatusKind::KeptGameTaken);
      view_.ShowGame();
      return false;
    }
  }
  EndReplay();
  view_.ShowStatus(StatusKind::Loading);
  // The game on screen stays kept, with its clock as it is now, for a later Continue.
  Keep();
  if (!Load(kept)) {
    // Offered once: a kept game that cannot be loaded is moved aside, not deleted.
    kept_.SetAside(kept);
    view_.ShowStatus(StatusKind::KeptGameSetAside);
    view_.ShowGame();
    return false;
  }
  // This window goes on with the kept game and keeps it from now on; the
  // file stays until a newer turn replaces it, a solve or a new game.
  kept_.Adopt(kept);
  // The kept game is not the player's file: Save asks for a name.
  fileName_.clear();
  saveNeedsName_ = false;
  view_.ShowGame();
  return true;
}

bool Game::CanSaveInPlace() const {
  std::error_code error;
  return !saveNeedsName_ && !fileName_.empty() && std::filesystem::is_regular_file(fileName_, error);
}

bool Game::SaveTo(const std::string& path, bool announceSuccess) {
  EndReplay();
  // The turns asked for are in the file; none is saved half made.
  SettleTurns();
  if (turns_.Turning()) EndTurnsNow();
  // A game in play keeps its clock and history after the points; any other
  // is written as before.
  const bool saved = Running() ? SaveGameWithTrailer(cube_, path, static_cast<uint32_t>(stopwatch_.Seconds()),
                                                   scrambleTurns_, scrambleText_)
                               : cube_.SaveToFile(path);
  if (!saved) {
    // The file that was there, if any, is untouched; the game goes on.
    view_.ShowStatus(GameStatus::FileFailed(StatusKind::SaveFailed, errno, path));
    return false;
  }
  fileName_ = path;
  saveNeedsName_ = false;
  view_.ShowGame();
  if (announceSuccess) view_.ShowStatus(StatusKind::Ready);
  return true;
}

bool Game::DeleteKept(const std::string& path, GameStatus& why) {
  if (kept_.Remove(path)) {
    view_.ShowGame();  // Continue may have nothing left to offer
    return true;
  }
  why = GameStatus::FileFailed(StatusKind::KeptNotDeleted, errno, path);
  return false;
}

bool Game::Keep() {
  // Only a game in play: a finished one is nothing to continue; one that
  // stands aside for a replay was kept after its last turn.
  if (!Running() || replay_) return true;
  const uint32_t seconds = static_cast<uint32_t>(stopwatch_.Seconds());
  return kept_.Keep([&](const std::string& path) { return SaveGameWithTrailer(cube_, path, seconds, scrambleTurns_, scrambleText_);
  });
}

void Game::Leave(bool keep) {
  solveTask_.Cancel();  // its worker would report to a window that is gone
  EndReplay();
  if (keep) Keep();
  if (Running()) phase_ = Phase::None;
  kept_.Release();
}

// What the game has to say on the status line: what happened, with its
// figures. The window puts it in the player's words (texts/).
#pragma once

#include <cstdint>
#include <string>

#include "game/SolveEntry.h"
#include "solver/Staged.h"

enum class StatusKind {
  None,  // nothing to say
  Ready,
  ReadyWithoutTrailer,  // a file whose clock and moves were not believed
  Scrambling,
  Loading,
  Turning,
  Solving,
  SolvedByComputer,
  SolutionStopped,
  CannotOpen,
  UnknownFormat,
  KeptGameSetAside,  // a kept game that would not load
  KeptGameTaken,     // another window goes on with it
  Searching,         // a hint or a solution is being searched
  SolvedAlready,
  CannotBeSolved,    // put together by hand: no turns reach home
  CubieOffGrid,
  Solved,            // Seconds, Moves, Record, HelpUsed
  Hint,              // Move, Stage
  SaveFailed,        // Error (errno), Path
  KeepFailed,        // Error, Path (the kept file; empty: no data folder)
  KeptNotDeleted,    // Error (EWOULDBLOCK: taken, EINVAL: no kept game), Path
  HistoryFailed,     // History: the game was not written to the history
};

struct GameStatus {
  StatusKind Kind = StatusKind::None;
  int32_t Seconds = 0;
  uint32_t Moves = 0;
  bool Record = false;
  bool HelpUsed = false;
  int Error = 0;
  std::string Path;
  std::string Move;  // the hinted move in the notation
  solver::Stage Stage = solver::Stage::Whole;  // the stage of the solution it begins
  HistoryProblem History;

  GameStatus(StatusKind kind = StatusKind::None) : Kind(kind) {}
  static GameStatus Solved(int32_t seconds, uint32_t moves, bool record, bool helpUsed) {
    GameStatus status(StatusKind::Solved);
    status.Seconds = seconds;
    status.Moves = moves;
    status.Record = record;
    status.HelpUsed = helpUsed;
    return status;
  }
  static GameStatus Hint(const std::string& move, solver::Stage stage = solver::Stage::Whole) {
    GameStatus status(StatusKind::Hint);
    status.Move = move;
    status.Stage = stage;
    return status;
  }
  static GameStatus HistoryFailed(const HistoryProblem& why) {
    GameStatus status(StatusKind::HistoryFailed);
    status.History = why;
    return status;
  }
  static GameStatus FileFailed(StatusKind kind, int error, const std::string& path) {
    GameStatus status(kind);
    status.Error = error;
    status.Path = path;
    return status;
  }

  // Held where a text was, with the text's two calls: none is empty.
  bool empty() const { return Kind == StatusKind::None; }
  void clear() { *this = GameStatus(); }
  bool operator==(const GameStatus& other) const {
    return Kind == other.Kind && Seconds == other.Seconds && Moves == other.Moves && Record == other.Record &&
           HelpUsed == other.HelpUsed && Error == other.Error && Path == other.Path && Move == other.Move &&
           Stage == other.Stage &&
           History.What == other.History.What && History.Code == other.History.Code &&
           History.Error == other.History.Error && History.Path == other.History.Path;
  }
  bool operator!=(const GameStatus& other) const { return !(*this == other); }
};

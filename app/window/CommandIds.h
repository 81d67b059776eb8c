// The identifiers of the main window's menu items and buttons.
#pragma once

#include <wx/defs.h>

enum CommandId {
  kN4 = wxID_HIGHEST + 1, kN5, kN7, kN8, kN9, kN11, kN13, kN14, kN15, kN16, kN18, kSite, kURL,
  kToolButton1, kToolButton2, kToolButton3, kToolButton4, kToolButton6, kToolButton7, kToolButton9,
  kUndo, kRedo, kRecords, kToolButtonUndo, kToolButtonRedo,
  kContinue, kHomeView, kTypeMoves, kTypedScramble, kGameMoves, kPause,
  kFullScreen, kHint, kSolve, kToolButtonHint, kStatistics, kExport,
};

// The commands that still act while a scramble runs: it ends after the
// current turn and then the command runs.
inline bool IsStopCommand(int id) { return id == kN5 || id == kToolButton4; }
inline bool IsExitCommand(int id) { return id == kN13 || id == kToolButton9; }
inline bool IsUndoCommand(int id) { return id == kUndo || id == kToolButtonUndo; }
inline bool IsRedoCommand(int id) { return id == kRedo || id == kToolButtonRedo; }

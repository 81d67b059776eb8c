#pragma once

#include <cstdint>
#include <string>

#include "app/settings/WindowPlace.h"
#include "files/IniFile.h"

class GameRecords;

// The game's settings, kept in section [Settings] of an INI file next to the
// executable.
struct GameSettings {
  int32_t SpaceColor = 0xF0FBFF;  // body colour of the cubies, 0x00BBGGRR
  int32_t BGColor = 0x000000;     // background
  int32_t DrawQuality = 1;        // antialiasing passes of a still frame
  int32_t RotateSpeed = 5;        // degrees per animation frame
  int32_t ShuffleRotateCount = 30;
  bool ShowShuffle = true;  // the scramble animated; off, only its end is drawn
  bool RotateAntiAlias = false;
  int32_t TimeoutRotate = 10000;  // idle time, ms
  int32_t CubeSize = 3;           // small cubes along an edge (puzzle/CubeSizes.h)
  std::string Language = "ru";    // a code of texts::kLanguages
  WindowPlace Window;             // unknown until a window has ended once
};

// "/opt/t/tessaro3d" -> "/opt/t/tessaro3d.ini", "/x/game.bin" -> "/x/game.ini".
// Dots in folder names and a leading dot of the file name are no extension.
std::string SettingsPathForExecutable(const std::string& exePath);

// Missing or unreadable values give the defaults; values outside what the game
// can use are replaced by the defaults (or clamped) without a message.
GameSettings ReadSettings(const IniFile& ini);

// Writes the ten keys in their order, then the window's place when known, in
// one replacement of the file (with
// the writes of `ini` not yet saved, such as other sections). False when the
// file cannot be written; it then keeps its old contents, and errno says why
// (safefile::WriteProblem tells what it was).
bool WriteSettings(IniFile& ini, const GameSettings& settings);

// The settings and the records of the file at path (defaults for a missing
// or unreadable file).
GameSettings ReadSettingsFile(const std::string& path, GameRecords& records);
// Writes the settings and the records in one replacement of the file at
// path, making its folder first (an installed game's configuration folder).
// False, with errno set, when it could not be written.
bool SaveSettingsFile(const std::string& path, const GameSettings& settings, const GameRecords& records);

// The settings file of one run: read at start, written at exit and when a
// record is set. A file that exists but could not be read (no permission, a
// folder in its place, no text) is never written over: the run goes on with
// the defaults, the player is told once, and the file keeps its bytes.
class SettingsFileKeeper {
 public:
  enum class Outcome { Written, LeftAlone, Failed };

  // The settings and records of the file at path; the defaults when it is
  // missing or cannot be read.
  GameSettings Read(const std::string& path, GameRecords& records);
  // Why the file could not be read, for the status line; empty
  // when it was read or is missing.
  std::string ReadFailure() const;

  // LeftAlone (nothing written) when the file could not be read at start;
  // Failed when it could not be written: WriteFailure() then says why.
  Outcome Write(const GameSettings& settings, const GameRecords& records);
  const std::string& WriteFailure() const { return writeFailure_; }

 private:
  std::string path_;
  int readError_ = 0;
  std::string writeFailure_;
};

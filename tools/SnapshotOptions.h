// The command line of cube-snapshot, turned into a list of actions that run
// in the order given. Parsing only checks the words; nothing is drawn here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace snapshot {

enum class ActionKind {
  Size,        // Number: rebuild the solved cube of that size
  Load,        // File: a saved game
  Scramble,    // Number: moves of the scramble
  Seed,        // Number: fixed seed of the scrambles that follow
  Save,        // File
  Passes,      // Number: antialiasing passes of the picture
  Width,       // Number: window width in pixels
  Height,      // Number: window height in pixels
  Background,  // Number: colour 0xBBGGRR
  Body,        // Number: colour 0xBBGGRR
  Rotate,      // Axis, Degrees: turns the view
  Pick,        // Points: one window pixel, origin top left
  Drag,        // Points: two or more window pixels, origin top left
  Undo,        // takes back the player's last turn
  Redo,        // makes the last undone turn again
  Status,      // prints "solved" or "not solved"
  Moves,       // File: moves in the cube notation, faces named for the view
  Facelets,    // prints the stickers' face letters (U R F D L B, 6 N^2 of them)
  Digits,      // prints the stickers' digits and quarter turns, in the same order
  Solve,       // prints a solution in the notation, faces named for the view, and plays it
  Hint,        // prints the first move of a solution only
  History,     // File: the history database the replays below read
  Replay,      // Number: a game of the history, set up at its scramble
  At,          // Number: the replayed game after that many of its turns
  Near,        // Number: the eye at that percent of the game's distance (thumbnails only)
};

struct PixelPoint {
  int X = 0;
  int Y = 0;
};

struct Action {
  ActionKind Kind = ActionKind::Size;
  uint32_t Number = 0;
  std::string File;
  int Axis = 0;  // 0 = X, 1 = Y, 2 = Z
  float Degrees = 0.0f;
  std::vector<PixelPoint> Points;
};

struct Options {
  std::vector<Action> Actions;
  std::string Output;
  bool Help = false;  // --help: print the usage and do nothing else
  // --thumbnail SIZE IN OUT: the saved game IN drawn as the game starts it,
  // seen from above, into a SIZE x SIZE picture with a clear background;
  // OUT is replaced whole or not at all.
  bool Thumbnail = false;
};

// Sides of a thumbnail: the smallest a file manager shows, up to the largest
// the desktop's thumbnail folders hold (1024, "xx-large").
constexpr uint32_t kMinThumbnail = 16;
constexpr uint32_t kMaxThumbnail = 1024;
// The view of a thumbnail: the start view turned as the README's picture is,
// so that three faces show.
constexpr float kThumbnailTurnY = -30.0f;
constexpr float kThumbnailTurnX = 25.0f;
constexpr uint32_t kThumbnailPasses = 8;
// Nearer than the game's eye, so that the cube fills the small picture.
constexpr uint32_t kThumbnailNearPercent = 72;

// The one-line usage, without a line end.
const char* Usage();

// Fills Result from argv[1..argc-1]; on a bad command line returns false and
// says why in Error (one short phrase).
bool Parse(int argc, const char* const* argv, Options& Result, std::string& Error);

}  // namespace snapshot

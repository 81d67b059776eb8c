// The optional trailer of a saved game, after the points: what a resumed
// game needs beyond the cube (clock, move count, undo/redo history, how it
// was scrambled). A file without it, or with one that is invalid in any way,
// loads as a plain game.
//
// Layout, little-endian, no padding:
//   0  4  tag "T3DG"
//   4  4  version (3; 2 is read too)
//   8  4  clock seconds (<= kMaxGameSeconds)
//  12  4  move count: the player's turns applied (<= kMaxGameMoves)
//  16  4  cursor: how many of the history's moves are applied (<= move count)
//  20  4  scramble turns the game began with; 0 when not known
//  24  4  H, the number of history moves (<= VEKMoveHistory::kMaxMoves)
//  28  H  the moves, one byte each: bits 0-1 axis, 2-4 layer, 5 set for the
//         negative sign, 6-7 the layers turned together less one (clear in
//         version 2)
//  28+H 4 S, the length of the scramble text (version 3 only)
//  32+H S the scramble in the cube notation, faces named for the start view;
//         empty when not known
//  end-4 4 CRC-32 of the file's bytes before the trailer (magic, size, points)
//         followed by the trailer's bytes before it
// The trailer runs to the end of the file. Because its check covers the
// points, a trailer left behind when another game of the same size is
// written over the file in place no longer matches and is not believed.
// Version 1 (no scramble turns, check over the trailer alone) is refused for
// that reason: such a file opens as a plain game.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/MoveHistory.h"

struct VEKBigCube;
enum class GameFileError;

struct GameTrailer {
  uint32_t Seconds = 0;
  uint32_t MoveCount = 0;
  uint32_t Cursor = 0;
  uint32_t ScrambleTurns = 0;
  std::vector<VEKMove> Moves;
  std::string Scramble;  // in the notation; empty when not known
};

// What became of the bytes after a loaded game's points.
enum class TrailerStatus {
  Absent,    // none, or bytes that are no trailer at all: the designed file
  Rejected,  // a trailer, damaged, stale or out of bounds: the points load alone
  Restored,  // clock, counter and history restored
};

// The longest a game's clock runs, the most turns it counts and the most
// scramble turns a file may claim; all far beyond any real game (the count
// is more than a turn a second for the clock's whole 100 days), and what the
// window's clock ("2400:00:00") and counter (seven digits) are sized for.
constexpr uint32_t kMaxGameSeconds = 100u * 24u * 3600u;
constexpr uint32_t kMaxGameMoves = 9999999u;
static_assert(kMaxGameMoves >= VEKMoveHistory::kMaxMoves,
              "a full history counts no more than the bound");
constexpr uint32_t kMaxScrambleTurns = 1000000u;

constexpr std::size_t kMaxScrambleText = 256 * 1024;

constexpr std::size_t kTrailerFixedBytes = 32;  // of version 2; version 3 adds 4
constexpr std::size_t kMaxTrailerBytes =
    kTrailerFixedBytes + 4 + VEKMoveHistory::kMaxMoves + kMaxScrambleText;

// Game is the designed bytes the trailer follows (VEKBigCube::GameBytes).
std::vector<uint8_t> EncodeGameTrailer(const GameTrailer& Trailer, const std::vector<uint8_t>& Game);
// True and Result filled only for a whole, consistent trailer of this game
// on a cube of CubeSize: tag, version, exact length, checksum over the game
// and the trailer, every move, the bounds above, Cursor <= H <= kMaxMoves,
// and MoveCount above Cursor only when the history is full.
bool DecodeGameTrailer(const uint8_t* Data, std::size_t Length, int CubeSize,
                       const std::vector<uint8_t>& Game, GameTrailer& Result);
// Whether bytes after the points begin like a trailer (and so, when they do
// not decode, were one that is refused rather than foreign bytes ignored).
bool LooksLikeTrailer(const uint8_t* Data, std::size_t Length);

// The trailer of the cube's game with the clock at Seconds; the clock and
// the count beyond their bounds are saved at them.
GameTrailer CaptureGameTrailer(const VEKBigCube& Cube, uint32_t Seconds, uint32_t ScrambleTurns,
                               const std::string& Scramble = {});
// Puts the trailer's history into the cube (the points are the file's).
bool RestoreGameTrailer(VEKBigCube& Cube, const GameTrailer& Trailer);

// Save with the trailer; false (errno set) when the file could not be written.
bool SaveGameWithTrailer(const VEKBigCube& Cube, const std::string& FileName, uint32_t Seconds,
                         uint32_t ScrambleTurns, const std::string& Scramble = {});
// Loads as LoadFromFile does (the size, or 0 with the cube untouched); with
// a valid trailer the history is restored and Trailer holds it, otherwise
// Trailer is empty and the game is the plain one of the points.
// Error, when given, tells why a load failed; Outcome what the trailer was.
int LoadGameWithTrailer(VEKBigCube& Cube, const std::string& FileName,
                        std::optional<GameTrailer>& Trailer, GameFileError* Error = nullptr,
                        TrailerStatus* Outcome = nullptr);

// What a saved game holds, read without loading it into a cube: its size,
// and its clock and move count when it has a valid trailer.
struct SavedGameSummary {
  int Size = 0;
  std::optional<uint32_t> Seconds, Moves;  // none: no trailer (or an invalid one)
};
// None when the file cannot be read or is no saved game.
std::optional<SavedGameSummary> ReadSavedGameSummary(const std::string& FileName);

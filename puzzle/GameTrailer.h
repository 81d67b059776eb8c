// The optional trailer of a saved game, after the points: what a resumed
// game needs beyond the cube (clock, move count, undo/redo history). A file
// without it, or with one that is invalid in any way, loads as a plain game.
//
// Layout, little-endian, no padding:
//   0  4  tag "T3DG"
//   4  4  version (1)
//   8  4  clock seconds
//  12  4  move count: the player's turns applied
//  16  4  cursor: how many of the history's moves are applied (<= move count)
//  20  4  H, the number of history moves (<= VEKMoveHistory::kMaxMoves)
//  24  H  the moves, one byte each: bits 0-1 axis, 2-4 layer, 5 set for the
//         negative sign, 6-7 clear
//  24+H 4 CRC-32 of bytes 0 .. 23+H
// The trailer runs to the end of the file.
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
  std::vector<VEKMove> Moves;
};

constexpr std::size_t kTrailerFixedBytes = 28;
constexpr std::size_t kMaxTrailerBytes = kTrailerFixedBytes + VEKMoveHistory::kMaxMoves;

std::vector<uint8_t> EncodeGameTrailer(const GameTrailer& Trailer);
// True and Result filled only for a whole, consistent trailer for a cube of
// CubeSize: tag, version, exact length, checksum, every move, Cursor <= H,
// Cursor <= MoveCount and both counts below 2^31.
bool DecodeGameTrailer(const uint8_t* Data, std::size_t Length, int CubeSize, GameTrailer& Result);

// The trailer of the cube's game with the clock at Seconds.
GameTrailer CaptureGameTrailer(const VEKBigCube& Cube, uint32_t Seconds);
// Puts the trailer's history into the cube (the points are the file's).
bool RestoreGameTrailer(VEKBigCube& Cube, const GameTrailer& Trailer);

// Save with the trailer; false when the file could not be written.
bool SaveGameWithTrailer(const VEKBigCube& Cube, const std::string& FileName, uint32_t Seconds);
// Loads as LoadFromFile does (the size, or 0 with the cube untouched); with
// a valid trailer the history is restored and Trailer holds it, otherwise
// Trailer is empty and the game is the plain one of the points.
// Error, when given, tells why a load failed.
int LoadGameWithTrailer(VEKBigCube& Cube, const std::string& FileName,
                        std::optional<GameTrailer>& Trailer, GameFileError* Error = nullptr);

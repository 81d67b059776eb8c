#include "puzzle/GameTrailer.h"

#include <zlib.h>

#include <algorithm>

#include "files/SafeFile.h"
#include "puzzle/LittleEndian.h"
#include "puzzle/Notation.h"
#include "puzzle/VekCube.h"

namespace {
constexpr uint8_t kTag[4] = {'T', '3', 'D', 'G'};
constexpr uint32_t kVersion = 3;
constexpr std::size_t kCountOffset = 24;
constexpr std::size_t kMovesOffset = 28;

// The game's bytes, then the trailer's: a trailer checks out only behind
// the points it was written with.
uint32_t Checksum(const std::vector<uint8_t>& game, const uint8_t* data, std::size_t length) {
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, game.data(), static_cast<uInt>(game.size()));
  return static_cast<uint32_t>(crc32(crc, data, static_cast<uInt>(length)));
}

// The byte holds every move of the biggest cube: its layers 0..N-1 in three
// bits, the widths 1..N-1 of its wide turns in two.
static_assert(kMaxCubeSize - 1 <= 7 && kMaxCubeSize - 1 <= 4,
              "a move of the biggest cube fits its byte");

uint8_t PackMove(const VEKMove& m) {
  return static_cast<uint8_t>((m.Axis & 3) | (m.Layer & 7) << 2 | (m.Sign < 0 ? 1 << 5 : 0) |
                              ((m.Width - 1) & 3) << 6);
}

bool UnpackMove(uint8_t byte, uint32_t version, int cubeSize, VEKMove& m) {
  if (version < 3 && (byte & 0xC0)) return false;
  m.Axis = byte & 3;
  m.Layer = (byte >> 2) & 7;
  m.Sign = (byte & 0x20) ? -1 : 1;
  m.Width = static_cast<uint8_t>(1 + (byte >> 6));
  return m.ValidFor(cubeSize);
}
}  // namespace

std::vector<uint8_t> EncodeGameTrailer(const GameTrailer& Trailer, const std::vector<uint8_t>& Game) {
  std::vector<uint8_t> out(kTag, kTag + 4);
  PutUint32(out, kVersion);
  PutUint32(out, Trailer.Seconds);
  PutUint32(out, Trailer.MoveCount);
  PutUint32(out, Trailer.Cursor);
  PutUint32(out, Trailer.ScrambleTurns);
  PutUint32(out, static_cast<uint32_t>(Trailer.Moves.size()));
  for (const VEKMove& m : Trailer.Moves) out.push_back(PackMove(m));
  const std::string scramble =
      Trailer.Scramble.size() <= kMaxScrambleText ? Trailer.Scramble : std::string();
  PutUint32(out, static_cast<uint32_t>(scramble.size()));
  out.insert(out.end(), scramble.begin(), scramble.end());
  PutUint32(out, Checksum(Game, out.data(), out.size()));
  return out;
}

bool LooksLikeTrailer(const uint8_t* Data, std::size_t Length) {
  return Length > 0 && std::equal(Data, Data + std::min<std::size_t>(Length, 4), kTag);
}

bool DecodeGameTrailer(const uint8_t* Data, std::size_t Length, int CubeSize,
                       const std::vector<uint8_t>& Game, GameTrailer& Result) {
  if (Length < kTrailerFixedBytes || Length > kMaxTrailerBytes) return false;
  if (!std::equal(kTag, kTag + 4, Data)) return false;
  const uint32_t version = GetUint32(Data + 4);
  if (version != 2 && version != kVersion) return false;
  const uint32_t count = GetUint32(Data + kCountOffset);
  if (count > VEKMoveHistory::kMaxMoves || Length < kTrailerFixedBytes + count) return false;
  std::size_t scrambleLength = 0;
  if (version >= 3) {
    if (Length < kTrailerFixedBytes + count + 4) return false;
    scrambleLength = GetUint32(Data + kMovesOffset + count);
    if (scrambleLength > kMaxScrambleText) return false;
  }
  const std::size_t textAt = kMovesOffset + count + (version >= 3 ? 4 : 0);
  if (Length != textAt + scrambleLength + 4) return false;
  if (GetUint32(Data + Length - 4) != Checksum(Game, Data, Length - 4)) return false;
  GameTrailer t;
  t.Seconds = GetUint32(Data + 8);
  t.MoveCount = GetUint32(Data + 12);
  t.Cursor = GetUint32(Data + 16);
  t.ScrambleTurns = GetUint32(Data + 20);
  if (t.Seconds > kMaxGameSeconds || t.ScrambleTurns > kMaxScrambleTurns) return false;
  if (t.MoveCount > kMaxGameMoves || t.Cursor > count || t.Cursor > t.MoveCount) return false;
  // Turns that can no longer be undone exist only once the history is full.
  if (t.MoveCount != t.Cursor && count < VEKMoveHistory::kMaxMoves) return false;
  t.Moves.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (!UnpackMove(Data[kMovesOffset + i], version, CubeSize, t.Moves[i])) return false;
  }
  t.Scramble.assign(reinterpret_cast<const char*>(Data + textAt), scrambleLength);
  // A scramble that is no notation for this cube is no scramble of it.
  if (!t.Scramble.empty() && !notation::Parse(t.Scramble, CubeSize).Ok()) return false;
  Result = std::move(t);
  return true;
}

GameTrailer CaptureGameTrailer(const VEKBigCube& Cube, uint32_t Seconds, uint32_t ScrambleTurns,
                               const std::string& Scramble) {
  GameTrailer t;
  t.Seconds = std::min(Seconds, kMaxGameSeconds);
  // The history holds fewer than kMaxGameMoves, so the count stays above the cursor.
  t.MoveCount = std::min(Cube.MoveCount(), kMaxGameMoves);
  t.Cursor = static_cast<uint32_t>(Cube.History.Cursor());
  t.ScrambleTurns = std::min(ScrambleTurns, kMaxScrambleTurns);
  t.Moves = Cube.History.Moves();
  t.Scramble = Scramble;
  return t;
}

bool RestoreGameTrailer(VEKBigCube& Cube, const GameTrailer& Trailer) {
  for (const VEKMove& m : Trailer.Moves) {
    if (!m.ValidFor(Cube.Size)) return false;
  }
  return Cube.History.Restore(Trailer.Moves, Trailer.Cursor, Trailer.MoveCount);
}

bool SaveGameWithTrailer(const VEKBigCube& Cube, const std::string& FileName, uint32_t Seconds,
                         uint32_t ScrambleTurns, const std::string& Scramble) {
  const std::vector<uint8_t> game = Cube.GameBytes();
  return Cube.SaveToFile(
      FileName,
      EncodeGameTrailer(CaptureGameTrailer(Cube, Seconds, ScrambleTurns, Scramble), game));
}

int LoadGameWithTrailer(VEKBigCube& Cube, const std::string& FileName,
                        std::optional<GameTrailer>& Trailer, GameFileError* Error, TrailerStatus* Outcome) {
  Trailer.reset();
  if (Outcome) *Outcome = TrailerStatus::Absent;
  std::vector<uint8_t> after;
  const int size = Cube.LoadFromFile(FileName, Error, &after);
  if (size <= 0) return size;
  // Floats read back bit for bit, so these are the file's own bytes.
  const std::vector<uint8_t> game = Cube.GameBytes();
  GameTrailer t;
  if (DecodeGameTrailer(after.data(), after.size(), size, game, t) && RestoreGameTrailer(Cube, t)) {
    Trailer = std::move(t);
    if (Outcome) *Outcome = TrailerStatus::Restored;
  } else if (Outcome && LooksLikeTrailer(after.data(), after.size())) {
    *Outcome = TrailerStatus::Rejected;
  }
  return size;
}

std::optional<SavedGameSummary> ReadSavedGameSummary(const std::string& FileName) {
  std::string bytes;
  const std::size_t most = VEKBigCube::SavedGameBytes(kMaxCubeSize) + kMaxTrailerBytes;
  if (safefile::ReadRegular(FileName, most, bytes) != safefile::ReadResult::Ok) return std::nullopt;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  SavedGameSummary summary;
  summary.Size = VEKBigCube::SavedGameSize(data, bytes.size());
  if (summary.Size == 0) return std::nullopt;
  const std::size_t points = VEKBigCube::SavedGameBytes(summary.Size);
  // The points as the cube would write them back: the file's own bytes.
  const std::vector<uint8_t> game(data, data + points);
  GameTrailer t;
  if (DecodeGameTrailer(data + points, bytes.size() - points, summary.Size, game, t)) {
    summary.Seconds = t.Seconds;
    summary.Moves = t.MoveCount;
  }
  return summary;
}

#include "puzzle/GameTrailer.h"

#include <zlib.h>

#include <limits>

#include "puzzle/LittleEndian.h"
#include "puzzle/VekCube.h"

namespace {
constexpr uint8_t kTag[4] = {'T', '3', 'D', 'G'};
constexpr uint32_t kVersion = 1;
constexpr uint32_t kMaxCount = std::numeric_limits<int32_t>::max();

uint32_t Checksum(const uint8_t* data, std::size_t length) {
  return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), data, static_cast<uInt>(length)));
}

uint8_t PackMove(const VEKMove& m) {
  return static_cast<uint8_t>((m.Axis & 3) | (m.Layer & 7) << 2 | (m.Sign < 0 ? 1 << 5 : 0));
}

bool UnpackMove(uint8_t byte, int cubeSize, VEKMove& m) {
  if (byte & 0xC0) return false;
  m.Axis = byte & 3;
  m.Layer = (byte >> 2) & 7;
  m.Sign = (byte & 0x20) ? -1 : 1;
  return m.ValidFor(cubeSize);
}
}  // namespace

std::vector<uint8_t> EncodeGameTrailer(const GameTrailer& Trailer) {
  std::vector<uint8_t> out(kTag, kTag + 4);
  PutUint32(out, kVersion);
  PutUint32(out, Trailer.Seconds);
  PutUint32(out, Trailer.MoveCount);
  PutUint32(out, Trailer.Cursor);
  PutUint32(out, static_cast<uint32_t>(Trailer.Moves.size()));
  for (const VEKMove& m : Trailer.Moves) out.push_back(PackMove(m));
  PutUint32(out, Checksum(out.data(), out.size()));
  return out;
}

bool DecodeGameTrailer(const uint8_t* Data, std::size_t Length, int CubeSize, GameTrailer& Result) {
  if (Length < kTrailerFixedBytes || Length > kMaxTrailerBytes) return false;
  for (int i = 0; i < 4; ++i) {
    if (Data[i] != kTag[i]) return false;
  }
  if (GetUint32(Data + 4) != kVersion) return false;
  const uint32_t count = GetUint32(Data + 20);
  if (count > VEKMoveHistory::kMaxMoves || Length != kTrailerFixedBytes + count) return false;
  if (GetUint32(Data + Length - 4) != Checksum(Data, Length - 4)) return false;
  GameTrailer t;
  t.Seconds = GetUint32(Data + 8);
  t.MoveCount = GetUint32(Data + 12);
  t.Cursor = GetUint32(Data + 16);
  if (t.Seconds > kMaxCount || t.MoveCount > kMaxCount) return false;
  if (t.Cursor > count || t.Cursor > t.MoveCount) return false;
  t.Moves.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    if (!UnpackMove(Data[24 + i], CubeSize, t.Moves[i])) return false;
  }
  Result = std::move(t);
  return true;
}

GameTrailer CaptureGameTrailer(const VEKBigCube& Cube, uint32_t Seconds) {
  GameTrailer t;
  t.Seconds = Seconds;
  t.MoveCount = Cube.MoveCount();
  t.Cursor = static_cast<uint32_t>(Cube.History.Cursor());
  t.Moves = Cube.History.Moves();
  return t;
}

bool RestoreGameTrailer(VEKBigCube& Cube, const GameTrailer& Trailer) {
  for (const VEKMove& m : Trailer.Moves) {
    if (!m.ValidFor(Cube.Size)) return false;
  }
  return Cube.History.Restore(Trailer.Moves, Trailer.Cursor, Trailer.MoveCount);
}

bool SaveGameWithTrailer(const VEKBigCube& Cube, const std::string& FileName, uint32_t Seconds) {
  return Cube.SaveToFile(FileName, EncodeGameTrailer(CaptureGameTrailer(Cube, Seconds)));
}

int LoadGameWithTrailer(VEKBigCube& Cube, const std::string& FileName,
                        std::optional<GameTrailer>& Trailer, GameFileError* Error) {
  Trailer.reset();
  std::vector<uint8_t> after;
  const int size = Cube.LoadFromFile(FileName, Error, &after);
  if (size <= 0) return size;
  GameTrailer t;
  if (DecodeGameTrailer(after.data(), after.size(), size, t) && RestoreGameTrailer(Cube, t)) {
    Trailer = std::move(t);
  }
  return size;
}

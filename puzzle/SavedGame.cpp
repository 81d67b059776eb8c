// Saved games: magic 114, the size N, then X, Y, Z of every point of every
// cubie in array order, little-endian int32 and float32, no padding.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "puzzle/GameTrailer.h"
#include "puzzle/LittleEndian.h"
#include "files/SafeFile.h"
#include "puzzle/VekCube.h"

namespace {
constexpr int32_t kMagic = 114;
constexpr std::size_t kHeaderBytes = 8;
constexpr std::size_t kCubieBytes = kPointsPerCubie * 12;
// The most a reader ever needs: the header and the points of the biggest cube.
constexpr std::size_t kMaxGameBytes = kHeaderBytes + kCubieBytes * kMaxCubies;

void PutFloat(std::vector<uint8_t>& out, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  PutUint32(out, bits);
}

float GetFloat(const uint8_t* p) {
  const uint32_t bits = GetUint32(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// No game reaches a coordinate beyond this: the biggest cube stays within
// kMaxCornerDistance of the centre whatever turns it makes. A huge finite
// value would pass the other checks, and the next turn would make it infinite.
constexpr float kMaxCoordinate = 100.0f;
static_assert(kMaxCoordinate > kMaxCornerDistance, "every game's points are within the bound");

// How far a cubie's centre may lie from its grid place: a quarter of the 1.6
// between layers. Turns drift by thousandths in the longest games; points
// beyond this are no cube, and would neither turn as layers nor ever solve.
constexpr double kMaxCentreOffset = 0.4;

// True when every centre stands near a grid place of the N x N x N cube and
// no two near the same one.
bool CentresFormACube(const uint8_t* Points, int n) {
  bool taken[kMaxCubies] = {};
  const int cubies = CubiesOf(n);
  for (int b = 0; b < cubies; ++b) {
    const uint8_t* centre = Points + kCubieBytes * static_cast<std::size_t>(b);
    int place = 0;
    for (int a = 0; a < 3; ++a) {
      // Finite and within kMaxCoordinate, so the layer fits an int.
      const double v = GetFloat(centre + 4 * a);
      const double first = (1 - n) * 0.8;
      const long layer = std::lround((v - first) / 1.6);
      if (layer < 0 || layer >= n || std::fabs(v - (first + 1.6 * layer)) > kMaxCentreOffset) {
        return false;
      }
      place = place * n + static_cast<int>(layer);
    }
    if (taken[place]) return false;
    taken[place] = true;
  }
  return true;
}
}  // namespace

std::vector<uint8_t> VEKBigCube::GameBytes() const {
  std::vector<uint8_t> bytes;
  bytes.reserve(kHeaderBytes + kCubieBytes * static_cast<std::size_t>(CubieCount));
  PutUint32(bytes, static_cast<uint32_t>(kMagic));
  PutUint32(bytes, static_cast<uint32_t>(Size));
  for (int b = 0; b < CubieCount; ++b) {
    for (int p = 0; p < kPointsPerCubie; ++p) {
      const VEKVector& point = Cubies[b].Points[p];
      PutFloat(bytes, point.X);
      PutFloat(bytes, point.Y);
      PutFloat(bytes, point.Z);
    }
  }
  return bytes;
}

bool VEKBigCube::SaveToFile(const std::string& FileName, const std::vector<uint8_t>& Trailer) const {
  std::vector<uint8_t> bytes = GameBytes();
  bytes.insert(bytes.end(), Trailer.begin(), Trailer.end());

  // Never in place: a failed save keeps the game already in the file.
  return safefile::Replace(FileName, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

int VEKBigCube::LoadFromFile(const std::string& FileName, GameFileError* Error,
                             std::vector<uint8_t>* After) {
  GameFileError ignored;
  GameFileError& error = Error ? *Error : ignored;
  std::string bytes;
  switch (safefile::ReadRegular(FileName, kMaxGameBytes + kMaxTrailerBytes, bytes)) {
    case safefile::ReadResult::Ok:
      break;
    case safefile::ReadResult::Missing:
    case safefile::ReadResult::CannotOpen:
      error = GameFileError::CannotOpen;
      return 0;
    case safefile::ReadResult::NotRegular:
      error = GameFileError::NotAGame;
      return 0;
  }
  const int size = LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), After);
  error = size > 0 ? GameFileError::None : GameFileError::NotAGame;
  return size;
}

std::size_t VEKBigCube::SavedGameBytes(int Size) {
  return kHeaderBytes + kCubieBytes * static_cast<std::size_t>(CubiesOf(Size));
}

int VEKBigCube::SavedGameSize(const uint8_t* Data, std::size_t Length) {
  if (Length < kHeaderBytes) return 0;
  if (static_cast<int32_t>(GetUint32(Data)) != kMagic) return 0;
  const int32_t n = static_cast<int32_t>(GetUint32(Data + 4));
  if (!IsSupportedCubeSize(n)) return 0;
  const std::size_t cubies = static_cast<std::size_t>(n) * n * n;
  if (Length < kHeaderBytes + kCubieBytes * cubies) return 0;
  // Also false for NaN.
  for (std::size_t offset = 0; offset < kCubieBytes * cubies; offset += 4) {
    if (!(std::fabs(GetFloat(Data + kHeaderBytes + offset)) <= kMaxCoordinate)) return 0;
  }
  if (!CentresFormACube(Data + kHeaderBytes, n)) return 0;
  return n;
}

int VEKBigCube::LoadFromBytes(const uint8_t* Data, std::size_t Length, std::vector<uint8_t>* After) {
  // The whole file is checked before the cube changes: a rejected file
  // leaves the game on screen as it was.
  const int n = SavedGameSize(Data, Length);
  if (n == 0) return 0;
  Build(n);
  const uint8_t* p = Data + kHeaderBytes;
  for (int b = 0; b < CubieCount; ++b) {
    for (int k = 0; k < kPointsPerCubie; ++k, p += 12) {
      VEKVector& point = Cubies[b].Points[k];
      point.X = GetFloat(p);
      point.Y = GetFloat(p + 4);
      point.Z = GetFloat(p + 8);
      point.W = 1.0f;
    }
  }
  if (After) After->assign(p, Data + Length);
  return Size;
}

// Any bytes must give either a whole game or a refusal that leaves the cube
// as it was: never a crash, a read past the data or a half-changed cube.
// The bytes after the points are a trailer only when every check passes;
// then they are exactly what the encoder writes for what was decoded, and
// its history can be played back and forth on the loaded cube.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "puzzle/GameTrailer.h"
#include "puzzle/VekCube.h"

namespace {
VEKBigCube& Cube() {
  static auto cube = std::make_unique<VEKBigCube>();
  return *cube;
}

void CheckOrDie(bool condition) {
  if (!condition) std::abort();
}

// game: the bytes the trailer's check covers before it.
void CheckTrailer(const uint8_t* data, size_t size, int cubeSize, const std::vector<uint8_t>& game,
                  VEKBigCube* cube) {
  GameTrailer trailer;
  if (!DecodeGameTrailer(data, size, cubeSize, game, trailer)) return;
  const std::vector<uint8_t> again = EncodeGameTrailer(trailer, game);
  // A trailer of the current version is written back byte for byte; one of
  // the last version is written in the current one and reads back the same.
  if (data[4] == 3) CheckOrDie(again.size() == size && std::memcmp(again.data(), data, size) == 0);
  GameTrailer back;
  CheckOrDie(DecodeGameTrailer(again.data(), again.size(), cubeSize, game, back));
  CheckOrDie(back.Moves == trailer.Moves && back.Scramble == trailer.Scramble &&
             back.Seconds == trailer.Seconds && back.Cursor == trailer.Cursor);
  CheckOrDie(trailer.Cursor <= trailer.Moves.size() && trailer.Cursor <= trailer.MoveCount);
  CheckOrDie(trailer.Seconds <= kMaxGameSeconds && trailer.ScrambleTurns <= kMaxScrambleTurns &&
             trailer.MoveCount <= kMaxGameMoves);
  if (!cube) return;
  CheckOrDie(RestoreGameTrailer(*cube, trailer));
  CheckOrDie(cube->MoveCount() == trailer.MoveCount);
  // Forged points may not form layers; then the turns simply do not happen.
  for (int i = 0; i < 8 && cube->Redo(); ++i) {
  }
  for (int i = 0; i < 8 && cube->Undo(); ++i) {
  }
  CheckOrDie(!cube->Busy);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The input as a bare trailer, for every cube size.
  if (size >= 4 && std::memcmp(data, "T3DG", 4) == 0) {
    for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) CheckTrailer(data, size, n, {}, nullptr);
  }

  VEKBigCube& cube = Cube();
  cube.Build(3);
  const float marker = 123.25f;
  cube.Cubies[26].Points[48].X = marker;
  std::vector<uint8_t> after;
  const int result = cube.LoadFromBytes(data, size, &after);
  if (result == 0) {
    CheckOrDie(cube.Size == 3 && cube.CubieCount == 27);
    CheckOrDie(cube.Cubies[26].Points[48].X == marker);
    return 0;
  }
  CheckOrDie(result >= 2 && result <= 5 && result == cube.Size);
  const size_t used = 8 + 588u * static_cast<size_t>(cube.CubieCount);
  CheckOrDie(size >= used);
  CheckOrDie(after.size() == size - used);
  CheckOrDie(after.empty() || std::memcmp(after.data(), data + used, after.size()) == 0);
  // The last point read is the last twelve bytes of the game.
  float z;
  std::memcpy(&z, data + used - 4, 4);
  CheckOrDie(std::memcmp(&z, &cube.Cubies[cube.CubieCount - 1].Points[48].Z, 4) == 0);
  CheckOrDie(!cube.CanUndo() && cube.MoveCount() == 0);
  // The game's bytes as written again are the file's own.
  const std::vector<uint8_t> game = cube.GameBytes();
  CheckOrDie(game.size() == used && std::memcmp(game.data(), data, used) == 0);
  CheckTrailer(after.data(), after.size(), result, game, &cube);
  return 0;
}

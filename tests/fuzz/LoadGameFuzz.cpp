// Any bytes must give either a whole game or a refusal that leaves the cube
// as it was: never a crash, a read past the data or a half-changed cube.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "puzzle/VekCube.h"

namespace {
VEKBigCube& Cube() {
  static auto cube = std::make_unique<VEKBigCube>();
  return *cube;
}

void CheckOrDie(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  VEKBigCube& cube = Cube();
  cube.Build(3);
  const float marker = 123.25f;
  cube.Cubies[26].Points[48].X = marker;
  const int result = cube.LoadFromBytes(data, size);
  if (result == 0) {
    CheckOrDie(cube.Size == 3 && cube.CubieCount == 27);
    CheckOrDie(cube.Cubies[26].Points[48].X == marker);
    return 0;
  }
  CheckOrDie(result >= 2 && result <= 5 && result == cube.Size);
  CheckOrDie(size >= 8 + 588u * static_cast<size_t>(cube.CubieCount));
  // The last point read is the last twelve bytes of the game.
  float z;
  std::memcpy(&z, data + 8 + 588u * cube.CubieCount - 4, 4);
  CheckOrDie(std::memcmp(&z, &cube.Cubies[cube.CubieCount - 1].Points[48].Z, 4) == 0);
  return 0;
}

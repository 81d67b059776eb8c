// Any bytes as typed moves: reading never fails badly, an error names a part
// of the text (escaped where it is no UTF-8), and moves that read are written back to the same moves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "puzzle/CubeSizes.h"
#include "puzzle/Notation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int cube = kMinCubeSize; cube <= kMaxCubeSize; ++cube) {
    const notation::Parsed parsed = notation::Parse(text, cube);
    if (!parsed.Ok()) {
      // The bad move lies in the text; its name is at most 24 bytes, each
      // escaped to at most four.
      if (!parsed.Moves.empty() || parsed.Offset + parsed.Length > size || parsed.Text.size() > 4 * 24)
        std::abort();
      continue;
    }
    if (notation::Parse(notation::ToString(parsed.Moves), cube).Moves != parsed.Moves) std::abort();
  }
  return 0;
}

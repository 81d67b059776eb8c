#include "interaction/TurnKeys.h"

#include <cctype>
#include <cstring>
#include <string>

bool TurnKeys::IsTurnKey(char key) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  return (upper != '\0' && std::strchr("UDLRFBMESXYZ", upper)) || (key >= '1' && key <= '9');
}

std::optional<notation::Move> TurnKeys::Press(char key, bool shift, int size) {
  if (key >= '1' && key <= '9') {
    layer_ = key - '0';
    return std::nullopt;
  }
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  const int layer = layer_;
  layer_ = 0;
  if (!IsTurnKey(upper)) return std::nullopt;
  std::string text;
  if (layer > 1 && std::strchr("UDLRFB", upper)) text += std::to_string(layer);
  // The view turns are written in lower case.
  text += std::strchr("XYZ", upper) ? static_cast<char>(std::tolower(upper)) : upper;
  if (shift) text += '\'';
  const notation::Parsed parsed = notation::Parse(text, size);
  if (!parsed.Ok()) return std::nullopt;
  return parsed.Moves.front();
}

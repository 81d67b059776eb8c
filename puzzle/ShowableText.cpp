#include "puzzle/ShowableText.h"

#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence at the start of s (no
// overlong forms, no surrogates, nothing above U+10FFFF), or 0.
std::size_t SequenceLength(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (s.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

std::string ShowableText(std::string_view bytes) {
  std::string shown;
  shown.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t length = SequenceLength(bytes);
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (length == 0 || first < 0x20 || first == 0x7F) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", first);
      shown += escaped;
      bytes.remove_prefix(1);
    } else {
      shown.append(bytes.substr(0, length));
      bytes.remove_prefix(length);
    }
  }
  return shown;
}

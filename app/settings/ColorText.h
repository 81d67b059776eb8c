#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Colours as the settings file stores them: 0x00BBGGRR (red in the low byte),
// written either as one of the game's identifiers ("clCream") or as a number.

struct ColorName {
  std::string_view name;
  int32_t value;
};

// The twenty plain colours; the only identifiers ever written.
extern const std::array<ColorName, 20> kPlainColors;
// System colours (0xFF000000 + index), accepted when reading only.
extern const std::array<ColorName, 30> kSystemColors;
// clNone and clDefault, accepted when reading only.
extern const std::array<ColorName, 2> kSpecialColors;

// Any identifier of the three lists, case-insensitively.
bool IdentToColor(const std::string& text, int32_t& color);
// Plain colours only; gives the identifier's usual spelling.
bool ColorToIdent(int32_t color, std::string& ident);
// The identifier of a plain colour, else "0x%08x" (e.g. "0x00483535").
std::string ColorToString(int32_t color);
// An identifier, else an integer as ParseIniInteger reads it.
bool StringToColor(const std::string& text, int32_t& color);

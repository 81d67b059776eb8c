// A language: a text for every TextId, in the enum's order, and the rule
// that picks the form of a word after a number. Adding a language is adding
// one such table (see Russian.cpp) and naming it in Languages().
#pragma once

#include <cstdint>
#include <string_view>

#include "texts/TextId.h"

namespace texts {

struct TextEntry {
  TextId Id;
  const char* Text;  // UTF-8; patterns hold {1}...{9} for their figures
};

// The form of a word after a number: "1 ход", "2 хода", "5 ходов".
enum class NumberForm { One, Few, Many };

struct Language {
  const char* Code;  // the settings' value for it, e.g. "ru"
  const TextEntry* Texts;
  NumberForm (*FormAfter)(uint32_t number);
};

// Each table checks itself when it is compiled: one entry per id, in order,
// none empty.
template <std::size_t N>
constexpr bool Complete(const TextEntry (&table)[N]) {
  if (N != kTextCount) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (table[i].Id != static_cast<TextId>(i) || table[i].Text == nullptr || table[i].Text[0] == '\0') return false;
  }
  return true;
}

extern const Language kRussian;

}  // namespace texts

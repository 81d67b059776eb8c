// A language: a text for every TextId, in the enum's order, and the rule
// that picks the form of a word after a number. Russian, the source
// language, is compiled in (Russian.cpp); every other language is a
// translation of its texts that the application reads from a catalogue and
// hands over whole (Translation).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The languages the player can choose, the source first, each named in
// itself. A new one is its catalogue and a line here.
struct LanguageName {
  const char* Code;
  const char* Name;
};
inline constexpr LanguageName kLanguages[] = {{"ru", "Русский"}, {"en", "English"}};

// The code of a known language; any other value (an unknown or empty
// setting) reads as the source's.
std::string KnownLanguage(std::string_view code);

// The texts of a language other than the source, in the TextId order.
struct Translation {
  std::string Code;
  std::vector<std::string> Texts;
  // The word after a number: given the id of the word's form for one (such
  // as MovesWordOne) and the number, the form that goes with it.
  std::function<std::string(TextId one, uint32_t number)> WordAfter;
};

// From now on the game speaks the translation; one with too few texts or no
// word forms is refused (false) and the language stays as it was.
bool UseTranslation(Translation translation);
// Back to the source language.
void UseSourceLanguage();
// The code of the language in use.
const char* CurrentLanguage();

// The word after a number in the language in use ("1 ход", "2 moves").
std::string WordAfter(TextId one, uint32_t number);

}  // namespace texts

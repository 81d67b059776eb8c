// The game's texts are UTF-8 (Russian included); the toolkit's are wxString.
#pragma once

#include <wx/string.h>

#include <string>

#include "texts/Texts.h"

inline wxString Text(const char* utf8) { return wxString::FromUTF8(utf8); }
inline wxString Text(const std::string& utf8) { return wxString::FromUTF8(utf8.c_str()); }
// A text of the catalogue, in the player's language.
inline wxString Text(TextId id) { return Text(texts::Say(id)); }

#include "puzzle/Notation.h"

#include "puzzle/ShowableText.h"

#include <cctype>
#include <algorithm>
#include <cstring>

namespace notation {

bool operator==(const Move& a, const Move& b) {
  return a.Face == b.Face && a.First == b.First && a.Last == b.Last && a.Turns == b.Turns;
}

namespace {

bool IsFace(char c) { return c != '\0' && std::strchr("UDLRFB", c) != nullptr; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One move as typed; Fault::NoSuchLayer when it is notation but not of this cube.
Fault ReadMove(std::string_view token, int size, Move& move) {
  std::size_t at = 0;
  int count = 0;
  bool counted = false;
  while (at < token.size() && std::isdigit(static_cast<unsigned char>(token[at]))) {
    if (!counted && token[at] == '0') return Fault::Unreadable;  // 0R, 03R
    counted = true;
    if (count > 100) return Fault::NoSuchLayer;  // no cube has that many layers
    count = count * 10 + (token[at] - '0');
    ++at;
  }
  if (at == token.size()) return Fault::Unreadable;
  const char letter = token[at++];
  bool wide = false;
  if (IsFace(letter)) {
    move.Face = letter;
    if (at < token.size() && token[at] == 'w') {
      wide = true;
      ++at;
    }
  } else if (IsFace(static_cast<char>(std::toupper(static_cast<unsigned char>(letter))))) {
    move.Face = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));  // r = Rw
    wide = true;
  } else if (std::strchr("MESxyz", letter) && letter != '\0') {
    if (counted) return Fault::Unreadable;
    move.Face = letter;
  } else {
    return Fault::Unreadable;
  }
  move.Turns = 1;
  const std::string_view suffix = token.substr(at);
  if (suffix == "'") {
    move.Turns = -1;
  } else if (suffix == "2" || suffix == "2'") {
    move.Turns = 2;
  } else if (!suffix.empty()) {
    return Fault::Unreadable;
  }

  if (std::strchr("MES", move.Face)) {
    move.First = move.Last = 0;
    return size % 2 == 1 ? Fault::None : Fault::NoSuchLayer;
  }
  if (std::strchr("xyz", move.Face)) {
    move.First = move.Last = 0;
    return Fault::None;
  }
  if (wide) {
    move.First = 1;
    move.Last = counted ? count : 2;
    // A wide turn of every layer would be a whole-cube rotation: x y z say that.
    return move.Last >= 2 && move.Last < size ? Fault::None : Fault::NoSuchLayer;
  }
  if (counted) {
    move.First = move.Last = count;
    return count >= 2 && count < size ? Fault::None : Fault::NoSuchLayer;
  }
  move.First = move.Last = 1;
  return Fault::None;
}

}  // namespace

Parsed Parse(std::string_view text, int size) {
  Parsed result;
  std::size_t at = 0;
  while (true) {
    while (at < text.size() && IsSpace(text[at])) ++at;
    if (at == text.size()) break;
    std::size_t end = at;
    while (end < text.size() && !IsSpace(text[end])) ++end;
    const std::string_view token = text.substr(at, end - at);
    Move move;
    const Fault fault = ReadMove(token, size, move);
    if (fault != Fault::None) {
      result.Error = fault;
      result.MoveNumber = result.Moves.size() + 1;
      result.Offset = at;
      // The first 24 bytes, cut where a character begins.
      std::size_t cut = std::min<std::size_t>(token.size(), 24);
      while (cut < token.size() && cut > 0 && (static_cast<unsigned char>(token[cut]) & 0xC0) == 0x80)
        --cut;
      result.Text = ShowableText(token.substr(0, cut));
      result.Length = token.size();
      result.Moves.clear();
      return result;
    }
    result.Moves.push_back(move);
    at = end;
  }
  if (result.Moves.empty()) result.Error = Fault::Empty;
  return result;
}

std::string ToString(const Move& m) {
  std::string out;
  if (std::strchr("UDLRFB", m.Face) && m.Face != '\0') {
    if (m.First == m.Last) {
      if (m.First > 1) out += std::to_string(m.First);
      out += m.Face;
    } else {
      if (m.Last > 2) out += std::to_string(m.Last);
      out += m.Face;
      out += 'w';
    }
  } else {
    out += m.Face;
  }
  if (m.Turns == -1) out += '\'';
  if (m.Turns == 2) out += '2';
  return out;
}

std::string ToString(const std::vector<Move>& moves) {
  std::string out;
  for (const Move& m : moves) {
    if (!out.empty()) out += ' ';
    out += ToString(m);
  }
  return out;
}

}  // namespace notation

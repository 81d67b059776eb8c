// The cube's standard notation, read and written: face turns U D L R F B,
// wide turns Rw (also r) and nRw, single inner layers nR, the middle layers
// M E S of odd cubes and whole-cube rotations x y z, each with ' (counter-
// clockwise) or 2 (half turn). Moves are separated by spaces or line breaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace notation {

struct Move {
  char Face = 'R';  // one of "UDLRFB" (a face's layers), "MES" (a middle layer), "xyz" (the cube)
  // Layers counted from the face, 1 being its own: R is 1..1, Rw 1..2, 3Rw
  // 1..3, 3R 3..3. Unused (0) for M E S and x y z.
  int First = 1;
  int Last = 1;
  int Turns = 1;  // quarter turns clockwise as seen from the face: 1, 2, or -1 (')
};

bool operator==(const Move& a, const Move& b);
inline bool operator!=(const Move& a, const Move& b) { return !(a == b); }

enum class Fault {
  None,
  Empty,        // no move at all
  Unreadable,   // no move of the notation
  NoSuchLayer,  // a move of the notation that this cube does not have
};

struct Parsed {
  std::vector<Move> Moves;
  Fault Error = Fault::None;
  std::size_t MoveNumber = 0;  // 1-based, of the first bad move
  std::size_t Offset = 0;      // its first byte in the text
  std::size_t Length = 0;      // its bytes
  // It as typed (the first 24 bytes), bytes that are no UTF-8 text escaped.
  std::string Text;
  bool Ok() const { return Error == Fault::None; }
};

// Reads moves for a cube of CubeSize; at the first bad one, Moves is empty
// and the error says which.
Parsed Parse(std::string_view Text, int CubeSize);

std::string ToString(const Move& M);
std::string ToString(const std::vector<Move>& Moves);

}  // namespace notation

// Letter keys that turn layers: U D L R F B turn that face clockwise, with
// Shift counter-clockwise; a digit typed first turns that inner layer (2
// then R is 2R); M E S turn the middle layers and X Y Z the view.
#pragma once

#include <optional>

#include "puzzle/Notation.h"

class TurnKeys {
 public:
  // Key: the key's character, a letter in either case or a digit. The move
  // when the key completes one for a cube of CubeSize; nothing for a digit
  // (kept for the next letter) or a key that makes no move (which forgets
  // the digit).
  std::optional<notation::Move> Press(char Key, bool Shift, int CubeSize);
  // Whether the key is one of those above.
  static bool IsTurnKey(char Key);

 private:
  int layer_ = 0;
};

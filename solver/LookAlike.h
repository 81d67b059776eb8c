// Cubies that look alike: a centre shows one digit, and several centres show
// the same digit the same way up. A cube made by hand may have such cubies
// traded where no turns would trade them; it looks the same as a cube that
// turns can solve, so it is solved as that cube.
#pragma once

#include <vector>

#include "solver/CubieState.h"

namespace solver {

// The rotation that carries cubie A from its home onto cubie B's home so
// that it shows there just what B shows at home, or -1 when none does.
int LookAlikeTurn(int Size, int A, int B);

// Positions that look just like Position but have look-alike centres
// relabelled: every frame of the middle centres (odd sizes), each with one
// pair traded in every choice of the other kinds of centre. Between them
// they take every value that decides whether turns can solve a cube.
std::vector<CubieState> LookingTheSame(const CubieState& Position);

}  // namespace solver

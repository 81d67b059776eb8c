// The 4x4x4 and 5x5x5 by reduction: centres, then edges paired, then the
// cube as a 3x3x3.
#pragma once

#include <atomic>

#include "solver/CubieState.h"
#include "solver/Staged.h"

namespace solver::reduction {

// Unreachable when the reduction cannot take the position (the caller then
// falls back on solving piece by piece).
StagedSolution Solve(const CubieState& Position, const std::atomic<bool>& Cancel);
bool Prepare(int Size, const std::atomic<bool>& Cancel);

}  // namespace solver::reduction

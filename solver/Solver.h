// Solutions for every size: quarter turns of single layers that take a
// position back to the home cube, turned as a whole by one of the 24
// rotations (which still reads solved).
#pragma once

#include <atomic>
#include <vector>

#include "puzzle/MoveHistory.h"
#include "solver/CubieState.h"

namespace solver {

struct Solution {
  enum class Outcome {
    Found,
    // No turns make it read solved: a hand-made position (a corner
    // twisted alone, two edges swapped...).
    Unreachable,
    // Cancel was set before a solution was found.
    Cancelled,
    // A cubie stands off the grid or two share a place: no position at all.
    OffGrid,
  };
  Outcome Result = Outcome::Unreachable;
  std::vector<VEKMove> Moves;  // when Found: Width 1, Sign +1 or -1
};

// Cancel is read now and then; it may be set from another thread.
Solution SolveTwo(const CubieState& Position, const std::atomic<bool>& Cancel);
Solution SolveThree(const CubieState& Position, const std::atomic<bool>& Cancel);
Solution SolveBig(const CubieState& Position, const std::atomic<bool>& Cancel);

// The solution for a position of any size. Where no turns bring its cubies
// home, it is solved as a position that looks the same (look-alike centres
// relabelled) if turns can solve that one.
Solution Solve(const CubieState& Position, const std::atomic<bool>& Cancel);
// What a real cube needs, read on the thread that turns it: nothing when it
// reads solved already (look-alike cubies may stand in each other's
// places), the position to solve otherwise.
struct Reading {
  Solution::Outcome Result = Solution::Outcome::Found;  // Found or OffGrid
  bool ReadsSolved = false;
  CubieState Position;
};
Reading Read(const VEKBigCube& Cube);
// Read and Solve in one, for callers that may wait.
Solution Solve(const VEKBigCube& Cube, const std::atomic<bool>& Cancel);

// Whether the cubies on the surface stand at home, all turned by one
// whole-cube rotation (the cubies inside are never seen and may stand
// anywhere).
bool AtHome(const CubieState& Position);

}  // namespace solver

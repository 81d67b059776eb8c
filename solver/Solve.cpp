#include "puzzle/VekCube.h"
#include "solver/LookAlike.h"
#include "solver/Solver.h"

namespace solver {

namespace {
Solution SolveBySize(const CubieState& Position, const std::atomic<bool>& Cancel) {
  switch (Position.Size) {
    case 2: return SolveTwo(Position, Cancel);
    case 3: return SolveThree(Position, Cancel);
    case 4:
    case 5: return SolveBig(Position, Cancel);
    default: return {Solution::Outcome::OffGrid, {}};
  }
}
}  // namespace

Solution Solve(const CubieState& Position, const std::atomic<bool>& Cancel) {
  Solution solution = SolveBySize(Position, Cancel);
  if (solution.Result != Solution::Outcome::Unreachable) return solution;
  // Made by hand, perhaps with look-alike centres traded: the same sight
  // may be a cube that turns can solve.
  for (const CubieState& same : LookingTheSame(Position)) {
    Solution other = SolveBySize(same, Cancel);
    if (other.Result != Solution::Outcome::Unreachable) return other;
  }
  return solution;
}

Reading Read(const VEKBigCube& Cube) {
  Reading reading;
  std::optional<CubieState> position = ReadCubies(Cube);
  if (!position) {
    reading.Result = Solution::Outcome::OffGrid;
    return reading;
  }
  // What the player sees decides, not which cubie stands where.
  reading.ReadsSolved = Cube.IsSolved();
  reading.Position = std::move(*position);
  return reading;
}

Solution Solve(const VEKBigCube& Cube, const std::atomic<bool>& Cancel) {
  const Reading reading = Read(Cube);
  if (reading.Result != Solution::Outcome::Found) return {reading.Result, {}};
  if (reading.ReadsSolved) return {Solution::Outcome::Found, {}};
  return Solve(reading.Position, Cancel);
}

}  // namespace solver

#include <iterator>

#include "puzzle/CubeSizes.h"
#include "puzzle/VekCube.h"
#include "solver/LookAlike.h"
#include "solver/Solver.h"

namespace solver {

namespace {
using SizeSolver = Solution (*)(const CubieState&, const std::atomic<bool>&);

// The code that solves each cube size.
struct SolverOfSize {
  int Size;
  SizeSolver Solve;
};
constexpr SolverOfSize kSolvers[] = {
    {2, SolveTwo},
    {3, SolveThree},
    {4, SolveBig},
    {5, SolveBig},
};

SizeSolver SolverFor(int n) {
  for (const SolverOfSize& s : kSolvers) {
    if (s.Size == n) return s.Solve;
  }
  return nullptr;
}

// Judged on the sizes alone: a function's address is no constant under the sanitizers.
constexpr bool SolversMatchSizes() {
  int listed = 0;
  for (const SolverOfSize& s : kSolvers) {
    if (!IsSupportedCubeSize(s.Size)) return false;
    for (const SolverOfSize& other : kSolvers) listed += other.Size == s.Size ? 1 : 0;
  }
  return listed == kMaxCubeSize - kMinCubeSize + 1 && listed == static_cast<int>(std::size(kSolvers));
}
static_assert(SolversMatchSizes(), "every supported cube size has a solver, and no other");

Solution SolveBySize(const CubieState& Position, const std::atomic<bool>& Cancel) {
  const SizeSolver solve = SolverFor(Position.Size);
  return solve ? solve(Position, Cancel) : Solution{Solution::Outcome::OffGrid, {}};
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

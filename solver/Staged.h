// Solutions in stages a player can follow: on the 4x4x4 and 5x5x5 the
// centres of every face (each digit upright), then the edges paired, then the
// cube as a 3x3x3. Every size is solved in one stage until the big cubes'
// staged solver is whole; callers already show and play the stages.
#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

#include "puzzle/MoveHistory.h"
#include "solver/Solver.h"

struct VEKBigCube;

namespace solver {

enum class Stage {
  Whole,    // one stage: the whole cube at once
  Centres,  // the centres of each face, every digit upright
  Edges,    // the edge pieces paired
  AsThree,  // the cube solved as a 3x3x3
};

struct StagePart {
  Stage Of = Stage::Whole;
  // Turns of the turn code, wide ones included; a half turn is two moves.
  std::vector<VEKMove> Moves;
};

struct StagedSolution {
  Solution::Outcome Result = Solution::Outcome::Unreachable;
  // When Found: the stages in order, none of them empty.
  std::vector<StagePart> Parts;

  std::vector<VEKMove> Moves() const;
  std::size_t Length() const;
  // The stage the K-th move (from 0) belongs to; the last stage past the end.
  Stage StageOf(std::size_t K) const;
  // The same solution without its first K moves.
  StagedSolution After(std::size_t K) const;
};

// Any size. Where no turns bring the cubies home, the position is solved as
// one that looks the same (see Solve).
StagedSolution SolveStaged(const CubieState& Position, const std::atomic<bool>& Cancel);
StagedSolution SolveStaged(const VEKBigCube& Cube, const std::atomic<bool>& Cancel);

// Builds every table the size's solver needs, so that the first search
// waits for none; false when Cancel was set first.
bool PrepareTables(int Size, const std::atomic<bool>& Cancel);

// How far a position stands in a stage: the pieces the stage puts in place
// that stand there now (whatever the whole cube's turn), out of how many.
struct StageCount {
  int Done = 0;
  int Of = 0;
};
StageCount Progress(const CubieState& Position, Stage Of);

}  // namespace solver

// The 4x4x4 and 5x5x5 solver: every position turns reach is solved within
// the length allowed, and hand-made positions no turns reach are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "solver/CubieState.h"
#include "solver/Solver.h"
#include "tests/unit/SolverPositions.h"

using solver::CubieState;
using solver::Int3;
using solver::Solution;
using solverpositions::Scrambled;

namespace {

int MostMoves(int n) { return n == 4 ? 600 : 1000; }

// A rotation other than the identity that carries From to To.
int Carrying(const Int3& from, const Int3& to) {
  for (int r = 1; r < solver::kRotations; ++r) {
    Int3 at;
    if (solver::Rotate(r, from, at) == to) return r;
  }
  return -1;
}

// The cubies at the two places change places, each turned to fit.
void Swap(CubieState& s, const Int3& a, const Int3& b) {
  const int p = s.PlaceAt(a), q = s.PlaceAt(b);
  std::swap(s.Piece[p], s.Piece[q]);
  s.Rotation[p] = Carrying(s.Coordinates(s.Piece[p]), a);
  s.Rotation[q] = Carrying(s.Coordinates(s.Piece[q]), b);
}

// The cubie at home at the place, turned in place by the rotation.
void TurnInPlace(CubieState& s, const Int3& at, int rotation) {
  s.Rotation[s.PlaceAt(at)] = rotation;
}

::testing::AssertionResult SolvesWithin(const CubieState& start) {
  return solverpositions::GoesHomeWithin(start, MostMoves(start.Size));
}

}  // namespace

TEST(BigSolverTest, SolvesScramblesWithinTheBound) {
  const struct {
    int Size, Turns;
    unsigned Seed;
  } cases[] = {
      {4, 0, 1},   {4, 5, 2},   {4, 12, 3},  {4, 40, 4},  {4, 100, 5}, {4, 150, 9},
      {4, 200, 6}, {4, 200, 7}, {5, 0, 1},   {5, 5, 2},   {5, 12, 3},  {5, 40, 4},
      {5, 100, 5}, {5, 150, 9}, {5, 200, 6}, {5, 200, 7},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(SolvesWithin(Scrambled(c.Size, c.Turns, c.Seed)))
        << "size " << c.Size << ", " << c.Turns << " turns, seed " << c.Seed;
  }
}

TEST(BigSolverTest, TheWholeCubeTurnedNeedsNoMoves) {
  for (int n = 4; n <= 5; ++n) {
    CubieState state = CubieState::Solved(n);
    for (int layer = 0; layer < n; ++layer) state.Turn({2, static_cast<uint8_t>(layer), 1, 1});
    for (int layer = 0; layer < n; ++layer) state.Turn({0, static_cast<uint8_t>(layer), -1, 1});
    const std::atomic<bool> cancel{false};
    const Solution solution = solver::SolveBig(state, cancel);
    EXPECT_EQ(solution.Result, Solution::Outcome::Found) << n;
    EXPECT_TRUE(solution.Moves.empty()) << n;
  }
}

TEST(BigSolverTest, HandMadePositions) {
  const int same = -1;  // the rotation that turns a corner or midge in place
  const int q = solver::QuarterTurn(1, 1), halfZ = solver::Compose(solver::QuarterTurn(2, -1),
                                                                   solver::QuarterTurn(2, -1));
  // Two places: their cubies swapped; one place (Other unset): its cubie
  // turned there by Rotation.
  const struct {
    const char* Name;
    int Size;
    Int3 At, Other;
    int Rotation;
    bool Solved;
  } cases[] = {
      {"corner twisted alone", 4, {3, 3, 3}, {}, same, false},
      {"corner twisted alone", 5, {-4, 4, 4}, {}, same, false},
      {"midge flipped alone", 5, {4, 4, 0}, {}, same, false},
      {"middle centre quarter-twisted", 5, {0, 4, 0}, {}, q, false},
      {"middle centre half-twisted", 5, {0, 0, -4}, {}, halfZ, true},
      {"X-centre turned at its place", 5, {4, 2, 2}, {}, solver::QuarterTurn(0, 1), false},
      {"centre turned at its place", 4, {1, 3, 1}, {}, q, false},
      {"two corners swapped", 4, {3, 3, 3}, {-3, 3, 3}, 0, false},
      {"two corners swapped", 5, {4, 4, 4}, {4, -4, 4}, 0, false},
      {"two centres swapped", 4, {3, 1, 1}, {3, -1, 1}, 0, false},
      {"two X-centres swapped", 5, {2, 4, 2}, {2, 4, -2}, 0, false},
      {"two wings swapped", 4, {3, 3, 1}, {3, 3, -1}, 0, true},
      {"two wings swapped", 5, {4, 4, 2}, {4, 4, -2}, 0, false},
      {"two middle centres swapped", 5, {4, 0, 0}, {0, 4, 0}, 0, false},
  };
  const std::atomic<bool> cancel{false};
  for (const auto& c : cases) {
    // On a scrambled cube as well as on the home cube.
    for (int turns : {0, 30}) {
      CubieState state = CubieState::Solved(c.Size);
      if (c.Other == Int3{}) {
        TurnInPlace(state, c.At, c.Rotation == same ? Carrying(c.At, c.At) : c.Rotation);
      } else {
        Swap(state, c.At, c.Other);
      }
      state = Scrambled(state, turns, turns);
      if (c.Solved) {
        EXPECT_TRUE(SolvesWithin(state)) << c.Name << ", size " << c.Size << ", " << turns;
      } else {
        EXPECT_EQ(solver::SolveBig(state, cancel).Result, Solution::Outcome::Unreachable)
            << c.Name << ", size " << c.Size << ", " << turns;
      }
    }
  }
  // Arrays that are no cube at all.
  const std::pair<const char*, void (*)(CubieState&)> malformed[] = {
      {"cubie in the wrong kind of place", [](CubieState& s) { std::swap(s.Piece[0], s.Piece[1]); }},
      {"rotation out of range", [](CubieState& s) { s.Rotation[3] = 24; }},
      {"a cubie missing", [](CubieState& s) { s.Piece.pop_back(); }},
  };
  for (const auto& [name, make] : malformed) {
    CubieState state = CubieState::Solved(5);
    make(state);
    EXPECT_EQ(solver::SolveBig(state, cancel).Result, Solution::Outcome::Unreachable) << name;
  }
  EXPECT_EQ(solver::SolveBig(CubieState::Solved(3), cancel).Result,
            Solution::Outcome::Unreachable);
}

TEST(BigSolverTest, ASetCancelStopsIt) {
  for (int n = 4; n <= 5; ++n) {
    const std::atomic<bool> cancel{true};
    const Solution solution = solver::SolveBig(Scrambled(n, 60, 3), cancel);
    EXPECT_EQ(solution.Result, Solution::Outcome::Cancelled) << n;
    EXPECT_TRUE(solution.Moves.empty()) << n;
  }
}

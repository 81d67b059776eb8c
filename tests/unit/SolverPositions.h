// Positions for the solvers' tests and long runs: seeded scrambles, and
// positions of the 3x3x3 that look almost solved yet are hard for a
// two-phase search.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <random>

#include "solver/Solver.h"

namespace solverpositions {

using solver::CubieState;

// Turns random quarter turns of single layers, Seed deciding which, onto Start.
inline CubieState Scrambled(CubieState start, int turns, unsigned seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < turns; ++i) {
    start.Turn({static_cast<uint8_t>(random() % 3), static_cast<uint8_t>(random() % start.Size),
                static_cast<int8_t>(random() % 2 ? 1 : -1), 1});
  }
  return start;
}
inline CubieState Scrambled(int n, int turns, unsigned seed) {
  return Scrambled(CubieState::Solved(n), turns, seed);
}

// The solution is found, of single-layer quarter turns, no longer than Most,
// and brings the cube home.
inline ::testing::AssertionResult GoesHomeWithin(CubieState state, std::size_t most) {
  const std::atomic<bool> never{false};
  const solver::Solution solution = solver::Solve(state, never);
  if (solution.Result != solver::Solution::Outcome::Found) {
    return ::testing::AssertionFailure() << "no solution";
  }
  if (solution.Moves.size() > most) {
    return ::testing::AssertionFailure() << solution.Moves.size() << " quarter turns";
  }
  for (const VEKMove& move : solution.Moves) {
    if (move.Width != 1 || !state.Turn(move)) return ::testing::AssertionFailure() << "bad move";
  }
  if (!solver::AtHome(state)) return ::testing::AssertionFailure() << "not home";
  return ::testing::AssertionSuccess();
}

// Each centre turned about its face axis by the quarters of its base-4 digit
// of Code, the centre of face f (2 * axis, + 1 at the positive end) in digit
// f. On a cube that reads solved otherwise, reachable when the digits add up
// to an even number.
inline CubieState TwistCentres(CubieState s, int code) {
  for (int f = 0; f < 6; ++f, code /= 4) {
    solver::Int3 at{0, 0, 0};
    at[f / 2] = f % 2 ? 2 : -2;
    const int place = s.PlaceAt(at);
    for (int k = code % 4; k > 0; --k)
      s.Rotation[place] = solver::Compose(solver::QuarterTurn(f / 2, 1), s.Rotation[place]);
  }
  return s;
}

// Every edge flipped in its own place: the half turn about the edge.
inline CubieState Superflip(CubieState s) {
  for (int p = 0; p < 27; ++p) {
    const solver::Int3 at = s.Coordinates(p);
    if ((at[0] == 0) + (at[1] == 0) + (at[2] == 0) != 1) continue;
    for (int r = 1; r < solver::kRotations; ++r) {
      solver::Int3 to;
      if (solver::Rotate(r, at, to) == at) s.Rotation[p] = r;
    }
  }
  return s;
}

// (R U R') D (R U' R') D': three corners cycled, all else at home.
inline CubieState CornersCycled() {
  CubieState s = CubieState::Solved(3);
  const VEKMove r{0, 2, 1, 1}, rBack{0, 2, -1, 1}, u{1, 2, 1, 1}, uBack{1, 2, -1, 1};
  for (const VEKMove& m : {r, u, rBack, VEKMove{1, 0, 1, 1}, r, uBack, rBack, VEKMove{1, 0, -1, 1}})
    s.Turn(m);
  return s;
}

// M U2 M' U2: three edges cycled and two centres half turned.
inline CubieState EdgesCycled() {
  CubieState s = CubieState::Solved(3);
  const VEKMove m{0, 1, 1, 1}, mBack{0, 1, -1, 1}, u{1, 2, 1, 1};
  for (const VEKMove& t : {m, u, u, mBack, u, u}) s.Turn(t);
  return s;
}

}  // namespace solverpositions

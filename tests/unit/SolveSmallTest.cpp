// The 2x2x2 and 3x3x3 solvers: their solutions reach home, within the
// bounds, the 2x2x2's as short as a plain breadth-first search finds, and
// positions no turns reach are told apart.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

#include "solver/Solver.h"
#include "tests/unit/SolverPositions.h"

using solver::CubieState;
using solver::Solution;

namespace {

using namespace solverpositions;

const std::atomic<bool> kGoOn{false};

Solution SolveSmall(const CubieState& s, const std::atomic<bool>& cancel = kGoOn) {
  return s.Size == 2 ? solver::SolveTwo(s, cancel) : solver::SolveThree(s, cancel);
}

// Every quarter turn of every layer, whole-cube turns aside.
std::vector<VEKMove> AllTurns(int n) {
  std::vector<VEKMove> turns;
  for (uint8_t axis = 0; axis < 3; ++axis) {
    for (uint8_t layer = 0; layer < n; ++layer) {
      turns.push_back({axis, layer, 1, 1});
      turns.push_back({axis, layer, -1, 1});
    }
  }
  return turns;
}

// A rotation, other than none, that leaves the cubie at Place where it is.
int TurnInPlace(const CubieState& s, int place, int quarterAxis = -1) {
  if (quarterAxis >= 0) return solver::QuarterTurn(quarterAxis, 1);
  for (int r = 1; r < solver::kRotations; ++r) {
    solver::Int3 to;
    if (solver::Rotate(r, s.Coordinates(place), to) == s.Coordinates(place)) return r;
  }
  return 0;
}

TEST(SolveSmallTest, ScramblesGoHomeWithinTheBound) {
  struct Case {
    int size, turns, bound;
  } cases[] = {{2, 5, 14}, {2, 12, 14}, {2, 40, 14}, {2, 200, 14},
               {3, 5, 60}, {3, 20, 60}, {3, 60, 60}, {3, 200, 60}};
  for (const Case& c : cases) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
      EXPECT_TRUE(GoesHomeWithin(Scrambled(c.size, c.turns, seed), c.bound))
          << "size " << c.size << ", " << c.turns << " turns, seed " << seed;
    }
  }
}

TEST(SolveSmallTest, TwoByTwoIsAsShortAsBreadthFirst) {
  // Distances from the 24 whole-cube turns of home, by every layer's turns.
  std::map<std::vector<int>, int> distance;
  std::vector<CubieState> frontier;
  const auto key = [](const CubieState& s) {
    std::vector<int> k = s.Piece;
    k.insert(k.end(), s.Rotation.begin(), s.Rotation.end());
    return k;
  };
  frontier.push_back(CubieState::Solved(2));
  distance[key(frontier[0])] = 0;
  for (size_t i = 0; i < frontier.size(); ++i) {  // the whole-cube turns
    for (uint8_t axis = 0; axis < 3; ++axis) {
      CubieState s = frontier[i];
      s.Turn({axis, 0, 1, 2});
      if (distance.emplace(key(s), 0).second) frontier.push_back(s);
    }
  }
  ASSERT_EQ(frontier.size(), 24u);
  constexpr int kDepth = 5;
  for (int depth = 1; depth <= kDepth; ++depth) {
    std::vector<CubieState> next;
    for (const CubieState& from : frontier) {
      for (const VEKMove& m : AllTurns(2)) {
        CubieState s = from;
        s.Turn(m);
        if (distance.emplace(key(s), depth).second) next.push_back(s);
      }
    }
    frontier.swap(next);
  }
  for (unsigned seed = 1; seed <= 300; ++seed) {
    const CubieState s = Scrambled(2, 1 + seed % kDepth, seed);
    EXPECT_EQ(static_cast<int>(SolveSmall(s).Moves.size()), distance.at(key(s))) << seed;
  }
}

TEST(SolveSmallTest, PositionsNoTurnsReachAreUnreachable) {
  struct Case {
    const char* what;
    int size;
    int place, other;  // other >= 0: swap the two cubies
    int quarterAxis;   // >= 0: turn the cubie a quarter about that axis
  } cases[] = {
      {"2x2x2 corner twisted", 2, 5, -1, -1},   {"3x3x3 corner twisted", 3, 0, -1, -1},
      {"edge flipped", 3, 1, -1, -1},           {"two edges swapped", 3, 1, 3, -1},
      {"centre a quarter turned", 3, 4, -1, 0},
  };
  for (const Case& c : cases) {
    CubieState s = Scrambled(c.size, 30, 7);
    if (c.other >= 0) {
      std::swap(s.Piece[c.place], s.Piece[c.other]);
      // Either way round the swapped edges stand, no turns reach it.
      for (int flips = 0; flips < 4; ++flips) {
        for (int i : {c.place, c.other}) {
          for (int r = 0; r < solver::kRotations; ++r) {
            solver::Int3 to;
            if (solver::Rotate(r, s.Coordinates(s.Piece[i]), to) == s.Coordinates(i)) {
              s.Rotation[i] = r;
              if ((i == c.place ? flips & 1 : flips & 2) == 0) break;
            }
          }
        }
        EXPECT_EQ(SolveSmall(s).Result, Solution::Outcome::Unreachable) << c.what << flips;
      }
      continue;
    }
    // The place's coordinates stay where a cubie stood at home: place it home first.
    s = CubieState::Solved(c.size);
    s.Rotation[c.place] = TurnInPlace(s, c.place, c.quarterAxis);
    EXPECT_EQ(SolveSmall(s).Result, Solution::Outcome::Unreachable) << c.what;
  }
}

// Positions a two-phase search finds hard although little is out of place:
// the centres a solved cube's search sees last, twisted every hard way (the
// long runs add the superflip and cycled cubies to every pattern).
TEST(SolveSmallTest, CentresTwistedOnAnAlmostSolvedCubeGoHome) {
  const CubieState home = CubieState::Solved(3);
  // Twists by face: -x, +x, -y, +y, -z, +z (a base-4 digit each).
  const auto code = [](std::initializer_list<int> twists) {
    int c = 0, weight = 1;
    for (int t : twists) c += t * weight, weight *= 4;
    return c;
  };
  struct Case {
    const char* what;
    CubieState start;
    int centres;
  } cases[] = {
      {"the +y centre half turned", home, code({0, 0, 0, 2})},
      {"the +x centre half turned", home, code({0, 2})},
      {"the y centres a quarter each way", home, code({0, 0, 3, 1})},
      {"the y centres a quarter one way", home, code({0, 0, 1, 1})},
      {"two adjacent centres a quarter", home, code({0, 1, 0, 1})},
      {"the z centres a quarter, the y centres", home, code({0, 0, 3, 1, 3, 3})},
      {"all six a quarter", home, code({1, 1, 1, 1, 1, 1})},
      {"all six a half", home, code({2, 2, 2, 2, 2, 2})},
      {"superflip", Superflip(home), 0},
      {"corners cycled, two centres a quarter", CornersCycled(), code({1, 0, 0, 0, 0, 1})},
  };
  for (const Case& c : cases) {
    const CubieState s = TwistCentres(c.start, c.centres);
    EXPECT_FALSE(solver::AtHome(s)) << c.what;
    EXPECT_TRUE(GoesHomeWithin(s, 60)) << c.what;
  }
}

TEST(SolveSmallTest, CancelledBeforeTheStart) {
  const std::atomic<bool> cancel{true};
  for (int n : {2, 3})
    EXPECT_EQ(SolveSmall(Scrambled(n, 30, 3), cancel).Result, Solution::Outcome::Cancelled);
}

}  // namespace

// The 3x3x3's two-phase tables. Phase 1 brings a position into the
// positions reachable with U, D, R2, L2, F2, B2 (the y axis faces turned any
// way, the others by half turns only), centre twists included; phase 2
// solves it there. Each phase's position is a few whole-number coordinates;
// the tables say where a move takes each coordinate and how many quarter
// turns a pair of coordinates needs at least.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "solver/CubieModel.h"

namespace solver::tables {
class Abandon;
}

namespace solver::three {

// Moves: face * 3 + kind (0: quarter, Sign +1; 1: quarter, Sign -1; 2: half).
inline constexpr int kMoves = 18;
inline int Cost(int move) { return move % 3 == 2 ? 2 : 1; }
// Phase 2: the y axis faces (2 and 3) every way, the others half turns.
inline constexpr int kPhase2Moves = 10;
inline constexpr int kPhase2Move[kPhase2Moves] = {6, 7, 8, 9, 10, 11, 2, 5, 14, 17};

inline constexpr int kTwists = 2187;      // 3^7 corner twists
inline constexpr int kFlips = 2048;       // 2^11 edge flips
inline constexpr int kSlices = 495;       // where the four slice edges stand, 12 choose 4
inline constexpr int kSideParities = 16;  // which side centres are turned an odd number of quarters
inline constexpr int kCornerPermutations = 40320;
inline constexpr int kEdgePermutations = 40320;  // the eight edges off the slice
inline constexpr int kSlicePermutations = 24;
inline constexpr int kCentres = 256;  // y faces' twists 4 * 4, the side faces' half twists 2^4

// Coordinates of a position (phase 2 ones only meaningful inside phase 2's group).
int Twist(const model::Pieces& p);
int Flip(const model::Pieces& p);
int Slice(const model::Pieces& p);
int SideParity(const model::Pieces& p);
int CornerPermutation(const model::Pieces& p);
int EdgePermutation(const model::Pieces& p);
int SlicePermutation(const model::Pieces& p);
int Centres(const model::Pieces& p);
// Whether phase 2 can finish from here: its side half turns change the
// slice edges' order with the side centres' half twists.
bool SliceMatchesCentres(const model::Pieces& p);

void Turn(model::Pieces& p, int Move);

struct Tables {
  // Move tables: coordinate * kMoves + move (phase 2: * kPhase2Moves + index).
  std::vector<uint16_t> TwistMove, FlipMove, SliceMove, SideParityMove;
  std::vector<uint16_t> CornerMove, EdgeMove, SlicePermutationMove, CentreMove;
  // Fewest quarter turns to the phase's goal.
  std::vector<uint8_t> SliceTwist;     // (slice * 16 + side parity) * kTwists + twist
  std::vector<uint8_t> SliceFlip;      // slice * kFlips + flip
  std::vector<uint8_t> CornerSlice;    // corner permutation * 24 + slice permutation
  std::vector<uint8_t> EdgeSlice;      // edge permutation * 24 + slice permutation
  std::vector<uint8_t> CornerCentres;  // corner permutation * kCentres + centres
  std::vector<uint8_t> EdgeCentres;    // edge permutation * kCentres + centres
  // Throws tables::Abandoned when the build is abandoned.
  explicit Tables(tables::Abandon& Stop);
  std::size_t Bytes() const;
};

// Built at first use, once; null when Cancel was set before they were whole.
const Tables* TheTables(const std::atomic<bool>& Cancel);
// The same, waited for whatever it takes.
const Tables& TheTables();

}  // namespace solver::three

// Shared by the 4x4x4 and 5x5x5 solver: layer turns on the surface cubies
// as permutations, and a table of pure 3-cycles (commutators, each behind a
// short setup) for every kind of surface piece.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "solver/CubieState.h"

namespace solver::tables {
class Abandon;
}

namespace solver::big {

// A turn of one layer by Amount quarter turns the positive way (3 = one
// quarter turn back, 2 = a half turn).
struct LayerTurn {
  int Axis = 0;
  int Layer = 0;
  int Amount = 1;
};
using Turns = std::vector<LayerTurn>;

// Quarter turns a half turn counts twice.
int Length(const Turns& Sequence);
Turns Inverted(const Turns& Sequence);
// Joins turns of one layer and drops those that cancel, also across turns of
// other layers of the same axis (they commute).
void Append(Turns& Into, const LayerTurn& Turn);
void Append(Turns& Into, const Turns& Sequence);

// What a sequence does to the surface: the cubie at surface place i goes to
// To[i] and is turned by Turn[i] on the way. Places are numbered among the
// surface places only (see Surface).
struct Effect {
  std::vector<int> To;
  std::vector<int> Turn;
};

// The surface places of an N cube and the kinds of pieces standing on them
// (pieces only ever move among places of their own kind).
struct Surface {
  int Size = 0;
  std::vector<int> Place;            // surface index -> place of the grid
  std::vector<int> Index;            // place of the grid -> surface index or -1
  std::vector<int> Kind;             // surface index -> kind
  std::vector<std::vector<int>> Of;  // kind -> its surface indices
  explicit Surface(int Size);
  Effect Identity() const;
  Effect Of1(const LayerTurn& Turn) const;
  // First A, then B.
  static Effect Then(const Effect& A, const Effect& B);
  Effect OfSequence(const Turns& Sequence) const;
};

// A pure 3-cycle: the pieces at places P[0] -> P[1] -> P[2] -> P[0] (surface
// indices) turned by D[k] on the way, nothing else on the surface changed.
struct Cycle {
  std::array<int, 3> P{};
  std::array<int, 3> D{};
  int Setup = 0;  // done first and undone last
  int Commutator = -1;
  int Cost = 0;  // quarter turns, setup twice plus the commutator
};

class Toolbox {
 public:
  // Throws tables::Abandoned when the build is abandoned.
  static std::unique_ptr<Toolbox> Build(int Size, tables::Abandon& Stop);
  const Surface& Places() const { return surface_; }
  // Every known cycle moving the piece at A to B and that at B to C (and the
  // one at C to A), one for each way of turning them; empty when none is
  // known.
  const std::vector<Cycle>& Find(int A, int B, int C) const;
  Turns Sequence(const Cycle& Cycle) const;

 private:
  explicit Toolbox(int Size) : surface_(Size) {}
  int Key(int A, int B, int C) const;
  Surface surface_;
  std::vector<int> local_;  // surface index -> index within its kind
  std::vector<Turns> setups_;
  std::vector<Turns> commutators_;
  std::vector<std::vector<Cycle>> table_;  // by Key
  std::vector<int> kindBase_;              // first key of each kind
};

// The toolbox of the size, built once on first use and kept; null when
// Cancel was set before it was whole.
const Toolbox* SharedToolbox(int Size, const std::atomic<bool>& Cancel);

}  // namespace solver::big

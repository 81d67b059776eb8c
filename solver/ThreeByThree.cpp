// The 3x3x3 by two phases (see ThreeTables.h), seen from its centres: the
// whole-cube rotation the centre cubies show is taken back first, so that
// only the six outer layers need turning, and each turn is then made on the
// layer of the real cube that the frame's layer is.
#include <algorithm>

#include "solver/Solver.h"
#include "solver/ThreeTables.h"

namespace solver {
namespace {

using namespace three;
using model::Pieces;

// Once a first solution is known, the search goes on for shorter ones for
// this many more nodes: a fixed amount of work, not of time, so that a
// position always gets the same solution.
constexpr long kEffort = 300000;
// One phase-1 solution's phase 2 is given up after this many nodes, or a
// share of all the work done so far if that is more: some phase-2 positions
// (a centre turned by a half, all else solved) have only long solutions
// that its tables bound poorly, and another phase 1 often leads to an easier
// phase 2; yet where every phase 2 is hard, the allowance grows with the
// work spent, so that one of them is carried through.
constexpr long kPhase2Effort = 50000;
constexpr long kPhase2Share = 2;
constexpr int kNoFace = -1;
constexpr int kMaxLength = 64;

bool Opposite(int a, int b) { return a / 2 == b / 2; }

class Search {
 public:
  Search(const Tables& tables, const Pieces& start, const std::atomic<bool>& cancel)
      : tables_(tables), start_(start), cancel_(cancel) {}

  // The best sequence found, empty if none (or cancelled).
  bool Run() {
    const int twist = Twist(start_), flip = Flip(start_), slice = Slice(start_);
    const int side = SideParity(start_);
    for (int budget = 0; budget < best_ && !Stopped(); ++budget) {
      budget1_ = budget;
      Phase1(twist, flip, slice, side, 0, 0, kNoFace);
    }
    return best_ < kMaxLength && !cancelled_;
  }
  bool Cancelled() const { return cancelled_; }
  const std::vector<int>& Best() const { return bestMoves_; }

 private:
  bool Stopped() {
    if ((++nodes_ & 4095) == 0 && cancel_) cancelled_ = true;
    return cancelled_ || (firstFound_ >= 0 && nodes_ > firstFound_ + kEffort);
  }
  bool GivenUp() { return Stopped() || nodes_ > phase2Limit_; }

  void Phase1(int twist, int flip, int slice, int side, int cost, int depth, int last) {
    if (Stopped()) return;
    const int h = std::max(tables_.SliceTwist[(slice * kSideParities + side) * kTwists + twist],
                           tables_.SliceFlip[slice * kFlips + flip]);
    if (cost + h > budget1_) return;
    if (h == 0 && cost == budget1_) {
      // A last move phase 2 could make would only make a longer phase 2.
      if (depth == 0 || (path_[depth - 1] % 3 != 2 && path_[depth - 1] / 6 != 1)) {
        StartPhase2(depth);
      }
      return;
    }
    for (int m = 0; m < kMoves; ++m) {
      const int face = m / 3;
      if (face == last || (last != kNoFace && Opposite(face, last) && face < last)) continue;
      if (cost + Cost(m) > budget1_) continue;
      path_[depth] = m;
      Phase1(tables_.TwistMove[twist * kMoves + m], tables_.FlipMove[flip * kMoves + m],
             tables_.SliceMove[slice * kMoves + m], tables_.SideParityMove[side * kMoves + m],
             cost + Cost(m), depth + 1, face);
    }
  }

  void StartPhase2(int depth1) {
    Pieces p = start_;
    for (int i = 0; i < depth1; ++i) Turn(p, path_[i]);
    if (!SliceMatchesCentres(p)) return;
    const int corner = CornerPermutation(p), edge = EdgePermutation(p);
    const int slice = SlicePermutation(p), centres = Centres(p);
    const int last = depth1 > 0 ? path_[depth1 - 1] / 3 : kNoFace;
    phase2Limit_ = nodes_ + std::max(kPhase2Effort, nodes_ / kPhase2Share);
    for (int budget = 0; budget1_ + budget < std::min(best_, kMaxLength); ++budget) {
      budget2_ = budget;
      if (Phase2(corner, edge, slice, centres, 0, depth1, last, kNoFace)) {
        best_ = budget1_ + budget;
        if (firstFound_ < 0) firstFound_ = nodes_;
        bestMoves_.assign(path_, path_ + found_);
        return;
      }
      if (GivenUp()) return;
    }
  }

  // Last is the previous face; order is that face too within phase 2 (the
  // rule that opposite faces go in one order does not hold across phases).
  bool Phase2(int corner, int edge, int slice, int centres, int cost, int depth, int last,
              int order) {
    if (GivenUp()) return false;
    const int h = std::max({tables_.CornerSlice[corner * kSlicePermutations + slice],
                            tables_.EdgeSlice[edge * kSlicePermutations + slice],
                            tables_.CornerCentres[corner * kCentres + centres],
                            tables_.EdgeCentres[edge * kCentres + centres]});
    if (cost + h > budget2_) return false;
    if (h == 0) {
      found_ = depth;
      return true;
    }
    for (int k = 0; k < kPhase2Moves; ++k) {
      const int m = kPhase2Move[k], face = m / 3;
      if (face == last || (order != kNoFace && Opposite(face, order) && face < order)) continue;
      if (cost + Cost(m) > budget2_) continue;
      path_[depth] = m;
      if (Phase2(tables_.CornerMove[corner * kPhase2Moves + k],
                 tables_.EdgeMove[edge * kPhase2Moves + k],
                 tables_.SlicePermutationMove[slice * kPhase2Moves + k],
                 tables_.CentreMove[centres * kPhase2Moves + k], cost + Cost(m), depth + 1, face,
                 face)) {
        return true;
      }
    }
    return false;
  }

  const Tables& tables_;
  const Pieces start_;
  const std::atomic<bool>& cancel_;
  int path_[kMaxLength] = {};
  int found_ = 0;
  int budget1_ = 0, budget2_ = 0;
  int best_ = kMaxLength;
  std::vector<int> bestMoves_;
  long nodes_ = 0, firstFound_ = -1, phase2Limit_ = 0;
  bool cancelled_ = false;
};

bool Reachable(const Pieces& p) {
  int twist = 0, flip = 0, centres = 0;
  for (int8_t t : p.CornerTwist) twist += t;
  for (int8_t f : p.EdgeFlip) flip += f;
  for (int8_t c : p.CentreTwist) centres += c;
  const int cornerParity = model::Parity(p.Corner.data(), 8);
  return twist % 3 == 0 && flip % 2 == 0 && cornerParity == model::Parity(p.Edge.data(), 12) &&
         centres % 2 == cornerParity;
}

}  // namespace

Solution SolveThree(const CubieState& Position, const std::atomic<bool>& Cancel) {
  Solution out;
  if (Cancel) {
    out.Result = Solution::Outcome::Cancelled;
    return out;
  }
  if (!model::WellFormed(Position, 3)) return out;
  const int frame = model::CentreFrame(Position);
  Pieces pieces;
  if (frame < 0 || !model::ReadPieces(model::TurnedBack(Position, frame), pieces) ||
      !Reachable(pieces)) {
    return out;
  }
  const Tables* tables = TheTables(Cancel);
  if (!tables) {
    out.Result = Solution::Outcome::Cancelled;
    return out;
  }
  Search search(*tables, pieces, Cancel);
  if (!search.Run()) {
    out.Result = search.Cancelled() ? Solution::Outcome::Cancelled : Solution::Outcome::Unreachable;
    return out;
  }
  for (int m : search.Best()) {
    const int face = m / 3, axis = face / 2, layer = face % 2 ? 2 : 0;
    const VEKMove move = model::WorldMove(frame, 3, axis, layer, m % 3 == 1 ? -1 : 1);
    out.Moves.push_back(move);
    if (m % 3 == 2) out.Moves.push_back(move);
  }
  out.Result = Solution::Outcome::Found;
  return out;
}

}  // namespace solver

// The 4x4x4 and 5x5x5: the cube is looked at in a frame where it can be
// solved to the identity (a corner's on the 4x4x4, the middle centres' on
// the 5x5x5). The 4x4x4's corners are solved first as a 2x2x2's would be;
// the 5x5x5's middle centres are set upright. An odd permutation left is
// undone with a single quarter turn, then every kind of piece is brought
// home with pure 3-cycles from the toolbox.
#include <cstdlib>

#include "solver/BigTools.h"
#include "solver/Solver.h"

namespace solver {
namespace {

using big::LayerTurn;
using big::Turns;

// Every surface cubie stands where its rotation carries it from home: true
// of any position turns reach, and it keeps pieces among their own kind.
bool Consistent(const CubieState& s) {
  const int n = s.Size;
  if (n < 4 || n > 5) return false;
  const std::size_t count = static_cast<std::size_t>(n * n * n);
  if (s.Piece.size() != count || s.Rotation.size() != count) return false;
  std::vector<bool> seen(count, false);
  for (std::size_t p = 0; p < count; ++p) {
    const int piece = s.Piece[p], rotation = s.Rotation[p];
    if (piece < 0 || piece >= static_cast<int>(count) || seen[piece]) return false;
    if (rotation < 0 || rotation >= kRotations) return false;
    seen[piece] = true;
    if (!s.OnSurface(static_cast<int>(p))) continue;
    Int3 at;
    if (Rotate(rotation, s.Coordinates(piece), at) != s.Coordinates(static_cast<int>(p))) {
      return false;
    }
  }
  return true;
}

// The whole-cube rotation that takes the position into the frame it is
// solved in, or -1 when the middle centres of a 5x5x5 stand as no rotation
// of the home cube has them.
int Frame(const CubieState& s) {
  if (s.Size == 4) {
    for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
      if (s.Piece[p] == 0) return Inverse(s.Rotation[p]);
    }
    return -1;
  }
  for (int whole = 0; whole < kRotations; ++whole) {
    bool fits = true;
    for (int axis = 0; axis < 3 && fits; ++axis) {
      for (int side = -1; side <= 1 && fits; side += 2) {
        Int3 c{0, 0, 0}, to;
        c[axis] = side * (s.Size - 1);
        const int p = s.PlaceAt(c);
        fits = Rotate(whole, s.Coordinates(p), to) == s.Coordinates(s.Piece[p]);
      }
    }
    if (fits) return whole;
  }
  return -1;
}

// The surface in the frame, as the toolbox numbers it, and the turns made.
class Work {
 public:
  Work(const big::Toolbox& Box, const CubieState& Framed) : box_(Box), surface_(Box.Places()) {
    for (int p : surface_.Place) {
      piece_.push_back(surface_.Index[Framed.Piece[p]]);
      rotation_.push_back(Framed.Rotation[p]);
    }
  }

  void Apply(const LayerTurn& Turn) {
    const big::Effect e = surface_.Of1(Turn);
    ApplyEffect(e);
    big::Append(turns_, Turn);
  }
  void Apply(const Turns& Sequence) {
    ApplyEffect(surface_.OfSequence(Sequence));
    big::Append(turns_, Sequence);
  }
  bool Solved(int i) const { return piece_[i] == i && rotation_[i] == 0; }
  bool OddPermutation(int Kind) const {
    const std::vector<int>& places = surface_.Of[Kind];
    std::vector<bool> seen(surface_.Place.size(), false);
    int even = 0;
    for (int i : places) {
      if (seen[i]) continue;
      int length = 0;
      for (int j = i; !seen[j]; j = piece_[j]) {
        seen[j] = true;
        ++length;
      }
      even += length % 2 == 0;
    }
    return even % 2 == 1;
  }
  // The number of quarter turns (1..3) of an outer layer that set the
  // middle centre at I upright, or 0.
  int Upright(int I, int Axis) const {
    int r = rotation_[I];
    for (int k = 0; k < 4; ++k, r = Compose(QuarterTurn(Axis, 1), r)) {
      if (r == 0) return k;
    }
    return 0;
  }
  Solution::Outcome SolveKind(int Kind, const std::atomic<bool>& Cancel);
  const Turns& Made() const { return turns_; }
  const big::Surface& Places() const { return surface_; }

 private:
  void ApplyEffect(const big::Effect& E) {
    std::vector<int> piece(piece_.size()), rotation(piece_.size());
    for (std::size_t i = 0; i < piece_.size(); ++i) {
      piece[E.To[i]] = piece_[i];
      rotation[E.To[i]] = Compose(E.Turn[i], rotation_[i]);
    }
    piece_.swap(piece);
    rotation_.swap(rotation);
  }
  // How many of the three pieces the cycle brings home, upright.
  int Homed(const big::Cycle& C) const {
    int homed = 0;
    for (int k = 0; k < 3; ++k) {
      const int at = C.P[k], to = C.P[(k + 1) % 3];
      homed += piece_[at] == to && Compose(C.D[k], rotation_[at]) == 0;
    }
    return homed;
  }

  const big::Toolbox& box_;
  const big::Surface& surface_;
  std::vector<int> piece_;     // by surface index: the home surface index of the piece there
  std::vector<int> rotation_;  // and how it is turned
  Turns turns_;
};

Solution::Outcome Work::SolveKind(int Kind, const std::atomic<bool>& Cancel) {
  const std::vector<int>& places = surface_.Of[Kind];
  const int limit = 4 * static_cast<int>(places.size()) + 8;
  for (int step = 0; step < limit; ++step) {
    if (Cancel) return Solution::Outcome::Cancelled;
    std::vector<int> unsolved;
    for (int i : places) {
      if (!Solved(i)) unsolved.push_back(i);
    }
    if (unsolved.empty()) return Solution::Outcome::Found;
    // Progress: pieces brought home less those taken from home. The best
    // cycle makes progress for the fewest quarter turns; when none can (only
    // pieces turned in place are left), the least backward one is taken.
    const big::Cycle* best = nullptr;
    int bestProgress = 0;
    const auto consider = [&](int a, int b, int c) {
      const int taken = Solved(a) + Solved(b) + Solved(c);
      for (const big::Cycle& cycle : box_.Find(a, b, c)) {
        const int progress = Homed(cycle) - taken;
        const bool better = !best || (progress > 0 && bestProgress > 0
                                          ? cycle.Cost * bestProgress < best->Cost * progress
                                          : progress > bestProgress || (progress == bestProgress &&
                                                                        cycle.Cost < best->Cost));
        if (better) {
          best = &cycle;
          bestProgress = progress;
        }
      }
    };
    for (int a : unsolved) {
      const int b = piece_[a];
      if (b == a) continue;
      const int c = piece_[b];
      if (c != a && c != b) {
        consider(a, b, c);
      } else {
        for (int t : places) {
          if (t != a && t != b) consider(a, b, t);
        }
      }
    }
    if (!best) {
      // Only pieces turned in place: one alone is never reached by turns;
      // two or more are first carried round with a third place.
      if (unsolved.size() == 1) return Solution::Outcome::Unreachable;
      for (int t : places) {
        if (t != unsolved[0] && t != unsolved[1]) consider(unsolved[0], unsolved[1], t);
      }
    }
    if (!best) return Solution::Outcome::Unreachable;
    Apply(box_.Sequence(*best));
  }
  return Solution::Outcome::Unreachable;
}

// The corners of a framed position as a 2x2x2, which outer turns move
// alike. Its solution is at most 14 quarter turns, where 3-cycles of
// corners take several times that.
CubieState CornersAlone(const CubieState& Framed) {
  const int n = Framed.Size;
  CubieState corners = CubieState::Solved(2);
  for (int p = 0; p < 8; ++p) {
    Int3 at = corners.Coordinates(p);
    for (int& c : at) c *= n - 1;
    const int place = Framed.PlaceAt(at);
    Int3 home = Framed.Coordinates(Framed.Piece[place]);
    for (int& c : home) c /= n - 1;
    corners.Piece[p] = corners.PlaceAt(home);
    corners.Rotation[p] = Framed.Rotation[place];
  }
  return corners;
}

// A turn of the frame as the same turn of the real cube.
void AddWorldTurns(const LayerTurn& t, int Whole, int N, std::vector<VEKMove>& Out) {
  Int3 axis{0, 0, 0}, world;
  axis[t.Axis] = 1;
  Rotate(Inverse(Whole), axis, world);
  int along = 0;
  while (world[along] == 0) ++along;
  const int side = world[along];
  const int coordinate = side * (2 * t.Layer - (N - 1));
  VEKMove m;
  m.Axis = static_cast<uint8_t>(along);
  m.Layer = static_cast<uint8_t>((coordinate + N - 1) / 2);
  m.Width = 1;
  m.Sign = static_cast<int8_t>(t.Amount == 3 ? -side : side);
  for (int k = 0; k < (t.Amount == 2 ? 2 : 1); ++k) Out.push_back(m);
}

}  // namespace

Solution SolveBig(const CubieState& Position, const std::atomic<bool>& Cancel) {
  Solution result;
  if (!Consistent(Position)) return result;
  const int n = Position.Size;
  const int whole = Frame(Position);
  if (whole < 0) return result;
  const big::Toolbox* box = big::SharedToolbox(n, Cancel);
  if (!box) {
    result.Result = Cancel ? Solution::Outcome::Cancelled : Solution::Outcome::Unreachable;
    return result;
  }
  const CubieState framed = Position.TurnedWhole(whole);
  Work work(*box, framed);
  const big::Surface& surface = work.Places();
  const auto kindOf = [&](int a, int b, int c) {
    Int3 at{a, b, c};
    return surface.Kind[surface.Index[Position.PlaceAt(at)]];
  };
  const int m = n - 1;
  const int wings = kindOf(m, m, n == 4 ? 1 : 2);
  if (n == 5) {
    // Middle centres upright first; the turns that do it may leave the
    // corners odd, which a position reached by turns then never is.
    for (int axis = 0; axis < 3; ++axis) {
      for (int side = -1; side <= 1; side += 2) {
        Int3 c{0, 0, 0};
        c[axis] = side * m;
        const int k = work.Upright(surface.Index[Position.PlaceAt(c)], axis);
        if (k) work.Apply(LayerTurn{axis, side < 0 ? 0 : n - 1, k});
      }
    }
  } else {
    // The frame's own corner is home, and the 2x2x2 solution leaves it so.
    const Solution c = SolveTwo(CornersAlone(framed), Cancel);
    if (c.Result != Solution::Outcome::Found) {
      result.Result = c.Result;
      return result;
    }
    for (const VEKMove& move : c.Moves) {
      work.Apply(LayerTurn{move.Axis, move.Layer == 0 ? 0 : m, move.Sign > 0 ? 1 : 3});
    }
  }
  if (work.OddPermutation(wings)) work.Apply(LayerTurn{0, 1, 1});
  for (int kind = 0; kind < static_cast<int>(surface.Of.size()); ++kind) {
    if (work.OddPermutation(kind)) return result;
  }
  for (int kind = 0; kind < static_cast<int>(surface.Of.size()); ++kind) {
    const Solution::Outcome outcome = work.SolveKind(kind, Cancel);
    if (outcome != Solution::Outcome::Found) {
      result.Result = outcome;
      return result;
    }
  }
  std::vector<VEKMove> moves;
  for (const LayerTurn& t : work.Made()) AddWorldTurns(t, whole, n, moves);
  // Only a solution that is one is handed out.
  CubieState check = Position;
  for (const VEKMove& move : moves) check.Turn(move);
  if (!AtHome(check)) return result;
  result.Result = Solution::Outcome::Found;
  result.Moves = std::move(moves);
  return result;
}

}  // namespace solver

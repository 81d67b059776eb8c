#include "solver/ThreeTables.h"

#include <algorithm>

#include "solver/BuildOnce.h"

namespace solver::three {
namespace {

using model::Pieces;

constexpr uint8_t kUnknown = 0xff;
constexpr int kSideFaces[4] = {0, 1, 4, 5};

struct Combinations {
  int Rank[4096];
  int Mask[kSlices];
  Combinations() {
    int count = 0;
    for (int mask = 0; mask < 4096; ++mask) {
      Rank[mask] = -1;
      if (__builtin_popcount(mask) == 4) Mask[count] = mask, Rank[mask] = count++;
    }
    // Numbered so that the slice edges at home (slots 8..11) are 0.
    std::reverse(Mask, Mask + kSlices);
    for (int i = 0; i < kSlices; ++i) Rank[Mask[i]] = i;
  }
};

const Combinations& TheCombinations() {
  static const Combinations c;
  return c;
}

// Fewest moves from index 0 to every index, moves costing 1 or 2: each
// depth is swept only once all shallower ones have been, so a state first
// reached by a half turn is lowered in time when a quarter turn reaches it.
template <class Next>
std::vector<uint8_t> Distances(tables::Abandon& stop, int size, const std::vector<int>& costs,
                               Next next) {
  std::vector<uint8_t> d(size, kUnknown);
  d[0] = 0;
  int deepest = 0;
  for (int depth = 0; depth <= deepest; ++depth) {
    // The flag is looked at before each sweep and among the entries it
    // expands, keeping the scan between them free of it.
    stop.Look();
    for (int i = 0; i < size; ++i) {
      if (d[i] != depth) continue;
      stop();
      for (int m = 0; m < static_cast<int>(costs.size()); ++m) {
        const int j = next(i, m), nd = depth + costs[m];
        if (nd < d[j]) {
          d[j] = static_cast<uint8_t>(nd);
          deepest = std::max(deepest, nd);
        }
      }
    }
  }
  return d;
}

// The move table of one coordinate: decode, turn, encode.
template <class Decode, class Encode>
std::vector<uint16_t> MoveTable(tables::Abandon& stop, int size, const int* moves, int count,
                                Decode decode, Encode encode) {
  std::vector<uint16_t> table(size * count);
  for (int i = 0; i < size; ++i) {
    stop(count);
    for (int m = 0; m < count; ++m) {
      Pieces p = decode(i);
      Turn(p, moves[m]);
      table[i * count + m] = static_cast<uint16_t>(encode(p));
    }
  }
  return table;
}

}  // namespace

int Twist(const Pieces& p) {
  int t = 0;
  for (int i = 0; i < 7; ++i) t = t * 3 + p.CornerTwist[i];
  return t;
}
int Flip(const Pieces& p) {
  int f = 0;
  for (int i = 0; i < 11; ++i) f = f * 2 + p.EdgeFlip[i];
  return f;
}
int Slice(const Pieces& p) {
  int mask = 0;
  for (int i = 0; i < 12; ++i) mask |= (p.Edge[i] >= 8) << i;
  return TheCombinations().Rank[mask];
}
int SideParity(const Pieces& p) {
  int bits = 0;
  for (int i = 0; i < 4; ++i) bits |= (p.CentreTwist[kSideFaces[i]] & 1) << i;
  return bits;
}
int CornerPermutation(const Pieces& p) { return model::RankPermutation(p.Corner.data(), 8); }
int EdgePermutation(const Pieces& p) { return model::RankPermutation(p.Edge.data(), 8); }
int SlicePermutation(const Pieces& p) {
  int8_t slice[4];
  for (int i = 0; i < 4; ++i) slice[i] = static_cast<int8_t>(p.Edge[8 + i] - 8);
  return model::RankPermutation(slice, 4);
}
int Centres(const Pieces& p) {
  int halves = 0;
  for (int i = 0; i < 4; ++i) halves |= (p.CentreTwist[kSideFaces[i]] >> 1 & 1) << i;
  return (p.CentreTwist[2] * 4 + p.CentreTwist[3]) * 16 + halves;
}
bool SliceMatchesCentres(const Pieces& p) {
  int8_t slice[4];
  for (int i = 0; i < 4; ++i) slice[i] = static_cast<int8_t>(p.Edge[8 + i] - 8);
  return model::Parity(slice, 4) == (__builtin_popcount(Centres(p) & 15) & 1);
}

void Turn(Pieces& p, int move) {
  const Pieces& quarter = model::FaceTurns(3)[move / 3];
  for (int k = move % 3 == 0 ? 1 : move % 3 == 1 ? 3 : 2; k > 0; --k) p.Apply(quarter);
}

Tables::Tables(tables::Abandon& stop) {
  int all[kMoves], phase2[kPhase2Moves];
  for (int m = 0; m < kMoves; ++m) all[m] = m;
  std::copy(kPhase2Move, kPhase2Move + kPhase2Moves, phase2);
  const Combinations& comb = TheCombinations();

  TwistMove = MoveTable(
      stop, kTwists, all, kMoves,
      [](int t) {
        Pieces p = Pieces::Home();
        int sum = 0;
        for (int i = 6; i >= 0; --i, t /= 3) sum += p.CornerTwist[i] = static_cast<int8_t>(t % 3);
        p.CornerTwist[7] = static_cast<int8_t>((3 - sum % 3) % 3);
        return p;
      },
      Twist);
  FlipMove = MoveTable(
      stop, kFlips, all, kMoves,
      [](int f) {
        Pieces p = Pieces::Home();
        int sum = 0;
        for (int i = 10; i >= 0; --i, f /= 2) sum += p.EdgeFlip[i] = static_cast<int8_t>(f % 2);
        p.EdgeFlip[11] = static_cast<int8_t>(sum % 2);
        return p;
      },
      Flip);
  SliceMove = MoveTable(
      stop, kSlices, all, kMoves,
      [&comb](int s) {
        Pieces p = Pieces::Home();
        int8_t slice = 8, other = 0;
        for (int i = 0; i < 12; ++i) p.Edge[i] = comb.Mask[s] >> i & 1 ? slice++ : other++;
        return p;
      },
      Slice);
  SideParityMove = MoveTable(
      stop, kSideParities, all, kMoves,
      [](int bits) {
        Pieces p = Pieces::Home();
        for (int i = 0; i < 4; ++i)
          p.CentreTwist[kSideFaces[i]] = static_cast<int8_t>(bits >> i & 1);
        return p;
      },
      SideParity);
  CornerMove = MoveTable(
      stop, kCornerPermutations, phase2, kPhase2Moves,
      [](int c) {
        Pieces p = Pieces::Home();
        model::UnrankPermutation(c, p.Corner.data(), 8);
        return p;
      },
      CornerPermutation);
  EdgeMove = MoveTable(
      stop, kEdgePermutations, phase2, kPhase2Moves,
      [](int e) {
        Pieces p = Pieces::Home();
        model::UnrankPermutation(e, p.Edge.data(), 8);
        return p;
      },
      EdgePermutation);
  SlicePermutationMove = MoveTable(
      stop, kSlicePermutations, phase2, kPhase2Moves,
      [](int s) {
        Pieces p = Pieces::Home();
        model::UnrankPermutation(s, p.Edge.data() + 8, 4);
        for (int i = 8; i < 12; ++i) p.Edge[i] = static_cast<int8_t>(p.Edge[i] + 8);
        return p;
      },
      SlicePermutation);
  CentreMove = MoveTable(
      stop, kCentres, phase2, kPhase2Moves,
      [](int c) {
        Pieces p = Pieces::Home();
        for (int i = 0; i < 4; ++i)
          p.CentreTwist[kSideFaces[i]] = static_cast<int8_t>(2 * (c >> i & 1));
        p.CentreTwist[2] = static_cast<int8_t>(c / 16 / 4);
        p.CentreTwist[3] = static_cast<int8_t>(c / 16 % 4);
        return p;
      },
      Centres);

  // Phase 1 in quarter turns only: a half turn is two of them.
  std::vector<int> quarters, quarterCosts(12, 1), phase2Costs;
  for (int m = 0; m < kMoves; ++m) {
    if (m % 3 != 2) quarters.push_back(m);
  }
  for (int m : kPhase2Move) phase2Costs.push_back(Cost(m));
  SliceTwist = Distances(stop, kSlices * kSideParities * kTwists, quarterCosts, [&](int i, int k) {
    const int m = quarters[k], rest = i / kTwists;
    const int slice = SliceMove[rest / kSideParities * kMoves + m];
    const int side = SideParityMove[rest % kSideParities * kMoves + m];
    return (slice * kSideParities + side) * kTwists + TwistMove[i % kTwists * kMoves + m];
  });
  SliceFlip = Distances(stop, kSlices * kFlips, quarterCosts, [&](int i, int k) {
    const int m = quarters[k];
    return SliceMove[i / kFlips * kMoves + m] * kFlips + FlipMove[i % kFlips * kMoves + m];
  });
  CornerSlice =
      Distances(stop, kCornerPermutations * kSlicePermutations, phase2Costs, [&](int i, int m) {
        return CornerMove[i / kSlicePermutations * kPhase2Moves + m] * kSlicePermutations +
               SlicePermutationMove[i % kSlicePermutations * kPhase2Moves + m];
      });
  EdgeSlice =
      Distances(stop, kEdgePermutations * kSlicePermutations, phase2Costs, [&](int i, int m) {
        return EdgeMove[i / kSlicePermutations * kPhase2Moves + m] * kSlicePermutations +
               SlicePermutationMove[i % kSlicePermutations * kPhase2Moves + m];
      });
  CornerCentres = Distances(stop, kCornerPermutations * kCentres, phase2Costs, [&](int i, int m) {
    return CornerMove[i / kCentres * kPhase2Moves + m] * kCentres +
           CentreMove[i % kCentres * kPhase2Moves + m];
  });
  EdgeCentres = Distances(stop, kEdgePermutations * kCentres, phase2Costs, [&](int i, int m) {
    return EdgeMove[i / kCentres * kPhase2Moves + m] * kCentres +
           CentreMove[i % kCentres * kPhase2Moves + m];
  });
}

std::size_t Tables::Bytes() const {
  std::size_t bytes = 0;
  for (const auto* t : {&TwistMove, &FlipMove, &SliceMove, &SideParityMove, &CornerMove, &EdgeMove,
                        &SlicePermutationMove, &CentreMove}) {
    bytes += t->size() * sizeof(uint16_t);
  }
  for (const auto* t :
       {&SliceTwist, &SliceFlip, &CornerSlice, &EdgeSlice, &CornerCentres, &EdgeCentres}) {
    bytes += t->size();
  }
  return bytes;
}

const Tables* TheTables(const std::atomic<bool>& Cancel) {
  static auto& once = *new tables::Once<Tables>;
  return once.Get(Cancel, [](tables::Abandon& stop) { return std::make_unique<Tables>(stop); });
}

const Tables& TheTables() {
  static const std::atomic<bool> never{false};
  return *TheTables(never);
}

}  // namespace solver::three

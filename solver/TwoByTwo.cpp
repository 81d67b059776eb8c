// The 2x2x2, solved optimally in quarter turns: every position, seen from
// its first corner cubie, is one of 7! * 3^6 arrangements of the other seven
// corners, and a breadth-first table of all their distances gives a shortest
// way home by always stepping one closer.
#include <cstdint>
#include <vector>

#include "solver/BuildOnce.h"
#include "solver/CubieModel.h"
#include "solver/Solver.h"

namespace solver {
namespace {

using model::Pieces;

constexpr int kPermutations = 5040;  // 7!
constexpr int kTwists = 729;         // 3^6, the last twist follows from the others
constexpr int kMoves = 6;            // the three faces away from the first corner, either way
constexpr uint8_t kUnknown = 0xff;

int FaceOf(int move) { return 2 * (move / 2) + 1; }
int SignOf(int move) { return move % 2 ? -1 : 1; }

Pieces FromIndex(int permutation, int twist) {
  Pieces p = Pieces::Home();
  int8_t rest[7];
  model::UnrankPermutation(permutation, rest, 7);
  int sum = 0;
  for (int i = 1; i < 8; ++i) p.Corner[i] = static_cast<int8_t>(rest[i - 1] + 1);
  for (int i = 6; i >= 1; --i, twist /= 3) {
    p.CornerTwist[i] = static_cast<int8_t>(twist % 3);
    sum += twist % 3;
  }
  p.CornerTwist[7] = static_cast<int8_t>((3 - sum % 3) % 3);
  return p;
}

int PermutationIndex(const Pieces& p) {
  int8_t rest[7];
  for (int i = 1; i < 8; ++i) rest[i - 1] = static_cast<int8_t>(p.Corner[i] - 1);
  return model::RankPermutation(rest, 7);
}

int TwistIndex(const Pieces& p) {
  int twist = 0;
  for (int i = 1; i <= 6; ++i) twist = twist * 3 + p.CornerTwist[i];
  return twist;
}

void Move(Pieces& p, int move) {
  const Pieces& turn = model::FaceTurns(2)[FaceOf(move)];
  for (int k = SignOf(move) > 0 ? 1 : 3; k > 0; --k) p.Apply(turn);
}

struct Tables {
  std::vector<uint16_t> PermutationMove, TwistMove;
  std::vector<uint8_t> Distance;  // by permutation * kTwists + twist

  // Throws tables::Abandoned when the build is abandoned.
  explicit Tables(tables::Abandon& stop)
      : PermutationMove(kPermutations * kMoves), TwistMove(kTwists * kMoves) {
    for (int i = 0; i < kPermutations; ++i) {
      stop(kMoves);
      for (int m = 0; m < kMoves; ++m) {
        Pieces p = FromIndex(i, 0);
        Move(p, m);
        PermutationMove[i * kMoves + m] = static_cast<uint16_t>(PermutationIndex(p));
      }
    }
    for (int i = 0; i < kTwists; ++i) {
      for (int m = 0; m < kMoves; ++m) {
        Pieces p = FromIndex(0, i);
        Move(p, m);
        TwistMove[i * kMoves + m] = static_cast<uint16_t>(TwistIndex(p));
      }
    }
    Distance.assign(kPermutations * kTwists, kUnknown);
    Distance[0] = 0;
    for (int depth = 0, reached = 1; reached > 0; ++depth) {
      reached = 0;
      stop.Look();  // before each sweep and among the entries it expands
      for (int i = 0; i < kPermutations * kTwists; ++i) {
        if (Distance[i] != depth) continue;
        stop();
        for (int m = 0; m < kMoves; ++m) {
          const int next = Next(i, m);
          if (Distance[next] == kUnknown) {
            Distance[next] = static_cast<uint8_t>(depth + 1);
            ++reached;
          }
        }
      }
    }
  }
  int Next(int index, int move) const {
    return PermutationMove[index / kTwists * kMoves + move] * kTwists +
           TwistMove[index % kTwists * kMoves + move];
  }
};

const Tables* TheTables(const std::atomic<bool>& Cancel) {
  static auto& once = *new tables::Once<Tables>;
  return once.Get(Cancel, [](tables::Abandon& stop) { return std::make_unique<Tables>(stop); });
}

}  // namespace

bool PrepareTwo(const std::atomic<bool>& Cancel) { return TheTables(Cancel) != nullptr; }

Solution SolveTwo(const CubieState& Position, const std::atomic<bool>& Cancel) {
  Solution out;
  if (Cancel) {
    out.Result = Solution::Outcome::Cancelled;
    return out;
  }
  if (!model::WellFormed(Position, 2)) return out;
  // The whole-cube rotation that brings the first corner cubie home.
  int frame = 0;
  for (int p = 0; p < 8; ++p) {
    if (Position.Piece[p] == 0) frame = Position.Rotation[p];
  }
  Pieces pieces;
  if (!model::ReadPieces(model::TurnedBack(Position, frame), pieces) || pieces.Corner[0] != 0 ||
      pieces.CornerTwist[0] != 0) {
    return out;
  }
  int twistSum = 0;
  for (int8_t t : pieces.CornerTwist) twistSum += t;
  if (twistSum % 3 != 0) return out;  // a corner twisted alone

  const Tables* tables = TheTables(Cancel);
  if (!tables) {
    out.Result = Solution::Outcome::Cancelled;
    return out;
  }
  int index = PermutationIndex(pieces) * kTwists + TwistIndex(pieces);
  while (tables->Distance[index] > 0) {
    for (int m = 0; m < kMoves; ++m) {
      const int next = tables->Next(index, m);
      if (tables->Distance[next] + 1 != tables->Distance[index]) continue;
      out.Moves.push_back(model::WorldMove(frame, 2, FaceOf(m) / 2, 1, SignOf(m)));
      index = next;
      break;
    }
  }
  out.Result = Solution::Outcome::Found;
  return out;
}

}  // namespace solver

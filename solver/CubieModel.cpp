#include "solver/CubieModel.h"

#include <cstdlib>
#include <vector>

namespace solver::model {
namespace {

enum class Kind : int8_t { None, Corner, Edge, Centre };

struct Slots {
  int Size = 0;
  std::vector<Kind> KindAt;  // by place
  std::vector<int> SlotAt;   // by place
  int CornerPlace[8] = {};

  explicit Slots(int n) : Size(n) {
    const CubieState shape = CubieState::Solved(n);
    const int count = n * n * n;
    KindAt.assign(count, Kind::None);
    SlotAt.assign(count, -1);
    int edges[2] = {0, 8};  // y != 0 first, then the slice
    for (int p = 0; p < count; ++p) {
      const Int3 c = shape.Coordinates(p);
      int zeros = 0;
      for (int v : c) zeros += v == 0;
      if (!shape.OnSurface(p)) continue;
      if (zeros == 0) {
        KindAt[p] = Kind::Corner;
        SlotAt[p] = (c[0] > 0) * 4 + (c[1] > 0) * 2 + (c[2] > 0);
        CornerPlace[SlotAt[p]] = p;
      } else if (zeros == 1) {
        KindAt[p] = Kind::Edge;
        SlotAt[p] = edges[c[1] == 0]++;
      } else {
        KindAt[p] = Kind::Centre;
        for (int a = 0; a < 3; ++a) {
          if (c[a] != 0) SlotAt[p] = 2 * a + (c[a] > 0);
        }
      }
    }
  }
};

const Slots& SlotsFor(int n) {
  static const Slots two(2), three(3);
  return n == 2 ? two : three;
}

int AxisOf(const Int3& d) { return d[0] != 0 ? 0 : d[1] != 0 ? 1 : 2; }

// Which of the corner's three stickers (counted the same way round at every
// slot, starting from the one on the y axis) carries its own y sticker.
int CornerTwist(const Int3& place, const Int3& home, int rotation) {
  Int3 d;
  Rotate(rotation, {0, home[1], 0}, d);
  const bool rightHanded = place[0] * place[1] * place[2] > 0;
  const int order[2][3] = {{1, 0, 2}, {1, 2, 0}};
  const int axis = AxisOf(d);
  for (int i = 0; i < 3; ++i) {
    if (order[rightHanded][i] == axis) return i;
  }
  return 0;
}

// An edge is flipped when its reference sticker (on the y axis, or on the
// z axis for a slice edge) does not lie on the slot's reference axis.
int EdgeFlip(const Int3& place, const Int3& home, int rotation) {
  Int3 d;
  Rotate(rotation, home[1] != 0 ? Int3{0, home[1], 0} : Int3{0, 0, home[2]}, d);
  return AxisOf(d) != (place[1] != 0 ? 1 : 2);
}

}  // namespace

Pieces Pieces::Home() {
  Pieces p;
  for (int i = 0; i < 8; ++i) p.Corner[i] = static_cast<int8_t>(i);
  for (int i = 0; i < 12; ++i) p.Edge[i] = static_cast<int8_t>(i);
  return p;
}

void Pieces::Apply(const Pieces& M) {
  const Pieces was = *this;
  for (int i = 0; i < 8; ++i) {
    Corner[i] = was.Corner[M.Corner[i]];
    CornerTwist[i] = static_cast<int8_t>((was.CornerTwist[M.Corner[i]] + M.CornerTwist[i]) % 3);
  }
  for (int i = 0; i < 12; ++i) {
    Edge[i] = was.Edge[M.Edge[i]];
    EdgeFlip[i] = static_cast<int8_t>(was.EdgeFlip[M.Edge[i]] ^ M.EdgeFlip[i]);
  }
  for (int i = 0; i < kFaces; ++i)
    CentreTwist[i] = static_cast<int8_t>((CentreTwist[i] + M.CentreTwist[i]) % 4);
}

bool WellFormed(const CubieState& s, int Size) {
  const int count = Size * Size * Size;
  if (s.Size != Size || static_cast<int>(s.Piece.size()) != count ||
      static_cast<int>(s.Rotation.size()) != count) {
    return false;
  }
  std::vector<bool> seen(count, false);
  for (int p = 0; p < count; ++p) {
    const int piece = s.Piece[p];
    if (piece < 0 || piece >= count || seen[piece] || s.Rotation[p] < 0 ||
        s.Rotation[p] >= kRotations) {
      return false;
    }
    seen[piece] = true;
  }
  return true;
}

bool ReadPieces(const CubieState& s, Pieces& out) {
  if (s.Size != 2 && s.Size != 3) return false;
  const Slots& slots = SlotsFor(s.Size);
  out = Pieces::Home();
  for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
    const Kind kind = slots.KindAt[p];
    if (kind == Kind::None) continue;
    const int piece = s.Piece[p], rotation = s.Rotation[p];
    if (piece < 0 || piece >= static_cast<int>(s.Piece.size()) || slots.KindAt[piece] != kind ||
        rotation < 0 || rotation >= kRotations) {
      return false;
    }
    const Int3 place = s.Coordinates(p), home = s.Coordinates(piece);
    Int3 turned;
    if (Rotate(rotation, home, turned) != place) return false;  // a sticker faces inwards
    const int slot = slots.SlotAt[p];
    const auto id = static_cast<int8_t>(slots.SlotAt[piece]);
    if (kind == Kind::Corner) {
      out.Corner[slot] = id;
      out.CornerTwist[slot] = static_cast<int8_t>(CornerTwist(place, home, rotation));
    } else if (kind == Kind::Edge) {
      out.Edge[slot] = id;
      out.EdgeFlip[slot] = static_cast<int8_t>(EdgeFlip(place, home, rotation));
    } else {
      if (id != slot) return false;  // centres stand at home in this frame
      const int axis = slot / 2;
      int twist = -1;
      for (int k = 0, r = 0; k < 4; ++k, r = Compose(QuarterTurn(axis, 1), r)) {
        if (r == rotation) twist = k;
      }
      if (twist < 0) return false;
      out.CentreTwist[slot] = static_cast<int8_t>(twist);
    }
  }
  // Each slot's piece once only.
  int seenCorners = 0, seenEdges = 0;
  for (int8_t c : out.Corner) seenCorners |= 1 << c;
  for (int8_t e : out.Edge) seenEdges |= 1 << e;
  return seenCorners == 0xff && seenEdges == 0xfff;
}

const std::array<Pieces, kFaces>& FaceTurns(int Size) {
  static const auto make = [](int n) {
    std::array<Pieces, kFaces> turns;
    for (int f = 0; f < kFaces; ++f) {
      CubieState s = CubieState::Solved(n);
      s.Turn({static_cast<uint8_t>(f / 2), static_cast<uint8_t>(f % 2 ? n - 1 : 0), 1, 1});
      ReadPieces(s, turns[f]);
    }
    return turns;
  };
  static const std::array<Pieces, kFaces> two = make(2), three = make(3);
  return Size == 2 ? two : three;
}

int CentreFrame(const CubieState& s) {
  for (int r = 0; r < kRotations; ++r) {
    bool all = true;
    for (int f = 0; f < kFaces && all; ++f) {
      Int3 home{}, to;
      home[f / 2] = f % 2 ? 2 : -2;
      all = s.Piece[s.PlaceAt(Rotate(r, home, to))] == s.PlaceAt(home);
    }
    if (all) return r;
  }
  return -1;
}

CubieState TurnedBack(const CubieState& s, int R) { return s.TurnedWhole(Inverse(R)); }

VEKMove WorldMove(int R, int Size, int Axis, int Layer, int Sign) {
  Int3 unit{}, u;
  unit[Axis] = 1;
  Rotate(R, unit, u);
  const int axis = AxisOf(u), along = u[axis];
  const int world = 2 * Layer - (Size - 1);  // the layer's centred coordinate
  const int turn = Compose(R, Compose(QuarterTurn(Axis, Sign), Inverse(R)));
  VEKMove m;
  m.Axis = static_cast<uint8_t>(axis);
  m.Layer = static_cast<uint8_t>((along * world + Size - 1) / 2);
  m.Sign = static_cast<int8_t>(turn == QuarterTurn(axis, 1) ? 1 : -1);
  m.Width = 1;
  return m;
}

int RankPermutation(const int8_t* p, int n) {
  int rank = 0;
  for (int i = 0; i < n; ++i) {
    int smaller = 0;
    for (int j = i + 1; j < n; ++j) smaller += p[j] < p[i];
    rank = rank * (n - i) + smaller;
  }
  return rank;
}

void UnrankPermutation(int rank, int8_t* p, int n) {
  int digits[12];
  for (int i = n - 1; i >= 0; --i) {
    digits[i] = rank % (n - i);
    rank /= n - i;
  }
  bool used[12] = {};
  for (int i = 0; i < n; ++i) {
    int k = digits[i];
    for (int v = 0; v < n; ++v) {
      if (used[v]) continue;
      if (k-- == 0) {
        p[i] = static_cast<int8_t>(v);
        used[v] = true;
        break;
      }
    }
  }
}

int Parity(const int8_t* p, int n) {
  int parity = 0;
  for (int i = 0; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) parity ^= p[j] < p[i];
  }
  return parity;
}

}  // namespace solver::model

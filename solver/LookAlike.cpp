#include "solver/LookAlike.h"

#include <algorithm>
#include <cstdlib>

#include "puzzle/CubeDirections.h"
#include "puzzle/CubeSizes.h"
#include "puzzle/HomeLook.h"

namespace solver {
namespace {

int Turned(int rotation, int direction) {
  Int3 to;
  return cubedir::DirectionOf(Rotate(rotation, cubedir::kDirections[direction], to));
}

// The cubie standing at Place is taken for Label, turned so that it shows
// just what it shows now.
bool Relabel(CubieState& s, int place, int label) {
  const int turn = LookAlikeTurn(s.Size, label, s.Piece[place]);
  if (turn < 0) return false;
  s.Piece[place] = label;
  s.Rotation[place] = Compose(s.Rotation[place], turn);
  return true;
}

// Centres by kind: the places whose one coordinate lies on the surface,
// keyed by the other two, as whole-cube rotations carry them into each other.
int CentreKind(const Int3& c, int n) {
  int outside = 0, a = -1, b = -1;
  for (int v : c) {
    if (std::abs(v) == n - 1) {
      ++outside;
    } else if (a < 0) {
      a = std::abs(v);
    } else {
      b = std::abs(v);
    }
  }
  if (outside != 1) return -1;
  return std::min(a, b) * n + std::max(a, b);
}

}  // namespace

int LookAlikeTurn(int Size, int A, int B) {
  const int n = Size, count = n * n * n;
  if (n < 2 || A < 0 || B < 0 || A >= count || B >= count) return -1;
  CubieState grid;  // a cubie's home place has its own number
  grid.Size = n;
  const Int3 from = grid.Coordinates(A), home = grid.Coordinates(B);
  for (int r = 0; r < kRotations; ++r) {
    Int3 to;
    if (Rotate(r, from, to) != home) continue;
    bool same = true;
    for (int f = 0; f < 6 && same; ++f) {
      const int digit = homelook::Digit(n, A, f);
      if (digit == 0) continue;
      const int g = Turned(r, f);
      same = homelook::Digit(n, B, g) == digit &&
             Turned(r, homelook::TextureDirection(f)) == homelook::TextureDirection(g);
    }
    if (same) return r;
  }
  return -1;
}

std::vector<CubieState> LookingTheSame(const CubieState& Position) {
  const int n = Position.Size;
  std::vector<CubieState> out;
  const std::size_t count = static_cast<std::size_t>(n) * n * n;
  if (n < 3 || !IsSupportedCubeSize(n) || Position.Piece.size() != count ||
      Position.Rotation.size() != count) {
    return out;
  }
  for (std::size_t p = 0; p < count; ++p) {
    if (Position.Piece[p] < 0 || Position.Piece[p] >= static_cast<int>(count)) return out;
    if (Position.Rotation[p] < 0 || Position.Rotation[p] >= kRotations) return out;
  }

  std::vector<int> middles;
  std::vector<std::vector<int>> kinds(static_cast<std::size_t>(n * n));
  for (int p = 0; p < static_cast<int>(count); ++p) {
    const int kind = CentreKind(Position.Coordinates(p), n);
    if (kind == 0) {
      middles.push_back(p);
    } else if (kind > 0) {
      kinds[static_cast<std::size_t>(kind)].push_back(p);
    }
  }

  // The middle centres stand as the home cube turned by Frame would have them.
  std::vector<CubieState> frames;
  if (middles.empty()) frames.push_back(Position);
  for (int frame = 0; frame < kRotations && !middles.empty(); ++frame) {
    CubieState s = Position;
    bool fits = true;
    for (int p : middles) {
      Int3 home;
      fits = fits && Relabel(s, p, s.PlaceAt(Rotate(Inverse(frame), s.Coordinates(p), home)));
    }
    if (fits) frames.push_back(std::move(s));
  }

  // Any one trade within a kind changes which of its arrangements turns reach.
  std::vector<std::pair<int, int>> trades;
  for (const std::vector<int>& places : kinds) {
    bool found = false;
    for (std::size_t i = 0; i < places.size() && !found; ++i) {
      for (std::size_t j = i + 1; j < places.size() && !found; ++j) {
        const int p = places[i], q = places[j];
        if (LookAlikeTurn(n, Position.Piece[q], Position.Piece[p]) < 0) continue;
        trades.emplace_back(p, q);
        found = true;
      }
    }
  }

  for (const CubieState& frame : frames) {
    for (unsigned chosen = 0; chosen < (1u << trades.size()); ++chosen) {
      CubieState s = frame;
      for (std::size_t t = 0; t < trades.size(); ++t) {
        if (!(chosen & (1u << t))) continue;
        const auto [p, q] = trades[t];
        const int a = s.Piece[p], b = s.Piece[q];
        Relabel(s, p, b);
        Relabel(s, q, a);
      }
      if (s != Position) out.push_back(std::move(s));
    }
  }
  return out;
}

}  // namespace solver

#include "solver/BigTools.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "solver/BuildOnce.h"

namespace solver::big {

int Length(const Turns& Sequence) {
  int n = 0;
  for (const LayerTurn& t : Sequence) n += t.Amount == 2 ? 2 : 1;
  return n;
}

Turns Inverted(const Turns& Sequence) {
  Turns out(Sequence.rbegin(), Sequence.rend());
  for (LayerTurn& t : out) t.Amount = 4 - t.Amount;
  return out;
}

void Append(Turns& Into, const LayerTurn& Turn) {
  for (int i = static_cast<int>(Into.size()) - 1; i >= 0 && Into[i].Axis == Turn.Axis; --i) {
    if (Into[i].Layer != Turn.Layer) continue;
    Into[i].Amount = (Into[i].Amount + Turn.Amount) % 4;
    if (Into[i].Amount == 0) Into.erase(Into.begin() + i);
    return;
  }
  Into.push_back(Turn);
}

void Append(Turns& Into, const Turns& Sequence) {
  for (const LayerTurn& t : Sequence) Append(Into, t);
}

Surface::Surface(int N) : Size(N) {
  const CubieState solved = CubieState::Solved(N);
  std::map<std::array<int, 3>, int> kinds;
  Index.assign(N * N * N, -1);
  for (int p = 0; p < N * N * N; ++p) {
    if (!solved.OnSurface(p)) continue;
    Int3 c = solved.Coordinates(p);
    for (int& v : c) v = std::abs(v);
    std::sort(c.begin(), c.end());
    const auto found = kinds.emplace(c, static_cast<int>(kinds.size())).first;
    Index[p] = static_cast<int>(Place.size());
    Place.push_back(p);
    Kind.push_back(found->second);
  }
  Of.resize(kinds.size());
  for (int i = 0; i < static_cast<int>(Place.size()); ++i) Of[Kind[i]].push_back(i);
}

Effect Surface::Identity() const {
  Effect e;
  e.To.resize(Place.size());
  for (int i = 0; i < static_cast<int>(Place.size()); ++i) e.To[i] = i;
  e.Turn.assign(Place.size(), 0);
  return e;
}

Effect Surface::Of1(const LayerTurn& Turn) const {
  const CubieState solved = CubieState::Solved(Size);
  Effect e = Identity();
  int rotation = 0;
  for (int k = 0; k < Turn.Amount; ++k) rotation = Compose(QuarterTurn(Turn.Axis, 1), rotation);
  for (int i = 0; i < static_cast<int>(Place.size()); ++i) {
    const Int3 from = solved.Coordinates(Place[i]);
    if ((from[Turn.Axis] + Size - 1) / 2 != Turn.Layer) continue;
    Int3 to;
    e.To[i] = Index[solved.PlaceAt(Rotate(rotation, from, to))];
    e.Turn[i] = rotation;
  }
  return e;
}

Effect Surface::Then(const Effect& A, const Effect& B) {
  Effect e;
  const std::size_t n = A.To.size();
  e.To.resize(n);
  e.Turn.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    e.To[i] = B.To[A.To[i]];
    e.Turn[i] = Compose(B.Turn[A.To[i]], A.Turn[i]);
  }
  return e;
}

Effect Surface::OfSequence(const Turns& Sequence) const {
  Effect e = Identity();
  for (const LayerTurn& t : Sequence) e = Then(e, Of1(t));
  return e;
}

namespace {

// A commutator worked out weighs this many of the build's plain steps, so
// that the cancel flag is looked at about as often as the work goes.
constexpr long kCommutatorWeight = 64;

// The places a sequence changes.
std::vector<int> Support(const Effect& E) {
  std::vector<int> moved;
  for (int i = 0; i < static_cast<int>(E.To.size()); ++i) {
    if (E.To[i] != i || E.Turn[i] != 0) moved.push_back(i);
  }
  return moved;
}

std::vector<LayerTurn> AllTurns(int N) {
  std::vector<LayerTurn> all;
  for (int axis = 0; axis < 3; ++axis) {
    for (int layer = 0; layer < N; ++layer) {
      for (int amount = 1; amount <= 3; ++amount) all.push_back({axis, layer, amount});
    }
  }
  return all;
}

// The cycle a pure 3-cycle makes, starting at its lowest place.
bool AsCycle(const Effect& E, const std::vector<int>& Moved, Cycle& Out) {
  if (Moved.size() != 3) return false;
  const int a = Moved[0], b = E.To[a], c = E.To[b];
  if (b == a || c == a || c == b || E.To[c] != a) return false;
  Out.P = {a, b, c};
  Out.D = {E.Turn[a], E.Turn[b], E.Turn[c]};
  return true;
}

}  // namespace

int Toolbox::Key(int A, int B, int C) const {
  const int kind = surface_.Kind[A];
  const int n = static_cast<int>(surface_.Of[kind].size());
  return kindBase_[kind] + (local_[A] * n + local_[B]) * n + local_[C];
}

const std::vector<Cycle>& Toolbox::Find(int A, int B, int C) const {
  static const std::vector<Cycle> none;
  if (surface_.Kind[A] != surface_.Kind[B] || surface_.Kind[A] != surface_.Kind[C]) return none;
  return table_[Key(A, B, C)];
}

Turns Toolbox::Sequence(const Cycle& Cycle) const {
  Turns out;
  Append(out, setups_[Cycle.Setup]);
  Append(out, commutators_[Cycle.Commutator]);
  Append(out, Inverted(setups_[Cycle.Setup]));
  return out;
}

std::unique_ptr<Toolbox> Toolbox::Build(int N, tables::Abandon& stop) {
  std::unique_ptr<Toolbox> box(new Toolbox(N));
  const Surface& s = box->surface_;
  const std::vector<LayerTurn> all = AllTurns(N);
  std::vector<Effect> single;
  for (const LayerTurn& t : all) single.push_back(s.Of1(t));
  const auto effectOf = [&](const Turns& seq) {
    Effect e = s.Identity();
    for (const LayerTurn& t : seq)
      e = Surface::Then(e, single[(t.Axis * N + t.Layer) * 3 + t.Amount - 1]);
    return e;
  };
  const auto inverseOf = [](const Effect& e) {
    Effect back = e;
    for (std::size_t i = 0; i < e.To.size(); ++i) {
      back.To[e.To[i]] = static_cast<int>(i);
      back.Turn[e.To[i]] = Inverse(e.Turn[i]);
    }
    return back;
  };

  // Commutators [X Y X', Z] of single turns that change exactly three
  // pieces: those whose two halves share exactly one moved piece. Only the
  // shortest for each effect is kept.
  std::map<std::pair<std::array<int, 3>, std::array<int, 3>>, int> byEffect;
  std::vector<Cycle> base;
  const auto keep = [&](const Turns& seq, const Effect& e) {
    Cycle c;
    if (!AsCycle(e, Support(e), c)) return;
    c.Cost = Length(seq);
    const auto found = byEffect.find({c.P, c.D});
    if (found != byEffect.end()) {
      if (base[found->second].Cost <= c.Cost) return;
      base[found->second].Cost = c.Cost;
      box->commutators_[found->second] = seq;
      return;
    }
    c.Commutator = static_cast<int>(base.size());
    byEffect.emplace(std::make_pair(c.P, c.D), c.Commutator);
    base.push_back(c);
    box->commutators_.push_back(seq);
  };
  std::vector<std::vector<char>> inSingle(all.size(), std::vector<char>(s.Place.size(), 0));
  for (std::size_t z = 0; z < all.size(); ++z) {
    for (int i : Support(single[z])) inSingle[z][i] = 1;
  }
  for (std::size_t x = 0; x < all.size(); ++x) {
    for (std::size_t y = 0; y < all.size(); ++y) {
      if (all[x].Axis == all[y].Axis) continue;
      const Turns half = {all[x], all[y], Inverted({all[x]})[0]};
      const Effect a = effectOf(half);
      const std::vector<int> moved = Support(a);
      for (std::size_t z = 0; z < all.size(); ++z) {
        stop();
        int shared = 0;
        for (int i : moved) shared += inSingle[z][i];
        if (shared != 1) continue;
        stop(kCommutatorWeight);
        Turns seq = half;
        Append(seq, all[z]);
        Append(seq, Inverted(half));
        Append(seq, Inverted({all[z]})[0]);
        const Effect e = effectOf(seq);
        keep(seq, e);
        keep(Inverted(seq), inverseOf(e));
      }
    }
  }

  // Setups of up to two turns carry every commutator to other places.
  box->setups_.push_back({});
  for (const LayerTurn& a : all) box->setups_.push_back({a});
  for (const LayerTurn& a : all) {
    for (const LayerTurn& b : all) {
      if (a.Axis != b.Axis || a.Layer < b.Layer) box->setups_.push_back({a, b});
    }
  }
  std::stable_sort(box->setups_.begin(), box->setups_.end(),
                   [](const Turns& l, const Turns& r) { return Length(l) < Length(r); });
  std::sort(base.begin(), base.end(),
            [](const Cycle& l, const Cycle& r) { return l.Cost < r.Cost; });

  box->local_.assign(s.Place.size(), 0);
  int keys = 0;
  for (const std::vector<int>& places : s.Of) {
    box->kindBase_.push_back(keys);
    for (int k = 0; k < static_cast<int>(places.size()); ++k) box->local_[places[k]] = k;
    keys += static_cast<int>(places.size() * places.size() * places.size());
  }
  box->table_.resize(keys);
  const auto insert = [&](const Cycle& c) {
    for (int r = 0; r < 3; ++r) {
      Cycle turned = c;
      for (int k = 0; k < 3; ++k) {
        turned.P[k] = c.P[(k + r) % 3];
        turned.D[k] = c.D[(k + r) % 3];
      }
      std::vector<Cycle>& known = box->table_[box->Key(turned.P[0], turned.P[1], turned.P[2])];
      const auto same =
          std::find_if(known.begin(), known.end(), [&](const Cycle& k) { return k.D == turned.D; });
      if (same == known.end()) {
        known.push_back(turned);
      } else if (same->Cost > turned.Cost) {
        *same = turned;
      }
    }
  };
  // Setups of one turn reach nearly every triple; those of two are tried
  // only for the triples (and ways of turning them) still missing.
  std::vector<char> needed;
  for (int u = 0; u < static_cast<int>(box->setups_.size()); ++u) {
    const int setupLength = Length(box->setups_[u]);
    if (setupLength > 1 && box->setups_[u].size() > 1 && needed.empty()) {
      // Each of the three pieces may land turned any way its new place
      // allows; the third's turn then follows from the other two.
      std::vector<std::size_t> most(s.Of.size(), 0);
      const CubieState solved = CubieState::Solved(N);
      for (int kind = 0; kind < static_cast<int>(s.Of.size()); ++kind) {
        const Int3 home = solved.Coordinates(s.Place[s.Of[kind][0]]);
        std::size_t fixing = 0;
        for (int r = 0; r < kRotations; ++r) {
          Int3 to;
          fixing += Rotate(r, home, to) == home;
        }
        most[kind] = fixing * fixing;
      }
      needed.assign(keys, 0);
      for (int i = 0; i < static_cast<int>(s.Place.size()); ++i) {
        for (int j : s.Of[s.Kind[i]]) {
          for (int k : s.Of[s.Kind[i]]) {
            if (i == j || j == k || i == k) continue;
            needed[box->Key(i, j, k)] = box->table_[box->Key(i, j, k)].size() < most[s.Kind[i]];
          }
        }
      }
    }
    const Effect e = effectOf(box->setups_[u]);
    std::vector<int> back(e.To.size());
    for (int i = 0; i < static_cast<int>(e.To.size()); ++i) back[e.To[i]] = i;
    for (const Cycle& b : base) {
      stop();
      Cycle c = b;
      for (int k = 0; k < 3; ++k) c.P[k] = back[b.P[k]];
      if (!needed.empty() && !needed[box->Key(c.P[0], c.P[1], c.P[2])]) continue;
      c.Setup = u;
      c.Cost = b.Cost + 2 * setupLength;
      for (int k = 0; k < 3; ++k) {
        c.D[k] = Compose(Inverse(e.Turn[c.P[(k + 1) % 3]]), Compose(b.D[k], e.Turn[c.P[k]]));
      }
      insert(c);
    }
  }
  return box;
}

const Toolbox* SharedToolbox(int Size, const std::atomic<bool>& Cancel) {
  static auto& four = *new tables::Once<Toolbox>;
  static auto& five = *new tables::Once<Toolbox>;
  if (Size < 4 || Size > 5) return nullptr;
  return (Size == 4 ? four : five).Get(Cancel, [Size](tables::Abandon& stop) {
    return Toolbox::Build(Size, stop);
  });
}

}  // namespace solver::big

#include "solver/Staged.h"

#include <algorithm>
#include <cstdlib>

#include "solver/BigTools.h"
#include "solver/ThreeTables.h"

namespace solver {

bool PrepareTwo(const std::atomic<bool>& Cancel);

std::vector<VEKMove> StagedSolution::Moves() const {
  std::vector<VEKMove> all;
  for (const StagePart& part : Parts) all.insert(all.end(), part.Moves.begin(), part.Moves.end());
  return all;
}

std::size_t StagedSolution::Length() const {
  std::size_t length = 0;
  for (const StagePart& part : Parts) length += part.Moves.size();
  return length;
}

Stage StagedSolution::StageOf(std::size_t K) const {
  for (const StagePart& part : Parts) {
    if (K < part.Moves.size()) return part.Of;
    K -= part.Moves.size();
  }
  return Parts.empty() ? Stage::Whole : Parts.back().Of;
}

StagedSolution StagedSolution::After(std::size_t K) const {
  StagedSolution rest;
  rest.Result = Result;
  for (const StagePart& part : Parts) {
    if (K >= part.Moves.size()) {
      K -= part.Moves.size();
      continue;
    }
    StagePart tail{part.Of, {part.Moves.begin() + static_cast<std::ptrdiff_t>(K), part.Moves.end()}};
    K = 0;
    rest.Parts.push_back(std::move(tail));
  }
  return rest;
}

namespace {

StagedSolution InOneStage(Solution solution) {
  StagedSolution staged;
  staged.Result = solution.Result;
  if (solution.Result == Solution::Outcome::Found && !solution.Moves.empty()) {
    staged.Parts.push_back({Stage::Whole, std::move(solution.Moves)});
  }
  return staged;
}

}  // namespace

StagedSolution SolveStaged(const CubieState& Position, const std::atomic<bool>& Cancel) {
  return InOneStage(Solve(Position, Cancel));
}

StagedSolution SolveStaged(const VEKBigCube& Cube, const std::atomic<bool>& Cancel) {
  const Reading reading = Read(Cube);
  StagedSolution staged;
  if (reading.Result != Solution::Outcome::Found) {
    staged.Result = reading.Result;
    return staged;
  }
  if (reading.ReadsSolved) {
    staged.Result = Solution::Outcome::Found;
    return staged;
  }
  return SolveStaged(reading.Position, Cancel);
}

bool PrepareTables(int Size, const std::atomic<bool>& Cancel) {
  switch (Size) {
    case 2: return PrepareTwo(Cancel);
    case 3: return three::TheTables(Cancel) != nullptr;
    case 4:
    case 5:
      // The 4x4x4's corners are solved as a 2x2x2's.
      return (Size != 4 || PrepareTwo(Cancel)) && three::TheTables(Cancel) != nullptr &&
             big::SharedToolbox(Size, Cancel) != nullptr;
    default: return false;
  }
}

namespace {

// Centre places: one coordinate on the surface, the other two inside.
int FaceOfCentre(const Int3& c, int n) {
  int face = -1;
  for (int axis = 0; axis < 3; ++axis) {
    if (std::abs(c[axis]) != n - 1) continue;
    if (face >= 0) return -1;
    face = 2 * axis + (c[axis] > 0);
  }
  return face;
}

// Whether the cubie at Place stands as the home cube turned by Whole would have it.
bool StandsAs(const CubieState& s, int Place, int Whole) {
  Int3 to;
  return s.PlaceAt(Rotate(Whole, s.Coordinates(s.Piece[Place]), to)) == Place &&
         s.Rotation[Place] == Whole;
}

int CentresDone(const CubieState& s, int Whole) {
  const int n = s.Size;
  // By the face the cubie's home is on, and the quarter turns of that face.
  int best[6][4] = {};
  for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
    const int face = FaceOfCentre(s.Coordinates(s.Piece[p]), n);
    if (face < 0 || !s.OnSurface(p)) continue;
    for (int k = 0; k < 4; ++k) {
      const int twist = Compose(Whole, k == 0 ? 0 : [&] {
        int r = 0;
        for (int i = 0; i < k; ++i) r = Compose(QuarterTurn(face / 2, 1), r);
        return r;
      }());
      best[face][k] += StandsAs(s, p, twist);
    }
  }
  int done = 0;
  for (const auto& face : best) done += *std::max_element(face, face + 4);
  return done;
}

}  // namespace

StageCount Progress(const CubieState& Position, Stage Of) {
  const CubieState& s = Position;
  const int n = s.Size;
  StageCount count;
  for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
    if (!s.OnSurface(p)) continue;
    const Int3 c = s.Coordinates(p);
    int outside = 0;
    for (int v : c) outside += std::abs(v) == n - 1;
    const bool centre = outside == 1, edge = outside == 2;
    if (Of == Stage::Centres ? centre : Of == Stage::Edges ? edge : true) ++count.Of;
  }
  if (Of == Stage::Edges) {
    // Each edge's pieces paired: all turned alike, so that they came from one edge.
    for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) {
      if (!s.OnSurface(p)) continue;
      const Int3 c = s.Coordinates(p);
      int outside = 0, inner = -1;
      for (int axis = 0; axis < 3; ++axis) {
        if (std::abs(c[axis]) == n - 1) {
          ++outside;
        } else {
          inner = axis;
        }
      }
      if (outside != 2) continue;
      bool alike = true;
      for (int t = 0; t < n && alike; ++t) {
        Int3 other = c;
        other[inner] = 2 * t - (n - 1);
        if (std::abs(other[inner]) == n - 1) continue;
        alike = s.Rotation[s.PlaceAt(other)] == s.Rotation[p];
      }
      count.Done += alike;
    }
    return count;
  }
  for (int whole = 0; whole < kRotations; ++whole) {
    int done = 0;
    if (Of == Stage::Centres) {
      done = CentresDone(s, whole);
    } else {
      for (int p = 0; p < static_cast<int>(s.Piece.size()); ++p) done += s.OnSurface(p) && StandsAs(s, p, whole);
    }
    count.Done = std::max(count.Done, done);
  }
  return count;
}

}  // namespace solver

// The 2x2x2 and 3x3x3 as pieces: corners, edges and centres, each in a slot
// and twisted there, read from a CubieState whose centres (or first corner)
// stand at home. Also the whole-cube rotation that brings them home and the
// way a turn in that turned frame is made on the real cube.
#pragma once

#include <array>
#include <cstdint>

#include "puzzle/MoveHistory.h"
#include "solver/CubieState.h"

namespace solver::model {

// Faces: 2 * axis + (0 for the layer at the negative end, 1 for the positive).
inline constexpr int kFaces = 6;

// Corner slots are numbered by their signs (x > 0: 4, y > 0: 2, z > 0: 1),
// as the 2x2x2 numbers its places. Edge slots 8..11 are those with y = 0,
// the slice between the two faces of the y axis.
struct Pieces {
  std::array<int8_t, 8> Corner{};       // the corner standing in each slot
  std::array<int8_t, 8> CornerTwist{};  // 0..2
  std::array<int8_t, 12> Edge{};
  std::array<int8_t, 12> EdgeFlip{};    // 0..1
  std::array<int8_t, 6> CentreTwist{};  // 0..3, quarter turns about its face axis

  static Pieces Home();
  // This, then a quarter turn (Sign +1) of the face's layer; M is that turn
  // applied to Home().
  void Apply(const Pieces& M);
  bool operator==(const Pieces& O) const {
    return Corner == O.Corner && CornerTwist == O.CornerTwist && Edge == O.Edge &&
           EdgeFlip == O.EdgeFlip && CentreTwist == O.CentreTwist;
  }
};

// Size N, a cubie and a rotation in range at every place, each cubie once.
bool WellFormed(const CubieState& Position, int Size);

// The position's pieces; false when a cubie stands in a slot of another kind
// or turned so that a sticker faces inwards. A 2x2x2 has corners only.
bool ReadPieces(const CubieState& Position, Pieces& Out);

// The quarter turn (Sign +1) of each face of an N-cube as pieces.
const std::array<Pieces, kFaces>& FaceTurns(int Size);

// The whole-cube rotation that takes the 3x3x3's centre cubies from home to
// where they stand; -1 when no rotation does.
int CentreFrame(const CubieState& Position);
// The whole-cube rotation R with which the position is R applied to a
// cube whose reference cubies stand at home.
CubieState TurnedBack(const CubieState& Position, int R);
// The world move that makes a turn of the frame R.
VEKMove WorldMove(int R, int Size, int Axis, int Layer, int Sign);

// Lehmer rank of a permutation of 0..N-1 and back.
int RankPermutation(const int8_t* P, int N);
void UnrankPermutation(int Rank, int8_t* P, int N);
// Permutation parity (0 even, 1 odd).
int Parity(const int8_t* P, int N);

}  // namespace solver::model

// The cube's faces named for a view, as the notation names them: F is the
// side whose outward normal points most nearly at the eye, U the one most
// nearly up the screen, R the one to the right; D, L and B face away from
// them. The cube itself never turns as a whole, so the names follow the eye.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "puzzle/MoveHistory.h"
#include "puzzle/Notation.h"
#include "render/VekMath.h"

// The order faces are listed in: U R F D L B.
constexpr std::string_view kFaceOrder = "URFDLB";

struct FaceFrame {
  int Axis[6] = {1, 0, 2, 1, 0, 2};     // world axis (0 X, 1 Y, 2 Z) of U R F D L B
  int Sign[6] = {1, 1, 1, -1, -1, -1};  // +1 when the face looks along its axis

  // The index in kFaceOrder of a face letter, -1 for none.
  static int IndexOf(char Face);
};

// Eye: where the eye is (it looks at the origin); Up: up on the screen.
FaceFrame FacesSeenFrom(const VEKVector& Eye, const VEKVector& Up);

// One quarter turn of layers First..Last along a world axis (layers counted
// from the axis's negative end), Sign +1 or -1 as in VEKMove.
struct LayerTurn {
  int Axis = 0;
  int First = 0;
  int Last = 0;
  int Sign = 1;

  // The same turn as the turn code records it.
  VEKMove Recorded() const {
    return VEKMove{static_cast<uint8_t>(Axis), static_cast<uint8_t>(First), static_cast<int8_t>(Sign),
                   static_cast<uint8_t>(Last - First + 1)};
  }
};

// The quarter turns a move makes on a cube of Size seen in Frame: one, or
// two for a half turn; none for the whole-cube rotations x y z.
std::vector<LayerTurn> LayerTurnsOf(const notation::Move& Move, const FaceFrame& Frame, int Size);

// For x y z: the quarter turns of the view that show the cube turned so,
// each about a world axis, Sign +1 for a right-handed quarter turn of the eye.
std::vector<LayerTurn> ViewTurnsOf(const notation::Move& Move, const FaceFrame& Frame);

// The notation move that turns as Move does, faces named for Frame: layers
// that reach a face are named from it (R, Rw, 3Rw), a single inner layer
// from the nearer face (2R), the middle of an odd cube as M, E or S.
notation::Move NotationOf(const VEKMove& Move, const FaceFrame& Frame, int Size);

// Turns written out for Frame, two equal quarter turns in a row as one half
// turn: how a scramble or the player's moves are shown and kept.
std::string NotationText(const std::vector<VEKMove>& Moves, const FaceFrame& Frame, int Size);

// The same turns written for another view: Text's faces are named for From,
// the result's for To. Text comes back as it is when it cannot be read.
std::string NamedFor(std::string_view Text, const FaceFrame& From, const FaceFrame& To, int Size);

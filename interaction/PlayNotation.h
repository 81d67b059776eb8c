// Notation moves played on the cube as the player sees it: faces are named
// for the camera (puzzle/ViewFaces.h), a face or middle turn turns its
// layers at once (the game's turn queue plays them in frames), and
// the whole-cube rotations x y z turn the view.
#pragma once

#include <functional>

#include "puzzle/MoveHistory.h"
#include "puzzle/Notation.h"

struct VEKBigCube;
struct VEKCamera;

// False, and nothing more turned, when the cube is busy or a layer of the
// move is not whole (a cubie stands off the grid). Turned, when given, hears
// of each quarter turn made, as the history records turns. InSteps: each turn
// rotated by the steps of an animated turn; otherwise in one rotation.
bool PlayMove(VEKBigCube& Cube, VEKCamera& Camera, const notation::Move& Move,
              const std::function<void(const VEKMove&)>& Turned = {}, bool InSteps = true);

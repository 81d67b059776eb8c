// The stickers of the cube's surface written out as cube programs write
// them: for each face in the order U R F D L B of a view, row by row as the
// face is seen from outside (U with B at its top, D with F at its top, the
// four side faces with U at their top).
#pragma once

#include <string>

#include "puzzle/ViewFaces.h"

struct VEKBigCube;

// For each sticker the letter, in Home, of the face it lies on in the solved
// cube: "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB" for a solved
// 3x3x3 seen from Home. Empty while a cubie stands off the grid.
std::string FaceletLetters(const VEKBigCube& Cube, const FaceFrame& View, const FaceFrame& Home);

// For each sticker its digit and how many quarter turns clockwise its digit
// stands from upright, as "digit/turns", stickers separated by spaces and
// faces by " | ". Empty while a cubie stands off the grid.
std::string FaceletDigits(const VEKBigCube& Cube, const FaceFrame& View);

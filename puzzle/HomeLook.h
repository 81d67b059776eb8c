// What each cubie shows at home, the same for every cube of a size: the
// digit on each of its faces and which way the digit's texture runs there.
// Faces and directions are numbered as in CubeDirections.h.
#pragma once

namespace homelook {

// 0 for a face inside the cube. Every face of the cube reads 1..N^2 in the
// order of the cubie index (x slowest, then y, then z).
int Digit(int Size, int Cubie, int Face);
// The direction the texture's t coordinate grows along on a face at home.
int TextureDirection(int Face);

}  // namespace homelook

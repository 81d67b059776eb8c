// How the view moves by itself: the eye distance fitted to a cube's size and
// the phases of the free rotation of an idle window.
#pragma once

#include <cstdint>

// The eye distance at which a cube of CubeSize fills the same share of the
// picture as the 3x3x3 does from the start distance 20: the picture scales
// with size / distance, so 20 * size / 3, within the zoom bounds (a 5x5x5
// would want 33.33; it gets 33.07).
float FittedEyeDistance(int CubeSize);

// A free-rotation phase in degrees 1..360 advanced by one degree; 361 wraps to 1.
int32_t AdvancePhase(int32_t phase);

struct VEKCamera;
// One tick of the free rotation of an idle window: the rate about each world
// axis swings between -1 and +1 degree per tick, out of step by the random
// start phases, which advance by a degree.
void FreeRotationStep(VEKCamera& camera, int32_t& phaseX, int32_t& phaseY, int32_t& phaseZ);

// Turns the eye a quarter turn about a world axis (0 X, 1 Y, 2 Z), Sign +1
// right-handed, exactly: every face then faces where another faced, as a
// whole-cube rotation of the notation shows it.
void QuarterTurnView(VEKCamera& camera, int axis, int sign);

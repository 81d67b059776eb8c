// The facelet under the cursor: the hit records of a one-pixel pick region
// around it, nearest first by depth.
#include <GL/gl.h>

#include "interaction/PickHits.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

void VEKBigCube::Pick(int X, int Y) {
  if (!Owner || !Owner->Attached()) return;
  PickRegion region;
  glGetIntegerv(GL_VIEWPORT, region.Viewport);
  region.WindowX = X;
  region.WindowY = Owner->Window->ClientHeight() - Y;
  uint32_t buffer[kPickBufferWords] = {};
  // Worked out on the CPU: the driver's selection mode keeps memory for every
  // primitive it is given, and a pick runs on every mouse move of a drag.
  const int hits = CollectPickHits(*this, Owner->Camera, region, buffer, kPickBufferWords);
  // A negative count means the buffer overflowed; the pick is then ignored.
  if (hits > 0) ProcessHits(hits, buffer);
  Owner->DrawFrame();
}

void VEKBigCube::ProcessHits(int HitCount, const uint32_t* Buffer) {
  int cubie = 0, face = 0;
  if (NearestFacelet(HitCount, Buffer, CubieCount, cubie, face)) RecordHit(cubie, face);
}

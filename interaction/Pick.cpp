// The facelet under the cursor: the hit records of a one-pixel pick region
// around it, nearest first by depth.
#include <GL/gl.h>

#include "interaction/PickHits.h"
#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
constexpr int kSelectBufferWords = 512;
constexpr int kWordsPerHit = 4;  // name count, min depth, max depth, one name
}  // namespace

void VEKBigCube::Pick(int X, int Y) {
  if (!Owner || !Owner->Attached()) return;
  PickRegion region;
  glGetIntegerv(GL_VIEWPORT, region.Viewport);
  region.WindowX = X;
  region.WindowY = Owner->Window->ClientHeight() - Y;
  uint32_t buffer[kSelectBufferWords] = {};
  // Worked out on the CPU: the driver's selection mode keeps memory for every
  // primitive it is given, and a pick runs on every mouse move of a drag.
  const int hits = CollectPickHits(*this, Owner->Camera, region, buffer, kSelectBufferWords);
  // A negative count means the buffer overflowed; the pick is then ignored.
  if (hits > 0) ProcessHits(hits, buffer);
  Owner->DrawFrame();
}

bool NearestFacelet(int HitCount, const uint32_t* Buffer, int CubieCount, int& CubieNumber,
                    int& FaceNumber) {
  if (HitCount <= 0) return false;
  const int maxHits = kSelectBufferWords / kWordsPerHit;
  if (HitCount > maxHits) HitCount = maxHits;
  uint32_t nearestDepth = Buffer[1];
  uint32_t name = Buffer[3];
  for (int k = 1; k < HitCount; ++k) {
    const uint32_t* record = Buffer + kWordsPerHit * k;
    if (record[1] < nearestDepth) {
      nearestDepth = record[1];
      name = record[3];
    }
  }
  // Names read in decimal: cubie number, face number 1..6, then a 1; bevels
  // end in 0 and pick nothing, even with a facelet behind them. A face digit
  // above 6 names no face (a cubie has six) and would read past its points.
  const int32_t value = static_cast<int32_t>(name);
  const int32_t cubie = value / 100;
  const int32_t face = (value % 100) / 10;
  const int32_t units = value % 10;
  if (cubie < 1 || cubie > CubieCount || face < 1 || face > 6 || units < 1) return false;
  CubieNumber = cubie;
  FaceNumber = face;
  return true;
}

void VEKBigCube::ProcessHits(int HitCount, const uint32_t* Buffer) {
  int cubie = 0, face = 0;
  if (NearestFacelet(HitCount, Buffer, CubieCount, cubie, face)) RecordHit(cubie, face);
}

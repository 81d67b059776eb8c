// The facelet under the cursor, found by drawing the cubies once more in
// selection mode through a one-pixel pick region.
#include <GL/gl.h>
#include <GL/glu.h>

#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
constexpr int kSelectBufferWords = 512;
constexpr int kWordsPerHit = 4;  // name count, min depth, max depth, one name
}  // namespace

void VEKBigCube::Pick(int X, int Y) {
  if (!Owner || !Owner->Attached()) return;
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLuint buffer[kSelectBufferWords] = {};
  glSelectBuffer(kSelectBufferWords, buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  const int height = Owner->Window->ClientHeight();
  gluPickMatrix(X, height - Y, 1.0, 1.0, viewport);
  gluPerspective(30.0, 1.0, 1.0, 100.0);
  const VEKCamera& camera = Owner->Camera;
  gluLookAt(camera.Eye.X, camera.Eye.Y, camera.Eye.Z, 0.0, 0.0, 0.0, camera.Up.X, camera.Up.Y,
            camera.Up.Z);
  Draw(true);
  glPopMatrix();
  glFlush();

  const GLint hits = glRenderMode(GL_RENDER);
  // A negative count means the buffer overflowed; the pick is then ignored.
  if (hits > 0) ProcessHits(hits, buffer);
  glMatrixMode(GL_MODELVIEW);
  Owner->DrawFrame();
}

void VEKBigCube::ProcessHits(int HitCount, const uint32_t* Buffer) {
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
  if (cubie < 1 || cubie > CubieCount || face < 1 || face > 6 || units < 1) return;
  RecordHit(cubie, face);
}

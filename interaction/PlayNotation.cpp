#include "interaction/PlayNotation.h"

#include "interaction/Orbit.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/Vekcamera.h"

bool PlayMove(VEKBigCube& cube, VEKCamera& camera, const notation::Move& move,
              const std::function<void(const VEKMove&)>& turned, bool inSteps) {
  if (cube.Busy) return false;
  const FaceFrame frame = FacesSeenFrom(camera.Eye, camera.Up);
  for (const LayerTurn& t : ViewTurnsOf(move, frame)) QuarterTurnView(camera, t.Axis, t.Sign);
  for (const LayerTurn& t : LayerTurnsOf(move, frame, cube.Size)) {
    if (!cube.TurnLayers(t.Axis, t.First, t.Last, t.Sign, inSteps)) return false;
    if (turned) turned(t.Recorded());
  }
  return true;
}

// Undo and redo of the player's turns. A recorded move is replayed by
// marking its layer by the cubie centres and turning it like any turn.
#include <cmath>
#include <vector>

#include "puzzle/VekCube.h"

float VEKBigCube::LayerCoordinate(int Layer) const {
  return static_cast<float>((1 - Size) * 0.8 + 1.6 * Layer);
}

namespace {
float Along(const VEKVector& p, int axis) { return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z; }
}  // namespace

bool VEKBigCube::MarkLayerAt(int AxisIndex, int Layer) {
  ClearMarks();
  const float at = LayerCoordinate(Layer);
  int count = 0;
  for (int b = 0; b < CubieCount; ++b) {
    if (std::fabs(Along(Cubies[b].Points[0], AxisIndex) - at) < kGridTolerance) {
      Cubies[b].InTurn = true;
      ++count;
    }
  }
  if (count == LayerCubies) return true;
  ClearMarks();
  return false;
}

bool VEKBigCube::TurnMove(const VEKMove& Move, int Sign) {
  return Move.ValidFor(Size) &&
         TurnLayers(Move.Axis, Move.Layer, Move.Layer + Move.Width - 1, Move.Sign * Sign);
}

bool VEKBigCube::MarkLayers(int AxisIndex, int First, int Last, int Sign) {
  if (Busy || AxisIndex < 0 || AxisIndex > 2 || First < 0 || Last >= Size || First > Last ||
      (Sign != 1 && Sign != -1)) {
    return false;
  }
  // Every layer whole, or nothing turns.
  std::vector<int> marked;
  for (int layer = First; layer <= Last; ++layer) {
    if (!MarkLayerAt(AxisIndex, layer)) return false;
    for (int b = 0; b < CubieCount; ++b) {
      if (Cubies[b].InTurn) marked.push_back(b);
    }
  }
  for (int b : marked) Cubies[b].InTurn = true;
  return true;
}

bool VEKBigCube::TurnLayers(int AxisIndex, int First, int Last, int Sign, bool InSteps) {
  if (!MarkLayers(AxisIndex, First, Last, Sign)) return false;
  if (InSteps) {
    TurnMarkedBy(Axis[AxisIndex], Sign);
  } else {
    TurnMarkedAtOnce(Axis[AxisIndex], Sign);
  }
  ClearMarks();
  // A drag under way would otherwise go on from a cubie that has moved.
  ResetDrag();
  return true;
}

bool VEKBigCube::Undo() {
  if (Busy || !History.CanUndo() || !TurnMove(History.NextUndo(), -1)) return false;
  History.StepBack();
  return true;
}

bool VEKBigCube::Redo() {
  if (Busy || !History.CanRedo() || !TurnMove(History.NextRedo(), +1)) return false;
  History.StepForward();
  return true;
}

std::optional<VEKMove> VEKBigCube::DragMove(const VEKVector& TurnAxis, int Sign) const {
  if (Sign != 1 && Sign != -1) return std::nullopt;
  const int axis = TurnAxis.X == 1.0f ? 0 : TurnAxis.Y == 1.0f ? 1 : TurnAxis.Z == 1.0f ? 2 : -1;
  if (axis < 0) return std::nullopt;
  for (int b = 0; b < CubieCount; ++b) {
    if (!Cubies[b].InTurn) continue;
    // A turn keeps its layer's coordinate along the axis.
    const float index = (Along(Cubies[b].Points[0], axis) - LayerCoordinate(0)) / 1.6f;
    const long layer = std::lround(index);
    if (layer < 0 || layer >= Size) return std::nullopt;
    VEKMove move;
    move.Axis = static_cast<uint8_t>(axis);
    move.Layer = static_cast<uint8_t>(layer);
    move.Sign = static_cast<int8_t>(Sign);
    return move;
  }
  return std::nullopt;
}

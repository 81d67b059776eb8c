// Dragging from one cubie onto its neighbour turns the layer holding both.
#include <cmath>

#include "puzzle/VekCube.h"
#include "render/VekGL.h"

namespace {
bool Unset(const VEKVector& p) { return p.X == 0.0f && p.Y == 0.0f && p.Z == 0.0f; }

bool SamePoint(const VEKVector& a, const VEKVector& b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

// One rule of the direction table: when |d| > 0.001, the signs of the P0
// coordinate and of d choose between +step and -step; "sameSign" is the
// sign used when both are positive (or both negative). Returns the sign
// applied, or 0 when the rule does not apply.
int ApplyRule(float d, float p0, int sameSign, const VEKVector& axis, float step,
              VEKMatrix& turn) {
  if (std::fabs(d) <= 0.001f) return 0;
  if (p0 == 0.0f || d == 0.0f) return 0;
  const bool same = (p0 > 0.0f) == (d > 0.0f);
  const int sign = same ? sameSign : -sameSign;
  RotationAboutAxis(turn, axis, sign > 0 ? step : -step);
  return sign;
}

// The sign that stands after two rules: the second one's when it applied.
int Later(int first, int second) { return second != 0 ? second : first; }
}  // namespace

void VEKGL::MouseMove(int X, int Y, uint8_t Shift) {
  if (!Cube || Cube->Busy) return;
  if (Shift & ssRight) Camera.Orbit(X, Y);
  if (Shift & ssLeft) Cube->Pick(X, Y);
}

void VEKGL::MouseUp() {
  // A turn under way is the queue's: it ends on its quarter, and clears the drag then.
  if (!Cube || Cube->TurnStepsLeft > 0) return;
  Cube->Busy = false;
  Cube->ClearMarks();
  Cube->ResetDrag();
}

void VEKBigCube::RecordHit(int CubieNumber, int FaceNumber) {
  const VEKSmallCube& cubie = Cubies[CubieNumber - 1];
  PlanePoint[0].X = PlanePoint[1].X;
  PlanePoint[0].Y = PlanePoint[1].Y;
  PlanePoint[0].Z = PlanePoint[1].Z;
  PlanePoint[1].X = cubie.Points[0].X;
  PlanePoint[1].Y = cubie.Points[0].Y;
  PlanePoint[1].Z = cubie.Points[0].Z;
  cubie.FaceCenter(FaceNumber, PlanePoint[2]);
  if (Unset(PlanePoint[0]) || Unset(PlanePoint[1]) || Unset(PlanePoint[2])) return;
  if (SamePoint(PlanePoint[0], PlanePoint[1])) return;  // still on the same cubie
  DetectTurn();
}

void VEKBigCube::DetectTurn() {
  ClearMarks();
  VEKVector normal;
  // The count comes first: collinear points give a zero normal, which every
  // cubie satisfies, so they never reach the axis test.
  if (MarkLayer(normal) != LayerCubies) return;
  if (const VEKVector* axis = AxisAlong(normal)) DragTurn(*axis);
}

void VEKBigCube::DragTurn(const VEKVector& TurnAxis) {
  Busy = true;
  const VEKVector& p0 = PlanePoint[0];
  const VEKVector& p1 = PlanePoint[1];
  // The drag reversed: from the cubie under the cursor back to where it came from.
  const float dx = p0.X - p1.X, dy = p0.Y - p1.Y, dz = p0.Z - p1.Z;
  const float step = static_cast<float>(StepDegrees());
  TurnMatrix.SetIdentity(1.0f);
  // Each sign is the one under which P0 starts to move along the drag; when
  // both rules of an axis apply, the second one stands.
  int sign = 0;
  if (TurnAxis.X == 1.0f) {
    sign = ApplyRule(dz, p0.Y, +1, TurnAxis, step, TurnMatrix);
    sign = Later(sign, ApplyRule(dy, p0.Z, -1, TurnAxis, step, TurnMatrix));
  } else if (TurnAxis.Y == 1.0f) {
    sign = ApplyRule(dx, p0.Z, +1, TurnAxis, step, TurnMatrix);
    sign = Later(sign, ApplyRule(dz, p0.X, -1, TurnAxis, step, TurnMatrix));
  } else if (TurnAxis.Z == 1.0f) {
    sign = ApplyRule(dx, p0.Y, -1, TurnAxis, step, TurnMatrix);
    sign = Later(sign, ApplyRule(dy, p0.X, +1, TurnAxis, step, TurnMatrix));
  }
  // A player's turn, undoable; a drag whose direction no rule decided
  // turns nothing and is not recorded.
  const std::optional<VEKMove> move = DragMove(TurnAxis, sign);
  if (move && TurnDetected) {
    // Played by whoever listens, step by step; the drag starts afresh.
    ClearMarks();
    ResetDrag();
    Busy = false;
    TurnDetected(*move);
    return;
  }
  if (move) {
    AnimateTurn();
    History.Record(*move);
  }
  ClearMarks();
  ResetDrag();
  Busy = false;
}

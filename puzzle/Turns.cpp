#include <cmath>

#include "puzzle/Random.h"
#include "puzzle/VekCube.h"

namespace {
constexpr float kPlaneTolerance = 0.01f;
constexpr double kAxisCosine = 0.98;

bool IsDivisorOf90(int32_t degrees) { return degrees > 0 && 90 % degrees == 0; }
}  // namespace

int32_t VEKBigCube::StepDegrees() const { return IsDivisorOf90(RotateSpeed) ? RotateSpeed : 5; }

void VEKBigCube::ClearMarks() {
  for (int b = 0; b < CubieCount; ++b) Cubies[b].InTurn = false;
}

void VEKBigCube::ResetDrag() {
  for (VEKVector& p : PlanePoint) p = VEKVector{0.0f, 0.0f, 0.0f, 1.0f};
}

int VEKBigCube::MarkLayer(VEKVector& Normal) {
  const VEKVector& p0 = PlanePoint[0];
  const VEKVector& p1 = PlanePoint[1];
  const VEKVector& p2 = PlanePoint[2];
  // (P1 - P0) x (P2 - P0), written out; evaluated in double, kept in float.
  Normal.X = static_cast<float>(static_cast<double>(p0.Y) * (static_cast<double>(p1.Z) - p2.Z) +
                                static_cast<double>(p1.Y) * (static_cast<double>(p2.Z) - p0.Z) +
                                static_cast<double>(p2.Y) * (static_cast<double>(p0.Z) - p1.Z));
  Normal.Y = static_cast<float>(static_cast<double>(p0.Z) * (static_cast<double>(p1.X) - p2.X) +
                                static_cast<double>(p1.Z) * (static_cast<double>(p2.X) - p0.X) +
                                static_cast<double>(p2.Z) * (static_cast<double>(p0.X) - p1.X));
  Normal.Z = static_cast<float>(static_cast<double>(p0.X) * (static_cast<double>(p1.Y) - p2.Y) +
                                static_cast<double>(p1.X) * (static_cast<double>(p2.Y) - p0.Y) +
                                static_cast<double>(p2.X) * (static_cast<double>(p0.Y) - p1.Y));
  Normal.W = 1.0f;
  const float t = static_cast<float>(-(static_cast<double>(Normal.X) * p0.X +
                                       static_cast<double>(Normal.Y) * p0.Y +
                                       static_cast<double>(Normal.Z) * p0.Z));
  int count = 0;
  for (int b = 0; b < CubieCount; ++b) {
    const VEKVector& c = Cubies[b].Points[0];
    const float dist = static_cast<float>(static_cast<double>(Normal.X) * c.X +
                                          static_cast<double>(Normal.Y) * c.Y +
                                          static_cast<double>(Normal.Z) * c.Z + t);
    if (std::fabs(dist) < kPlaneTolerance) {
      Cubies[b].InTurn = true;
      ++count;
    }
  }
  return count;
}

void VEKBigCube::MoveMarked() {
  for (int b = 0; b < CubieCount; ++b) {
    VEKSmallCube& cubie = Cubies[b];
    if (!cubie.InTurn) continue;
    for (int p = 0; p < kPointsPerCubie; ++p) {
      TransformVector(cubie.Points[p], TurnMatrix, cubie.Points[p]);
    }
  }
}

void VEKBigCube::AnimateTurn() {
  for (int step = 90 / StepDegrees(); step > 0; --step) MoveMarked();
}

void VEKBigCube::TurnMarked(const VEKVector& TurnAxis) {
  TurnMarkedBy(TurnAxis, vekrandom::Next() % 2 == 0 ? 1 : -1);
}

void VEKBigCube::TurnMarkedBy(const VEKVector& TurnAxis, int Sign) {
  const float degrees = static_cast<float>(StepDegrees());
  TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(TurnMatrix, TurnAxis, Sign > 0 ? degrees : -degrees);
  AnimateTurn();
}

void VEKBigCube::TurnMarkedAtOnce(const VEKVector& TurnAxis, int Sign) {
  TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(TurnMatrix, TurnAxis, Sign > 0 ? 90.0f : -90.0f);
  MoveMarked();
}

bool VEKBigCube::BeginTurn(int AxisIndex, int First, int Last, int Sign) {
  if (!MarkLayers(AxisIndex, First, Last, Sign)) return false;
  Busy = true;
  const float step = static_cast<float>(StepDegrees() * Sign);
  TurnMatrix.SetIdentity(1.0f);
  RotationAboutAxis(TurnMatrix, Axis[AxisIndex], step);
  TurnStepsLeft = 90 / StepDegrees();
  return true;
}

void VEKBigCube::StepTurn() {
  if (TurnStepsLeft <= 0) return;
  MoveMarked();
  --TurnStepsLeft;
}

void VEKBigCube::EndTurn() {
  TurnStepsLeft = 0;
  ClearMarks();
  // A drag under way would otherwise go on from a cubie that has moved.
  ResetDrag();
  Busy = false;
}

const VEKVector* VEKBigCube::AxisAlong(const VEKVector& n) const {
  const float length = static_cast<float>(std::sqrt(static_cast<double>(n.X) * n.X +
                                                    static_cast<double>(n.Y) * n.Y +
                                                    static_cast<double>(n.Z) * n.Z));
  const VEKVector unit{n.X / length, n.Y / length, n.Z / length, 1.0f};
  for (const VEKVector& a : Axis) {
    const double dot = static_cast<double>(unit.X) * a.X + static_cast<double>(unit.Y) * a.Y +
                       static_cast<double>(unit.Z) * a.Z;
    if (std::fabs(dot) > kAxisCosine) return &a;
  }
  return nullptr;
}

const VEKVector* VEKBigCube::MarkRandomLayer(VEKMove& Layer) {
  const int c = static_cast<int>(vekrandom::Next() % static_cast<uint32_t>(CubieCount));
  const VEKSmallCube& cubie = Cubies[c];
  const VEKVector& centre = cubie.Points[0];
  PlanePoint[0].X = centre.X;
  PlanePoint[0].Y = centre.Y;
  PlanePoint[0].Z = centre.Z;
  // The plane through the centre and two face centres of the cubie is the
  // layer perpendicular to its third axis, wherever turns have taken it.
  switch (vekrandom::Next() % 3) {
    case 0:
      cubie.FaceCenter(1, PlanePoint[1]);
      cubie.FaceCenter(3, PlanePoint[2]);
      break;
    case 1:
      cubie.FaceCenter(1, PlanePoint[1]);
      cubie.FaceCenter(5, PlanePoint[2]);
      break;
    default:
      cubie.FaceCenter(5, PlanePoint[1]);
      cubie.FaceCenter(3, PlanePoint[2]);
      break;
  }
  ClearMarks();
  VEKVector normal;
  if (MarkLayer(normal) != LayerCubies) return nullptr;
  const VEKVector* axis = AxisAlong(normal);
  if (!axis) return nullptr;
  const int index = static_cast<int>(axis - Axis);
  const float along = index == 0 ? centre.X : index == 1 ? centre.Y : centre.Z;
  Layer.Axis = static_cast<uint8_t>(index);
  Layer.Layer = static_cast<uint8_t>(std::lround((along - LayerCoordinate(0)) / 1.6f));
  return axis;
}

void VEKBigCube::BeginScramble() {
  vekrandom::SeedFromClock();
  // The scramble is where the game starts from: it can never be undone.
  History.Clear();
  ScrambleMoves.clear();
}

std::optional<VEKMove> VEKBigCube::NextScrambleTurn(ScrambleDraw& Draw) {
  // Count turns, and more while the cube still reads solved: a scramble that
  // happened to come home would start a game that is already won.
  while (Draw.Drawn < Draw.Count || (Draw.Count > 0 && IsSolved())) {
    ++Draw.Drawn;
    VEKMove turn;
    const VEKVector* axis = nullptr;
    // A turn straight back would waste two turns of the count: draw again.
    do {
      axis = MarkRandomLayer(turn);
      if (axis) turn.Sign = static_cast<int8_t>(vekrandom::Next() % 2 == 0 ? 1 : -1);
    } while (axis && Draw.Turned && turn.Axis == Draw.Last.Axis && turn.Layer == Draw.Last.Layer &&
             turn.Sign == -Draw.Last.Sign);
    ClearMarks();
    ResetDrag();
    if (!axis) continue;
    Draw.Last = turn;
    Draw.Turned = true;
    return turn;
  }
  return std::nullopt;
}

void VEKBigCube::Shuffle(int Count) {
  BeginScramble();
  ScrambleDraw draw;
  draw.Count = Count;
  while (const std::optional<VEKMove> turn = NextScrambleTurn(draw)) {
    TurnLayers(turn->Axis, turn->Layer, turn->Layer, turn->Sign, false);
    ScrambleMoves.push_back(*turn);
  }
  ClearMarks();
  ResetDrag();
}

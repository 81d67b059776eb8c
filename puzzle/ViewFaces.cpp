#include "puzzle/ViewFaces.h"

#include <cmath>
#include <cstring>

namespace {
float Along(const VEKVector& v, int axis) { return axis == 0 ? v.X : axis == 1 ? v.Y : v.Z; }

// The axis of the largest component among those allowed, and its sign.
void Strongest(const VEKVector& v, int skip, int& axis, int& sign) {
  axis = -1;
  float best = -1.0f;
  for (int a = 0; a < 3; ++a) {
    if (a == skip || std::fabs(Along(v, a)) <= best) continue;
    best = std::fabs(Along(v, a));
    axis = a;
  }
  sign = Along(v, axis) < 0.0f ? -1 : 1;
}

// The face a move turns like: M like L, E like D, S like F; x like R, y like U, z like F.
char FaceTurnedLike(char face) {
  switch (face) {
    case 'M':
      return 'L';
    case 'E':
      return 'D';
    case 'S':
      return 'F';
    case 'x':
      return 'R';
    case 'y':
      return 'U';
    case 'z':
      return 'F';
    default:
      return face;
  }
}
}  // namespace

int FaceFrame::IndexOf(char face) {
  const std::size_t at = kFaceOrder.find(face);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

FaceFrame FacesSeenFrom(const VEKVector& Eye, const VEKVector& Up) {
  FaceFrame frame;
  int f = 0, fs = 1, u = 0, us = 1;
  Strongest(Eye, -1, f, fs);
  Strongest(Up, f, u, us);
  // Right = up x towards-the-eye, for unit vectors along the axes.
  const int r = 3 - f - u;
  const int rs = ((u + 1) % 3 == f ? 1 : -1) * us * fs;
  const int axes[3] = {u, r, f}, signs[3] = {us, rs, fs};
  for (int i = 0; i < 3; ++i) {
    frame.Axis[i] = frame.Axis[i + 3] = axes[i];
    frame.Sign[i] = signs[i];
    frame.Sign[i + 3] = -signs[i];
  }
  return frame;
}

std::vector<LayerTurn> LayerTurnsOf(const notation::Move& move, const FaceFrame& frame, int size) {
  const int face = FaceFrame::IndexOf(FaceTurnedLike(move.Face));
  if (face < 0 || std::strchr("xyz", move.Face)) return {};
  LayerTurn turn;
  turn.Axis = frame.Axis[face];
  const int outward = frame.Sign[face];
  // Layers counted from the face, as indices from the axis's negative end.
  int first = move.First, last = move.Last;
  if (std::strchr("MES", move.Face)) first = last = (size + 1) / 2;
  const auto index = [&](int fromFace) { return outward > 0 ? size - fromFace : fromFace - 1; };
  turn.First = std::min(index(first), index(last));
  turn.Last = std::max(index(first), index(last));
  // Clockwise seen from the face is clockwise about the axis seen from its
  // end on that side: the positive turn when the face looks along the axis.
  turn.Sign = move.Turns == -1 ? -outward : outward;
  return std::vector<LayerTurn>(move.Turns == 2 ? 2 : 1, turn);
}

std::vector<LayerTurn> ViewTurnsOf(const notation::Move& move, const FaceFrame& frame) {
  if (!std::strchr("xyz", move.Face) || move.Face == '\0') return {};
  const int face = FaceFrame::IndexOf(FaceTurnedLike(move.Face));
  LayerTurn turn;
  turn.Axis = frame.Axis[face];
  // The cube turning clockwise about a face's normal is the eye turning the
  // other way: right-handed about the outward normal.
  turn.Sign = move.Turns == -1 ? -frame.Sign[face] : frame.Sign[face];
  return std::vector<LayerTurn>(move.Turns == 2 ? 2 : 1, turn);
}

#include "puzzle/ViewFaces.h"

#include <algorithm>
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

notation::Move NotationOf(const VEKMove& move, const FaceFrame& frame, int size) {
  int plus = 0, minus = 0;  // the faces at either end of the move's axis
  for (int i = 0; i < 6; ++i) {
    if (frame.Axis[i] != move.Axis) continue;
    (frame.Sign[i] > 0 ? plus : minus) = i;
  }
  const int first = move.Layer, last = move.Layer + move.Width - 1;
  notation::Move out;
  int face = plus;
  if (last == size - 1) {
    out.First = 1;
    out.Last = move.Width;
  } else if (first == 0) {
    face = minus;
    out.First = 1;
    out.Last = move.Width;
  } else if (size % 2 == 1 && first == size / 2 && move.Width == 1) {
    // The middle layer turns as L, D or F does, whichever lies on this axis.
    face = std::strchr("LDF", kFaceOrder[plus]) ? plus : minus;
    out.Face = "MES"[std::strchr("LDF", kFaceOrder[face]) - "LDF"];
    out.First = out.Last = 0;
    out.Turns = move.Sign == frame.Sign[face] ? 1 : -1;
    return out;
  } else {
    const int fromPlus = size - first, fromMinus = first + 1;
    face = fromPlus <= fromMinus ? plus : minus;
    out.First = out.Last = face == plus ? fromPlus : fromMinus;
  }
  out.Face = kFaceOrder[face];
  // Clockwise seen from a face is the positive turn when it looks along the axis.
  out.Turns = move.Sign == frame.Sign[face] ? 1 : -1;
  return out;
}

std::string NotationText(const std::vector<VEKMove>& moves, const FaceFrame& frame, int size) {
  std::vector<notation::Move> written;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    notation::Move m = NotationOf(moves[i], frame, size);
    if (i + 1 < moves.size() && moves[i + 1] == moves[i]) {
      m.Turns = 2;
      ++i;
    }
    written.push_back(m);
  }
  return notation::ToString(written);
}

std::string NamedFor(std::string_view text, const FaceFrame& from, const FaceFrame& to, int size) {
  const notation::Parsed parsed = notation::Parse(text, size);
  if (!parsed.Ok()) return std::string(text);
  std::vector<VEKMove> turns;
  for (const notation::Move& m : parsed.Moves) {
    for (const LayerTurn& t : LayerTurnsOf(m, from, size)) turns.push_back(t.Recorded());
  }
  return NotationText(turns, to, size);
}

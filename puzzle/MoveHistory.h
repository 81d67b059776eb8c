// The player's quarter turns since the scramble, for undo and redo. A move
// names its layer by the fixed world axes (the cube never moves as a whole),
// so it still names the same layer after any later turns.
#pragma once

#include <cstdint>
#include <vector>

struct VEKMove {
  uint8_t Axis = 0;   // 0 = X, 1 = Y, 2 = Z
  uint8_t Layer = 0;  // 0..N-1, counted from the negative end of the axis
  int8_t Sign = 1;    // +1: +step degrees about the axis (RotationAboutAxis), -1: -step
  uint8_t Width = 1;  // layers turned together: Layer .. Layer + Width - 1 (a wide turn)

  bool ValidFor(int CubeSize) const {
    return Axis < 3 && Width >= 1 && Width <= 4 && Layer + Width <= CubeSize &&
           (Sign == 1 || Sign == -1);
  }
};

inline bool operator==(const VEKMove& a, const VEKMove& b) {
  return a.Axis == b.Axis && a.Layer == b.Layer && a.Sign == b.Sign && a.Width == b.Width;
}

class VEKMoveHistory {
 public:
  // Long enough for any game; beyond it the oldest turn can no longer be
  // undone but still counts.
  static constexpr std::size_t kMaxMoves = 100000;

  // A new turn: drops the redo tail and counts one more.
  void Record(const VEKMove& Move);
  void Clear();
  bool CanUndo() const { return cursor_ > 0; }
  bool CanRedo() const { return cursor_ < moves_.size(); }
  // The move to take back or to make again; only when CanUndo / CanRedo.
  const VEKMove& NextUndo() const { return moves_[cursor_ - 1]; }
  const VEKMove& NextRedo() const { return moves_[cursor_]; }
  void StepBack() { --cursor_; }
  void StepForward() { ++cursor_; }

  // Turns currently applied: those that can be undone plus those that no
  // longer can (see kMaxMoves).
  uint32_t MoveCount() const { return base_ + static_cast<uint32_t>(cursor_); }
  // The undoable turns, then the redo tail; Cursor() of them are applied.
  const std::vector<VEKMove>& Moves() const { return moves_; }
  std::size_t Cursor() const { return cursor_; }
  // Restores a saved history; false (history unchanged) when it does not
  // hold together: Cursor past the moves, or fewer turns applied than undoable.
  bool Restore(std::vector<VEKMove> Moves, std::size_t Cursor, uint32_t MoveCount);

 private:
  std::vector<VEKMove> moves_;
  std::size_t cursor_ = 0;
  uint32_t base_ = 0;
};

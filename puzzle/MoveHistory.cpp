#include "puzzle/MoveHistory.h"

#include <utility>

void VEKMoveHistory::Record(const VEKMove& Move) {
  moves_.resize(cursor_);
  if (moves_.size() >= kMaxMoves) {
    moves_.erase(moves_.begin());
    ++base_;
  }
  moves_.push_back(Move);
  cursor_ = moves_.size();
}

void VEKMoveHistory::Clear() {
  moves_.clear();
  cursor_ = 0;
  base_ = 0;
}

bool VEKMoveHistory::Restore(std::vector<VEKMove> Moves, std::size_t Cursor, uint32_t MoveCount) {
  if (Moves.size() > kMaxMoves || Cursor > Moves.size() || MoveCount < Cursor) return false;
  moves_ = std::move(Moves);
  cursor_ = Cursor;
  base_ = MoveCount - static_cast<uint32_t>(Cursor);
  return true;
}

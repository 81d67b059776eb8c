// Hints and the computer's solution: searched on a worker so that the window
// keeps answering, and dropped when the cube has turned meanwhile.
#include "game/Game.h"
#include "game/TableWarmer.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/Vekcamera.h"

void Game::AskHelp(bool whole, VEKCamera& camera) {
  EndReplay();
  if (Scrambling() || playingMoves_ || paused_) return;
  SettleTurns();
  camera_ = &camera;
  const solver::Reading reading = solver::Read(cube_);
  if (reading.Result == solver::Solution::Outcome::OffGrid) {
    view_.ShowStatus(StatusKind::CubieOffGrid);
    return;
  }
  if (reading.ReadsSolved) {
    view_.ShowStatus(StatusKind::SolvedAlready);
    return;
  }
  // The hint asked for is shown already: it stays as it is.
  if (!whole && hintFor_ == reading.Position) return;
  wholeSolution_ = whole;
  searchedFor_ = reading.Position;
  view_.ShowStatus(StatusKind::Searching);
  TableWarmer::SearchStarts();
  solveTask_.Start(reading.Position, [this] { view_.RunOnWindowThread([this] { SolutionFound(); }); });
}

void Game::SolutionFound() {
  auto found = solveTask_.Take();
  if (!found || found->first != searchedFor_) return;
  searchedFor_.reset();
  const auto& [position, solution] = *found;
  // The cube turned while the worker searched: what it found is for another cube.
  if (!turns_.Idle() || solver::ReadCubies(cube_) != position) return;
  using Outcome = solver::Solution::Outcome;
  if (solution.Result != Outcome::Found) {
    if (solution.Result == Outcome::Unreachable) view_.ShowStatus(StatusKind::CannotBeSolved);
    return;
  }
  if (solution.Moves.empty()) {
    view_.ShowStatus(StatusKind::SolvedAlready);
    return;
  }
  if (!wholeSolution_) {
    hintFor_ = position;
    view_.ShowHint(solution.Moves.front());
    const FaceFrame view = FacesSeenFrom(camera_->Eye, camera_->Up);
    HintShown(GameStatus::Hint(NotationText({solution.Moves.front()}, view, cube_.Size)));
    return;
  }
  hintFor_.reset();
  view_.ShowHint(std::nullopt);
  PlaySolution(solution.Moves);
}

void Game::DropStaleHelp() {
  if (!hintFor_ && !searchedFor_) return;
  const std::optional<solver::CubieState> now = solver::ReadCubies(cube_);
  if (hintFor_ && now != hintFor_) {
    hintFor_.reset();
    view_.ShowHint(std::nullopt);
  }
  if (searchedFor_ && now != searchedFor_) {
    searchedFor_.reset();
    solveTask_.Cancel();
  }
}

void Game::HintShown(const GameStatus& status) {
  // The hint's text stays on the line, over drags that turn nothing, until a turn.
  hintStatus_ = status;
  view_.ShowStatus(hintStatus_);
  if (!Running()) return;
  ++hints_;
  helpUsed_ = true;
  scrambleTurns_ = 0;
  Keep();
}

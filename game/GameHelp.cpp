// Hints and the computer's solution: searched on a worker so that the window
// keeps answering, and dropped when the cube has turned meanwhile. Hints
// follow one solution while the player makes the turns they name.
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
  if (followFrom_ == reading.Position && follow_.Length() > 0) {
    // The player made the hinted turn: the same solution goes on.
    const solver::StagedSolution rest = follow_;
    if (!whole) {
      ShowHintFrom(reading.Position, rest);
      return;
    }
    hintFor_.reset();
    view_.ShowHint(std::nullopt);
    PlaySolution(rest);
    return;
  }
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
  if (solution.Length() == 0) {
    view_.ShowStatus(StatusKind::SolvedAlready);
    return;
  }
  if (!wholeSolution_) {
    ShowHintFrom(position, solution);
    return;
  }
  hintFor_.reset();
  view_.ShowHint(std::nullopt);
  PlaySolution(solution);
}

void Game::ShowHintFrom(const solver::CubieState& position, const solver::StagedSolution& solution) {
  const VEKMove move = solution.Parts.front().Moves.front();
  hintFor_ = position;
  followFrom_ = position;
  followFrom_->Turn(move);
  follow_ = solution.After(1);
  view_.ShowHint(move);
  const FaceFrame view = FacesSeenFrom(camera_->Eye, camera_->Up);
  HintShown(GameStatus::Hint(NotationText({move}, view, cube_.Size), solution.StageOf(0)));
}

void Game::DropStaleHelp() {
  if (!hintFor_ && !searchedFor_ && !followFrom_) return;
  const std::optional<solver::CubieState> now = solver::ReadCubies(cube_);
  // Followed while the cube stands where the hint was shown or where its turn leads.
  if (followFrom_ && now != followFrom_ && now != hintFor_) {
    followFrom_.reset();
    follow_ = {};
  }
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

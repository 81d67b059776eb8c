// Hints and solutions: searched on a worker so that the window keeps
// answering, and dropped when the cube has turned meanwhile.
#include "app/toolkit/Text.h"
#include "app/window/MainForm.h"
#include "app/window/TurnQuality.h"
#include "texts/Texts.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/VekGL.h"

void TMainForm::HintClick() { SearchSolution(false); }

void TMainForm::SolveClick() { SearchSolution(true); }

void TMainForm::SearchSolution(bool whole) {
  if (!game_ || Animating() || Scrambling() || game_->Paused()) return;
  const solver::Reading reading = solver::Read(*Renderer->Cube);
  if (reading.Result == solver::Solution::Outcome::OffGrid) {
    SetStatus(Text(TextId::CubieOffGrid));
    return;
  }
  if (reading.ReadsSolved) {
    SetStatus(Text(TextId::SolvedAlready));
    return;
  }
  // The hint asked for is shown already: it stays as it is.
  if (!whole && hintFor_ == reading.Position) return;
  wholeSolution_ = whole;
  searchedFor_ = reading.Position;
  SetStatus(Text(TextId::Searching));
  solveTask_.Start(reading.Position, [this] { CallAfter(&TMainForm::SolutionFound); });
}

void TMainForm::SolutionFound() {
  auto found = solveTask_.Take();
  if (!found || found->first != searchedFor_) return;
  searchedFor_.reset();
  const auto& [position, solution] = *found;
  // The cube turned while the worker searched: what it found is for another cube.
  if (solver::ReadCubies(*Renderer->Cube) != position) return;
  using Outcome = solver::Solution::Outcome;
  if (solution.Result != Outcome::Found) {
    if (solution.Result == Outcome::Unreachable) SetStatus(Text(TextId::CannotBeSolved));
    return;
  }
  if (solution.Moves.empty()) {
    SetStatus(Text(TextId::SolvedAlready));
    return;
  }
  if (!wholeSolution_) {
    Renderer->Hint = solution.Moves.front();
    hintFor_ = position;
    const FaceFrame view = FacesSeenFrom(Renderer->Camera.Eye, Renderer->Camera.Up);
    game_->HintShown(GameStatus::Hint(NotationText({solution.Moves.front()}, view, Renderer->Cube->Size)));
    WakeFrameTimer();
    return;
  }
  Renderer->Hint.reset();
  hintFor_.reset();
  {
    TurnQuality quality(*Renderer);
    game_->PlaySolution(solution.Moves);
  }
  Renderer->Passes = Renderer->DrawQuality;
  WakeFrameTimer();
  if (CloseIfAsked()) return;
  RunCommandAfterScramble();
}

void TMainForm::DropStaleHelp() {
  if (!hintFor_ && !searchedFor_) return;
  const std::optional<solver::CubieState> now = solver::ReadCubies(*Renderer->Cube);
  if (hintFor_ && now != hintFor_) {
    hintFor_.reset();
    Renderer->Hint.reset();
  }
  if (searchedFor_ && now != searchedFor_) {
    searchedFor_.reset();
    solveTask_.Cancel();
  }
}

// The game's turns, each a run of the queue: the scramble, the player's
// drags, keys and undo/redo, typed sequences and the computer's solution.
#include <memory>
#include <utility>

#include "game/Game.h"
#include "game/Replay.h"
#include "game/ResumeStore.h"
#include "game/SolutionPlay.h"
#include "interaction/Orbit.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/Vekcamera.h"

void Game::NewGame(int size) {
  StartScramble(size);
  auto draw = std::make_shared<VEKBigCube::ScrambleDraw>();
  draw->Count = cube_.ShuffleRotateCount;
  cube_.BeginScramble();
  turns_.Push({[this, draw]() -> std::optional<LayerTurn> {
                 const std::optional<VEKMove> turn = cube_.NextScrambleTurn(*draw);
                 if (!turn) return std::nullopt;
                 return LayerTurn{turn->Axis, turn->Layer, turn->Layer, turn->Sign};
               },
               [this](const LayerTurn& turn) { cube_.ScrambleMoves.push_back(turn.Recorded()); },
               [this](bool complete) { ScrambleEnded(complete); }});
  // Not shown: the scrambled cube is drawn once, at the end.
  if (!cube_.ShowShuffle) turns_.PlayAtOnce();
}

void Game::NewGameFrom(int size, const std::vector<notation::Move>& scramble, VEKCamera& camera) {
  StartScramble(size);
  camera_ = &camera;
  cube_.History.Clear();
  cube_.ScrambleMoves.clear();
  TurnQueue::Run run = MovesRun(
      scramble, [] { return false; }, [this](const LayerTurn& turn) { cube_.ScrambleMoves.push_back(turn.Recorded()); });
  run.Ended = [this](bool complete) { ScrambleEnded(complete); };
  turns_.Push(std::move(run));
  if (!cube_.ShowShuffle) turns_.PlayAtOnce();
}

TurnQueue::Run Game::MovesRun(std::vector<notation::Move> moves, std::function<bool()> stop,
                              std::function<void(const LayerTurn&)> turned) {
  // The quarter turns of the move being played, and where the list stands.
  struct Walk {
    std::vector<notation::Move> moves;
    std::size_t next = 0;
    std::vector<LayerTurn> turns;
    std::size_t turn = 0;
  };
  auto walk = std::make_shared<Walk>();
  walk->moves = std::move(moves);
  return {[this, walk, stop = std::move(stop)]() -> std::optional<LayerTurn> {
            while (walk->turn == walk->turns.size()) {
              if (walk->next == walk->moves.size() || stop()) return std::nullopt;
              // Named for the view as it stands now: a turn of the view before it counts.
              const notation::Move& move = walk->moves[walk->next++];
              const FaceFrame frame = FacesSeenFrom(camera_->Eye, camera_->Up);
              const std::vector<LayerTurn> viewTurns = ViewTurnsOf(move, frame);
              for (const LayerTurn& t : viewTurns) QuarterTurnView(*camera_, t.Axis, t.Sign);
              if (!viewTurns.empty()) view_.TurnsWaiting();  // a frame shows the view turned
              walk->turns = LayerTurnsOf(move, frame, cube_.Size);
              walk->turn = 0;
            }
            return walk->turns[walk->turn++];
          },
          std::move(turned), {}};
}

bool Game::PlayMoves(const std::vector<notation::Move>& moves, VEKCamera& camera) {
  const bool sequence = moves.size() > 1;
  EndReplay();
  if (Scrambling() || playingMoves_ || paused_ || (sequence && Turning())) return false;
  camera_ = &camera;
  BeginGesture();
  const auto record = [this](const LayerTurn& turn) {
    cube_.History.Record(turn.Recorded());
    PlayerTurned(turn);
  };
  if (!sequence) {
    // A key's move waits behind those pressed before it.
    TurnQueue::Run run = MovesRun(moves, [this] { return phase_ == Phase::Solved; }, record);
    run.Ended = [this](bool) { TurnsSettled(); };
    settleStatus_ = true;
    turns_.Push(std::move(run));
    return true;
  }
  // A sequence runs like a scramble: only Stop and Exit act meanwhile.
  playingMoves_ = true;
  view_.ShowScrambling(true);
  // Taken at once, it is kept at its end rather than after each turn: ten
  // thousand turns would otherwise be ten thousand writes.
  const bool atOnce = !cube_.ShowShuffle;
  keepEachTurn_ = !atOnce;
  TurnQueue::Run run = MovesRun(moves, [this] { return phase_ == Phase::Solved; }, record);
  run.Ended = [this, atOnce](bool) { SequenceEnded(atOnce); };
  turns_.Push(std::move(run));
  if (atOnce) turns_.PlayAtOnce();
  return true;
}

void Game::SequenceEnded(bool atOnce) {
  playingMoves_ = false;
  keepEachTurn_ = true;
  if (atOnce) KeepOrSay();
  view_.ShowScrambling(false);
  ShowGame();  // undo and redo as they now stand
  EndGesture();
}

void Game::TurnKey(char key, bool shift, VEKCamera& camera) {
  EndReplay();
  if (Scrambling() || playingMoves_) return;
  // P pauses and H asks for a hint: plain letters need not reach a menu's shortcut.
  if (key == 'P' && !shift) {
    Pause();
    return;
  }
  if (key == 'H' && !shift) {
    AskHelp(false, camera);
    return;
  }
  if (paused_) return;
  if (const std::optional<notation::Move> move = turnKeys_.Press(key, shift, cube_.Size)) PlayMoves({*move}, camera);
}

void Game::QueueDragTurn(const VEKMove& move) {
  turns_.Push({[move, taken = false]() mutable -> std::optional<LayerTurn> {
                 if (taken) return std::nullopt;
                 taken = true;
                 return LayerTurn{move.Axis, move.Layer, move.Layer + move.Width - 1, move.Sign};
               },
               [this](const LayerTurn& turn) {
                 cube_.History.Record(turn.Recorded());
                 PlayerTurned(turn);
               },
               [this](bool) { TurnsSettled(); }});
}

bool Game::Step(bool undo) {
  EndReplay();
  if (undo ? !CanUndo() : !CanRedo()) return false;
  // Which turn goes back is known only when the turns before it have ended.
  turns_.Push({[this, undo, taken = false]() mutable -> std::optional<LayerTurn> {
                 if (taken || (undo ? !CanUndo() : !CanRedo())) return std::nullopt;
                 taken = true;
                 const VEKMove& m = undo ? cube_.History.NextUndo() : cube_.History.NextRedo();
                 return LayerTurn{m.Axis, m.Layer, m.Layer + m.Width - 1, undo ? -m.Sign : m.Sign};
               },
               [this, undo](const LayerTurn& turn) {
                 if (undo) {
                   cube_.History.StepBack();
                 } else {
                   cube_.History.StepForward();
                 }
                 PlayerTurned(turn);
               },
               [this](bool) { TurnsSettled(); }});
  return true;
}

void Game::StopScramble() {
  if (Scrambling() || playingMoves_) turns_.Drop();
}

bool Game::PlaySolution(const std::vector<VEKMove>& moves) {
  solver::StagedSolution whole;
  whole.Result = solver::Solution::Outcome::Found;
  if (!moves.empty()) whole.Parts.push_back({solver::Stage::Whole, moves});
  return PlaySolution(whole);
}

bool Game::PlaySolution(const solver::StagedSolution& solution) {
  EndReplay();
  if (Scrambling() || playingMoves_ || paused_) return false;
  Whole();
  if (Running()) {
    gaveUpMs_ = stopwatch_.Milliseconds();
    seconds_ = static_cast<int32_t>(gaveUpMs_ / 1000);
  } else if (!givenUp_) {
    // No game was given up: the computer's turns are nobody's game.
    ForgetTurns();
    logged_ = true;
  }
  // Given up: no game runs from here, whatever the turns bring.
  phase_ = Phase::None;
  helpUsed_ = givenUp_ = true;
  scrambleTurns_ = 0;
  kept_.Discard();
  // The player's moves stay to be read before the computer's turns.
  movesBeforeSolution_ = AppliedMoves();
  cube_.History.Clear();
  solutionPlayed_.clear();
  playingMoves_ = playingSolution_ = true;
  view_.ShowStatus(StatusKind::Solving);
  view_.ShowScrambling(true);
  ShowGame();
  solutionPlay_ = std::make_unique<SolutionPlay>(turns_, solution);
  view_.ShowSolution();
  // Every turn made is the history's, one taken back too; the solution told
  // is the turns that stand.
  turns_.Push(solutionPlay_->Run(
      [this](const LayerTurn& turn, bool back) {
        if (back && !solutionPlayed_.empty()) {
          solutionPlayed_.pop_back();
        } else if (!back) {
          solutionPlayed_.push_back(turn.Recorded());
        }
        Logged(turn);
        view_.ShowSolution();
      },
      [this](bool complete) { SolutionEnded(complete); }));
  return true;
}

void Game::SolutionEnded(bool complete) {
  playingMoves_ = playingSolution_ = false;
  // The bar's pause and pace were the solution's own.
  solutionPlay_.reset();
  turns_.Resume();
  turns_.SetPace(1);
  view_.ShowSolution();
  const bool solved = complete && cube_.IsSolved();
  if (solved) phase_ = Phase::Solved;
  restingStatus_ = solved ? StatusKind::SolvedByComputer : StatusKind::SolutionStopped;
  Finished();
  view_.ShowScrambling(false);
  ShowGame();
  view_.ShowStatus(restingStatus_);
}

bool Game::Advance() {
  // A replay waiting for its next turn changes only the clock: no frame.
  if (replay_) replay_->Tick();
  return turns_.Advance();
}

void Game::SettleTurns() {
  // A scramble, a sequence or a solution goes on at its pace; Stop ends it.
  if (!Scrambling() && !playingMoves_) turns_.PlayAtOnce();
}

void Game::EndTurnsNow() { turns_.FinishAndDrop(); }

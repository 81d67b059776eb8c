// The game in play, without a window: how a game starts (New game, Open,
// Continue), its clock, the move counter, undo and redo, the solved moment
// and the records, what is kept while it is played, and the file it is saved
// in; what the keys turn, hints and the computer's solution. Every turn goes
// through its queue, which the window's frame loop plays (Advance); the game
// tells its view what to show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <functional>
#include <memory>
#include <vector>

#include "game/GameClock.h"
#include "game/SolveEntry.h"
#include "game/SolveTask.h"
#include "game/TurnQueue.h"
#include "interaction/TurnKeys.h"
#include "game/GameStatus.h"
#include "puzzle/MoveHistory.h"
#include "puzzle/Notation.h"
#include "puzzle/ViewFaces.h"

struct VEKBigCube;
struct VEKCamera;
class GameRecords;
class Replay;
class SolutionPlay;
class ResumeStore;
struct KeptGame;

// What the game asks of the window that shows it.
class GameView {
 public:
  virtual ~GameView() = default;
  // What the status line says.
  virtual void ShowStatus(const GameStatus& status) = 0;
  // The clock, the counter, undo/redo, the file name, the kept games or the
  // cube's size may have changed: show them anew from the game.
  virtual void ShowGame() = 0;
  // The clock starts from Seconds(): the ticks that refresh it start over,
  // so that they fall just after its whole seconds.
  virtual void ClockStarted() = 0;
  // A scramble begins (true) or ends: only Stop and Exit act meanwhile.
  virtual void ShowScrambling(bool scrambling) = 0;
  // A new record was set: it is written at once, so that a crash or a
  // logout later cannot lose it.
  virtual void KeepRecords() = 0;
  // Turns wait to be played: the frame loop must run.
  virtual void TurnsWaiting() = 0;
  // The layer a hint proposes, outlined over the cube; nothing to take it away.
  virtual void ShowHint(const std::optional<VEKMove>& move) = 0;
  // Runs work on the window's thread, soon (a worker's search has ended).
  virtual void RunOnWindowThread(std::function<void()> work) = 0;
  // A replay begins (true) or ends: its bar is shown, the game stands aside.
  virtual void ShowReplay(bool shown) = 0;
  // The computer's solution began to play, made a turn, or ended: its bar
  // is shown anew from Game::SolutionInPlay().
  virtual void ShowSolution() = 0;
};

class Game {
 public:
  enum class Phase {
    None,        // no game: start-up, Stop, a file opened without its clock
    Scrambling,  // New game's scramble is shown
    Playing,     // the clock runs and the player's turns count
    Solved,      // the clock stopped at the solving turn
  };

  Game(VEKBigCube& cube, GameView& view, ResumeStore& kept, GameRecords& records,
       const SteadyClock& clock = SteadyClock::Real());
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Phase State() const { return phase_; }
  bool Running() const { return phase_ == Phase::Playing; }
  bool Scrambling() const { return phase_ == Phase::Scrambling; }
  // The clock is shown from the start of a game's clock (New game, a file
  // with its clock, Continue) until Stop or a file without one; a solved
  // game shows its final time, a new scramble the reset clock.
  bool ClockShown() const;
  // Seconds shown by the clock, refreshed by Tick and at the solve.
  int32_t Seconds() const;
  // The counter beside the clock: the turns counted when it last counted;
  // nothing while a scramble is shown.
  std::optional<uint32_t> MovesShown() const;
  bool CanUndo() const;
  bool CanRedo() const;
  // Quarter turns of the running game's scramble; 0 when not known (a file
  // without it). A game scrambled with enough turns can set a record.
  uint32_t ScrambleTurns() const { return scrambleTurns_; }
  // A game with the player's turns in it: dropping it needs the player's word.
  bool HasPlayerMoves() const;
  // A kept game that this window could continue.
  bool ResumeAvailable() const;
  // The file the game was opened from or saved to; empty for none.
  const std::string& FileName() const { return fileName_; }
  // Save writes FileName() over itself; otherwise it asks for a name (there
  // is none, it is gone, or it was refused by Open and must not be
  // overwritten).
  bool CanSaveInPlace() const;

  // New game: a cube of size, scrambled (turn by turn through the queue, or
  // with the cube's ShowShuffle off at once); the clock starts once it is
  // done. A scramble stopped starts no game.
  void NewGame(int size);
  // New game from a typed scramble: the cube of size, the moves played on
  // it as the view names them (shown like a scramble, not counted, not
  // undoable); the clock starts once they are done.
  void NewGameFrom(int size, const std::vector<notation::Move>& scramble, VEKCamera& camera);
  // Ends a running scramble, a sequence of typed moves or the computer's
  // solution after the turn in progress.
  void StopScramble();
  // Queues moves as the player's turns (counted, kept, undoable one quarter
  // turn at a time), faces named for the camera as it stands when each move
  // comes to be played; x y z turn the camera. One move is a key's: it waits
  // behind the turns queued before it. More are a sequence, shown like a
  // scramble (or taken at once without ShowShuffle) and refused while turns
  // play. The sequence stops at the solve or at StopScramble. False when
  // refused.
  bool PlayMoves(const std::vector<notation::Move>& moves, VEKCamera& camera);
  // A sequence of PlayMoves, or the computer's solution, is being played.
  bool PlayingMoves() const { return playingMoves_; }
  // A letter or digit key (no Ctrl or Alt): P pauses, H asks for a hint,
  // the turn keys queue their move; nothing while a scramble or a sequence
  // plays.
  void TurnKey(char key, bool shift, VEKCamera& camera);
  // The running game's scramble and the player's moves so far in the
  // notation, faces named for the start view (as kept in files) or for View;
  // empty when not known or none.
  const std::string& ScrambleText() const { return scrambleText_; }
  std::string ScrambleText(const FaceFrame& View) const;
  // After the computer was asked to solve, the moves the player made before it.
  std::string MovesText(const FaceFrame& View = FaceFrame{}) const;
  // The moves made after the computer's turns; empty when it was not asked.
  std::string MovesAfterSolutionText(const FaceFrame& View = FaceFrame{}) const;
  // The computer's turns played by the last PlaySolution of this game, in
  // the notation; empty when it was not asked.
  std::string SolutionText(const FaceFrame& View = FaceFrame{}) const;
  // Stop: a cube of size at home, no game. During a scramble: once the turn
  // in progress has ended, with "Готово!" said.
  void Stop(int size);
  // Opens a saved game; on failure the status says why, the cube is
  // unchanged and Save will ask for a name.
  bool Open(const std::string& path);
  // Goes on with the newest kept game; the game on screen stays kept. False
  // when there was none or it could not be loaded (it is then set aside).
  bool Continue();
  // The same with one of KeptGamesWaiting(); false, saying so, also when
  // another copy of the game has taken it meanwhile.
  bool Continue(const std::string& kept);
  // The kept games this window could continue, newest first.
  std::vector<KeptGame> KeptGamesWaiting() const;
  // Deletes one of them, the player having agreed; false with why (what
  // failed, its errno) when it stays: another copy holds it, or it cannot be removed.
  bool DeleteKept(const std::string& path, GameStatus& why);
  // Saves to path: with the clock and history while a game runs. False
  // (status says why) when it failed; the old file is then untouched.
  bool SaveTo(const std::string& path, bool announceSuccess);

  // Pause: a running game's clock stops (the window hides the cube) until
  // Resume. False when no game runs or it is paused already.
  bool Pause();
  void Resume();
  bool Paused() const { return paused_; }
  // Whether the last solve set a record.
  bool SolvedWithRecord() const { return solvedWithRecord_; }

  // Searches, on a worker, a solution of the cube as it stands, named for
  // the camera: its first turn is shown as a hint (outlined and named, with
  // its stage, until the next turn), or, whole, it is played (PlaySolution).
  // A cube that turns meanwhile drops the search and any hint shown for it.
  // Hints follow one solution: once the player has made the hinted turn,
  // the next hint, or the whole, is the rest of it, without a search; any
  // other turn drops it.
  void AskHelp(bool whole, VEKCamera& camera);
  // A hint was shown: the running game can no longer set a record (a kept
  // or saved copy of it neither, as it no longer claims its scramble).
  // Status is the hint's text, shown until the next turn.
  void HintShown(const GameStatus& status);
  // Whether a hint was shown in the running game, or the computer solved it.
  bool HelpUsed() const { return helpUsed_; }
  bool SolvedByComputer() const { return phase_ == Phase::Solved && givenUp_; }
  // The computer's turns are being played.
  bool PlayingSolution() const { return playingSolution_; }
  // The computer solves the cube: the running game is given up (its clock
  // stops, it is no longer kept and sets no record) and the turns are
  // queued like a scramble: Stop or a new drag (StopScramble) ends them
  // after the turn in progress. False when refused.
  // Its bar (SolutionInPlay) pauses it, steps it and sets its pace.
  bool PlaySolution(const solver::StagedSolution& solution);
  bool PlaySolution(const std::vector<VEKMove>& moves);
  // The solution being played, or null.
  SolutionPlay* SolutionInPlay() const { return solutionPlay_.get(); }

  // The frame loop's tick: the turns' steps now due are taken. True when the
  // cube moved (a frame to draw).
  bool Advance();
  // A turn is under way or queued.
  // A turn is under way or queued, or a replay plays (the frame loop runs).
  bool Turning() const;
  // The queue itself, to pause, step or drop what it holds.
  TurnQueue& Turns() { return turns_; }
  // Before a command reads or replaces the cube: the player's turns queued
  // are taken now, without frames (a scramble or sequence goes on).
  void SettleTurns();
  // At close: the turn under way ends now, on its quarter, and the rest is
  // dropped.
  void EndTurnsNow();

  // The clock's timer ticked: the seconds are read anew.
  void Tick();
  // A drag begins and ends: the status says so, and at its end shows what
  // the drag's turns brought (the solve, a game that could not be kept).
  void BeginGesture();
  void EndGesture();
  // A press on the cube stops the computer's solution, ends a pause and
  // begins a drag; false, and no drag, while a scramble or a sequence plays.
  bool PressOnCube();
  // After each of the player's turns has ended (drag, key, undo, redo):
  // counted, kept, and judged solved.
  void PlayerTurned();
  // One undo (true) or redo step, queued behind the turns before it and
  // taken back when it comes (nothing then when there is none); false when
  // refused now.
  bool Step(bool undo);

  // Keeps the running game now. True when kept or nothing is to be kept;
  // false (errno set) when it could not be written.
  bool Keep();
  // Every game that ends (solved, solved by the computer, or abandoned by
  // New game, Stop or Open after a turn) is written to the log; none: not
  // written. A failure is said on the status line.
  void KeepHistoryIn(SolveLog* log) { log_ = log; }
  // The running or last game as the history would keep it now; none when
  // it has no turns or its scramble is not known.
  std::optional<SolveEntry> Entry() const;

  // Plays a finished game again (the current one, or one of the history's):
  // the game on screen stands aside, its clock stopped, until EndReplay puts
  // it back as it was. False when the game cannot be replayed or turns play.
  bool StartReplay(const SolveEntry& game);
  void EndReplay();
  // The replay being shown, or null.
  Replay* Replaying() const { return replay_.get(); }

  // The window goes: a running game is kept (unless keep is false: the
  // caller has just kept it), the clock stops, and the kept game is left for
  // any copy of the game to continue.
  void Leave(bool keep = true);

 private:
  bool Load(const std::string& path);
  // New game's start: the cube of size at home, the scramble to come.
  void StartScramble(int size);
  void StartClock(int32_t seconds);
  void Solve();
  void Count() { counted_ = MovesNow(); }
  // The queue's run of a notation sequence: each move named for the camera
  // when it comes; Turned hears of each quarter turn.
  TurnQueue::Run MovesRun(std::vector<notation::Move> moves, std::function<bool()> stop,
                          std::function<void(const LayerTurn&)> turned);
  // A drag decided a turn: it waits in the queue as the player's.
  void QueueDragTurn(const VEKMove& move);
  // The queue ran dry after the player's turns: the status says what they brought.
  void TurnsSettled();
  // No turn under way, nothing queued: the cube is whole for a file or a new cube.
  void Whole() { turns_.FinishAndDrop(); }
  void ScrambleEnded(bool complete);
  void SequenceEnded(bool atOnce);
  void SolutionEnded(bool complete);
  // The worker's outcome, on the window's thread.
  void SolutionFound();
  // The first turn of a solution of Position, outlined and named.
  void ShowHintFrom(const solver::CubieState& position, const solver::StagedSolution& solution);
  // A hint or a search that no longer fits the cube (it turned) goes.
  void DropStaleHelp();
  void ShowGame() {
    DropStaleHelp();
    view_.ShowGame();
  }
  uint32_t MovesNow() const;
  // The history up to its cursor: the turns that stand on the cube.
  std::vector<VEKMove> AppliedMoves() const;
  // Keeps the running game; a failure is said on the status line and stays.
  void KeepOrSay();
  // Another game: no hint or solution of this one counts against it.
  void ForgetHelp();
  // A turn of the player's (or of the computer's solution) ended: kept for
  // the history with its time, then counted and judged.
  void PlayerTurned(const LayerTurn& turn);
  void Logged(const LayerTurn& turn);
  // A new game: no turn of the last one is kept for the history.
  void ForgetTurns();
  // The game ends: its row goes to the history, once.
  void Finished();
  void WriteEntry(SolveEntry entry);
  // The game as it stands, whether its scramble is known or not.
  std::optional<SolveEntry> EntryNow() const;

  VEKBigCube& cube_;
  GameView& view_;
  ResumeStore& kept_;
  GameRecords& records_;
  SteadyStopwatch stopwatch_;
  Phase phase_ = Phase::None;
  int32_t seconds_ = 0;
  bool clockShown_ = false;
  uint32_t counted_ = 0;
  uint32_t scrambleTurns_ = 0;
  std::string scrambleText_;
  bool playingMoves_ = false;
  bool keepEachTurn_ = true;  // false while a sequence is taken at once
  bool paused_ = false;
  bool solvedWithRecord_ = false;
  bool helpUsed_ = false;
  bool givenUp_ = false;  // the computer was asked to solve the game
  bool playingSolution_ = false;
  std::vector<VEKMove> solutionPlayed_;
  std::vector<VEKMove> movesBeforeSolution_;
  std::string fileName_;
  // Set by a rejected Open: Save then asks for a name, so that the rejected
  // file is never overwritten.
  bool saveNeedsName_ = false;
  // Shown when the drag's button goes up instead of "Готово!": the solve, or
  // a game that could not be kept.
  GameStatus restingStatus_;
  // The hint's text, shown again when a drag that turned nothing ends.
  GameStatus hintStatus_;
  // The size Stop asked for during a scramble, once the turn under way ends.
  std::optional<int> stopTo_;
  // A gesture or a key asked for the resting status once the turns are done.
  bool settleStatus_ = false;
  VEKCamera* camera_ = nullptr;  // names the faces of typed moves and hints
  TurnKeys turnKeys_;
  SolveTask solveTask_;
  bool wholeSolution_ = false;  // the search is for the whole solution, not a hint
  std::optional<solver::CubieState> searchedFor_, hintFor_;
  // The rest of the solution the last hint came from, and the position it
  // solves: the one the hinted turn leads to.
  std::optional<solver::CubieState> followFrom_;
  solver::StagedSolution follow_;
  // The game's turns for the history: every quarter turn made, when it ended.
  std::vector<VEKMove> played_;
  std::vector<int64_t> playedMs_;
  uint32_t hints_ = 0;
  uint32_t startScrambleTurns_ = 0;  // what the game began with, hints or not
  int64_t gaveUpMs_ = 0;
  int64_t solvedMs_ = 0;
  bool logged_ = false;  // its row was written
  SolveLog* log_ = nullptr;
  // The game on screen while a replay is shown, to be put back.
  struct StoodAside {
    std::vector<uint8_t> Points;
    VEKMoveHistory History;
    std::vector<VEKMove> Scramble;
    bool ClockRan = false;
  };
  std::optional<StoodAside> aside_;
  std::unique_ptr<Replay> replay_;
  std::unique_ptr<SolutionPlay> solutionPlay_;
  // Last: the queue's runs call into the members above.
  TurnQueue turns_;
};

// What the game decides: its start and scramble, the counted turns, undo and
// redo, the solve and its record, the kept game, saved files and the clock,
// on a real cube, a fake window and a clock the test moves.
#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <random>
#include <utility>

#include "game/Game.h"
#include "game/GameRecords.h"
#include "game/Replay.h"
#include "tests/unit/game/FakeSolveLog.h"
#include "game/ResumeStore.h"
#include "puzzle/Facelets.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/Random.h"
#include "solver/Solver.h"
#include "solver/Staged.h"
#include "game/SolutionPlay.h"
#include "tests/unit/TestCubes.h"
#include "tests/unit/app/TestFiles.h"

// Statuses read in a failed expectation.
void PrintTo(const GameStatus& s, std::ostream* os) {
  *os << "{kind " << static_cast<int>(s.Kind) << ", " << s.Seconds << " s, " << s.Moves << " moves, record "
      << s.Record << ", help " << s.HelpUsed << ", errno " << s.Error << ", \"" << s.Path << "\", \"" << s.Move
      << "\"}";
}

namespace {

using Kinds = std::vector<StatusKind>;
using Strings = std::vector<std::string>;
using std::chrono::hours;
using std::chrono::seconds;

struct FakeView final : GameView {
  void ShowStatus(const GameStatus& status) override { statuses.push_back(status); }
  void ShowGame() override { ++shown; }
  void ClockStarted() override { ++clockStarts; }
  void ShowScrambling(bool on) override { scrambling.push_back(on); }
  void KeepRecords() override { ++recordsKept; }
  void TurnsWaiting() override { ++woken; }
  void ShowHint(const std::optional<VEKMove>& move) override { hint = move; }
  void ShowReplay(bool on) override { replaying.push_back(on); }
  void ShowSolution() override { ++solutionShown; }
  void RunOnWindowThread(std::function<void()> work) override {
    const std::lock_guard<std::mutex> lock(mutex);
    posted.push_back(std::move(work));
    postedChanged.notify_all();
  }
  // Waits for the worker's word, as the window's loop would.
  void WaitPosted() {
    std::unique_lock<std::mutex> lock(mutex);
    postedChanged.wait(lock, [&] { return !posted.empty(); });
  }
  // Then runs it here.
  void RunPosted() {
    WaitPosted();
    std::unique_lock<std::mutex> lock(mutex);
    std::vector<std::function<void()>> work;
    work.swap(posted);
    lock.unlock();
    for (auto& w : work) w();
  }
  // The status shown last (back 1) or before it.
  GameStatus Status(std::size_t back = 1) const { return statuses.size() < back ? GameStatus() : statuses.end()[-back]; }
  Kinds StatusKinds() const {
    Kinds kinds;
    for (const GameStatus& status : statuses) kinds.push_back(status.Kind);
    return kinds;
  }
  std::vector<GameStatus> statuses;
  std::vector<bool> scrambling, replaying;
  int shown = 0, clockStarts = 0, recordsKept = 0, woken = 0, solutionShown = 0;
  std::optional<VEKMove> hint;
  std::mutex mutex;
  std::condition_variable postedChanged;
  std::vector<std::function<void()>> posted;
};

struct FakeClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  std::chrono::steady_clock::time_point now{hours(7000)};
};

// The +Z facelet of the top row's column `from` dragged to column `to`: a
// quarter turn of the top layer, and its inverse the other way.
void DragTopRow(VEKBigCube& cube, int from, int to) {
  cube.ResetDrag();
  for (int b : {CubieAt(cube, from, 2, 2), CubieAt(cube, to, 2, 2)}) cube.RecordHit(b, FaceFacing(cube, b, 2, +1));
}

// The frame loop, on the fake clock: a tick every step's time until the
// game's turns are done; eachTick runs after every tick. The ticks it took.
int Play(Game& game, FakeClock& clock, const std::function<void()>& eachTick = nullptr) {
  int ticks = 0;
  for (; game.Turning() && ticks < 1000000; ++ticks) {
    clock.now += TurnQueue::kStepTime;
    game.Advance();
    if (eachTick) eachTick();
  }
  return ticks;
}

// The cube's points, as a file without a trailer holds them.
std::string Points(const VEKBigCube& cube) { const auto bytes = cube.GameBytes(); return {bytes.begin(), bytes.end()}; }

// The clock, the counter and undo/redo as the window shows them, in one line.
std::string Shown(const Game& game) {
  static const char* const phases[] = {"None", "Scrambling", "Playing", "Solved"};
  const std::optional<uint32_t> moves = game.MovesShown();
  return std::string(phases[static_cast<int>(game.State())]) + (game.ClockShown() ? ", clock " : ", no clock ") +
         std::to_string(game.Seconds()) + ", moves " + (moves ? std::to_string(*moves) : "-") + ", scramble " +
         std::to_string(game.ScrambleTurns()) + (game.CanUndo() ? ", undo" : "") + (game.CanRedo() ? ", redo" : "");
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() { vekrandom::FixClockSeed(11u); cube.ShuffleRotateCount = 3; }
  ~GameTest() override { vekrandom::FixClockSeed(std::nullopt); }

  // The player's drags, each played to its end.
  void Turn(int drags = 1) {
    for (int i = 0; i < drags; ++i) RandomDrag(cube, random), Play();
  }
  int Play(const std::function<void()>& eachTick = nullptr) { return ::Play(game, clock, eachTick); }
  // New game with its scramble played: whether a game then runs.
  bool Start(int size) {
    game.NewGame(size);
    Play();
    return game.Running();
  }
  // Undo or redo played to its end: whether it was taken.
  bool StepNow(bool undo) {
    const bool queued = game.Step(undo);
    Play();
    return queued;
  }
  // The trailer of this window's kept game; the test fails when there is none.
  GameTrailer KeptTrailer() const {
    std::optional<GameTrailer> trailer;
    EXPECT_TRUE(LoadGameWithTrailer(*HeadlessRenderer(3, 90)->Cube, kept.Own(), trailer) == 3 && trailer);
    return trailer.value_or(GameTrailer{});
  }
  Strings KeptFiles() const {
    Strings names;
    std::error_code error;
    for (const auto& e : std::filesystem::directory_iterator(folder, error)) {
      if (e.path().extension() == ".cube") names.push_back(e.path().filename());
    }
    return names;
  }

  TempDir dir;
  const std::string folder = dir.File("kept");
  std::unique_ptr<VEKGL> renderer = HeadlessRenderer(3, 90);
  VEKBigCube& cube = *renderer->Cube;
  FakeView view;
  FakeClock clock;
  ResumeStore kept{folder};
  GameRecords records;
  Game game{cube, view, kept, records, clock};
  std::mt19937 random{7};
};

TEST_F(GameTest, AScrambleStoppedAnywhereStartsNoGameAndTheNextStartsTheClockFromZero) {
  ASSERT_TRUE(game.SaveTo(dir.File("before.cube"), false));  // a file name for the new game to forget
  // Stop chosen between the frames of its first turn: that turn ends on its quarter.
  cube.RotateSpeed = 5;
  game.NewGame(3);
  EXPECT_TRUE(game.Scrambling());
  int ticks = 0;
  EXPECT_EQ(Play([&] {
              if (++ticks == 5) game.StopScramble();
            }),
            18);
  EXPECT_EQ(cube.ScrambleMoves.size(), 1u);
  EXPECT_TRUE(CubeIsIntact(cube, 1e-3f));
  cube.RotateSpeed = 90;
  EXPECT_EQ(Shown(game), "None, no clock 0, moves 0, scramble 0");
  EXPECT_EQ(view.StatusKinds(), Kinds{StatusKind::Scrambling});
  Turn();  // the player's turns on a stopped scramble count for nothing
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_EQ(KeptFiles(), Strings{});
  // Stop itself waits for the turn in progress, then brings the cube home.
  view.statuses.clear();
  game.NewGame(3);
  game.Stop(2);
  EXPECT_TRUE(game.Scrambling());
  EXPECT_EQ(cube.Size, 3);
  Play();
  EXPECT_EQ(cube.Size, 2);
  EXPECT_EQ(view.StatusKinds(), (Kinds{StatusKind::Scrambling, StatusKind::Ready}));
  EXPECT_EQ(Shown(game), "None, no clock 0, moves 0, scramble 0");
  // The stop is spent: the next scramble runs to its end.
  int frames = 0;
  view.statuses.clear();
  view.scrambling.clear();
  game.NewGame(3);
  Play([&] { frames += game.Scrambling() && !game.MovesShown(); });
  ASSERT_TRUE(game.Running());
  EXPECT_GE(frames, 2);  // no count belongs to a cube being scrambled
  EXPECT_EQ(Shown(game), "Playing, clock 0, moves 0, scramble 3");
  EXPECT_EQ(game.FileName(), "");  // Save asks for a name
  EXPECT_EQ(view.StatusKinds(), (Kinds{StatusKind::Scrambling, StatusKind::Ready}));
  EXPECT_EQ(view.scrambling, (std::vector<bool>{true, false}));
  EXPECT_EQ(view.clockStarts, 1);
  // The game that ran is given up: its kept file goes with the next new game.
  Turn();
  ASSERT_EQ(KeptFiles().size(), 1u);
  game.NewGame(3);
  EXPECT_EQ(KeptFiles(), Strings{});
}

// Shown or not, the same seed scrambles the same cube, and the clock starts
// only once the scramble is done: shown, a turn a quarter's steps of the
// frame loop's ticks, whatever the hours a tick comes late; not shown, at once.
TEST_F(GameTest, AScrambleNotShownLeavesTheSameCubeAndThenStartsTheClock) {
  cube.RotateSpeed = 5;
  cube.ShuffleRotateCount = 40;
  std::string stickers[2];
  for (const bool shown : {true, false}) {
    cube.ShowShuffle = shown;
    const int starts = view.clockStarts;
    game.NewGame(5);
    EXPECT_EQ(game.Scrambling(), shown);
    const int ticks = Play([&] {
      EXPECT_EQ(view.clockStarts, starts + (game.Scrambling() ? 0 : 1));
      EXPECT_EQ(game.Scrambling(), game.Turning());
    });
    const int turns = static_cast<int>(cube.ScrambleMoves.size());
    EXPECT_GE(turns, 40);
    EXPECT_EQ(ticks, shown ? 18 * turns : 0);
    game.Tick();
    EXPECT_EQ(Shown(game), "Playing, clock 0, moves 0, scramble " + std::to_string(turns)) << shown;
    EXPECT_EQ(view.clockStarts, starts + 1);
    stickers[shown] = FaceletDigits(cube, FaceFrame{});
  }
  EXPECT_FALSE(stickers[false].empty());  // every cubie on the grid
  EXPECT_EQ(stickers[false], stickers[true]);
  EXPECT_NE(stickers[false], FaceletDigits(*HeadlessRenderer(5)->Cube, FaceFrame{}));
  // A tick that comes hours late takes every step due, and the clock still starts at zero.
  cube.ShowShuffle = true;
  game.NewGame(5);
  clock.now += hours(2);
  EXPECT_TRUE(game.Advance());
  EXPECT_FALSE(game.Turning());
  EXPECT_EQ(Shown(game), "Playing, clock 0, moves 0, scramble " + std::to_string(cube.ScrambleMoves.size()));
}

TEST_F(GameTest, ALeftGameGoesOnInAnotherWindowAndABrokenKeptGameIsSetAside) {
  ASSERT_TRUE(Start(3));
  Turn(2);
  const std::string keptGame = kept.Own();
  auto otherRenderer = HeadlessRenderer(2, 90);
  FakeView otherView;
  ResumeStore otherKept(folder);
  Game other(*otherRenderer->Cube, otherView, otherKept, records, clock);  // another window
  EXPECT_FALSE(other.ResumeAvailable());  // held while this window lives
  ASSERT_TRUE(other.SaveTo(dir.File("other.cube"), false));  // a file name for Continue to forget
  clock.now += seconds(65);
  game.Leave();
  game.Tick();
  EXPECT_EQ(game.State(), Game::Phase::None);
  EXPECT_EQ(game.Seconds(), 0);  // the clock stopped with the window
  ASSERT_TRUE(other.Continue());
  EXPECT_EQ(otherKept.Own(), keptGame);
  EXPECT_EQ(Shown(other), "Playing, clock 65, moves 2, scramble 3, undo");
  EXPECT_EQ(other.FileName(), "");  // Save asks for a name
  EXPECT_EQ(otherView.StatusKinds(), (Kinds{StatusKind::Loading, StatusKind::Ready}));
  EXPECT_EQ(otherView.clockStarts, 1);
  // That game is no longer offered here, and Stop here leaves it alone.
  EXPECT_FALSE(game.ResumeAvailable());
  EXPECT_FALSE(game.Continue());
  game.Stop(3);
  EXPECT_EQ(Shown(game), "None, no clock 0, moves 0, scramble 0");
  Turn();
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_FALSE(game.HasPlayerMoves());
  EXPECT_EQ(KeptFiles(), Strings{std::filesystem::path(keptGame).filename()});

  // A kept game (here in the older name) that cannot be loaded is set aside,
  // not deleted, and not offered again; the game on screen stays as it was.
  const std::string broken = folder + "/resume.cube";
  WriteBytes(broken, "no cube at all");
  EXPECT_TRUE(game.ResumeAvailable());
  const std::string points = Points(cube), shown = Shown(game);
  EXPECT_FALSE(game.Continue());
  EXPECT_EQ(view.Status().Kind, StatusKind::KeptGameSetAside);
  EXPECT_FALSE(game.ResumeAvailable());  // set aside (its renaming is the store's own test)
  EXPECT_EQ(Points(cube), points);
  EXPECT_EQ(Shown(game), shown);
}

TEST_F(GameTest, AGameThatCannotBeKeptSaysSoWhenTheDragEnds) {
  WriteBytes(folder, "");  // a file where the kept games' folder would be
  ASSERT_TRUE(Start(3));
  game.BeginGesture();
  RandomDrag(cube, random);
  game.EndGesture();  // the button goes up while the turn plays
  Play();
  EXPECT_EQ(view.Status(3).Kind, StatusKind::Turning);
  EXPECT_EQ(view.Status(2).Kind, StatusKind::KeepFailed);
  EXPECT_NE(view.Status(2).Error, 0);
  EXPECT_EQ(view.Status(2).Path, kept.Where());
  EXPECT_EQ(view.Status(), view.Status(2));  // also when the drag ends
  EXPECT_EQ(game.MovesShown(), 1u);  // the game goes on
}

TEST_F(GameTest, UndoAndRedoWalkTheHistoryAndTheCounterFollows) {
  ASSERT_TRUE(Start(3));
  EXPECT_FALSE(StepNow(true));  // the scramble is no turn of the player's
  Turn(3);
  const int shown = view.shown;
  const struct { bool undo, turns; uint32_t moves; } steps[] = {
      {true, true, 2}, {true, true, 1}, {true, true, 0}, {true, false, 0},
      {false, true, 1}, {false, true, 2}, {false, true, 3}, {false, false, 3}};
  for (const auto& s : steps) {
    EXPECT_EQ(StepNow(s.undo), s.turns) << s.undo << " to " << s.moves;
    EXPECT_EQ(game.MovesShown(), s.moves);
    EXPECT_TRUE(game.HasPlayerMoves());  // also at 0 with the turns to redo
    // The kept game follows each step, with the whole history.
    EXPECT_EQ(KeptTrailer().MoveCount, s.moves);
    EXPECT_EQ(KeptTrailer().Moves.size(), 3u);
  }
  EXPECT_EQ(view.shown, shown + 6);
}

TEST_F(GameTest, TheSolvingTurnStopsTheClockAndSetsARecordOnlyAfterAFullScramble) {
  const struct { uint32_t scrambleTurns, fileSeconds, played; bool record; GameStatus status; int bestSeconds; } cases[] = {
      {20, 100, 5, true, GameStatus::Solved(105, 2, true, false), 105},  // the first
      {20, 100, 10, false, GameStatus::Solved(110, 2, false, false), 105},
      {19, 0, 1, false, GameStatus::Solved(1, 2, false, false), 105},  // too short a scramble
      {25, 3590, 10, false, GameStatus::Solved(3600, 2, false, false), 105},
      {20, 50, 0, true, GameStatus::Solved(50, 2, true, false), 50},
  };
  for (const auto& c : cases) {
    auto near = HeadlessRenderer(3, 90);  // one top-row turn from home, with that turn's history
    DragTopRow(*near->Cube, 1, 2);
    ASSERT_TRUE(SaveGameWithTrailer(*near->Cube, dir.File("near.cube"), c.fileSeconds, c.scrambleTurns));
    ASSERT_TRUE(game.Open(dir.File("near.cube")) && game.Keep() && KeptFiles().size() == 1u);
    clock.now += seconds(c.played);
    game.BeginGesture();
    DragTopRow(cube, 2, 1);
    game.EndGesture();
    Play();  // the final time is read when the turn ends, without waiting for the clock's tick
    const std::string solved = Shown(game);
    // The game is over: its turns are not taken back.
    EXPECT_EQ(solved, "Solved, clock " + std::to_string(c.fileSeconds + c.played) + ", moves 2, scramble 0");
    EXPECT_FALSE(StepNow(true));
    EXPECT_TRUE(cube.IsSolved());
    EXPECT_EQ(view.Status(), c.status);
    EXPECT_EQ(view.Status(2), c.status);  // shown at the turn and when the drag ends
    EXPECT_EQ(std::exchange(view.recordsKept, 0), c.record ? 1 : 0) << c.status.Seconds;
    EXPECT_EQ(records.Best(3).value_or(SolveRecord{}).Seconds, c.bestSeconds);
    EXPECT_EQ(KeptFiles(), Strings{}) << c.status.Seconds;  // a finished game is nothing to continue
    // The clock stands and nothing more is counted; the next drag ends as any other.
    clock.now += hours(1);
    game.Tick();
    game.BeginGesture();
    Turn();
    game.EndGesture();
    EXPECT_EQ(view.Status().Kind, StatusKind::Ready);
    EXPECT_EQ(Shown(game), solved);
  }
}

// A suspend holds the process for hours: the clock reads them at its next
// tick, and what is kept or saved then holds them. Open goes on with such a
// file, says what any other held, and never lets Save overwrite one it refused.
TEST_F(GameTest, SavedGamesHoldTheHoursOfASuspendAndOpenSaysWhatAFileHeld) {
  ASSERT_TRUE(Start(3));
  Turn(2);
  clock.now += hours(3) + seconds(2);
  EXPECT_EQ(game.Seconds(), 0);  // until the tick
  game.Tick();
  EXPECT_EQ(game.Seconds(), 10802);
  ASSERT_TRUE(game.Keep());
  EXPECT_EQ(KeptTrailer().Seconds, 10802u);
  const std::string saved = dir.File("saved.cube");
  ASSERT_TRUE(game.SaveTo(saved, true));
  EXPECT_EQ(view.Status().Kind, StatusKind::Ready);
  EXPECT_TRUE(game.CanSaveInPlace());
  EXPECT_EQ(ReadBytes(saved), ReadBytes(kept.Own()));  // the clock and the history, as kept
  EXPECT_FALSE(game.SaveTo(dir.File("no-such-folder/saved.cube"), true));
  EXPECT_EQ(view.Status(), GameStatus::FileFailed(StatusKind::SaveFailed, ENOENT, dir.File("no-such-folder/saved.cube")));
  EXPECT_EQ(game.FileName(), saved);  // the file last written, also after a failed Save

  const std::string bytes = ReadBytes(saved), damaged = dir.File("damaged.cube"), plain = dir.File("plain.cube");
  WriteBytes(damaged, bytes.substr(0, bytes.size() - 1) + char(bytes.back() ^ 1));  // the trailer's check
  ASSERT_TRUE(HeadlessRenderer(4, 90)->Cube->SaveToFile(plain));
  WriteBytes(dir.File("garbage.cube"), "not a saved game");
  const char* const running = "Playing, clock 10802, moves 2, scramble 3, undo";
  const char* const stopped = "None, no clock 0, moves 0, scramble 0";
  const struct { std::string path; bool opened; StatusKind status; const char* shown; } cases[] = {
      {plain, true, StatusKind::Ready, stopped},  // a 4x4x4
      {saved, true, StatusKind::Ready, running},
      {damaged, true, StatusKind::ReadyWithoutTrailer, stopped},
      {dir.File("missing.cube"), false, StatusKind::CannotOpen, stopped},
      {saved, true, StatusKind::Ready, running},
      {dir.File("garbage.cube"), false, StatusKind::UnknownFormat, running},
  };
  for (const auto& c : cases) {
    const std::string before = Points(cube), file = game.FileName();
    EXPECT_EQ(game.Open(c.path), c.opened) << c.path;
    EXPECT_EQ(view.Status().Kind, c.status) << c.path;
    EXPECT_EQ(Shown(game), c.shown) << c.path;
    // Opened: the file's size and points, whatever follows them; refused: nothing changes.
    const std::string now = Points(cube);
    EXPECT_EQ(now, c.opened ? ReadBytes(c.path).substr(0, now.size()) : before) << c.path;
    EXPECT_EQ(game.FileName(), c.opened ? c.path : file) << c.path;
    EXPECT_EQ(game.CanSaveInPlace(), c.opened) << c.path;
  }
  // A file without its clock is no game: Save writes its points alone, and
  // turns on it count for nothing (the game saved above is given up first).
  game.Stop(3);
  for (const std::string& path : {plain, damaged}) {
    ASSERT_TRUE(game.Open(path));
    ASSERT_TRUE(game.SaveTo(dir.File("still.cube"), false));
    EXPECT_EQ(ReadBytes(dir.File("still.cube")), Points(cube)) << path;
    Turn();
    EXPECT_EQ(game.MovesShown(), 0u) << path;
    EXPECT_EQ(KeptFiles(), Strings{}) << path;
  }
}

}  // namespace

TEST_F(GameTest, TypedMovesAreThePlayersTurnsAndATypedScrambleStartsAGame) {
  const auto moves = [](const char* text) { return notation::Parse(text, 3).Moves; };
  VEKCamera& camera = renderer->Camera;
  // Not counted, not undoable; x turns the view, so D is then the start view's B.
  game.NewGameFrom(3, moves("R U R' F2 x D"), camera);
  Play();
  EXPECT_EQ(Shown(game), "Playing, clock 0, moves 0, scramble 6");
  EXPECT_EQ(game.ScrambleText(), "R U R' F2 B");
  EXPECT_EQ(view.clockStarts, 1);

  // Every quarter turn counts and is undone on its own; y turns the view.
  camera = VEKCamera();
  ASSERT_TRUE(game.PlayMoves(moves("Rw2 y L'"), camera));
  EXPECT_FALSE(game.PlayMoves(moves("U D"), camera));  // one sequence at a time
  Play();
  EXPECT_EQ(Shown(game), "Playing, clock 0, moves 3, scramble 6, undo");
  EXPECT_EQ(game.MovesText(), "Rw2 F'");
  ASSERT_TRUE(StepNow(true));
  EXPECT_EQ(game.MovesText(), "Rw2");
  EXPECT_EQ(view.Status().Kind, StatusKind::Ready);

  // A saved game knows how it was scrambled.
  ASSERT_TRUE(game.SaveTo(dir.File("typed.cube"), false));
  game.Stop(3);
  EXPECT_EQ(game.ScrambleText(), "");
  ASSERT_TRUE(game.Open(dir.File("typed.cube")));
  EXPECT_EQ(game.ScrambleText(), "R U R' F2 B");
  EXPECT_EQ(game.MovesText(), "Rw2");

  // Stop ends a sequence after the turn in progress.
  camera = VEKCamera();
  cube.RotateSpeed = 5;
  ASSERT_TRUE(game.PlayMoves(moves("U D"), camera));
  Play([&] { game.StopScramble(); });
  cube.RotateSpeed = 90;
  EXPECT_EQ(game.MovesText(), "Rw2 U");
  // Moves that solve the cube end there: the rest are not played.
  ASSERT_TRUE(game.PlayMoves(moves("U' Rw2 B' F2 R U' R' R"), camera));
  Play();
  EXPECT_EQ(game.MovesText(), "Rw2 U U' Rw2 B' F2 R U' R'");
  EXPECT_EQ(game.State(), Game::Phase::Solved);
  EXPECT_TRUE(cube.IsSolved());

  // Ten thousand moves, not shown, are taken at once and kept at the end.
  std::string many;
  for (int i = 0; i < 5000; ++i) many += "R U' ";
  cube.ShowShuffle = false;
  game.NewGameFrom(3, moves("F"), camera);
  ASSERT_TRUE(game.PlayMoves(moves(many.c_str()), camera));
  EXPECT_FALSE(game.Turning());
  EXPECT_EQ(game.MovesShown(), 10000u);
  EXPECT_EQ(KeptTrailer().MoveCount, 10000u);
}

TEST_F(GameTest, APausedClockStandsStillAndGoesOnFromWhereItStopped) {
  EXPECT_FALSE(game.Pause());  // no game runs
  ASSERT_TRUE(Start(3));
  clock.now += std::chrono::milliseconds(2500);
  ASSERT_TRUE(game.Pause());
  EXPECT_FALSE(game.Pause());
  clock.now += hours(5);
  game.Tick();
  EXPECT_EQ(game.Seconds(), 2);
  EXPECT_TRUE(game.Keep());
  EXPECT_EQ(KeptTrailer().Seconds, 2u);
  game.Resume();
  clock.now += std::chrono::milliseconds(600);  // the half second before the pause counts
  game.Tick();
  EXPECT_EQ(game.Seconds(), 3);
  // A new game is never paused.
  ASSERT_TRUE(game.Pause());
  game.NewGame(3);
  EXPECT_FALSE(game.Paused());
}

// A hint costs the record (kept copies too); the computer's solution gives
// the game up: the clock stands, nothing is kept, the solve is the computer's.
TEST_F(GameTest, HelpCostsTheRecordAndTheComputersSolutionGivesTheGameUp) {
  const std::atomic<bool> never{false};
  cube.ShuffleRotateCount = 25;
  ASSERT_TRUE(Start(2));
  game.HintShown(GameStatus::Hint("R"));
  EXPECT_TRUE(game.HelpUsed());
  // The hint stays on the line over a drag that turns nothing (an orbit), until a turn.
  game.BeginGesture();
  game.EndGesture();
  EXPECT_EQ(view.Status(), GameStatus::Hint("R"));
  Turn();
  game.BeginGesture();
  game.EndGesture();
  EXPECT_EQ(view.Status().Kind, StatusKind::Ready);
  std::optional<GameTrailer> keptTrailer;
  ASSERT_EQ(LoadGameWithTrailer(*HeadlessRenderer(2, 90)->Cube, kept.Own(), keptTrailer), 2);
  EXPECT_EQ(keptTrailer.value().ScrambleTurns, 0u);
  for (const VEKMove& m : solver::Solve(cube, never).Moves) {
    cube.History.Record(m);
    ASSERT_TRUE(cube.TurnLayers(m.Axis, m.Layer, m.Layer, m.Sign, false));
    game.PlayerTurned();
  }
  EXPECT_EQ(game.State(), Game::Phase::Solved);
  EXPECT_FALSE(game.SolvedWithRecord());
  EXPECT_EQ(view.Status().Kind, StatusKind::Solved);
  EXPECT_TRUE(view.Status().HelpUsed);

  for (const bool stopped : {true, false}) {
    ASSERT_TRUE(Start(2));
    Turn(2);
    clock.now += seconds(5);
    const std::string played = game.MovesText();
    const std::vector<VEKMove> moves = solver::Solve(cube, never).Moves;
    ASSERT_TRUE(game.PlaySolution(moves));
    Play([&] {
      clock.now += hours(1);
      if (stopped) game.StopScramble();
    });
    game.Tick();
    EXPECT_EQ(Shown(game), std::string(stopped ? "None" : "Solved") + ", clock 5, moves 2, scramble 0");
    EXPECT_EQ(game.SolvedByComputer(), !stopped);
    EXPECT_EQ(view.Status().Kind, stopped ? StatusKind::SolutionStopped : StatusKind::SolvedByComputer);
    EXPECT_EQ(cube.IsSolved(), !stopped);
    EXPECT_EQ(KeptFiles(), Strings{});
    // The turns played are told, in order; a stopped solution only those.
    const std::string whole = NotationText(moves, FaceFrame{}, 2), told = game.SolutionText();
    EXPECT_TRUE(stopped ? told.size() < whole.size() && whole.rfind(told, 0) == 0 : told == whole) << told;
    // The player's moves stay readable before them; turns made afterwards are told apart.
    EXPECT_EQ(game.MovesText(), played);
    EXPECT_EQ(game.MovesAfterSolutionText(), "");
    Turn();
    EXPECT_EQ(game.MovesText(), played);
    EXPECT_NE(game.MovesAfterSolutionText(), "");
  }
  EXPECT_FALSE(records.Best(2));
  ASSERT_TRUE(Start(2));
  EXPECT_EQ(game.SolutionText(), "");
}

TEST_F(GameTest, WithoutADataFolderEachTurnSaysTheGameIsNotKept) {
  ResumeStore nowhere;  // neither HOME nor XDG_DATA_HOME
  Game homeless(cube, view, nowhere, records, clock);
  homeless.NewGame(3);
  ::Play(homeless, clock);
  RandomDrag(cube, random);
  ::Play(homeless, clock);
  EXPECT_EQ(view.Status().Kind, StatusKind::KeepFailed);
  EXPECT_EQ(view.Status().Path, "");  // no data folder
  EXPECT_FALSE(homeless.Keep());  // the window then offers a file at close
}

// Chosen from the list a while ago: one another window took meanwhile is
// said, and neither continued nor deleted.
TEST_F(GameTest, AKeptGameTakenMeanwhileIsNeitherContinuedNorDeleted) {
  ResumeStore store(folder), other(folder);
  const auto two = HeadlessRenderer(2, 90);
  Game left(*two->Cube, view, store, records, clock);
  left.NewGame(2);
  ::Play(left, clock);
  ASSERT_TRUE(left.Running());
  left.Leave();  // kept as the window closes
  const std::string taken = game.KeptGamesWaiting().at(0).Path, points = Points(cube);
  ASSERT_TRUE(other.Adopt(taken));
  GameStatus why;
  EXPECT_FALSE(game.Continue(taken));
  EXPECT_EQ(view.Status().Kind, StatusKind::KeptGameTaken);
  EXPECT_FALSE(game.DeleteKept(taken, why));
  EXPECT_EQ(why, GameStatus::FileFailed(StatusKind::KeptNotDeleted, EWOULDBLOCK, taken));
  EXPECT_EQ(Points(cube), points);
}

// What the keys do in the game: P pauses, H asks for a hint, the turn keys
// queue their moves (a digit first picks the inner layer), nothing while a
// scramble plays or the game is paused.
TEST_F(GameTest, KeysPauseAskForAHintAndQueueTheirTurns) {
  VEKCamera& camera = renderer->Camera;
  ASSERT_TRUE(Start(3));
  const struct { const char* keys; const char* moves; } cases[] = {
      {"U", "U"}, {"R", "U R"}, {"2R", "U R M'"}, {"Q", "U R M'"}, {"2Q", "U R M'"},
  };
  for (const auto& c : cases) {
    for (const char* k = c.keys; *k; ++k) game.TurnKey(static_cast<char>(std::toupper(*k)), false, camera);
    Play();
    EXPECT_EQ(game.MovesText(), c.moves) << c.keys;
  }
  game.TurnKey('R', true, camera);  // with Shift: counter-clockwise
  Play();
  EXPECT_EQ(game.MovesText(), "U R M' R'");
  game.TurnKey('P', false, camera);
  EXPECT_TRUE(game.Paused());
  game.TurnKey('U', false, camera);
  EXPECT_FALSE(game.Turning()) << "paused: no turn";
  game.Resume();
  game.NewGame(3);
  game.TurnKey('U', false, camera);
  game.TurnKey('P', false, camera);
  Play();
  EXPECT_EQ(game.MovesShown(), 0u) << "scrambling: keys do nothing";
  EXPECT_FALSE(game.Paused());
}

// The hint and the solution are searched on a worker and taken on the
// window's thread; a cube that turned meanwhile drops what was found.
TEST_F(GameTest, AHintIsShownForTheCubeItWasFoundForAndTheSolutionPlaysThroughTheQueue) {
  VEKCamera& camera = renderer->Camera;
  cube.ShuffleRotateCount = 6;
  ASSERT_TRUE(Start(2));
  game.AskHelp(false, camera);
  EXPECT_EQ(view.Status().Kind, StatusKind::Searching);
  view.RunPosted();
  ASSERT_TRUE(view.hint);
  EXPECT_EQ(view.Status().Kind, StatusKind::Hint);
  EXPECT_TRUE(game.HelpUsed());
  // The hinted turn, played: the hint goes with the turn.
  const VEKMove hinted = *view.hint;
  cube.History.Record(hinted);
  ASSERT_TRUE(cube.TurnLayers(hinted.Axis, hinted.Layer, hinted.Layer, hinted.Sign, false));
  game.PlayerTurned();
  EXPECT_FALSE(view.hint);
  // The next hint is the same solution's next turn, at once.
  game.AskHelp(false, camera);
  EXPECT_TRUE(view.hint);
  // Another turn drops that solution: a search, and one overtaken by a turn
  // shows nothing, found before the turn or not.
  Turn();
  game.AskHelp(false, camera);
  EXPECT_EQ(view.Status().Kind, StatusKind::Searching);
  view.WaitPosted();
  Turn();
  view.RunPosted();
  EXPECT_FALSE(view.hint);
  EXPECT_NE(view.Status().Kind, StatusKind::Hint);
  // The whole solution: queued, played in frames, and the game is the computer's.
  game.AskHelp(true, camera);
  view.RunPosted();
  EXPECT_TRUE(game.PlayingSolution());
  EXPECT_GT(Play(), 0);
  EXPECT_TRUE(game.SolvedByComputer());
  EXPECT_TRUE(cube.IsSolved());
  game.AskHelp(false, camera);
  EXPECT_EQ(view.Status().Kind, StatusKind::SolvedAlready);
}

// A 4x4x4's and a 5x5x5's hints followed turn by turn: one search, then each
// hint at once the next turn of the same solution, named with its stage;
// the player's turns (wide ones among them) count one each and bring the
// cube home, or "Решить" plays the rest of that solution without a search.
TEST_F(GameTest, HintsFollowedTurnByTurnPlayTheirWholeSolution) {
  const std::atomic<bool> never{false};
  VEKCamera& camera = renderer->Camera;
  cube.ShuffleRotateCount = 5;
  const struct { int size; std::size_t followed; } cases[] = {{4, SIZE_MAX}, {5, 2}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Start(c.size));
    const solver::StagedSolution solution = solver::SolveStaged(cube, never);
    const std::vector<VEKMove> moves = solution.Moves();
    ASSERT_GT(moves.size(), c.followed == SIZE_MAX ? 0u : c.followed) << c.size;
    const FaceFrame frame = FacesSeenFrom(camera.Eye, camera.Up);
    game.AskHelp(false, camera);
    EXPECT_EQ(view.Status().Kind, StatusKind::Searching);
    view.RunPosted();
    for (std::size_t k = 0; k < std::min(moves.size(), c.followed); ++k) {
      if (k > 0) game.AskHelp(false, camera);
      ASSERT_EQ(view.hint, moves[k]) << c.size << " turn " << k;
      EXPECT_EQ(view.Status(), GameStatus::Hint(NotationText({moves[k]}, frame, c.size), solution.StageOf(k)));
      cube.TurnDetected(*view.hint);  // the player's drag turns the hinted layers
      Play();
      EXPECT_EQ(game.MovesShown(), k + 1);
    }
    EXPECT_TRUE(view.posted.empty()) << "one search";
    if (c.followed < moves.size()) {
      game.AskHelp(true, camera);
      ASSERT_TRUE(game.PlayingSolution());
      EXPECT_EQ(game.SolutionInPlay()->Length(), moves.size() - c.followed);
      Play();
      EXPECT_TRUE(game.SolvedByComputer());
      EXPECT_EQ(game.SolutionText(), NotationText({moves.begin() + c.followed, moves.end()}, FaceFrame{}, c.size));
    } else {
      EXPECT_EQ(game.State(), Game::Phase::Solved);
    }
    EXPECT_TRUE(cube.IsSolved()) << c.size;
  }
}

// What the history keeps of a game, in one line.
std::string Row(const SolveEntry& row) {
  return std::string(HowName(row.How)) + " " + std::to_string(row.Size) + ", " + std::to_string(row.Moves) +
         " moves, " + std::to_string(row.Ms) + " ms, at " + MoveMsText(row.MoveMs) + ", scramble " +
         std::to_string(row.ScrambleTurns) + (row.Record ? ", record" : "");
}

// The cube's scramble taken back turn by turn as the player's keys, a second apart.
void SolveByKeys(Game& game, VEKBigCube& cube, VEKCamera& camera, FakeClock& clock) {
  std::vector<VEKMove> back(cube.ScrambleMoves.rbegin(), cube.ScrambleMoves.rend());
  for (VEKMove& m : back) m.Sign = static_cast<int8_t>(-m.Sign);
  for (const VEKMove& m : back) {
    clock.now += seconds(1);
    game.PlayMoves({NotationOf(m, FaceFrame{}, cube.Size)}, camera);
    ::Play(game, clock);
  }
}

TEST_F(GameTest, EveryGameThatEndsIsOneRowOfTheHistoryThatReplaysToItsEnd) {
  FakeSolveLog log;
  game.KeepHistoryIn(&log);
  VEKCamera& camera = renderer->Camera;
  const auto replayEnd = [&](const SolveEntry& row) {
    auto other = HeadlessRenderer(row.Size, 90);
    const std::optional<ReplayScript> script = ScriptOf(row);
    if (script) SetUpReplay(*other->Cube, *script, script->Turns.size());
    return script ? PointPlaces(*other->Cube) : std::vector<long>{};
  };
  // Solved by the player: the clock's time at the solving turn, each turn's time.
  ASSERT_TRUE(Start(3));
  const std::string scramble = game.ScrambleText();
  SolveByKeys(game, cube, camera, clock);
  ASSERT_EQ(game.State(), Game::Phase::Solved);
  ASSERT_EQ(log.games.size(), 1u);
  const SolveEntry solved = log.games[0];
  // Each turn ended a turn's 10 ms after its key.
  EXPECT_EQ(Row(solved), "solved 3, 3 moves, 3030 ms, at 1010 2020 3030, scramble 3");
  EXPECT_EQ(solved.Scramble, scramble);
  EXPECT_TRUE(replayEnd(solved) == PointPlaces(cube));
  // Nothing more of a solved game: Stop, New game and a close write no row.
  game.Stop(3);
  ASSERT_TRUE(Start(3));
  game.Leave();
  EXPECT_EQ(log.games.size(), 1u);

  // Abandoned after turns, undo and redo among them, by each command that drops a game.
  ASSERT_TRUE(SaveGameWithTrailer(*HeadlessRenderer(2, 90)->Cube, dir.File("other.cube"), 7, 20, "R U"));
  const std::function<void()> drops[] = {[&] { game.NewGame(2), Play(); }, [&] { game.Stop(3); },
                                         [&] { ASSERT_TRUE(game.Open(dir.File("other.cube"))); }};
  for (const auto& drop : drops) {
    log.games.clear();
    ASSERT_TRUE(Start(3));
    Turn(2);
    StepNow(true);
    StepNow(false);
    const std::vector<long> standing = PointPlaces(cube);
    EXPECT_FALSE(game.Open(dir.File("missing.cube")));  // a failed Open drops nothing
    drop();
    ASSERT_EQ(log.games.size(), 1u);
    // Every quarter turn made, undo and redo too.
    EXPECT_EQ(Row(log.games[0]), "abandoned 3, 2 moves, 40 ms, at 10 20 30 40, scramble 3");
    EXPECT_TRUE(replayEnd(log.games[0]) == standing);
  }
  // A new game without turns is no row.
  log.games.clear();
  ASSERT_TRUE(Start(3));
  ASSERT_TRUE(Start(3));
  EXPECT_EQ(log.games.size(), 0u);

  // The computer's solution: its turns follow the player's; stopped, the game was abandoned.
  const std::atomic<bool> never{false};
  for (const bool stopped : {false, true}) {
    log.games.clear();
    ASSERT_TRUE(Start(2));
    Turn();
    clock.now += seconds(4);
    ASSERT_TRUE(game.PlaySolution(solver::Solve(cube, never).Moves));
    Play([&] {
      if (stopped) game.StopScramble();
    });
    ASSERT_EQ(log.games.size(), 1u);
    EXPECT_EQ(log.games[0].How, stopped ? SolveHow::Abandoned : SolveHow::Computer);
    EXPECT_EQ(log.games[0].Ms, 4010);
    EXPECT_TRUE(replayEnd(log.games[0]) == PointPlaces(cube)) << stopped;
    game.Stop(2);
    EXPECT_EQ(log.games.size(), 1u);
  }
  // A history that cannot be written says so; the solve stands.
  log.refuse.What = HistoryProblem::Kind::Full;
  log.games.clear();
  ASSERT_TRUE(Start(3));
  SolveByKeys(game, cube, camera, clock);
  EXPECT_EQ(game.State(), Game::Phase::Solved);
  EXPECT_EQ(view.Status().Kind, StatusKind::HistoryFailed);
  EXPECT_EQ(view.Status().History.What, HistoryProblem::Kind::Full);
}

TEST_F(GameTest, AReplayOfTheGameInPlayLeavesItAsItWasAndCountsForNothing) {
  FakeSolveLog log;
  game.KeepHistoryIn(&log);
  ASSERT_TRUE(Start(3));
  clock.now += seconds(3);
  Turn(3);
  StepNow(true);
  const std::vector<long> points = PointPlaces(cube);
  const std::optional<SolveEntry> entry = game.Entry();
  ASSERT_TRUE(entry);
  ASSERT_TRUE(game.StartReplay(*entry));
  EXPECT_EQ(view.replaying, std::vector<bool>{true});
  Replay& replay = *game.Replaying();
  EXPECT_EQ(replay.Length(), 4u);
  EXPECT_EQ(Shown(game), "Playing, clock 0, moves 0, scramble 3");  // the replay's own figures
  replay.Play();
  clock.now += hours(2);  // the game's clock stands meanwhile
  Play();
  EXPECT_EQ(replay.At(), 4u);
  EXPECT_TRUE(PointPlaces(cube) == points);
  // A drag over the replay turns nothing.
  DragTopRow(cube, 0, 1);
  EXPECT_FALSE(game.Turning());
  // Any command ends it: the game is back, its clock where it stood, nothing counted.
  ASSERT_TRUE(game.Step(false));
  EXPECT_EQ(view.replaying, (std::vector<bool>{true, false}));
  EXPECT_FALSE(game.Replaying());
  Play();
  EXPECT_EQ(Shown(game), "Playing, clock 3, moves 3, scramble 3, undo");
  EXPECT_EQ(log.games.size(), 0u);
  EXPECT_EQ(KeptTrailer().Moves.size(), 3u);
  // A paused game comes back paused; the key that ends the pause ends the replay first.
  ASSERT_TRUE(game.Pause());
  ASSERT_TRUE(game.StartReplay(*entry));
  clock.now += hours(1);
  game.Resume();
  EXPECT_FALSE(game.Replaying());
  EXPECT_FALSE(game.Paused());
  game.Tick();
  EXPECT_EQ(game.Seconds(), 3);
}

// What the game decides: its start and scramble, the counted turns, undo and
// redo, the solve and its record, the kept game, saved files and the clock,
// on a real cube, a fake window and a clock the test moves.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>

#include "game/Game.h"
#include "game/GameRecords.h"
#include "game/GameTexts.h"
#include "game/ResumeStore.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/Random.h"
#include "tests/unit/TestCubes.h"
#include "tests/unit/app/TestFiles.h"

namespace {

using Strings = std::vector<std::string>;

struct FakeView final : GameView {
  void ShowStatus(const std::string& text) override { statuses.push_back(text); }
  void ShowGame() override { ++shown; Meanwhile(); }
  void ClockStarted() override { ++clockStarts; }
  void ShowScrambling(bool on) override { scrambling.push_back(on); Meanwhile(); }
  void KeepRecords() override { ++recordsKept; }
  // Runs while the view is called, as a click handled in a repaint would.
  void Meanwhile() const { if (meanwhile) meanwhile(); }
  std::function<void()> meanwhile;

  Strings statuses;
  std::vector<bool> scrambling;
  int shown = 0, clockStarts = 0, recordsKept = 0;
};

struct FakeClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  void Advance(std::chrono::seconds by) { now += by; }
  std::chrono::steady_clock::time_point now{std::chrono::hours(7000)};
};

// The +Z facelet of the top row's column `from` dragged to column `to`: a
// quarter turn of the top layer, and its inverse the other way.
void DragTopRow(VEKBigCube& cube, int from, int to) {
  const int a = CubieAt(cube, from, 2, 2), b = CubieAt(cube, to, 2, 2);
  cube.ResetDrag();
  cube.RecordHit(a, FaceFacing(cube, a, 2, +1));
  cube.RecordHit(b, FaceFacing(cube, b, 2, +1));
}

std::string Status(const FakeView& view) { return view.statuses.empty() ? "" : view.statuses.back(); }

class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    vekrandom::FixClockSeed(11u);
    cube.ShuffleRotateCount = 3;
  }
  ~GameTest() override { vekrandom::FixClockSeed(std::nullopt); }

  // The player's drags, each followed by what the window then tells the game.
  void Turn(int drags = 1) {
    for (int i = 0; i < drags; ++i) {
      RandomDrag(cube, random);
      game.PlayerTurned();
    }
  }
  // A 3x3x3 one top-row turn from home with a history of that turn.
  std::string OneTurnFromHome(const std::string& name, uint32_t seconds, uint32_t scrambleTurns) {
    auto other = HeadlessRenderer(3, 90);
    DragTopRow(*other->Cube, 1, 2);
    EXPECT_TRUE(SaveGameWithTrailer(*other->Cube, dir.File(name), seconds, scrambleTurns));
    return dir.File(name);
  }
  // The trailer of this window's kept game.
  std::optional<GameTrailer> KeptTrailer() const {
    std::optional<GameTrailer> trailer;
    auto reader = HeadlessRenderer(3, 90);
    EXPECT_EQ(LoadGameWithTrailer(*reader->Cube, kept.Own(), trailer), 3);
    return trailer;
  }
  // The kept games in the folder, by name.
  Strings KeptFiles() const {
    Strings names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
      if (entry.path().extension() == ".cube") names.push_back(entry.path().filename());
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

TEST_F(GameTest, ANewGameScramblesThenStartsItsClockFromZero) {
  ASSERT_TRUE(game.SaveTo(dir.File("before.cube"), false));
  int frames = 0;
  cube.AfterStepFrame = [&] {
    frames += game.Scrambling() && !game.MovesShown();  // no count belongs to a cube being scrambled
  };
  ASSERT_TRUE(game.NewGame(3));
  EXPECT_GE(frames, 3);
  EXPECT_EQ(game.State(), Game::Phase::Playing);
  EXPECT_TRUE(game.ClockShown());
  EXPECT_EQ(game.Seconds(), 0);
  EXPECT_EQ(game.ScrambleTurns(), 3u);
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_FALSE(game.CanUndo());
  EXPECT_EQ(game.FileName(), "");  // Save asks for a name
  EXPECT_EQ(view.statuses, (Strings{gametext::kScrambling, gametext::kReady}));
  EXPECT_EQ(view.scrambling, (std::vector<bool>{true, false}));
  EXPECT_EQ(view.clockStarts, 1);

  // The game that ran is given up: its kept file goes with the next new game.
  Turn();
  ASSERT_EQ(KeptFiles().size(), 1u);
  ASSERT_TRUE(game.NewGame(3));
  EXPECT_EQ(KeptFiles(), Strings{});
  EXPECT_EQ(view.clockStarts, 2);
}

TEST_F(GameTest, AScrambleStoppedAnywhereStartsNoGame) {
  const std::function<void()> stop = [&] {
    if (game.Scrambling()) game.StopScramble();
  };
  // Stop chosen while the view shows the scramble's start, or between its frames.
  for (const bool inView : {true, false}) {
    view.meanwhile = inView ? stop : nullptr;
    cube.AfterStepFrame = inView ? nullptr : stop;
    view.scrambling.clear();
    EXPECT_FALSE(game.NewGame(3)) << inView;
    EXPECT_EQ(game.State(), Game::Phase::None) << inView;
    EXPECT_EQ(view.scrambling, (std::vector<bool>{true, false})) << inView;
    EXPECT_EQ(view.clockStarts, 0) << inView;
    EXPECT_NE(Status(view), gametext::kReady) << inView;
    Turn();  // the player's turns on a stopped scramble count for nothing
    EXPECT_EQ(game.MovesShown(), 0u) << inView;
    EXPECT_EQ(KeptFiles(), Strings{}) << inView;
  }
  // The stop is spent: the next scramble runs to its end.
  view.meanwhile = nullptr;
  cube.AfterStepFrame = nullptr;
  EXPECT_TRUE(game.NewGame(3));
  EXPECT_TRUE(game.Running());
}

TEST_F(GameTest, TheTurnsOfARunningGameCountAndAreKeptForAnotherCopy) {
  ASSERT_TRUE(game.NewGame(3));
  Turn(2);
  EXPECT_EQ(game.MovesShown(), 2u);
  EXPECT_TRUE(game.HasPlayerMoves());
  ASSERT_EQ(KeptFiles().size(), 1u);
  const std::string keptGame = kept.Own();
  ASSERT_TRUE(KeptTrailer());
  EXPECT_EQ(KeptTrailer()->MoveCount, 2u);

  ResumeStore other(folder);
  EXPECT_EQ(other.Latest(), "");  // held while this window lives
  game.Leave();
  EXPECT_EQ(other.Latest(), keptGame);
  EXPECT_EQ(game.State(), Game::Phase::None);

  // No game runs after Leave or Stop: turns are neither counted nor kept.
  Turn();
  EXPECT_EQ(game.MovesShown(), 2u);
  game.Stop(3);
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_FALSE(game.ClockShown());
  Turn();
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_FALSE(game.HasPlayerMoves());
  EXPECT_EQ(kept.Own(), "");
  EXPECT_EQ(KeptFiles().size(), 1u);
}

TEST_F(GameTest, AGameThatCannotBeKeptSaysSoWhenTheDragEnds) {
  WriteBytes(dir.File("file"), "");
  ResumeStore nowhere(dir.File("file/kept"));
  Game unkept(cube, view, nowhere, records, clock);
  ASSERT_TRUE(unkept.NewGame(3));
  unkept.BeginGesture();
  RandomDrag(cube, random);
  unkept.PlayerTurned();
  unkept.EndGesture();
  const std::string failed = view.statuses.end()[-2];
  EXPECT_EQ(failed.rfind("Не удалось сохранить игру для продолжения (", 0), 0u) << failed;
  EXPECT_EQ(view.statuses.end()[-3], gametext::kTurning);
  EXPECT_EQ(Status(view), failed);  // also when the drag ends
  EXPECT_EQ(unkept.MovesShown(), 1u);  // the game goes on
}

TEST_F(GameTest, UndoAndRedoWalkTheHistoryAndTheCounterFollows) {
  EXPECT_FALSE(game.Step(true));
  EXPECT_FALSE(game.Step(false));
  ASSERT_TRUE(game.NewGame(3));
  EXPECT_FALSE(game.Step(true));  // the scramble is no turn of the player's
  Turn(3);
  const int shown = view.shown;
  const struct {
    bool undo, turns;
    uint32_t moves;
  } steps[] = {{true, true, 2}, {true, true, 1}, {true, true, 0}, {true, false, 0},
               {false, true, 1}, {false, true, 2}, {false, true, 3}, {false, false, 3}};
  for (const auto& s : steps) {
    EXPECT_EQ(game.Step(s.undo), s.turns) << s.undo << " to " << s.moves;
    EXPECT_EQ(game.MovesShown(), s.moves);
    EXPECT_TRUE(game.HasPlayerMoves());  // also at 0 with the turns to redo
  }
  EXPECT_EQ(view.shown, shown + 6);
  // The kept game follows each step.
  ASSERT_TRUE(game.Step(true));
  const std::optional<GameTrailer> trailer = KeptTrailer();
  ASSERT_TRUE(trailer);
  EXPECT_EQ(trailer->MoveCount, 2u);
  EXPECT_EQ(trailer->Moves.size(), 3u);
}

TEST_F(GameTest, TheSolvingTurnStopsTheClockAndSetsARecordOnlyAfterAFullScramble) {
  const struct {
    uint32_t scrambleTurns, fileSeconds;
    int played;
    bool record;
    const char* status;
    int bestSeconds;  // after the solve
  } cases[] = {
      {20, 100, 5, true, "Собрано! 00:01:45, ходов: 2. Новый рекорд!", 105},  // the first
      {20, 100, 10, false, "Собрано! 00:01:50, ходов: 2", 105},
      {19, 0, 1, false, "Собрано! 00:00:01, ходов: 2", 105},  // too short a scramble
      {25, 3590, 10, false, "Собрано! 01:00:00, ходов: 2", 105},
      {20, 50, 0, true, "Собрано! 00:00:50, ходов: 2. Новый рекорд!", 50},
  };
  int recordsKept = 0;
  for (const auto& c : cases) {
    ASSERT_TRUE(game.Open(OneTurnFromHome("near.cube", c.fileSeconds, c.scrambleTurns)));
    ASSERT_TRUE(game.Keep() && KeptFiles().size() == 1u);
    clock.Advance(std::chrono::seconds(c.played));
    game.BeginGesture();
    DragTopRow(cube, 2, 1);
    game.PlayerTurned();
    game.EndGesture();
    ASSERT_TRUE(cube.IsSolved());
    EXPECT_EQ(game.State(), Game::Phase::Solved) << c.status;
    EXPECT_EQ(Status(view), c.status);
    EXPECT_EQ(view.statuses.end()[-2], c.status);  // shown at the turn and when the drag ends
    recordsKept += c.record;
    EXPECT_EQ(view.recordsKept, recordsKept) << c.status;
    ASSERT_TRUE(records.Best(3));
    EXPECT_EQ(records.Best(3)->Seconds, c.bestSeconds);
    EXPECT_EQ(game.ScrambleTurns(), 0u);
    EXPECT_EQ(KeptFiles(), Strings{}) << c.status;  // a finished game is nothing to continue
    // The clock stands and nothing more is counted; the next drag ends as any other.
    clock.Advance(std::chrono::hours(1));
    game.Tick();
    game.BeginGesture();
    Turn();
    game.EndGesture();
    EXPECT_EQ(Status(view), gametext::kReady);
    EXPECT_EQ(gametext::Solved(game.Seconds(), *game.MovesShown(), c.record), c.status);
  }
}

TEST_F(GameTest, AKeptGameGoesOnInAnotherWindowWithItsClockAndTurns) {
  ASSERT_TRUE(game.NewGame(3));
  Turn(2);
  clock.Advance(std::chrono::seconds(65));
  game.Leave();

  auto otherRenderer = HeadlessRenderer(2, 90);
  FakeView otherView;
  ResumeStore otherKept(folder);
  Game other(*otherRenderer->Cube, otherView, otherKept, records, clock);
  EXPECT_TRUE(other.ResumeAvailable());
  ASSERT_TRUE(other.Continue());
  EXPECT_TRUE(other.Running());
  EXPECT_EQ(otherRenderer->Cube->Size, 3);
  EXPECT_EQ(other.Seconds(), 65);
  EXPECT_EQ(other.MovesShown(), 2u);
  EXPECT_EQ(other.ScrambleTurns(), 3u);
  EXPECT_EQ(other.FileName(), "");  // Save asks for a name
  EXPECT_EQ(otherView.statuses, (Strings{gametext::kLoading, gametext::kReady}));
  EXPECT_EQ(otherView.clockStarts, 1);

  // The game the other window goes on with is no longer offered here; a kept
  // file that cannot be loaded is set aside, not deleted.
  EXPECT_FALSE(game.ResumeAvailable());
  EXPECT_FALSE(game.Continue());
  WriteBytes(folder + "/resume-1-2-3.cube", "no cube at all");
  const std::vector<uint8_t> before = cube.GameBytes();
  EXPECT_FALSE(game.Continue());
  EXPECT_EQ(Status(view), gametext::kKeptGameSetAside);
  EXPECT_EQ(ReadBytes(folder + "/resume-1-2-3.cube.bad"), "no cube at all");
  EXPECT_FALSE(game.ResumeAvailable());
  EXPECT_EQ(cube.GameBytes(), before);
  EXPECT_FALSE(game.Running());
}

TEST_F(GameTest, OpenSaysWhatTheFileHeldAndARefusedFileIsNeverSavedOver) {
  const std::string withClock = OneTurnFromHome("clock.cube", 120, 20);
  const std::string damaged = OneTurnFromHome("damaged.cube", 120, 20);
  std::string bytes = ReadBytes(damaged);
  bytes.back() ^= 1;  // the trailer's check
  WriteBytes(damaged, bytes);
  auto plainRenderer = HeadlessRenderer(4, 90);
  ASSERT_TRUE(plainRenderer->Cube->SaveToFile(dir.File("plain.cube")));
  WriteBytes(dir.File("garbage.cube"), "not a saved game");

  const struct {
    std::string path;
    bool opened, running;
    const char* status;
    int size;
  } cases[] = {
      {withClock, true, true, gametext::kReady, 3},
      {dir.File("plain.cube"), true, false, gametext::kReady, 4},
      {damaged, true, false, gametext::kReadyWithoutTrailer, 3},
      {dir.File("missing.cube"), false, false, gametext::kCannotOpen, 3},
      {withClock, true, true, gametext::kReady, 3},
      {dir.File("garbage.cube"), false, true, gametext::kUnknownFormat, 3},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> before = cube.GameBytes();
    const std::string file = game.FileName();
    EXPECT_EQ(game.Open(c.path), c.opened) << c.path;
    EXPECT_EQ(Status(view), c.status) << c.path;
    EXPECT_EQ(game.Running(), c.running) << c.path;
    EXPECT_EQ(game.ClockShown(), c.running) << c.path;
    EXPECT_EQ(cube.Size, c.size) << c.path;
    EXPECT_EQ(game.CanSaveInPlace(), c.opened) << c.path;
    if (c.opened) {
      EXPECT_EQ(game.FileName(), c.path);
      EXPECT_EQ(game.Seconds(), c.running ? 120 : 0) << c.path;
      EXPECT_EQ(game.MovesShown(), c.running ? 1u : 0u) << c.path;
    } else {
      EXPECT_EQ(cube.GameBytes(), before) << c.path;
      EXPECT_EQ(game.FileName(), file) << c.path;
    }
  }
  // A file without its clock is no game: turns on it count for nothing.
  ASSERT_TRUE(game.Open(dir.File("plain.cube")));
  Turn();
  EXPECT_EQ(game.MovesShown(), 0u);
  EXPECT_EQ(KeptFiles(), Strings{});
}

// A suspend holds the process for hours: the clock reads them at its next
// tick, and what is kept or saved then holds them.
TEST_F(GameTest, TheClockCountsTheHoursOfASuspendAndSavedGamesKeepThem) {
  ASSERT_TRUE(game.NewGame(3));
  Turn(2);
  const struct {
    std::chrono::seconds by;
    int32_t before, after;  // a tick
  } steps[] = {{std::chrono::seconds(2), 0, 2}, {std::chrono::hours(3), 2, 10802}};
  for (const auto& s : steps) {
    clock.Advance(s.by);
    EXPECT_EQ(game.Seconds(), s.before);
    game.Tick();
    EXPECT_EQ(game.Seconds(), s.after);
  }
  ASSERT_TRUE(game.Keep());
  ASSERT_TRUE(KeptTrailer());
  EXPECT_EQ(KeptTrailer()->Seconds, 10802u);

  const std::string path = dir.File("saved.cube");
  ASSERT_TRUE(game.SaveTo(path, true));
  EXPECT_EQ(Status(view), gametext::kReady);
  EXPECT_EQ(game.FileName(), path);
  EXPECT_TRUE(game.CanSaveInPlace());
  EXPECT_FALSE(game.SaveTo(dir.File("no-such-folder/saved.cube"), true));
  EXPECT_EQ(Status(view).rfind("Ошибка: не удалось сохранить файл (", 0), 0u) << Status(view);
  EXPECT_EQ(game.FileName(), path);

  // A window that goes stops its clock; the saved game starts it again.
  game.Leave();
  clock.Advance(std::chrono::hours(1));
  game.Tick();
  EXPECT_EQ(game.Seconds(), 10802);
  game.Stop(2);
  ASSERT_TRUE(game.Open(path));
  EXPECT_TRUE(game.Running());
  EXPECT_EQ(game.Seconds(), 10802);
  EXPECT_EQ(game.MovesShown(), 2u);
  EXPECT_EQ(game.ScrambleTurns(), 3u);
  EXPECT_TRUE(game.CanUndo());
}

}  // namespace

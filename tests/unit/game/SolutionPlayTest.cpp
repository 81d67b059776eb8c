// The computer's solution under its bar's controls, on a clock the test
// moves: the ticks each turn takes at each pace, a pause that lets the turn
// under way end, turns on and back asked for while one is under way, wide
// turns and half turns made whole, and the end of the run.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "game/SolutionPlay.h"
#include "puzzle/VekCube.h"
#include "solver/CubieState.h"
#include "tests/unit/TestCubes.h"

namespace {

struct FakeClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  std::chrono::steady_clock::time_point now{std::chrono::hours(3)};
};

// A 4x4x4's solution in three stages: Rw2 | U Uw' | F L'.
solver::StagedSolution ThreeStages() {
  solver::StagedSolution s;
  s.Result = solver::Solution::Outcome::Found;
  s.Parts = {{solver::Stage::Centres, {{0, 2, 1, 2}, {0, 2, 1, 2}}},
             {solver::Stage::Edges, {{1, 3, 1, 1}, {1, 2, -1, 2}}},
             {solver::Stage::AsThree, {{2, 3, 1, 1}, {0, 0, -1, 1}}}};
  return s;
}

TEST(SolutionPlayTest, TheBarsControlsPlayEachTurnAtItsPaceAndStepBothWays) {
  const std::unique_ptr<VEKGL> renderer = HeadlessRenderer(4, 5);  // 18 steps a quarter turn
  VEKBigCube& cube = *renderer->Cube;
  FakeClock clock;
  TurnQueue queue(cube, clock);
  const solver::StagedSolution solution = ThreeStages();
  const std::vector<VEKMove> moves = solution.Moves();
  SolutionPlay play(queue, solution);
  std::string told;  // "+" a turn on, "-" a turn back, "end 1" the run ran out
  queue.Push(play.Run([&](const LayerTurn&, bool back) { told += back ? "-" : "+"; },
                      [&](bool complete) { told += complete ? " end 1" : " end 0"; }));
  using Stage = solver::Stage;
  // Each control, then ticks a step's time apart until the turns standing
  // are `at` and, unless playing, nothing is under way.
  const struct {
    const char* control;
    int ticks;
    std::size_t at;
    bool playing;
    Stage stage;
  } steps[] = {
      {"", 18, 1, true, Stage::Centres},        // the player's pace
      {"x2", 9, 2, true, Stage::Edges},         // the first half turn's second quarter
      {"x4", 5, 3, true, Stage::Edges},         // 18 steps of 2.5 ms: due at the fifth tick
      {"pause", 4, 4, false, Stage::AsThree},   // the turn under way ends on its quarter
      {"x1", 0, 4, false, Stage::AsThree},      // paused, no turn begins
      {"back", 18, 3, false, Stage::Edges},     // the wide Uw' taken back
      {"back back", 36, 1, false, Stage::Centres},
      {"forward", 18, 2, false, Stage::Edges},
      {"play", 72, 6, true, Stage::AsThree},    // on to the end
  };
  for (const auto& s : steps) {
    const std::string control = s.control;
    for (std::size_t from = 0; from < control.size();) {
      const std::size_t to = std::min(control.find(' ', from), control.size());
      const std::string c = control.substr(from, to - from);
      if (c == "pause") play.Pause();
      if (c == "play") play.Play();
      if (c == "back") play.Back();
      if (c == "forward") play.Forward();
      if (c[0] == 'x') play.SetSpeed(c[1] - '0');
      from = to + 1;
    }
    int ticks = 0;
    while (ticks < 1000 && (play.At() != s.at || (!s.playing && queue.Turning()))) {
      clock.now += TurnQueue::kStepTime;
      queue.Advance();
      ++ticks;
    }
    EXPECT_EQ(ticks, s.ticks) << s.control;
    if (s.at == moves.size()) break;  // the run has ended with the last turn
    EXPECT_EQ(play.At(), s.at) << s.control;
    EXPECT_EQ(play.Playing(), s.playing) << s.control;
    EXPECT_EQ(play.StageNow(), s.stage) << s.control;
    // Paused, the cube stands as the solution's first `at` turns leave it, wide ones whole.
    if (s.playing) continue;  // the next turn is under way
    solver::CubieState expected = solver::CubieState::Solved(4);
    for (std::size_t k = 0; k < s.at; ++k) expected.Turn(moves[k]);
    EXPECT_EQ(solver::ReadCubies(cube), expected) << s.control;
  }
  EXPECT_EQ(told, "++++---+++++ end 1");
  EXPECT_TRUE(queue.Idle());
  EXPECT_TRUE(play.InStages());
}

}  // namespace

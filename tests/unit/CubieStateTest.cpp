// The solvers' whole-number state must follow the turn code exactly.
#include <gtest/gtest.h>

#include <random>

#include "TestCubes.h"
#include "solver/CubieState.h"
#include "solver/Solver.h"

using solver::CubieState;
using solver::ReadCubies;

TEST(CubieStateTest, TurnsAsTheCubeDoes) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    auto renderer = HeadlessRenderer(n);
    VEKBigCube& cube = *renderer->Cube;
    ASSERT_EQ(ReadCubies(cube), CubieState::Solved(n));
    CubieState state = CubieState::Solved(n);
    std::mt19937 random(n);
    for (int i = 0; i < 60; ++i) {
      VEKMove move;
      move.Axis = random() % 3;
      move.Width = 1 + random() % (n - 1);
      move.Layer = random() % (n - move.Width + 1);
      move.Sign = random() % 2 ? 1 : -1;
      ASSERT_TRUE(cube.TurnLayers(move.Axis, move.Layer, move.Layer + move.Width - 1, move.Sign,
                                  false));
      ASSERT_TRUE(state.Turn(move));
      ASSERT_EQ(ReadCubies(cube), state) << "size " << n << ", turn " << i;
    }
  }
}

TEST(CubieStateTest, ACubieOffTheGridIsNoState) {
  auto renderer = HeadlessRenderer(3);
  renderer->Cube->Cubies[4].Points[0].X += 0.5f;
  EXPECT_FALSE(ReadCubies(*renderer->Cube));
}

TEST(CubieStateTest, AtHomeHoldsForTheWholeCubeTurnedOnly) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    CubieState state = CubieState::Solved(n);
    EXPECT_TRUE(solver::AtHome(state));
    // Every layer of an axis: the whole cube turned.
    for (int layer = 0; layer < n; ++layer) state.Turn({1, static_cast<uint8_t>(layer), 1, 1});
    EXPECT_TRUE(solver::AtHome(state)) << n;
    EXPECT_EQ(state, CubieState::Solved(n).TurnedWhole(solver::QuarterTurn(1, 1))) << n;
    state.Turn({0, 0, -1, 1});
    EXPECT_FALSE(solver::AtHome(state)) << n;
  }
}

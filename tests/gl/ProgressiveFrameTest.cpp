// The still picture built a pass per tick: the finished picture is the
// frame drawn at once, byte for byte, and no tick draws more than one pass.
#include "GLFixture.h"
#include "puzzle/Random.h"

using namespace gltest;

namespace {

// Ticks until the finished picture is on screen; the number of ticks that drew.
int SettleByTicks(Scene& s) {
  int drawn = 0;
  while (s.gl.DrawNextPass()) ++drawn;
  return drawn;
}

double MeanLevel(const Picture& p) {
  double sum = 0.0;
  for (std::size_t i = 0; i < p.rgba.size(); ++i) sum += i % 4 == 3 ? 0 : p.rgba[i];
  return sum / (p.rgba.size() * 3 / 4);
}

TEST(ProgressiveFrame, FinishedPictureIsTheFrameDrawnAtOnce) {
  for (int size : {3, 5}) {
    Scene s(160, 120, size);
    s.ViewThreeFaces();
    s.Cube().RotateSpeed = 90;
    vekrandom::FixClockSeed(5);
    s.Cube().Shuffle(4);
    vekrandom::FixClockSeed(std::nullopt);
    // Unbanded, and 160 x 120 pixels in five bands of 24 rows (also at one
    // pass: the window has more than four times 4000 pixels).
    for (const long long pixelsPerTick : {0LL, 4000LL}) {
      s.gl.PixelsPerTick = pixelsPerTick;
      for (int passes : {1, 4, 16}) {
        const int bands = pixelsPerTick == 0 ? 1 : 5;
        s.gl.Passes = passes;
        s.gl.DrawFrame();
        const Picture atOnce = TakePicture(s);
        s.gl.InvalidatePicture();
        const uint64_t frames = s.gl.FramesDrawn;
        EXPECT_EQ(SettleByTicks(s), passes * bands) << size;
        EXPECT_EQ(s.gl.FramesDrawn - frames, static_cast<uint64_t>(passes * bands))
            << "one band a tick";
        EXPECT_EQ(TakePicture(s).rgba, atOnce.rgba)
            << "size " << size << ", " << passes << " passes in " << bands << " bands";
      }
    }
  }
}

TEST(ProgressiveFrame, AChangedPictureStartsAgainAndTheRunningAverageIsShown) {
  Scene s(120, 120);
  s.ViewThreeFaces();
  s.gl.Passes = 1;
  s.gl.DrawFrame();
  const double onePass = MeanLevel(TakePicture(s));
  s.gl.Passes = 8;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(s.gl.DrawNextPass());
  // Three passes shown as their own average: as bright as one pass, not 3/8 of
  // it.
  EXPECT_NEAR(MeanLevel(TakePicture(s)), onePass, 0.02 * onePass);
  s.gl.Camera.RotateAxis(1, 5.0f);  // the player turns the view
  ASSERT_TRUE(s.gl.DrawNextPass());
  EXPECT_EQ(s.gl.AccumulatedPasses(), 1);
  EXPECT_EQ(SettleByTicks(s), 7);
  EXPECT_FALSE(s.gl.DrawNextPass()) << "a finished still picture is not drawn again";
  s.gl.InvalidatePicture();  // exposed
  EXPECT_EQ(SettleByTicks(s), 8);
}

}  // namespace

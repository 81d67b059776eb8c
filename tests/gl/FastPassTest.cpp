// A frame drawn from the gathered vertex arrays is, byte for byte, the frame
// of the cube drawn polygon by polygon (the way picking still draws it): at
// home, scrambled, from several eyes and in the middle of turns.
#include "GLFixture.h"
#include "puzzle/Random.h"

using namespace gltest;

namespace {

// The frame drawn the old way: every cubie's polygons one by one, per pass.
Picture PolygonByPolygonFrame(Scene& s, int passes) {
  s.gl.Light.SetPosition(s.gl.Camera.Eye);
  const double aspect =
      static_cast<double>(std::min(s.Width(), s.Height())) / std::min(s.Width(), s.Height());
  glClear(GL_ACCUM_BUFFER_BIT);
  for (int i = 0; i < passes; ++i) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    s.gl.AccPerspective(30.0, aspect, 2.0, 40.0, kJitter[i][0], kJitter[i][1], 0.0, 0.0, 1.0);
    s.Cube().Draw(false);
    if (passes > 1) glAccum(GL_ACCUM, 1.0f / passes);
  }
  if (passes > 1) glAccum(GL_RETURN, 1.0f);
  glFinish();
  return TakePicture(s);
}

std::size_t PixelsThatDiffer(const Picture& a, const Picture& b) {
  std::size_t n = 0;
  for (std::size_t i = 0; i + 3 < a.rgba.size(); i += 4)
    n += a.rgba[i] != b.rgba[i] || a.rgba[i + 1] != b.rgba[i + 1] || a.rgba[i + 2] != b.rgba[i + 2];
  return n;
}

void ExpectSameFrame(Scene& s, int passes, const std::string& scene) {
  s.gl.Passes = passes;
  s.gl.DrawFrame();
  const Picture fast = TakePicture(s);
  const Picture reference = PolygonByPolygonFrame(s, passes);
  EXPECT_EQ(PixelsThatDiffer(fast, reference), 0u) << scene << ", " << passes << " passes";
}

TEST(FastPass, SamePixelsAsPolygonByPolygonStillAndMidTurn) {
  const struct {
    Vec3 eye, up;
  } eyes[] = {{{1, 1, 1}, {0, 1, 0}},
              {{0, 0, 1}, {0, 1, 0}},
              {{-1, 0.3, -0.2}, {0, 0, 1}},
              {{0.4, -1, 0.7}, {1, 0, 0}}};
  for (int size : {2, 3, 5}) {
    Scene s(200, 160, size);
    s.Cube().RotateSpeed = 90;
    for (bool scrambled : {false, true}) {
      if (scrambled) {
        vekrandom::FixClockSeed(size);
        s.Cube().Shuffle(6);
        vekrandom::FixClockSeed(std::nullopt);
      }
      for (const auto& e : eyes) {
        s.LookFrom(e.eye, e.up);
        const std::string scene = "N=" + std::to_string(size) +
                                  (scrambled ? " scrambled" : " home") + " eye " +
                                  std::to_string(e.eye.x) + "," + std::to_string(e.eye.y);
        for (int passes : {1, 4}) ExpectSameFrame(s, passes, scene);
      }
    }
  }
  // And in the middle of turns, at 1 and 16 passes.
  for (int size : {3, 5}) {
    Scene s(180, 180, size);
    s.ViewThreeFaces();
    s.Cube().Owner = &s.gl;
    s.Cube().RotateSpeed = 15;  // six frames a quarter turn
    int frames = 0;
    s.Cube().AfterStepFrame = [&] {
      if (++frames % 2 == 0)
        ExpectSameFrame(s, frames % 4 == 0 ? 16 : 1,
                        "N=" + std::to_string(size) + " frame " + std::to_string(frames));
    };
    vekrandom::FixClockSeed(40 + size);
    s.Cube().Shuffle(3);
    vekrandom::FixClockSeed(std::nullopt);
    EXPECT_GE(frames, 18);
  }
}

}  // namespace

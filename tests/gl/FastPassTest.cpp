// A frame drawn from the gathered vertex arrays is, byte for byte, the frame
// of the cube drawn polygon by polygon (the way picking still draws it, and
// the way every frame was drawn before the arrays): at home, scrambled, from
// several eyes, in the game's body colours and in the middle of turns.
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

void Scramble(VEKBigCube& cube, int turns, uint32_t seed) {
  cube.RotateSpeed = 90;
  vekrandom::FixClockSeed(seed);
  cube.Shuffle(turns);
  vekrandom::FixClockSeed(std::nullopt);
}

void PaintBody(VEKBigCube& cube, uint32_t colorRef) {
  cube.BodyColor = VEKColor::FromColorRef(colorRef);
  cube.ApplyBodyColor();
}

constexpr uint32_t kCream = 0xF0FBFF;  // the game's body colour
constexpr uint32_t kGrey = 0x505050;   // the cube's own, before settings are read
constexpr uint32_t kMaroon = 0x000080;

struct Eye {
  Vec3 eye, up;
};
const Eye kEyes[] = {{{1, 1, 1}, {0, 1, 0}},
                     {{0, 0, 1}, {0, 1, 0}},
                     {{-1, 0.3, -0.2}, {0, 0, 1}},
                     {{0.4, -1, 0.7}, {1, 0, 0}}};

TEST(FastPass, SamePixelsAsPolygonByPolygonStill) {
  // Pictures of every eye at 1 and 4 passes. The cream body is where bytes
  // sent as an array would light a channel one step off. In a pixel or two
  // of the scrambled 4x4x4 and of the 300-pixel 5x5x5 a bevel meets a
  // neighbour's inside face at equal depth, and the order of drawing decides.
  const struct {
    int size, width, height;
    uint32_t body;
    int turns;
    uint32_t seed;
  } cases[] = {
      {2, 200, 160, kGrey, 0, 0},   {2, 200, 160, kCream, 6, 2},   {3, 200, 160, kGrey, 6, 3},
      {3, 200, 160, kCream, 0, 0},  {3, 400, 400, kCream, 20, 4},  {3, 300, 240, kMaroon, 20, 5},
      {4, 300, 300, kCream, 20, 6}, {5, 200, 160, kGrey, 6, 5},    {5, 400, 400, kCream, 20, 4},
      {5, 200, 160, kCream, 0, 0},  {5, 300, 300, kCream, 20, 12},
  };
  for (const auto& c : cases) {
    Scene s(c.width, c.height, c.size);
    PaintBody(s.Cube(), c.body);
    if (c.turns > 0) Scramble(s.Cube(), c.turns, c.seed);
    for (const Eye& e : kEyes) {
      s.LookFrom(e.eye, e.up);
      const std::string scene = "N=" + std::to_string(c.size) + " " + std::to_string(c.width) +
                                "x" + std::to_string(c.height) + " body " + std::to_string(c.body) +
                                " seed " + std::to_string(c.seed) + " eye " +
                                std::to_string(e.eye.x) + "," + std::to_string(e.eye.y);
      for (int passes : {1, 4}) ExpectSameFrame(s, passes, scene);
    }
  }
}

TEST(FastPass, SamePixelsAsPolygonByPolygonMidTurn) {
  for (int size : {3, 5}) {
    Scene s(180, 180, size);
    PaintBody(s.Cube(), kCream);
    s.ViewThreeFaces();
    s.Cube().RotateSpeed = 15;  // six steps a quarter turn
    int frames = 0;
    vekrandom::FixClockSeed(40 + size);
    VEKBigCube& cube = s.Cube();
    cube.BeginScramble();
    VEKBigCube::ScrambleDraw draw;
    draw.Count = 3;
    // Every other step of each turn, as the frame loop would draw it.
    while (const auto turn = cube.NextScrambleTurn(draw)) {
      ASSERT_TRUE(cube.BeginTurn(turn->Axis, turn->Layer, turn->Layer, turn->Sign));
      while (cube.TurnStepsLeft > 0) {
        cube.StepTurn();
        if (++frames % 2 == 0)
          ExpectSameFrame(s, frames % 4 == 0 ? 16 : 1,
                          "N=" + std::to_string(size) + " frame " + std::to_string(frames));
      }
      cube.EndTurn();
    }
    vekrandom::FixClockSeed(std::nullopt);
    EXPECT_GE(frames, 18);
  }
}

// The speed of a frame is in drawing few runs: one per digit texture and
// one for all inside faces and bevels, however the cube is scrambled.
TEST(FastPass, OneDrawPerDigitAndOneForTheRest) {
  for (int size : {2, 3, 4, 5}) {
    Scene s(64, 64, size);
    for (int turns : {0, 30}) {
      if (turns > 0) Scramble(s.Cube(), turns, static_cast<uint32_t>(size));
      CubeMesh mesh;
      mesh.Build(s.Cube());
      EXPECT_EQ(mesh.Draws(), static_cast<std::size_t>(size * size + 1))
          << "N=" << size << " after " << turns << " turns";
    }
  }
}

}  // namespace

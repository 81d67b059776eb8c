// What the game spends its time on, measured on OSMesa: still frames at
// several sizes and pass counts, a layer turn's animation, a scramble, and a
// pick (which draws its own frame). Every benchmark builds its scene once,
// outside the timed loop.
//
// Mesa renders on its own worker threads (llvmpipe), so the CPU time of the
// calling thread says little: times are wall-clock (UseRealTime).
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>

#include "game/TurnQueue.h"
#include "interaction/PickHits.h"
#include "puzzle/Random.h"
#include "puzzle/VekCube.h"
#include "render/OSMesaWindow.h"
#include "render/VekGL.h"

namespace {

constexpr uint32_t kBody = 0xF0FBFF;  // the game's default body colour
constexpr int kTurnSpeed = 5;         // the game's default: 18 frames a quarter turn
constexpr uint32_t kSeed = 20240601;

// A renderer on an OSMesa window of Pixels x Pixels, started as the game
// starts: settings, Attach, Resize, Build.
class Scene {
 public:
  Scene(int Pixels, int Size, int Passes = 1) : window_(Pixels, Pixels) {
    gl_.Cube->BodyColor = VEKColor::FromColorRef(kBody);
    gl_.Cube->RotateSpeed = kTurnSpeed;
    gl_.DrawQuality = Passes;
    gl_.Attach(&window_);
    gl_.Resize(Pixels, Pixels);
    gl_.Cube->Build(Size);
    gl_.Passes = Passes;
  }
  // The renderer's destructor leaves the context alive; Detach deletes it.
  ~Scene() { gl_.Detach(); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  bool Ready() const { return gl_.Attached(); }
  VEKGL& Gl() { return gl_; }
  VEKBigCube& Cube() { return *gl_.Cube; }

 private:
  OSMesaWindow window_;
  VEKGL gl_;
};

std::string RendererName() {
  Scene scene(16, 2);
  if (!scene.Ready()) return "no OSMesa context";
  const auto text = [](GLenum name) {
    const GLubyte* s = glGetString(name);
    return s ? std::string(reinterpret_cast<const char*>(s)) : std::string("?");
  };
  return text(GL_RENDERER) + ", OpenGL " + text(GL_VERSION);
}

// Arguments: window side in pixels, cube size, passes.
void BM_DrawFrame(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
              static_cast<int>(state.range(2)));
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  // The first frame pays llvmpipe's shader compile: it is not the game's frame
  // time.
  scene.Gl().DrawFrame();
  for (auto _ : state) scene.Gl().DrawFrame();
}
BENCHMARK(BM_DrawFrame)
    ->ArgNames({"px", "N", "passes"})
    ->ArgsProduct({{400, 800}, {3, 5}, {1, 4, 16}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One tick of a still picture being built (one pass, or one band of a pass
// in a big window, added and the average shown): how long the window is kept
// from answering while it settles. longest_ms is the slowest tick seen.
void BM_StillPicturePass(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 16);
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  scene.Gl().DrawNextPass();  // the shader compile, outside the timing
  std::chrono::steady_clock::duration longest{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!scene.Gl().DrawNextPass()) {
      scene.Gl().InvalidatePicture();  // settled: start it again
      scene.Gl().DrawNextPass();
    }
    longest = std::max(longest, std::chrono::steady_clock::now() - start);
  }
  state.counters["longest_ms"] = std::chrono::duration<double, std::milli>(longest).count();
}
BENCHMARK(BM_StillPicturePass)
    ->ArgNames({"px", "N"})
    ->ArgsProduct({{400, 800, 2000}, {5}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The frame loop on a clock of its own: a tick every step's time, and a
// frame for each tick that moved the cube, as the window draws turns.
struct TickClock final : SteadyClock {
  std::chrono::steady_clock::time_point Now() const override { return now; }
  std::chrono::steady_clock::time_point now{};
};

void PlayFrames(Scene& scene, TurnQueue& queue, TickClock& clock) {
  while (!queue.Idle()) {
    clock.now += TurnQueue::kStepTime;
    if (queue.Advance()) scene.Gl().DrawFrame();
  }
}

// One quarter turn of the top layer of a 3x3x3 at one pass (the game draws
// moving scenes with one pass unless antialiasing while moving is on),
// played by the turn queue. Argument: window side.
void BM_AnimateTurn(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), 3);
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  TickClock clock;
  TurnQueue queue(scene.Cube(), clock);
  const uint64_t before = scene.Gl().FramesDrawn;
  for (auto _ : state) {
    queue.Push({[taken = false]() mutable -> std::optional<LayerTurn> {
                  if (taken) return std::nullopt;
                  taken = true;
                  return LayerTurn{1, 2, 2, 1};
                },
                {}, {}});
    PlayFrames(scene, queue, clock);
  }
  state.counters["frames"] = benchmark::Counter(
      static_cast<double>(scene.Gl().FramesDrawn - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AnimateTurn)
    ->ArgName("px")
    ->Arg(400)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The game's 30-move scramble of a 3x3x3 with its frames (about 30 x 18), at
// one pass, drawn turn by turn as the game's queue plays it. Slow in
// software, so few iterations. Argument: window side.
void BM_Shuffle(benchmark::State& state) {
  Scene scene(static_cast<int>(state.range(0)), 3);
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  vekrandom::FixClockSeed(kSeed);
  TickClock clock;
  VEKBigCube& cube = scene.Cube();
  TurnQueue queue(cube, clock);
  const uint64_t before = scene.Gl().FramesDrawn;
  for (auto _ : state) {
    cube.BeginScramble();
    VEKBigCube::ScrambleDraw draw;
    draw.Count = 30;
    queue.Push({[&cube, &draw]() -> std::optional<LayerTurn> {
                  const std::optional<VEKMove> turn = cube.NextScrambleTurn(draw);
                  if (!turn) return std::nullopt;
                  return LayerTurn{turn->Axis, turn->Layer, turn->Layer, turn->Sign};
                },
                {}, {}});
    PlayFrames(scene, queue, clock);
  }
  state.counters["frames"] = benchmark::Counter(
      static_cast<double>(scene.Gl().FramesDrawn - before), benchmark::Counter::kAvgIterations);
  vekrandom::FixClockSeed(std::nullopt);
}
BENCHMARK(BM_Shuffle)
    ->ArgName("px")
    ->Arg(400)
    ->Arg(800)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A pick at the window's centre (a facelet on both sizes) and the frame that
// follows it, at 400x400. Argument: cube size.
void BM_Pick(benchmark::State& state) {
  Scene scene(400, static_cast<int>(state.range(0)));
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  VEKBigCube& cube = scene.Cube();
  for (auto _ : state) {
    // From a clean gesture one hit only records, so nothing ever turns.
    cube.ResetDrag();
    cube.Pick(200, 200);
  }
  const bool hit = cube.PlanePoint[2].Z != 0.0f;
  cube.ResetDrag();
  if (!hit) state.SkipWithError("the pick found no facelet");
}
BENCHMARK(BM_Pick)->ArgName("N")->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// The hit records of one pick alone, without the frame that follows it.
void BM_PickHits(benchmark::State& state) {
  Scene scene(400, static_cast<int>(state.range(0)));
  PickRegion region;
  region.WindowX = region.WindowY = 200;
  region.Viewport[2] = region.Viewport[3] = 400;
  uint32_t buffer[512];
  int hits = 0;
  for (auto _ : state) {
    hits = CollectPickHits(scene.Cube(), scene.Gl().Camera, region, buffer, 512);
    benchmark::DoNotOptimize(buffer);
  }
  if (hits <= 0) state.SkipWithError("the pick found nothing");
}
BENCHMARK(BM_PickHits)->ArgName("N")->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

// Resident memory of this process, in bytes.
double ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// What a long drag costs in memory: picks (each with its frame) all over a
// 5x5x5 at 400x400, the cursor walking a grid. The driver sets itself up
// during the first few hundred frames (warmup_MB, after 200 picks); what
// counts is the growth over the timed picks that follow (rss_growth_MB).
void BM_PickMemory(benchmark::State& state) {
  Scene scene(400, 5);
  if (!scene.Ready()) {
    state.SkipWithError("no OSMesa context");
    return;
  }
  VEKBigCube& cube = scene.Cube();
  int step = 0;
  auto pickNext = [&] {
    cube.ResetDrag();
    cube.Pick(80 + (step * 7) % 240, 80 + (step * 13) % 240);
    ++step;
  };
  const double start = ResidentBytes();
  for (int i = 0; i < 200; ++i) pickNext();
  const double warm = ResidentBytes();
  for (auto _ : state) pickNext();
  cube.ResetDrag();
  constexpr double kMB = 1024.0 * 1024.0;
  state.counters["warmup_MB"] = (warm - start) / kMB;
  state.counters["rss_growth_MB"] = (ResidentBytes() - warm) / kMB;
}
BENCHMARK(BM_PickMemory)->Iterations(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("renderer", RendererName());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// cube-snapshot: sets up the puzzle as the game starts it, runs the actions
// of the command line in their order, and writes the last picture as a PNG.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "files/SafeFile.h"
#include "game/Replay.h"
#include "game/SolveHistory.h"
#include "interaction/Orbit.h"
#include "interaction/PlayNotation.h"
#include "puzzle/Facelets.h"
#include "puzzle/GameTrailer.h"
#include "puzzle/Notation.h"
#include "puzzle/Random.h"
#include "puzzle/VekCube.h"
#include "puzzle/ViewFaces.h"
#include "render/OSMesaWindow.h"
#include "render/PngWriter.h"
#include "render/VekGL.h"
#include "solver/Solver.h"
#include "solver/Staged.h"
#include "tools/SnapshotOptions.h"

namespace {

constexpr int kStartSize = 3;
constexpr int kStartWidth = 400;
constexpr int kStartHeight = 400;
constexpr uint32_t kStartBody = 0xF0FBFF;
constexpr uint32_t kStartBackground = 0x000000;
constexpr int kStartRotateSpeed = 5;  // the game's default turn speed
// Spacing of the mouse positions fed between two points of a drag, in pixels,
// close enough that no cubie on the way is skipped.
constexpr double kDragStep = 4.0;

bool SamePoint(const VEKVector& a, const VEKVector& b) {
  return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

class Snapshot {
 public:
  Snapshot() : window_(kStartWidth, kStartHeight) {
    // The game's start-up order: settings into the objects, Attach, Resize,
    // Build (which then uploads the textures and paints every cubie).
    gl_.Cube->BodyColor = VEKColor::FromColorRef(kStartBody);
    gl_.ClearColor = VEKColor::FromColorRef(kStartBackground);
    gl_.Cube->RotateSpeed = kStartRotateSpeed;
    gl_.DrawQuality = 1;
    gl_.Attach(&window_);
    gl_.Resize(kStartWidth, kStartHeight);
    gl_.Cube->Build(kStartSize);
  }
  ~Snapshot() { gl_.Detach(); }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;

  bool Ready() const { return gl_.Attached() && window_.Messages.empty(); }
  std::string Problem() const {
    return window_.Messages.empty() ? "no OpenGL context" : window_.Messages.front();
  }

  // False (after a message on stderr) when the run has to stop.
  bool Run(const snapshot::Action& action);
  // Replaces path whole with the picture, or leaves it as it was. A clear
  // picture has the background see-through.
  bool Write(const std::string& path, bool clear);

 private:
  void Pick(int x, int y);
  void Drag(const std::vector<snapshot::PixelPoint>& points);
  // The eye at the distance the game takes for this size of cube; the
  // orientation stays.
  void FitViewToSize() { gl_.Camera.SetDistance(FittedEyeDistance(gl_.Cube->Size)); }
  // The game's scramble (the same turns for the same seed), its animation
  // not drawn: each turn is taken in one step, off screen.
  void Scramble(int turns);
  // Moves in the notation, faces named for the current view, without frames.
  bool PlayMoves(const std::string& text);
  // Prints a solution in the notation, a line for each stage (or the first
  // stage with its first move); the whole one is also played, without frames.
  bool Solve(bool whole);
  // A game of the history set up at its scramble, then after turns of it.
  bool Replay(int64_t id);
  bool ReplayAt(uint32_t turns);
  // Frames drawn while something moves have one pass, as in the game with
  // antialiasing while moving off; only the still picture gets DrawQuality.
  void Moving() { gl_.Passes = 1; }
  // The still picture's pixels, top row first, opaque.
  std::vector<uint8_t> Picture();

  OSMesaWindow window_;
  VEKGL gl_;
  // The clock of a loaded game, written back by --save.
  uint32_t seconds_ = 0;
  // How the game began: a loaded trailer's scramble, or this run's --scramble,
  // its turns counted and written in the notation.
  uint32_t scrambleTurns_ = 0;
  std::string scrambleText_;
  std::string history_;                 // --history
  std::optional<ReplayScript> replay_;  // --replay
};

bool Snapshot::Replay(int64_t id) {
  if (history_.empty()) {
    std::fprintf(stderr, "cube-snapshot: --replay: no --history given before it\n");
    return false;
  }
  std::string why;
  const std::optional<SolveEntry> game = SolveHistory::ReadGame(history_, id, why);
  if (!game) {
    std::fprintf(stderr, "cube-snapshot: %s: %s\n", history_.c_str(), why.c_str());
    return false;
  }
  replay_ = ScriptOf(*game);
  if (!replay_) {
    std::fprintf(stderr, "cube-snapshot: game %lld cannot be replayed: its scramble is not known\n",
                 static_cast<long long>(id));
    return false;
  }
  SetUpReplay(*gl_.Cube, *replay_, 0);
  seconds_ = scrambleTurns_ = 0;
  scrambleText_ = game->Scramble;
  FitViewToSize();
  return true;
}

bool Snapshot::ReplayAt(uint32_t turns) {
  if (!replay_) {
    std::fprintf(stderr, "cube-snapshot: --at: no --replay given before it\n");
    return false;
  }
  if (turns > replay_->Turns.size()) {
    std::fprintf(stderr, "cube-snapshot: --at: the game has %zu turns\n", replay_->Turns.size());
    return false;
  }
  SetUpReplay(*gl_.Cube, *replay_, turns);
  return true;
}

bool Snapshot::Run(const snapshot::Action& action) {
  using snapshot::ActionKind;
  VEKBigCube& cube = *gl_.Cube;
  switch (action.Kind) {
    case ActionKind::Size:
      cube.Build(static_cast<int>(action.Number));
      // A new cube: nothing of a loaded game's clock or scramble is its own.
      seconds_ = scrambleTurns_ = 0;
      scrambleText_.clear();
      FitViewToSize();
      return true;
    case ActionKind::Load: {
      // A trailer brings the undo history (and the clock, kept for saving).
      GameFileError error = GameFileError::None;
      std::optional<GameTrailer> trailer;
      if (LoadGameWithTrailer(cube, action.File, trailer, &error) > 0) {
        seconds_ = trailer ? trailer->Seconds : 0;
        scrambleTurns_ = trailer ? trailer->ScrambleTurns : 0;
        scrambleText_ = trailer ? trailer->Scramble : std::string();
        FitViewToSize();
        return true;
      }
      if (error == GameFileError::CannotOpen)
        std::fprintf(stderr, "cube-snapshot: %s: %s\n", action.File.c_str(), std::strerror(errno));
      else
        std::fprintf(stderr, "cube-snapshot: %s: not a saved game\n", action.File.c_str());
      return false;
    }
    case ActionKind::Scramble:
      Scramble(static_cast<int>(action.Number));
      return true;
    case ActionKind::Seed:
      vekrandom::FixClockSeed(action.Number);
      return true;
    case ActionKind::Save:
      if (!SaveGameWithTrailer(cube, action.File, seconds_, scrambleTurns_, scrambleText_)) {
        // The file keeps its old bytes; errno says why the new ones did not go in.
        std::fprintf(stderr, "cube-snapshot: %s: could not be saved: %s\n", action.File.c_str(),
                     std::strerror(errno));
        return false;
      }
      return true;
    case ActionKind::Passes:
      gl_.DrawQuality = static_cast<int32_t>(action.Number);
      return true;
    case ActionKind::Width:
    case ActionKind::Height: {
      const int w = action.Kind == ActionKind::Width ? static_cast<int>(action.Number)
                                                     : window_.ClientWidth();
      const int h = action.Kind == ActionKind::Height ? static_cast<int>(action.Number)
                                                      : window_.ClientHeight();
      window_.SetClientSize(w, h);
      gl_.Resize(w, h);
      return true;
    }
    case ActionKind::Background:
      gl_.SetClearColor(VEKColor::FromColorRef(action.Number));
      return true;
    case ActionKind::Body:
      cube.BodyColor = VEKColor::FromColorRef(action.Number);
      cube.ApplyBodyColor();
      return true;
    case ActionKind::Rotate:
      gl_.Camera.RotateAxis(action.Axis, action.Degrees);
      return true;
    case ActionKind::Pick:
      Pick(action.Points[0].X, action.Points[0].Y);
      return true;
    case ActionKind::Drag:
      Drag(action.Points);
      return true;
    case ActionKind::Undo:
    case ActionKind::Redo: {
      const bool undo = action.Kind == ActionKind::Undo;
      Moving();
      if (!(undo ? cube.Undo() : cube.Redo())) {
        std::fprintf(stderr, "cube-snapshot: nothing to %s\n", undo ? "undo" : "redo");
        return false;
      }
      return true;
    }
    case ActionKind::Status:
      std::printf("%s\n", cube.IsSolved() ? "solved" : "not solved");
      std::fflush(stdout);
      return true;
    case ActionKind::Moves: return PlayMoves(action.File);
    case ActionKind::History:
      history_ = action.File;
      return true;
    case ActionKind::Replay: return Replay(action.Number);
    case ActionKind::At: return ReplayAt(action.Number);
    case ActionKind::Near:
      gl_.Camera.SetDistance(FittedEyeDistance(cube.Size) * static_cast<float>(action.Number) / 100.0f);
      return true;
    case ActionKind::Solve:
    case ActionKind::Hint: return Solve(action.Kind == ActionKind::Solve);
    case ActionKind::Facelets:
    case ActionKind::Digits: {
      const FaceFrame view = FacesSeenFrom(gl_.Camera.Eye, gl_.Camera.Up);
      const VEKCamera start;
      const std::string line = action.Kind == ActionKind::Facelets
                                   ? FaceletLetters(cube, view, FacesSeenFrom(start.Eye, start.Up))
                                   : FaceletDigits(cube, view);
      if (line.empty()) {
        std::fprintf(stderr, "cube-snapshot: a cubie stands off the grid\n");
        return false;
      }
      std::printf("%s\n", line.c_str());
      std::fflush(stdout);
      return true;
    }
  }
  return true;
}

void Snapshot::Pick(int x, int y) {
  VEKBigCube& cube = *gl_.Cube;
  // From a clean gesture a single hit only records the plane points, so the
  // pick never turns a layer; it tells the hit by what it recorded.
  cube.ResetDrag();
  Moving();
  cube.Pick(x, y);
  const VEKVector hitCentre = cube.PlanePoint[1];
  const VEKVector hitFace = cube.PlanePoint[2];
  cube.ResetDrag();

  int cubieNumber = 0, faceNumber = 0;
  // A hit always records a face centre, which is never the origin.
  if (!SamePoint(hitFace, VEKVector{})) {
    for (int b = 0; b < cube.CubieCount && cubieNumber == 0; ++b) {
      if (!SamePoint(cube.Cubies[b].Points[0], hitCentre)) continue;
      for (int f = 1; f <= 6 && faceNumber == 0; ++f) {
        VEKVector centre;
        cube.Cubies[b].FaceCenter(f, centre);
        if (SamePoint(centre, hitFace)) faceNumber = f;
      }
      cubieNumber = b + 1;
    }
  }
  if (cubieNumber > 0 && faceNumber > 0) {
    std::printf("cubie %d face %d\n", cubieNumber, faceNumber);
  } else {
    std::printf("none\n");
  }
  std::fflush(stdout);
}

void Snapshot::Drag(const std::vector<snapshot::PixelPoint>& points) {
  Moving();
  gl_.MouseMove(points[0].X, points[0].Y, ssLeft);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const snapshot::PixelPoint& a = points[i - 1];
    const snapshot::PixelPoint& b = points[i];
    const double length = std::hypot(b.X - a.X, b.Y - a.Y);
    const int steps = std::max(1, static_cast<int>(std::ceil(length / kDragStep)));
    for (int s = 1; s <= steps; ++s) {
      const double t = static_cast<double>(s) / steps;
      gl_.MouseMove(static_cast<int>(std::lround(a.X + (b.X - a.X) * t)),
                    static_cast<int>(std::lround(a.Y + (b.Y - a.Y) * t)), ssLeft);
    }
  }
  gl_.MouseUp();
}

bool Snapshot::PlayMoves(const std::string& text) {
  VEKBigCube& cube = *gl_.Cube;
  const notation::Parsed parsed = notation::Parse(text, cube.Size);
  if (!parsed.Ok()) {
    if (parsed.Error == notation::Fault::Empty) {
      std::fprintf(stderr, "cube-snapshot: --moves: no move given\n");
    } else {
      std::fprintf(stderr, "cube-snapshot: --moves: move %zu \"%s\" %s\n", parsed.MoveNumber,
                   parsed.Text.c_str(),
                   parsed.Error == notation::Fault::NoSuchLayer ? "names a layer this cube lacks"
                                                                : "is no move of the notation");
    }
    return false;
  }
  // Each turn in one rotation, without frames: only the cube they leave is drawn.
  bool turned = true;
  for (const notation::Move& move : parsed.Moves) turned = turned && PlayMove(cube, gl_.Camera, move, {}, false);
  if (!turned) std::fprintf(stderr, "cube-snapshot: --moves: a layer was not whole\n");
  return turned;
}

// The stage's name on the line of its moves; one stage is the whole solution.
const char* StageName(solver::Stage stage, bool whole) {
  switch (stage) {
    case solver::Stage::Centres: return "centres";
    case solver::Stage::Edges: return "edges";
    case solver::Stage::AsThree: return "as 3x3x3";
    case solver::Stage::Whole: break;
  }
  return whole ? "solution" : "hint";
}

bool Snapshot::Solve(bool whole) {
  VEKBigCube& cube = *gl_.Cube;
  const std::atomic<bool> never{false};
  const solver::StagedSolution solution = solver::SolveStaged(cube, never);
  using Outcome = solver::Solution::Outcome;
  if (solution.Result != Outcome::Found) {
    std::fprintf(stderr, "cube-snapshot: %s\n",
                 solution.Result == Outcome::OffGrid ? "a cubie stands off the grid"
                                                     : "no turns can solve this cube");
    return false;
  }
  if (solution.Parts.empty()) std::printf("solved already\n");
  const FaceFrame view = FacesSeenFrom(gl_.Camera.Eye, gl_.Camera.Up);
  for (const solver::StagePart& part : solution.Parts) {
    const std::vector<VEKMove> moves = whole ? part.Moves : std::vector<VEKMove>{part.Moves.front()};
    std::printf("%s: %s\n", StageName(part.Of, whole), NotationText(moves, view, cube.Size).c_str());
    if (!whole) break;
  }
  std::fflush(stdout);
  if (!whole) return true;
  for (const VEKMove& m : solution.Moves()) cube.TurnLayers(m.Axis, m.Layer, m.Layer + m.Width - 1, m.Sign, false);
  return true;
}

void Snapshot::Scramble(int turns) {
  VEKBigCube& cube = *gl_.Cube;
  cube.Shuffle(turns);
  scrambleTurns_ = static_cast<uint32_t>(turns);
  scrambleText_ = NotationText(cube.ScrambleMoves, FaceFrame{}, cube.Size);
}

std::vector<uint8_t> Snapshot::Picture() {
  gl_.Passes = gl_.DrawQuality;
  gl_.DrawFrame();
  std::vector<uint8_t> rgba = window_.ReadPixels();
  // A window's picture is opaque; but after more than one pass Mesa's
  // accumulation buffer hands back alpha 0, which viewers show as empty.
  for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  return rgba;
}

bool Snapshot::Write(const std::string& path, bool clear) {
  std::vector<uint8_t> rgba;
  if (!clear) {
    rgba = Picture();
  } else {
    // Drawn again on white, the pixels tell how much of the background shows
    // through each (antialiased edges included): on black a pixel is
    // alpha * colour, on white alpha * colour + (1 - alpha) * 255.
    const VEKColor background = gl_.ClearColor;
    gl_.SetClearColor(VEKColor::FromColorRef(0x000000));
    rgba = Picture();
    gl_.SetClearColor(VEKColor::FromColorRef(0xFFFFFF));
    const std::vector<uint8_t> onWhite = Picture();
    gl_.SetClearColor(background);
    for (std::size_t i = 0; i + 3 < rgba.size(); i += 4) {
      int through = 0;
      for (int c = 0; c < 3; ++c) through += std::max(0, onWhite[i + c] - rgba[i + c]);
      const int alpha = 255 - (through + 1) / 3;
      for (int c = 0; c < 3; ++c) {
        rgba[i + c] = alpha == 0 ? 0 : static_cast<uint8_t>(std::min(255, (rgba[i + c] * 255 + alpha / 2) / alpha));
      }
      rgba[i + 3] = static_cast<uint8_t>(alpha);
    }
  }
  std::string png;
  if (!EncodePng(window_.ClientWidth(), window_.ClientHeight(), rgba, png) || !safefile::Replace(path, png)) {
    std::fprintf(stderr, "cube-snapshot: %s: could not be written: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  snapshot::Options options;
  std::string error;
  if (!snapshot::Parse(argc, argv, options, error)) {
    std::fprintf(stderr, "cube-snapshot: %s; %s\n", error.c_str(), snapshot::Usage());
    return 2;
  }
  if (options.Help) {
    std::printf("%s\n", snapshot::Usage());
    return 0;
  }

  Snapshot snapshot;
  if (!snapshot.Ready()) {
    std::fprintf(stderr, "cube-snapshot: %s\n", snapshot.Problem().c_str());
    return 1;
  }
  for (const snapshot::Action& action : options.Actions) {
    if (!snapshot.Run(action)) return 1;
  }
  return snapshot.Write(options.Output, options.Thumbnail) ? 0 : 1;
}

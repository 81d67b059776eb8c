// The puzzle: an NxNxN cube of bevelled cubies. Its state is nothing but the
// cubies' points in world coordinates; a turn rotates them in place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "puzzle/CubeSizes.h"
#include "puzzle/MoveHistory.h"
#include "render/VekMath.h"
#include "resources/Resources.h"

class VEKGL;

// Why a saved game was not loaded.
enum class GameFileError {
  None,
  CannotOpen,  // missing, no permission, a loop of links...; errno says which
  NotAGame,    // read, but no saved game (or no regular file: a folder, a FIFO)
};

constexpr int kPointsPerCubie = 49;
// The blank facelet and the numbers 1..N^2 of the biggest cube.
constexpr int kTextureCount = kDigitImagesNeeded;
static_assert(tessaro::kDigitImageCount >= kTextureCount,
              "the resources carry a picture for every number the biggest cube shows");
constexpr int kTexelBytes = 128 * 128 * 4;
// How far a turned cubie may drift from the grid and still count as on it:
// far beyond rounding, far below the 1.6 between neighbouring layers.
constexpr float kGridTolerance = 0.1f;

// Faces, in the cubie's home orientation: 0 +Z, 1 -Z, 2 -X, 3 +X, 4 +Y, 5 -Y.
struct VEKSmallCube {
  float FaceHalfWidth = 0.7f;
  float Bevel = 0.1f;
  bool InTurn = false;
  int32_t Id = 0;
  // Point 0 is the centre; points 1+8f..8+8f are the octagon of face f.
  std::unique_ptr<VEKVector[]> Points;
  VEKColor BodyColor;
  uint32_t FaceTexture[6] = {0, 0, 0, 0, 0, 0};
  // The number each face shows (1..N^2), 0 for a face inside the cube. Kept
  // beside the texture names, which are 0 until a context has them.
  int32_t FaceDigit[6] = {0, 0, 0, 0, 0, 0};
  bool OuterPlusZ = false;
  bool OuterMinusZ = false;
  bool OuterPlusY = false;
  bool OuterMinusY = false;
  bool OuterMinusX = false;
  bool OuterPlusX = false;

  VEKSmallCube();
  VEKSmallCube(const VEKSmallCube&) = delete;
  VEKSmallCube& operator=(const VEKSmallCube&) = delete;

  void Setup(float X, float Y, float Z, float HalfWidth, float BevelWidth);
  // FaceNumber is 1-based (1..6); writes X, Y, Z of the face's current centre.
  void FaceCenter(int FaceNumber, VEKVector& Result) const;
  void Draw(bool Select) const;
};

struct VEKBigCube {
  VEKMatrix TurnMatrix;
  VEKVector Axis[3];
  // Three points fixing the plane of the layer to turn; (0,0,0) when unset.
  VEKVector PlanePoint[3];
  int32_t CubieCount = 0;
  int32_t Size = 0;
  int32_t LayerCubies = 0;
  std::unique_ptr<VEKSmallCube[]> Cubies;
  VEKColor BodyColor;
  std::unique_ptr<uint32_t[]> TextureIds;
  int32_t RotateSpeed = 6;
  int32_t ShuffleRotateCount = 30;
  // The scramble is shown turn by turn, frame by frame; when false each of
  // its turns is taken in one step and only the scrambled cube is drawn.
  bool ShowShuffle = true;
  // A turn is under way (BeginTurn to EndTurn), or a drag's turn is taken.
  bool Busy = false;
  bool RotateAntiAlias = false;
  VEKGL* Owner = nullptr;
  // Who plays the turns that drags decide (the game's turn queue). Without
  // one, a drag's turn is taken at once and recorded in the history.
  std::function<void(const VEKMove&)> TurnDetected;
  // Steps still to take of the turn under way; 0 when none is.
  int32_t TurnStepsLeft = 0;
  // RGBA texel store, image j at byte kTexelBytes * j, stored transposed.
  uint8_t Pixels[kTextureCount * kTexelBytes];
  // The player's turns since the scramble (or since Build); drags record
  // into it, Undo and Redo walk it.
  VEKMoveHistory History;
  // The turns of the last scramble, in order (none after Build).
  std::vector<VEKMove> ScrambleMoves;

  VEKBigCube();
  VEKBigCube(const VEKBigCube&) = delete;
  VEKBigCube& operator=(const VEKBigCube&) = delete;

  // Rebuilds the solved cube of that size; an unsupported size changes nothing.
  void Build(int NewSize);
  void Draw(bool Select) const;
  void ApplyBodyColor();

  // Layer turns and the scramble.
  void ClearMarks();
  void ResetDrag();
  // Marks the cubies whose centres lie in the plane through the plane points;
  // returns how many, and the plane's (unnormalised) normal.
  int MarkLayer(VEKVector& Normal);
  // TurnMatrix applied to the marked cubies 90 / StepDegrees() times, as the
  // frames of a turn take it, here all at once.
  void AnimateTurn();
  void TurnMarked(const VEKVector& TurnAxis);

  // A quarter turn taken a step at a time, as the frame loop plays it:
  // BeginTurn marks layers First..Last about world axis AxisIndex and sets
  // TurnMatrix to one step (Sign +1 or -1 as a VEKMove's); false, nothing
  // marked, while Busy or unless every one of those layers is whole. Each
  // StepTurn rotates the marked cubies one step; EndTurn, once no step is
  // left, clears the marks and the drag. Busy from BeginTurn to EndTurn.
  bool BeginTurn(int AxisIndex, int First, int Last, int Sign);
  void StepTurn();
  void EndTurn();

  // A scramble drawn turn by turn: BeginScramble seeds the generator from
  // the clock and forgets the history and the last scramble; each
  // NextScrambleTurn, called once the turn before it is taken, draws the
  // next random quarter turn, never one straight back, and more than Count
  // while the cube still reads solved; nothing once the scramble is done
  // (Count <= 0 turns nothing).
  struct ScrambleDraw {
    int Count = 0;
    int Drawn = 0;
    bool Turned = false;
    VEKMove Last;
  };
  void BeginScramble();
  std::optional<VEKMove> NextScrambleTurn(ScrambleDraw& Draw);
  // The whole scramble of Count turns at once, each turn in one rotation,
  // with no frame (the picture tool's scramble, and the game's when not shown).
  void Shuffle(int Count);
  // Degrees per animation step actually used: RotateSpeed when it divides 90,
  // otherwise the default 5, so a turn is always exactly a quarter turn.
  int32_t StepDegrees() const;
  // The turn axis that a plane normal stands along (within a cosine of
  // 0.98), or nullptr for a slanted plane.
  const VEKVector* AxisAlong(const VEKVector& Normal) const;

  // True when the cube looks solved: for one of the 24 whole-cube rotations,
  // every facelet on the surface shows the digit the home cube shows at the
  // rotated place, upright. Cubies that look alike (the six centres of a
  // 3x3x3 all show 5) may have traded places; hidden faces are not read.
  // A cubie off the grid is never solved.
  bool IsSolved() const;

  // Undo and redo of the player's turns, taken at once. Each does nothing
  // and returns false while Busy or when there is nothing to do.
  bool Undo();
  bool Redo();
  bool CanUndo() const { return History.CanUndo(); }
  bool CanRedo() const { return History.CanRedo(); }
  // The quarter turn of layers First..Last (counted from the negative end of
  // the axis) about world axis AxisIndex, Sign +1 or -1 as a VEKMove's, taken
  // at once; false, nothing turned, while Busy or unless every one of those
  // layers is whole. Not recorded in the history. InSteps: rotated by the
  // steps of an animated turn (the same points it leaves); otherwise in one
  // rotation of 90 degrees, as a scramble that is not shown.
  bool TurnLayers(int AxisIndex, int First, int Last, int Sign, bool InSteps = true);
  // The player's turns currently applied.
  uint32_t MoveCount() const { return History.MoveCount(); }
  // The layer coordinate along each axis of layer 0..N-1.
  float LayerCoordinate(int Layer) const;

  // Saved games. GameBytes is the file of the current state without a
  // trailer. SaveToFile returns false (errno set) when the file could not be
  // written completely (an existing file is then left as it was). Trailer
  // bytes, if any, are written after the points (puzzle/GameTrailer.h).
  std::vector<uint8_t> GameBytes() const;
  bool SaveToFile(const std::string& FileName, const std::vector<uint8_t>& Trailer = {}) const;
  // Returns the size of the loaded cube, or 0 when the file is no saved game
  // (the cube is then unchanged); Error, when given, tells why. After a
  // successful load, After (if given) holds the bytes that follow the points;
  // the file is read up to kMaxTrailerBytes beyond the biggest game.
  int LoadFromFile(const std::string& FileName, GameFileError* Error = nullptr,
                   std::vector<uint8_t>* After = nullptr);
  // The same, on bytes in memory.
  int LoadFromBytes(const uint8_t* Data, std::size_t Length, std::vector<uint8_t>* After = nullptr);
  // The size N of the saved game the bytes begin with, by the checks of
  // LoadFromBytes, or 0 when they are none; its bytes before any trailer.
  static int SavedGameSize(const uint8_t* Data, std::size_t Length);
  static std::size_t SavedGameBytes(int Size);

  // Picking and the drag gesture.
  void Pick(int X, int Y);
  void ProcessHits(int HitCount, const uint32_t* Buffer);
  void RecordHit(int CubieNumber, int FaceNumber);
  void DetectTurn();
  void DragTurn(const VEKVector& TurnAxis);

 private:
  // The images never change, so the texel store is filled once.
  void FillTexelStore();
  void UploadTextures();
  void AssignDigits();
  // Marks layers First..Last about AxisIndex; false (nothing marked) while
  // Busy, for a bad turn, or unless every one of them is whole.
  bool MarkLayers(int AxisIndex, int First, int Last, int Sign);
  // The quarter turn of the marked cubies about TurnAxis, Sign +1 (+step
  // degrees) or -1, in steps.
  void TurnMarkedBy(const VEKVector& TurnAxis, int Sign);
  // The same quarter turn in one rotation.
  void TurnMarkedAtOnce(const VEKVector& TurnAxis, int Sign);
  // Applies TurnMatrix to the points of the marked cubies.
  void MoveMarked();
  // Marks the layer through a random cubie and a random one of its planes;
  // returns the turn axis and sets Layer's Axis and Layer, or returns nullptr
  // when that plane is no layer.
  const VEKVector* MarkRandomLayer(VEKMove& Layer);
  // Marks the N^2 cubies of one layer; false (nothing marked) when the cubies
  // there are not exactly one layer.
  bool MarkLayerAt(int AxisIndex, int Layer);
  // The quarter turn of a recorded move, Sign times its own sign.
  bool TurnMove(const VEKMove& Move, int Sign);
  // The drag turn about TurnAxis (Sign +1 or -1) of the marked layer as a
  // move; nothing when it is none.
  std::optional<VEKMove> DragMove(const VEKVector& TurnAxis, int Sign) const;
};

// The cube notation: what it reads and writes, what each move turns (against
// the game's own turn code replaying recorded turns), and the stickers
// written out as cube programs write them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestCubes.h"
#include "interaction/Orbit.h"
#include "interaction/PlayNotation.h"
#include "interaction/TurnKeys.h"
#include "puzzle/Facelets.h"
#include "puzzle/Notation.h"
#include "puzzle/Random.h"
#include "puzzle/ViewFaces.h"

namespace {

using notation::Fault;

std::vector<VEKVector> Played(int size, const std::string& moves) {
  auto renderer = HeadlessRenderer(size, 90);
  const notation::Parsed parsed = notation::Parse(moves, size);
  EXPECT_TRUE(parsed.Ok()) << moves;
  for (const notation::Move& m : parsed.Moves)
    EXPECT_TRUE(PlayMove(*renderer->Cube, renderer->Camera, m)) << moves;
  return AllPoints(*renderer->Cube);
}

bool SamePoints(const std::vector<VEKVector>& a, const std::vector<VEKVector>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::fabs(a[i].X - b[i].X) > 1e-3f || std::fabs(a[i].Y - b[i].Y) > 1e-3f ||
        std::fabs(a[i].Z - b[i].Z) > 1e-3f)
      return false;
  }
  return a.size() == b.size();
}

std::string Facelets(int size, const std::string& moves) {
  auto renderer = HeadlessRenderer(size, 90);
  const VEKCamera start;
  for (const notation::Move& m : notation::Parse(moves, size).Moves)
    PlayMove(*renderer->Cube, renderer->Camera, m);
  return FaceletLetters(*renderer->Cube, FacesSeenFrom(renderer->Camera.Eye, renderer->Camera.Up),
                        FacesSeenFrom(start.Eye, start.Up));
}

TEST(Notation, ReadsAndWritesEveryKindOfMove) {
  const struct {
    const char* typed;
    int size;
    const char* written;
  } cases[] = {
      {"R", 3, "R"},
      {"U'", 2, "U'"},
      {"F2", 3, "F2"},
      {"B2'", 3, "B2"},
      {"Rw", 3, "Rw"},
      {"r'", 4, "Rw'"},
      {"3Rw2", 5, "3Rw2"},
      {"3l", 4, "3Lw"},
      {"2D", 3, "2D"},
      {"4R'", 5, "4R'"},
      {"M", 3, "M"},
      {"E'", 5, "E'"},
      {"S2", 3, "S2"},
      {"x", 2, "x"},
      {"y'", 4, "y'"},
      {"z2", 5, "z2"},
      {"  R\tU\n\n R'  U'  ", 3, "R U R' U'"},
  };
  for (const auto& c : cases) {
    const notation::Parsed parsed = notation::Parse(c.typed, c.size);
    ASSERT_TRUE(parsed.Ok()) << c.typed;
    EXPECT_EQ(notation::ToString(parsed.Moves), c.written) << c.typed;
    // What is written reads back as the same moves.
    EXPECT_EQ(notation::Parse(c.written, c.size).Moves, parsed.Moves) << c.written;
  }
}

TEST(Notation, TheFirstBadMoveIsNamedAndNothingIsRead) {
  const struct {
    const char* typed;
    int size;
    Fault fault;
    std::size_t number, offset;
    const char* named;
  } cases[] = {
      {"", 3, Fault::Empty, 0, 0, ""},
      {" \n\t ", 3, Fault::Empty, 0, 0, ""},
      {"R3", 3, Fault::Unreadable, 1, 0, "R3"},
      {"R U R''", 3, Fault::Unreadable, 3, 4, "R''"},
      {"0R", 5, Fault::Unreadable, 1, 0, "0R"},
      {"99R", 5, Fault::NoSuchLayer, 1, 0, "99R"},
      {"F 3R", 2, Fault::NoSuchLayer, 2, 2, "3R"},
      {"5R", 5, Fault::NoSuchLayer, 1, 0, "5R"},
      {"M", 4, Fault::NoSuchLayer, 1, 0, "M"},
      {"Rw", 2, Fault::NoSuchLayer, 1, 0, "Rw"},
      {"2x", 3, Fault::Unreadable, 1, 0, "2x"},
      {"R w", 3, Fault::Unreadable, 2, 2, "w"},
      {"RU", 3, Fault::Unreadable, 1, 0, "RU"},
      {"R \xD0\x96", 3, Fault::Unreadable, 2, 2, "\xD0\x96"},
      {"<html><body>R U</body></html>", 3, Fault::Unreadable, 1, 0, "<html><body>R"},
      // Bytes that are no text, and control characters, are named escaped.
      {"R \xFF", 3, Fault::Unreadable, 2, 2, "\\xFF"},
      {"R2\xD0", 3, Fault::Unreadable, 1, 0, "R2\\xD0"},              // cut short
      {"\xC0\xAFR", 3, Fault::Unreadable, 1, 0, "\\xC0\\xAFR"},    // an overlong "/"
      {"\xED\xA0\x80", 3, Fault::Unreadable, 1, 0, "\\xED\\xA0\\x80"},  // a surrogate
      {"U\x1B[2J", 3, Fault::Unreadable, 1, 0, "U\\x1B[2J"},
      {"\xF0\x9F\x98\x80", 3, Fault::Unreadable, 1, 0, "\xF0\x9F\x98\x80"},
  };
  for (const auto& c : cases) {
    const notation::Parsed parsed = notation::Parse(c.typed, c.size);
    EXPECT_EQ(parsed.Error, c.fault) << c.typed;
    EXPECT_EQ(parsed.MoveNumber, c.number) << c.typed;
    EXPECT_EQ(parsed.Offset, c.offset) << c.typed;
    EXPECT_EQ(parsed.Text, c.named) << c.typed;
    EXPECT_TRUE(parsed.Moves.empty()) << c.typed;
    const std::string bad = std::string(c.typed).substr(c.offset);
    EXPECT_EQ(parsed.Length, bad.substr(0, bad.find_first_of(" \t\n")).size()) << c.typed;
  }
  // A very long bad move is named by its start.
  EXPECT_EQ(notation::Parse(std::string(5000, 'Q'), 3).Text, std::string(24, 'Q'));
  EXPECT_EQ(notation::Parse(std::string(5000, 'Q'), 3).Length, 5000u);
}

TEST(Notation, FacesAreNamedForTheView) {
  const struct {
    VEKVector eye, up;
    const char* directions;  // U R F D L B as +X -X +Y -Y +Z -Z
  } cases[] = {
      {{0, 0, 20}, {0, 1, 0}, "+Y+X+Z-Y-X-Z"},       {{3, -2, 20}, {0.3f, 1, 0.1f}, "+Y+X+Z-Y-X-Z"},
      {{20, 0, 0}, {0, 1, 0}, "+Y-Z+X-Y+Z-X"},       {{0, 20, 0}, {0, 0, -1}, "-Z+X+Y+Z-X-Y"},
      {{-5, -14, -8}, {1, 0, 0.2f}, "+X-Z-Y-X+Z+Y"},
  };
  for (const auto& c : cases) {
    const FaceFrame frame = FacesSeenFrom(c.eye, c.up);
    std::string directions;
    for (int i = 0; i < 6; ++i) {
      directions += frame.Sign[i] > 0 ? '+' : '-';
      directions += "XYZ"[frame.Axis[i]];
    }
    EXPECT_EQ(directions, c.directions) << c.eye.X << "," << c.eye.Y << "," << c.eye.Z;
  }
}

// Moves kept for the start view, shown for another: seen from the right,
// the old R is in front and the old B on the right. Renamed there and back,
// every text is itself again.
TEST(Notation, MovesAreRenamedForAnotherView) {
  const FaceFrame start, fromRight = FacesSeenFrom({20, 0, 0}, {0, 1, 0});
  EXPECT_EQ(NamedFor("R U R' F2 B", start, fromRight, 3), "F U F' L2 R");
  EXPECT_EQ(NamedFor("Rw 2R M' x", start, start, 3), "Rw M2");  // x turns no layer
  EXPECT_EQ(NamedFor("R3 U", start, fromRight, 3), "R3 U");          // unreadable: as it is
  const std::string text = "R U2 3Lw' 2F B' D";
  for (const VEKVector& eye : {VEKVector{0, 20, 0}, VEKVector{-5, -14, -8}, VEKVector{3, -2, 20}}) {
    const FaceFrame view = FacesSeenFrom(eye, {1, 0, 0.2f});
    EXPECT_EQ(NamedFor(NamedFor(text, start, view, 5), view, start, 5), text);
  }
}

// Every turn the game can record (the turn code replaying it), written out
// and played back from the text: the notation turns what the game turns.
TEST(Notation, RecordedTurnsAreWrittenAsTheMovesThatMakeThem) {
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    for (uint8_t axis = 0; axis < 3; ++axis) {
      for (uint8_t layer = 0; layer < n; ++layer) {
        for (uint8_t width = 1; layer + width <= n && width < n; ++width) {
          if (width > 1 && layer > 0 && layer + width < n) continue;  // no such move
          for (int8_t sign : {1, -1}) {
            const VEKMove move{axis, layer, sign, width};
            auto renderer = HeadlessRenderer(n, 90);
            ASSERT_TRUE(renderer->Cube->History.Restore({move}, 0, 0));
            ASSERT_TRUE(renderer->Cube->Redo());
            const std::string text = NotationText({move}, FaceFrame{}, n);
            EXPECT_TRUE(SamePoints(AllPoints(*renderer->Cube), Played(n, text)))
                << "N=" << n << " axis " << int(axis) << " layer " << int(layer) << " width "
                << int(width) << " sign " << int(sign) << ": " << text;
          }
        }
      }
    }
    // A whole scramble, written and played again, gives the same cube.
    auto renderer = HeadlessRenderer(n, 90);
    vekrandom::FixClockSeed(static_cast<uint32_t>(n));
    renderer->Cube->Shuffle(25);
    vekrandom::FixClockSeed(std::nullopt);
    const std::string scramble = NotationText(renderer->Cube->ScrambleMoves, FaceFrame{}, n);
    EXPECT_TRUE(SamePoints(AllPoints(*renderer->Cube), Played(n, scramble))) << scramble;
  }
  EXPECT_EQ(NotationText({VEKMove{0, 2, 1}, VEKMove{0, 2, 1}, VEKMove{1, 1, -1}}, FaceFrame{}, 3),
            "R2 E");
}

TEST(Notation, StickersAreWrittenAsCubeProgramsWriteThem) {
  const struct {
    int size;
    const char* moves;
    const char* facelets;
  } cases[] = {
      {3, "", "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB"},
      // Written out by hand from a cube turned once.
      {3, "R", "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB"},
      {3, "U", "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB"},
      {3, "F", "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB"},
      // A whole-cube rotation moves the letters, not the cubies.
      {3, "x", "FFFFFFFFFRRRRRRRRRDDDDDDDDDBBBBBBBBBLLLLLLLLLUUUUUUUUU"},
      {2, "y", "UUUUBBBBRRRRDDDDFFFFLLLL"},
      {2, "z'", "RRRRDDDDFFFFLLLLUUUUBBBB"},
      // Every edge flipped in place (the centres' digits turn, unseen here).
      {3, "U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2",
       "UBULURUFURURFRBRDRFUFLFRFDFDFDLDRDBDLULBLFLDLBUBRBLBDB"},
  };
  for (const auto& c : cases) EXPECT_EQ(Facelets(c.size, c.moves), c.facelets) << c.moves;
  EXPECT_EQ(Facelets(5, "").size(), 150u);
  // Sequences of known order come home, and not before.
  std::string sexy, halves;
  for (int i = 0; i < 6; ++i) sexy += "R U R' U' ", halves += "R2 U2 ";
  for (int n = kMinCubeSize; n <= kMaxCubeSize; ++n) {
    EXPECT_EQ(Facelets(n, sexy), Facelets(n, "")) << n;
    EXPECT_EQ(Facelets(n, halves), Facelets(n, "")) << n;
    EXPECT_NE(Facelets(n, "R U R' U'"), Facelets(n, "")) << n;
  }
  EXPECT_EQ(Facelets(3, std::string(cases[7].moves) + " " + cases[7].moves), Facelets(3, ""));
}

TEST(TurnKeys, LettersTurnFacesAndADigitFirstTurnsAnInnerLayer) {
  const struct {
    const char* keys;  // an upper-case letter is typed with Shift
    int size;
    const char* moves;
  } cases[] = {
      {"r", 3, "R"},   {"R", 3, "R'"},
      {"2r", 3, "2R"}, {"3U", 5, "3U'"},
      {"m", 3, "M"},   {"m", 4, ""},
      {"e", 5, "E"},   {"xYz", 2, "x y' z"},
      {"3r", 3, ""},   {"2q r", 4, "R"},
      {"9f", 5, ""},   {"2f b", 3, "2F B"},
      {"1l", 3, "L"},  {"uDlRfB", 2, "U D' L R' F B'"},
  };
  for (const auto& c : cases) {
    TurnKeys keys;
    std::vector<notation::Move> made;
    for (const char* k = c.keys; *k; ++k) {
      const bool shift = std::isupper(static_cast<unsigned char>(*k));
      if (auto move = keys.Press(*k, shift, c.size)) made.push_back(*move);
    }
    EXPECT_EQ(notation::ToString(made), c.moves) << c.keys << " on " << c.size;
  }
}
}  // namespace

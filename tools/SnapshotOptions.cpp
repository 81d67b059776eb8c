#include "tools/SnapshotOptions.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "puzzle/CubeSizes.h"

namespace snapshot {
namespace {

// Far beyond any window, small enough that drag interpolation cannot overflow.
constexpr long kMaxCoordinate = 100000;
// OSMesa and memory both stay comfortable up to this size.
constexpr uint32_t kMaxWindowSide = 4096;

// Whole decimal numbers only: "07" is seven, "+7", " 7" and "7x" are refused.
bool ParseUnsigned(const std::string& text, uint32_t min, uint32_t max, uint32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  uint64_t v = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  if (v < min || v > max) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

bool ParseCoordinate(const std::string& text, int& value) {
  const bool negative = !text.empty() && text[0] == '-';
  uint32_t magnitude = 0;
  if (!ParseUnsigned(negative ? text.substr(1) : text, 0, kMaxCoordinate, magnitude)) return false;
  value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
  return true;
}

// 0xBBGGRR in hexadecimal (as the settings file writes colours), or decimal.
bool ParseColour(const std::string& text, uint32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string digits = text.substr(2);
    if (digits.size() > 6) return false;
    uint32_t v = 0;
    for (char c : digits) {
      if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
      v = v * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c))
                                             ? c - '0'
                                             : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    value = v;
    return true;
  }
  return ParseUnsigned(text, 0, 0xFFFFFF, value);
}

bool ParseDegrees(const std::string& text, float& value) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(v) || std::fabs(v) > 1e6) return false;
  value = static_cast<float>(v);
  return true;
}

bool ParsePoint(const std::string& text, PixelPoint& point) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  return ParseCoordinate(text.substr(0, comma), point.X) &&
         ParseCoordinate(text.substr(comma + 1), point.Y);
}

// X1,Y1:X2,Y2[:...], at least two points.
bool ParsePath(const std::string& text, std::vector<PixelPoint>& points) {
  points.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = text.find(':', start);
    PixelPoint p;
    if (!ParsePoint(text.substr(start, colon - start), p)) return false;
    points.push_back(p);
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  return points.size() >= 2;
}

bool ParseRotation(const std::string& text, int& axis, float& degrees) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  const std::string name = text.substr(0, comma);
  static const char* const kNames[3][3] = {{"x", "X", "0"}, {"y", "Y", "1"}, {"z", "Z", "2"}};
  axis = -1;
  for (int a = 0; a < 3; ++a) {
    for (const char* n : kNames[a]) {
      if (name == n) axis = a;
    }
  }
  return axis >= 0 && ParseDegrees(text.substr(comma + 1), degrees);
}

struct OptionInfo {
  const char* name;
  ActionKind kind;
  const char* expects;  // for the error message; nullptr: the option takes no value
};

static_assert(kMinCubeSize == 2 && kMaxCubeSize == 5, "--size's message names the sizes");
constexpr OptionInfo kOptions[] = {
    {"--size", ActionKind::Size, "a cube size 2..5"},
    {"--load", ActionKind::Load, "a file name"},
    {"--scramble", ActionKind::Scramble, "a move count 0 or more"},
    {"--seed", ActionKind::Seed, "a seed 0..4294967295"},
    {"--save", ActionKind::Save, "a file name"},
    {"--passes", ActionKind::Passes, "a pass count 1..16"},
    {"--width", ActionKind::Width, "a width 1..4096"},
    {"--height", ActionKind::Height, "a height 1..4096"},
    {"--background", ActionKind::Background, "a colour 0xBBGGRR"},
    {"--body", ActionKind::Body, "a colour 0xBBGGRR"},
    {"--rotate", ActionKind::Rotate, "AXIS,DEGREES with AXIS x, y or z"},
    {"--pick", ActionKind::Pick, "X,Y"},
    {"--drag", ActionKind::Drag, "X1,Y1:X2,Y2[:...]"},
    {"--undo", ActionKind::Undo, nullptr},
    {"--redo", ActionKind::Redo, nullptr},
    {"--status", ActionKind::Status, nullptr},
    {"--moves", ActionKind::Moves, "moves in the cube notation"},
    {"--facelets", ActionKind::Facelets, nullptr},
    {"--digits", ActionKind::Digits, nullptr},
    {"--solve", ActionKind::Solve, nullptr},
    {"--hint", ActionKind::Hint, nullptr},
    {"--history", ActionKind::History, "a file name"},
    {"--replay", ActionKind::Replay, "a game's number 1 or more"},
    {"--at", ActionKind::At, "a turn count 0 or more"},
};

bool ParseValue(const std::string& value, Action& action) {
  switch (action.Kind) {
    case ActionKind::Size: return ParseUnsigned(value, kMinCubeSize, kMaxCubeSize, action.Number);
    case ActionKind::Scramble: return ParseUnsigned(value, 0, 0x7FFFFFFF, action.Number);
    case ActionKind::Seed: return ParseUnsigned(value, 0, 0xFFFFFFFF, action.Number);
    case ActionKind::Passes: return ParseUnsigned(value, 1, 16, action.Number);
    case ActionKind::Width:
    case ActionKind::Height: return ParseUnsigned(value, 1, kMaxWindowSide, action.Number);
    case ActionKind::Background:
    case ActionKind::Body: return ParseColour(value, action.Number);
    case ActionKind::Replay: return ParseUnsigned(value, 1, 0x7FFFFFFF, action.Number);
    case ActionKind::At: return ParseUnsigned(value, 0, 0x7FFFFFFF, action.Number);
    case ActionKind::Near: return false;  // no option of its own
    case ActionKind::Load:
    case ActionKind::History:
    case ActionKind::Save:
      action.File = value;
      return !value.empty();
    case ActionKind::Moves:
      action.File = value;  // read against the cube's size when it runs
      return true;
    case ActionKind::Rotate: return ParseRotation(value, action.Axis, action.Degrees);
    case ActionKind::Pick: {
      PixelPoint p;
      if (!ParsePoint(value, p)) return false;
      action.Points.assign(1, p);
      return true;
    }
    case ActionKind::Drag: return ParsePath(value, action.Points);
    case ActionKind::Undo:
    case ActionKind::Redo:
    case ActionKind::Status:
    case ActionKind::Facelets:
    case ActionKind::Digits:
    case ActionKind::Solve:
    case ActionKind::Hint: return true;
  }
  return false;
}

}  // namespace

const char* Usage() {
  return "usage: cube-snapshot [--size N] [--load FILE] [--scramble K] [--seed S] [--save FILE] "
         "[--passes P] [--width W] [--height H] [--background 0xBBGGRR] [--body 0xBBGGRR] "
         "[--rotate AXIS,DEGREES] [--pick X,Y] [--drag X1,Y1:X2,Y2[:...]] [--undo] [--redo] "
         "[--status] [--moves \"ALG\"] [--facelets] [--digits] [--solve] [--hint] "
         "[--history DB --replay ID [--at K]] "
         "OUT.png | cube-snapshot --thumbnail SIZE IN.cube OUT.png";
}

namespace {

// The whole command line is "--thumbnail SIZE IN OUT".
bool ParseThumbnail(int argc, const char* const* argv, Options& Result, std::string& Error) {
  static_assert(kMinThumbnail == 16 && kMaxThumbnail == 1024, "the message names the sizes");
  if (argc != 5) {
    Error = "--thumbnail needs SIZE IN OUT and nothing else";
    return false;
  }
  uint32_t side = 0;
  if (!ParseUnsigned(argv[2], kMinThumbnail, kMaxThumbnail, side)) {
    Error = std::string("--thumbnail needs a size 16..1024, not '") + argv[2] + "'";
    return false;
  }
  const std::string in = argv[3], out = argv[4];
  if (in.empty() || out.empty()) {
    Error = "--thumbnail needs a file name";
    return false;
  }
  const auto act = [&Result](ActionKind kind, uint32_t number) -> Action& {
    Action action;
    action.Kind = kind;
    action.Number = number;
    Result.Actions.push_back(action);
    return Result.Actions.back();
  };
  act(ActionKind::Width, side);
  act(ActionKind::Height, side);
  act(ActionKind::Load, 0).File = in;
  Action& turnY = act(ActionKind::Rotate, 0);
  turnY.Axis = 1;
  turnY.Degrees = kThumbnailTurnY;
  Action& turnX = act(ActionKind::Rotate, 0);
  turnX.Axis = 0;
  turnX.Degrees = kThumbnailTurnX;
  act(ActionKind::Near, kThumbnailNearPercent);
  act(ActionKind::Passes, kThumbnailPasses);
  Result.Output = out;
  Result.Thumbnail = true;
  return true;
}

}  // namespace

bool Parse(int argc, const char* const* argv, Options& Result, std::string& Error) {
  Result = Options{};
  if (argc > 1 && std::string(argv[1]) == "--thumbnail") return ParseThumbnail(argc, argv, Result, Error);
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--thumbnail") {
      Error = "--thumbnail comes alone, first";
      return false;
    }
    if (word == "--help" || word == "-h") {
      Result.Help = true;
      return true;
    }
    if (word.size() > 1 && word[0] == '-') {
      const OptionInfo* info = nullptr;
      for (const OptionInfo& o : kOptions) {
        if (word == o.name) info = &o;
      }
      if (!info) {
        Error = "unknown option " + word;
        return false;
      }
      Action action;
      action.Kind = info->kind;
      if (!info->expects) {
        Result.Actions.push_back(std::move(action));
        continue;
      }
      if (i + 1 >= argc) {
        Error = word + " needs " + info->expects;
        return false;
      }
      const std::string value = argv[++i];
      if (!ParseValue(value, action)) {
        Error = word + " needs " + info->expects + ", not '" + value + "'";
        return false;
      }
      Result.Actions.push_back(std::move(action));
      continue;
    }
    if (!Result.Output.empty()) {
      Error = "more than one output file";
      return false;
    }
    Result.Output = word;
  }
  if (Result.Output.empty()) {
    Error = "no output file";
    return false;
  }
  return true;
}

}  // namespace snapshot

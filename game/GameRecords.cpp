#include "game/GameRecords.h"

#include <charconv>

namespace {
const char kSection[] = "Records";
constexpr int32_t kMaxSeconds = 100 * 24 * 3600;
constexpr int32_t kMaxMoves = 100000000;

std::string KeyOf(int size) { return "Best" + std::to_string(size); }

// Plain decimal digits only, within 0..max.
bool ParseCount(const std::string& text, int32_t max, int32_t& value) {
  if (text.empty() || text.size() > 10) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  int64_t v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  if (v > max) return false;
  value = static_cast<int32_t>(v);
  return true;
}
}  // namespace

bool IsBetter(const SolveRecord& candidate, const SolveRecord& best) {
  if (candidate.Seconds != best.Seconds) return candidate.Seconds < best.Seconds;
  return candidate.Moves < best.Moves;
}

std::optional<SolveRecord> ParseRecord(const std::string& text) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return std::nullopt;
  SolveRecord r;
  if (!ParseCount(text.substr(0, comma), kMaxSeconds, r.Seconds) ||
      !ParseCount(text.substr(comma + 1), kMaxMoves, r.Moves)) {
    return std::nullopt;
  }
  return r;
}

std::string RecordText(const SolveRecord& record) {
  return std::to_string(record.Seconds) + "," + std::to_string(record.Moves);
}

const std::optional<SolveRecord>& GameRecords::Best(int size) const {
  static const std::optional<SolveRecord> none;
  if (size < kMinSize || size > kMaxSize) return none;
  return best_[size - kMinSize];
}

bool GameRecords::Offer(int size, const SolveRecord& solve) {
  if (size < kMinSize || size > kMaxSize) return false;
  std::optional<SolveRecord>& best = best_[size - kMinSize];
  if (best && !IsBetter(solve, *best)) return false;
  best = solve;
  return true;
}

GameRecords GameRecords::Read(const IniFile& ini) {
  GameRecords records;
  for (int size = kMinSize; size <= kMaxSize; ++size) {
    records.best_[size - kMinSize] = ParseRecord(ini.ReadString(kSection, KeyOf(size), ""));
  }
  return records;
}

void GameRecords::Write(IniFile& ini) const {
  ini.Load();  // the file as it is now, not as it was at start-up
  const GameRecords onDisk = Read(ini);
  for (int size = kMinSize; size <= kMaxSize; ++size) {
    const std::optional<SolveRecord>& mine = Best(size);
    const std::optional<SolveRecord>& theirs = onDisk.Best(size);
    if (mine && (!theirs || IsBetter(*mine, *theirs))) {
      ini.WriteString(kSection, KeyOf(size), RecordText(*mine));
    }
  }
}

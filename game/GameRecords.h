// The best solve of each cube size, kept in section [Records] of the settings
// file: "Best3=117,42" is 117 seconds and 42 turns on the 3x3x3.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "files/IniFile.h"
#include "puzzle/CubeSizes.h"

struct SolveRecord {
  int32_t Seconds = 0;
  int32_t Moves = 0;
};

// A faster solve wins; an equally fast one wins with fewer turns.
bool IsBetter(const SolveRecord& candidate, const SolveRecord& best);

// "117,42" -> {117, 42}; anything else (signs, spaces inside, other text, a
// time above 100 days, more turns than a game can hold) is no record. No
// turns at all is a record: a scramble may cancel itself out.
std::optional<SolveRecord> ParseRecord(const std::string& text);
std::string RecordText(const SolveRecord& record);

// Only games scrambled with this many turns or more can set a record.
constexpr int32_t kRecordScrambleTurns = 20;

class GameRecords {
 public:
  static constexpr int kMinSize = kMinCubeSize;
  static constexpr int kMaxSize = kMaxCubeSize;

  const std::optional<SolveRecord>& Best(int size) const;
  // Keeps the solve when it beats the size's record (or there is none);
  // true when it did. Unsupported sizes keep nothing.
  bool Offer(int size, const SolveRecord& solve);

  // Invalid values read as no record.
  static GameRecords Read(const IniFile& ini);
  // Writes, unsaved, each record that beats the one the file holds now, so
  // that a better time written meanwhile by another run survives; other
  // lines are not touched. Save the file afterwards (WriteSettings does).
  void Write(IniFile& ini) const;

 private:
  std::array<std::optional<SolveRecord>, kCubeSizeCount> best_;
};

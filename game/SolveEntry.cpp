#include "game/SolveEntry.h"

#include <charconv>
#include <ctime>

namespace {

constexpr struct {
  SolveHow how;
  const char* name;
} kHowNames[] = {
    {SolveHow::Solved, "solved"},
    {SolveHow::Computer, "computer"},
    {SolveHow::Abandoned, "abandoned"},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

const char* HowName(SolveHow how) {
  for (const auto& entry : kHowNames)
    if (entry.how == how) return entry.name;
  return "";
}

std::optional<SolveHow> HowFromName(const std::string& name) {
  for (const auto& entry : kHowNames)
    if (name == entry.name) return entry.how;
  return std::nullopt;
}

std::string MoveMsText(const std::vector<int64_t>& times) {
  std::string text;
  for (const int64_t ms : times) {
    if (!text.empty()) text += ' ';
    text += std::to_string(ms);
  }
  return text;
}

std::optional<std::vector<int64_t>> ParseMoveMs(const std::string& text) {
  // Exactly as MoveMsText writes: decimal numbers, one space between them.
  std::vector<int64_t> times;
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at != end) {
    if (!times.empty() && *at++ != ' ') return std::nullopt;
    if (at == end || !IsDigit(*at)) return std::nullopt;  // no sign, no second space
    int64_t ms = 0;
    const auto [next, error] = std::from_chars(at, end, ms);
    if (error != std::errc() || (!times.empty() && ms < times.back())) return std::nullopt;
    times.push_back(ms);
    at = next;
  }
  return times;
}

std::string IsoUtc(int64_t secondsSinceEpoch) {
  const std::time_t seconds = static_cast<std::time_t>(secondsSinceEpoch);
  struct tm utc {};
  char text[32];
  if (!gmtime_r(&seconds, &utc) || !std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc)) return {};
  return text;
}

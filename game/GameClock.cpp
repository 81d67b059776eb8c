#include "game/GameClock.h"

#include <cstdio>

namespace {
std::string TwoDigits(int32_t value) {
  std::string text = std::to_string(value);
  return value < 10 ? "0" + text : text;
}
}  // namespace

const SteadyClock& SteadyClock::Real() {
  struct RealClock final : SteadyClock {
    std::chrono::steady_clock::time_point Now() const override { return std::chrono::steady_clock::now(); }
  };
  static const RealClock clock;
  return clock;
}

std::string FormatGameClock(int32_t seconds) {
  const int32_t h = seconds / 3600;
  const int32_t m = (seconds % 3600) / 60;
  const int32_t s = seconds % 60;
  return TwoDigits(h) + ":" + TwoDigits(m) + ":" + TwoDigits(s);
}

std::string ProposedGameFileName() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ProposedGameFileName(local);
}

std::string ProposedGameFileName(const std::tm& local) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d--%02d-%02d-%02d.cube", local.tm_mday,
                local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

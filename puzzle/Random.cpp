#include "puzzle/Random.h"

#include <chrono>
#include <random>

namespace vekrandom {
namespace {
std::mt19937& Generator() {
  static std::mt19937 generator(1u);
  return generator;
}
std::optional<uint32_t>& FixedSeed() {
  static std::optional<uint32_t> seed;
  return seed;
}
}  // namespace

void Seed(uint32_t seed) { Generator().seed(seed); }

void SeedFromClock() {
  if (FixedSeed()) {
    Seed(*FixedSeed());
    return;
  }
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  Seed(static_cast<uint32_t>(ticks));
}

uint32_t Next() { return Generator()() & 0x7FFFFFFFu; }

void FixClockSeed(std::optional<uint32_t> seed) { FixedSeed() = seed; }

}  // namespace vekrandom

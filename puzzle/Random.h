// The one pseudo-random generator of the program: the renderer seeds it at
// start, every scramble seeds it again, and the idle-rotation phases and the
// scramble's moves draw from it.
#pragma once

#include <cstdint>
#include <optional>

namespace vekrandom {

void Seed(uint32_t seed);
// Seeds from the high-resolution clock, or from the fixed seed if one is set.
void SeedFromClock();
// A non-negative pseudo-random integer.
uint32_t Next();
// Makes SeedFromClock reproducible (tools and tests); nullopt restores the clock.
void FixClockSeed(std::optional<uint32_t> seed);

}  // namespace vekrandom

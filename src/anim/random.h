// The program's one random generator: a 15-bit linear congruential sequence.
#pragma once

#include <cstdint>

// Restarts the sequence from `seed`.
void seedRandom(unsigned seed);

// Uniform on [0, x): one value of the sequence divided by 32768, times x.
double randUnit(double x);

// The seed of each frame's occasional reseed and of the r key: the low 32 bits of the clock.
unsigned clockSeed(std::int64_t nowMs);

// The seed at start-up, when the clock reads the same in every run: `seedBase` (a reading of
// another clock, or 0 for a run that depends on the millisecond clock alone) keeps runs apart.
unsigned startSeed(unsigned seedBase, std::int64_t nowMs);

// The program's one random generator: a 15-bit linear congruential sequence.
#pragma once

#include <cstdint>

// Restarts the sequence from `seed`.
void seedRandom(unsigned seed);

// The next value of the sequence, 0 to 32767.
int nextRandom();

// Uniform on [0, x): one value of the sequence divided by 32768, times x.
double randUnit(double x);

// Seeds from the clock: the start-up clock reading plus the low 32 bits of `nowMs`. Tests set
// the base to 0 so that a run is a function of the millisecond clock alone.
void seedRandomFromClock(std::int64_t nowMs);
extern unsigned clockSeedBase;

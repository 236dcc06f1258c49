// The program's one random generator: a 15-bit linear congruential sequence.
#include "anim/random.h"

#include <cstdint>

namespace {

std::uint32_t randomState = 1;

// The next value of the sequence, 0 to 32767.
int nextRandom() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}

} // namespace

void seedRandom(unsigned seed) {
    randomState = seed;
}

double randUnit(double x) {
    return nextRandom() / 32768.0 * x;
}

unsigned clockSeed(std::int64_t nowMs) {
    return static_cast<std::uint32_t>(nowMs);
}

unsigned startSeed(unsigned seedBase, std::int64_t nowMs) {
    return seedBase + static_cast<std::uint32_t>(nowMs);
}

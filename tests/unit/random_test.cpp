// The program's random generator and its clock seed (randUnit's scaling is checked where the
// oscillators and the stars replay their draws).
#include "anim/random.h"

#include <gtest/gtest.h>

// A mask wider than fifteen bits changes three of these five values.
TEST(Random, SeededWithOneGivesTheKnownFifteenBitSequence) {
    seedRandom(1);
    for (int value : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(nextRandom(), value);
}

TEST(Random, ClockSeedAddsTheBase) {
    clockSeedBase = 1000;
    seedRandomFromClock(234);
    int fromClock = nextRandom();
    seedRandom(1234);
    EXPECT_EQ(fromClock, nextRandom());
    clockSeedBase = 0;
}

// The star field's random stars and the gears' half-tooth offset.
#include "anim/random.h"
#include "scene/gear_cluster.h"
#include "scene/star_field.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// The colours are replayed exactly below; here each shape's region (a cube shell, a half ball
// shell above y 0, a ball shell).
TEST(StarField, StarsStayInTheirShapesRegion) {
    for (int shape : {1, 2, 3}) {
        seedRandom(shape);
        int below = 0;
        for (int i = 0; i < 3000; ++i) {
            Star s = generateStar(8, 4, shape);
            double cube = std::max({std::fabs(s.x), std::fabs(s.y), std::fabs(s.z)});
            double ball = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
            ASSERT_TRUE(shape == 1 ? cube >= 4.01 : ball >= 4 && ball <= 8) << shape << ":" << i;
            ASSERT_TRUE(std::min({s.x, s.y, s.z}) >= -8 && std::max({s.x, s.y, s.z}) < 8);
            below += s.y < 0;
        }
        EXPECT_EQ(below == 0, shape == 2) << "shape " << shape << ": " << below << " below y 0";
    }
}

// Three draws per position candidate until one lies in the shell, the tint, blue, green, red.
TEST(StarField, DrawsPositionThenTintThenBlueGreenRed) {
    auto draw = [](double x) { return nextRandom() / 32768.0 * x; };
    seedRandom(2024);
    Star stars[60];
    for (Star& s : stars)
        s = generateStar(8, 4, 1);
    seedRandom(2024);
    for (const Star& s : stars) {
        double x, y, z;
        do
            x = draw(16) - 8, y = draw(16) - 8, z = draw(16) - 8;
        while (std::max({std::fabs(x), std::fabs(y), std::fabs(z)}) < 4.01);
        EXPECT_TRUE(s.x == x && s.y == y && s.z == z);
        double base = draw(1) < 0.1 ? 0.3 : 0.5, spread = base == 0.3 ? 0.5 : 0.3;
        for (float channel : {s.blue, s.green, s.red})
            EXPECT_FLOAT_EQ(channel, float(draw(spread) + base));
    }
}

TEST(GearCluster, HalfToothTurnIsWholeDegrees) {
    for (auto [teeth, turn] : {std::pair{8, 22}, {10, 18}, {14, 12}, {40, 4}})
        EXPECT_EQ(halfToothTurn(teeth), float(turn)) << teeth << " teeth";
}

// The star field's random stars and the gears' half-tooth offset.
#include "anim/random.h"
#include "scene/gear_cluster.h"
#include "scene/star_field.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// Each shape's region: outside a cube, a half ball shell above y 0, a ball shell; and colours.
TEST(StarField, StarsStayInTheirShapesRegion) {
    for (StarShape shape : {starCubeShell, starUpperHalfShell, starBallShell}) {
        seedRandom(shape);
        int below = 0;
        for (int i = 0; i < 3000; ++i) {
            Star s = generateStar(8, 4, shape);
            double cube = std::max({std::fabs(s.x), std::fabs(s.y), std::fabs(s.z)});
            double ball = std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z);
            ASSERT_TRUE(shape == starCubeShell ? cube >= 4.01 : ball >= 4 && ball <= 8)
                << shape << ":" << i;
            ASSERT_TRUE(std::min({s.x, s.y, s.z}) >= -8 && std::max({s.x, s.y, s.z}) < 8);
            below += s.y < 0;
            for (float channel : {s.red, s.green, s.blue})
                ASSERT_TRUE(channel >= 0.3f && channel < 0.8f) << "colour of star " << i;
        }
        EXPECT_EQ(below == 0, shape == starUpperHalfShell)
            << "shape " << shape << ": " << below << " below y 0";
    }
}

TEST(GearCluster, HalfToothTurnIsWholeDegrees) {
    for (auto [teeth, turn] : {std::pair{8, 22}, {10, 18}, {14, 12}, {40, 4}})
        EXPECT_EQ(halfToothTurn(teeth), float(turn)) << teeth << " teeth";
}

// The scene's geometry: the letterboxed projection and the gears' meshing turn.
#include "scene/gear_cluster.h"
#include "scene/projection.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

TEST(Projection, LetterboxTableAndANarrowViewInAShortWindow) {
    const double fovy[] = {100, 95.1667, 90.3333, 85.5, 80.6667, 75.8333, 71};
    const int bar[] = {0, 38, 76, 115, 153, 192, 230},
              height[] = {768, 691, 615, 537, 461, 384, 307};
    for (int i = 0; i <= 6; ++i) {
        ProjectionParams p = computeProjection(1024, 768, i, 100, 1.5f);
        EXPECT_EQ(
            std::make_tuple(p.bar, p.viewportX, p.viewportY, p.viewportWidth, p.viewportHeight),
            std::make_tuple(short(bar[i]), 0, bar[i], 1024, height[i]));
        EXPECT_NEAR(p.fovy, fovy[i], 1e-4);
        EXPECT_EQ(std::make_tuple(p.aspect, p.zNear, p.zFar),
                  std::make_tuple(1024.0 / height[i], 0.02, 15.5));
    }
    // Up to the narrowest whole field of view at each letterbox the view stays at the value
    // that one gives; above it the view is as computed.
    const double narrow[][3] = {
        {1, 1, 1 / 6.0}, {1, 5, 1 / 6.0}, {1, 6, 7 / 6.0}, {2, 10, 1 / 3.0}, {3, 1, 0.5},
        {3, 14, 0.5},    {3, 15, 0.5},    {3, 16, 1.5},    {4, 20, 2 / 3.0}, {5, 25, 5 / 6.0},
        {6, 1, 1},       {6, 20, 1},      {6, 29, 1},      {6, 30, 1},       {6, 31, 2}};
    for (const auto& n : narrow) {
        ProjectionParams p = computeProjection(800, 600, int(n[0]), int(n[1]), -2.5f);
        EXPECT_NEAR(p.fovy, n[2], 1e-12) << "letterbox " << n[0] << ", field of view " << n[1];
    }
    ProjectionParams p = computeProjection(800, 600, 6, 20, -2.5f);
    EXPECT_EQ(std::make_tuple(p.viewportY, p.viewportHeight, p.zFar),
              std::make_tuple(180, 240, 11.5));
}

// Diagonal gears turn by half a tooth in whole degrees, so that their teeth mesh.
TEST(GearCluster, HalfToothTurnIsWholeDegrees) {
    for (auto [teeth, turn] : {std::pair{8, 22}, {10, 18}, {14, 12}, {40, 4}})
        EXPECT_EQ(halfToothTurn(teeth), float(turn)) << teeth << " teeth";
}

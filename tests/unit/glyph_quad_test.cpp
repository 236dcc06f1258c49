// Where a character of bitmap-font text lands on screen and in the font sheet.
#include "overlay/glyph_quad.h"

#include <gtest/gtest.h>

TEST(GlyphQuad, LetterASpaceLineFeedAndAdvances) {
    GlyphQuad a = glyphQuad('A', 10, 700 - 25, 20), space = glyphQuad(' ', a.nextPenX, 0, 20);
    GlyphQuad lineFeed = glyphQuad('\n', 0, 0, 20); // row 6, column 10, one t period lower
    float got[] = {a.x0, a.y0, a.x1, a.y1, a.s0, a.s1, a.t0, a.t1, lineFeed.s0, lineFeed.t0 + 1};
    float want[] = {10, 675, 20, 695, 0.0725f, 0.135f, 0.615f, 0.74f, 0.635f, 0.115f};
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(got[i], want[i], 1e-6) << i;
    EXPECT_TRUE(a.drawn && !space.drawn && lineFeed.drawn);
    EXPECT_EQ(a.nextPenX, 19);
    EXPECT_EQ(glyphQuad('B', space.nextPenX, 0, 20).x0, 28); // 18 pixels right of A
    // size, pen, next pen: the advance is the integer part of 0.45 x size, towards zero
    const float advances[][3] = {
        {18, 100, 108}, {20, 100, 109}, {30, 100, 113}, {60, 100, 127}, {30, -20, -6}};
    for (const auto& c : advances) {
        GlyphQuad q = glyphQuad('x', short(c[1]), 0, c[0]);
        EXPECT_TRUE(q.nextPenX == c[2] && q.x1 - q.x0 == c[0] / 2) << c[0];
    }
}

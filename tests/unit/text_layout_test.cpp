// Where the overlay's text lands in the window's buffer at text scales 1, 1.5 and 2.
#include "controls/help_screen.h"
#include "overlay/glyph_quad.h"
#include "overlay/text_overlay.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// The first glyph of each line drawText draws in a buffer of width x height at `scale`: its left
// edge, its bottom edge below the top and its height in buffer pixels (to a millionth), for the
// message, the readout, the error line, the title, the help screen's heading and its 28 lines.
std::vector<double> everyLine(int width, int height, double scale) {
    const int w = logicalPixels(width, scale), h = logicalPixels(height, scale);
    const TextProjection p = textProjection(width, height, scale);
    std::vector<double> lines;
    const auto land = [&](int x, int y, float size) {
        const GlyphQuad q = glyphQuad('A', short(x), short(h - y), size);
        const double pixelsHigh = height / (p.top - p.bottom);
        for (double v : {(q.x0 - p.left) * width / (p.right - p.left), (p.top - q.y0) * pixelsHigh,
                         (q.y1 - q.y0) * pixelsHigh})
            lines.push_back(std::round(v * 1e6) / 1e6);
    };
    const TextOverlay overlay;
    for (int x : {overlay.messageX, int(frameRateX(w)), int(errorLineX(w))})
        land(x, overlay.messageY, messageSize);
    land(titlePlace(w, h).x, titlePlace(w, h).y, 60);
    const HelpLayout help = computeHelpLayout(h);
    land(helpHeadingX, help.headingY, helpHeadingSize);
    for (short y : help.lineY)
        land(helpLineX, y, helpLineSize);
    return lines;
}

} // namespace

// In a window twice as wide and high at scale 2 (or a pixel more, which the logical size drops)
// every line lands where it lands at scale 1, each coordinate and glyph size doubled. At 1.5 the
// logical window of 1024 x 768, 682 x 512, and every place in it are truncated to whole logical
// pixels, as at scale 1; times 1.5 a place lands on a whole or a half pixel, glyphs 20 high are 30.
TEST(TextLayout, TwiceTheWindowAtScaleTwoDoublesEveryPlaceAndOneAndAHalfTruncatesThem) {
    for (auto [w, h] : {std::pair{1024, 768}, {900, 700}, {513, 385}}) {
        std::vector<double> doubled = everyLine(w, h, 1);
        for (double& value : doubled)
            value *= 2;
        for (int extra : {0, 1})
            EXPECT_EQ(everyLine(2 * w + extra, 2 * h + extra, 2), doubled) << w << " x " << h;
    }
    // The message, readout, error line, title, heading, and help lines 1, 10 and 28.
    const std::vector<double> all = everyLine(1024, 768, 1.5);
    std::vector<double> picked;
    for (int line : {0, 1, 2, 3, 4, 5, 14, 32})
        picked.insert(picked.end(), all.begin() + 3 * line, all.begin() + 3 * line + 3);
    EXPECT_EQ(picked,
              (std::vector<double>{15, 37.5, 30, 843, 37.5,  30, 408, 37.5,  30, 102, 153,   90,
                                   30, 69,   45, 45,  103.5, 27, 45,  340.5, 27, 45,  799.5, 27}));
}

// Where the overlay's text lands in the window's buffer at text scales 1, 1.5 and 2: the message,
// the frame-rate readout, the error line, the title and the help screen, each line's first glyph
// carried through the text projection as OpenGL carries it.
#include "controls/help_screen.h"
#include "overlay/glyph_quad.h"
#include "overlay/text_overlay.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// A line's first glyph in buffer pixels: its left edge, its bottom edge below the buffer's top,
// its height.
struct Landing {
    double x, y, size;
};

void expectLanding(const Landing& actual, const Landing& expected, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9) << what;
    EXPECT_NEAR(actual.y, expected.y, 1e-9) << what;
    EXPECT_NEAR(actual.size, expected.size, 1e-9) << what;
}

// Every line the overlay places in a buffer of width x height at `scale`, as drawText draws it:
// the message, the readout, the error line, the title, the help screen's heading and 28 lines.
std::vector<Landing> everyLine(int width, int height, double scale) {
    const int w = logicalPixels(width, scale), h = logicalPixels(height, scale);
    const TextProjection p = textProjection(width, height, scale);
    const auto land = [&](int x, int y, float size) {
        const GlyphQuad q = glyphQuad('A', short(x), short(h - y), size);
        const auto fromTop = [&](double v) { return (p.top - v) / (p.top - p.bottom) * height; };
        return Landing{(q.x0 - p.left) / (p.right - p.left) * width, fromTop(q.y0),
                       fromTop(q.y0) - fromTop(q.y1)};
    };
    const TextOverlay overlay;
    const TitlePlace title = titlePlace(w, h);
    const HelpLayout help = computeHelpLayout(h);
    std::vector<Landing> lines = {land(overlay.messageX, overlay.messageY, messageSize),
                                  land(frameRateX(w), overlay.messageY, messageSize),
                                  land(errorLineX(w), overlay.messageY, messageSize),
                                  land(title.x, title.y, 60),
                                  land(helpHeadingX, help.headingY, helpHeadingSize)};
    for (short y : help.lineY)
        lines.push_back(land(helpLineX, y, helpLineSize));
    return lines;
}

const char* const lineNames[] = {"message", "readout", "error line", "title", "help heading"};
std::string lineName(size_t i) {
    return i < 5 ? lineNames[i] : "help line " + std::to_string(i - 4);
}

} // namespace

// In a window twice as wide and high at scale 2 (or a pixel more, which the logical size drops)
// every line lands where it lands at scale 1, each coordinate and glyph size doubled.
TEST(TextLayout, AtScaleTwoInTwiceTheWindowEveryLineLandsTwiceAsFarAndTwiceAsLarge) {
    for (auto [w, h] : {std::pair{1024, 768}, {900, 700}, {513, 385}}) {
        const std::vector<Landing> once = everyLine(w, h, 1);
        for (int extra : {0, 1}) {
            const std::vector<Landing> twice = everyLine(2 * w + extra, 2 * h + extra, 2);
            ASSERT_EQ(twice.size(), 33u);
            for (size_t i = 0; i < once.size(); ++i)
                expectLanding(twice[i], {2 * once[i].x, 2 * once[i].y, 2 * once[i].size},
                              lineName(i) + " in " + std::to_string(2 * w + extra) + " x " +
                                  std::to_string(2 * h + extra));
        }
    }
}

// At scale 1 in 1024 x 768 the places are those of a window without a scale. At 1.5 the logical
// window is 682 x 512, truncated, and so is every place in it, as at scale 1; times 1.5 a place
// lands on a whole or a half buffer pixel, and glyphs of 20 logical pixels are 30 high.
TEST(TextLayout, AtScaleOneAndAHalfPlacesAreTruncatedInLogicalPixels) {
    const size_t checked[] = {0, 1, 2, 3, 4, 5, 14, 32}; // through help lines 1, 10 and 28
    const Landing atOne[] = {{10, 25, 20}, {904, 25, 20}, {409, 25, 20}, {102, 153, 60},
                             {20, 69, 30}, {30, 92, 18},  {30, 250, 18}, {30, 556, 18}};
    const Landing atOneAndAHalf[] = {{15, 37.5, 30},  {843, 37.5, 30}, {408, 37.5, 30},
                                     {102, 153, 90},  {30, 69, 45},    {45, 103.5, 27},
                                     {45, 340.5, 27}, {45, 799.5, 27}};
    const std::vector<Landing> one = everyLine(1024, 768, 1),
                               oneAndAHalf = everyLine(1024, 768, 1.5);
    EXPECT_EQ(logicalPixels(1024, 1.5), 682);
    for (size_t i = 0; i < std::size(checked); ++i) {
        expectLanding(one[checked[i]], atOne[i], lineName(checked[i]) + " at 1");
        expectLanding(oneAndAHalf[checked[i]], atOneAndAHalf[i], lineName(checked[i]) + " at 1.5");
    }
}

// The frame driver in the program's window: clock, frame-rate count, fades and clearing, in the
// first seconds and after an hour, a week and both wraps of GLUT's time.
#include "test_window.h"

#include "app/frame.h"

#include <cstdint>

// The first seconds, with a stall across the third: each frame's time step (steps beyond a tenth
// count as a half), the frame rate (30 until the first second, then the count closes once after
// the stall) and the fade-in (half way at 1.5 s, full after the stall).
TEST(FrameDriver, FrameTimeRateAndFadeInThroughTheFirstSecondsAndAStall) {
    startTestProgram(true);
    std::vector<float> deltas, fades;
    std::vector<int> counts;
    for (int ms : {80, 180, 300, 400, 500, 600, 700, 800, 900, 1000, 1500, 4500, 4510, 4520}) {
        renderFrameAt(ms);
        deltas.push_back(app.frameDelta), counts.push_back(app.framesPerSecond);
        fades.push_back(app.fadeLevel);
    }
    EXPECT_EQ(std::vector<float>(deltas.begin(), deltas.begin() + 3),
              std::vector<float>({0.08f, 0.1f, 0.05f}))
        << "frame time";
    EXPECT_EQ(std::vector<int>(counts.begin() + 8, counts.end()),
              std::vector<int>({30, 10, 10, 2, 2, 2}))
        << "frame rate";
    EXPECT_FLOAT_EQ(fades[10], 0.5f) << "fade-in at 1.5 s";
    EXPECT_EQ(fades[11], 1.0f) << "fade-in after the stall";
}

TEST(FrameDriver, APendingClearClearsExactlyOneFrameInHyperspace) {
    startTestProgram(true);
    // Only a clear reaches the letterbox bar's corner; a key without a command cancels the clear
    // that l asks for.
    pressKeys(" lx");
    std::vector<int> corner;
    for (bool requestClear : {false, true, false}) {
        glClearColor(1, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glClearColor(0, 0, 0, 1);
        app.flags.clearPending = app.flags.clearPending || requestClear;
        renderFrameAt(20000 + 50 * int(corner.size()));
        corner.push_back(readPicture().at(0, 0)[0]);
    }
    EXPECT_EQ(corner, std::vector<int>({255, 0, 255}));
}

// GLUT's elapsed time, which its int turns negative at 2^31 ms and wraps to 0 at 2^32 ms.
static std::int64_t glutMs = 0;

// Frames from the whole second before each mark to past it, then Escape: the clock steps evenly,
// a message shown 2.5 s before expires on time, the count closes at the rate, the fade falls on
// every frame and the title stays away.
TEST(FrameDriver, AnHourAWeekAndBothWrapsOfGlutsTimeRunLikeTheFirstMinutes) {
    startTestProgram(true);
    readElapsedMs = [] { return static_cast<int>(static_cast<std::uint32_t>(glutMs)); };
    handleReshape(320, 240); // a small picture keeps the frames cheap
    const int step = 16, escapeFrame = 105;
    for (std::int64_t mark : {3600000LL, 604800000LL, 1LL << 31, 1LL << 32}) {
        SCOPED_TRACE("around " + std::to_string(mark) + " ms");
        handleKey('r', 0, 0);
        const std::int64_t shownMs = (glutMs = (mark / 1000 - 1) * 1000 - step / 2) - 2500;
        textOverlay.showMessage("Textures On", static_cast<double>(shownMs) * 0.001);
        app.nowMs = glutMs, app.lastElapsedMs = static_cast<std::uint32_t>(glutMs);
        app.prevSec = static_cast<double>(glutMs) * 0.001;
        app.nextFpsSecond = std::floor(app.prevSec) + 1;
        collectTextQuads();
        double quitSecond = 0;
        float fade = 1;
        for (int frame = 0; frame < escapeFrame + 8; ++frame) {
            glutMs += step;
            if (frame == escapeFrame) handleKey(27, 0, 0), quitSecond = std::floor(app.nowSec);
            readClock();
            ASSERT_EQ(drawFrame(glutFrameHost), FrameEnd::drawn);
            ASSERT_EQ(app.nowMs, glutMs);
            ASSERT_NEAR(app.frameDelta, step * 0.001, 1e-6) << "frame " << frame;
            ASSERT_EQ(textOverlay.messageExpiry == 0, glutMs >= shownMs + 3000)
                << "frame " << frame;
            ASSERT_TRUE(frame <= escapeFrame || app.fadeLevel < fade) << "frame " << frame;
            fade = app.fadeLevel;
        }
        EXPECT_GT(readPicture().litPixels(), 10000);
        EXPECT_TRUE(app.framesPerSecond >= 62 && app.framesPerSecond <= 63) << app.framesPerSecond;
        EXPECT_NEAR(fade, 1 - (static_cast<double>(glutMs) * 0.001 - quitSecond) / 3, 1e-5);
        for (const TextLine& line : collectedText())
            EXPECT_NE(line.size, 60) << "the title was drawn: " << line;
    }
    handleKey('r', 0, 0); // no quitting after the test
}

// The frame driver in the program's window: clock, frame-rate count, fade-in and clearing.
#include "test_window.h"

#include "app/globals.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(FrameDriver, CountsFramesCapsLongOnesFadesInAndClearsOnceOnRequest) {
    startTestProgram(true);
    app.prevSec = 0, app.framesThisSecond = 0, app.nextFpsSecond = 1.0; // as at process start
    std::vector<float> deltas;
    for (int ms : {80, 180, 300, 400, 500, 600, 700, 800}) {
        renderFrameAt(ms);
        deltas.push_back(app.frameDelta);
    }
    EXPECT_EQ(std::vector<float>(deltas.begin(), deltas.begin() + 3),
              std::vector<float>({0.08f, 0.1f, 0.05f}));
    std::vector<int> counts; // 30 until the first close; after a stall every frame closes one
    for (int ms : {900, 1000, 1500, 4500, 4510, 4520, 4530}) {
        renderFrameAt(ms);
        counts.push_back(app.framesPerSecond);
    }
    EXPECT_EQ(counts, std::vector<int>({30, 10, 10, 2, 1, 1, 1}));
    EXPECT_EQ(std::make_tuple(app.nextFpsSecond, app.framesThisSecond, app.fadeLevel),
              std::make_tuple(5.0, 1, 0.5f));

    settings.clearEachFrame = 0, settings.letterbox = 6; // only a clear reaches the bar's corner
    textOverlay.messageExpiry = 0;
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

// The application in its window: the gear list, reshapes and the frame driver.
#include "test_window.h"

#include "app/callbacks.h"
#include "app/globals.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

TEST(StartUp, OneGearListAfterRebuildsAndARealFrameAfterAZeroSizedWindow) {
    startTestProgram();
    int lists = 0, firstList = gear.list; // lists other than the star field's, after 20 rebuilds
    for (int tesselation = 1; tesselation <= 20; ++tesselation)
        buildGearList(gear, tesselation);
    for (int name = 1; name <= std::max(firstList, gear.list) + 20; ++name)
        lists += glIsList(GLuint(name)) && unsigned(name) != starField.displayList;
    EXPECT_EQ(lists, 1) << "display lists besides the star field's";
    EXPECT_TRUE(glIsList(GLuint(gear.list)));

    textOverlay.messageExpiry = 0; // no text (an error line too would leave its own projection)
    settings.letterbox = 2;
    handleReshape(0, 0);
    renderFrameAt(20000);
    handleReshape(800, 600);
    renderFrameAt(20050);
    GLint v[4];
    GLdouble m[16];
    glGetIntegerv(GL_VIEWPORT, v);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_EQ(std::vector<double>({double(v[1]), double(v[3]), std::round(m[0] * 1e5),
                                   std::round(m[5] * 1e5), std::round(m[14] * 1e5)}),
              std::vector<double>({60, 480, 59652, 99420, -4005}));
}

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

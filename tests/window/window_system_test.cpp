// The window as the X server shows it: the cursor in full screen and in the window, and the
// smallest window X allows.
#include "gl_record.h"
#include "test_window.h"

#include "app/globals.h"
#include "platform/glut_callbacks.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

TEST(WindowSystem, FullScreenKeyGoesToA512SquareWindowWithAnArrowAndBackHidingIt) {
    startTestProgram(true);
    EXPECT_EQ(visibleCursorPixels(), 0) << "at start";
    for (int side : {512, 1024}) {
        handleKey('f', 0, 0);
        ASSERT_TRUE(runLoopUntil([&] { return app.windowWidth == side; }));
        EXPECT_EQ(app.windowHeight, side == 512 ? 512 : 768);
        if (side == 512)
            EXPECT_GT(visibleCursorPixels(), 20) << "in the window";
        else
            EXPECT_EQ(visibleCursorPixels(), 0) << "back in full screen";
    }
}

// A window of one pixel: every letterbox and polygon mode, the help and the readout draw
// without an OpenGL error and leave a viewport and a projection that fit it.
TEST(WindowSystem, AOnePixelWindowDrawsWithoutErrors) {
    startTestProgram(true);
    handleKey('f', 0, 0);
    ASSERT_TRUE(runLoopUntil([] { return app.windowWidth == 512; }));
    glutReshapeWindow(1, 1);
    ASSERT_TRUE(runLoopUntil([] { return app.windowWidth == 1 && app.windowHeight == 1; }));
    int ms = 20000;
    for (int press = 1; press <= 12; ++press) {
        pressKeys(press == 4 ? "lwc" : press == 8 ? "lw?" : "lwn");
        renderFrameAt(ms += 50);
    }
    renderFrameAt(ms += 5000); // letterbox 0, with the help and the readout
    EXPECT_EQ(glErrorsRead(), 0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_TRUE(viewport[0] == 0 && viewport[1] == 0 && viewport[2] == 1 && viewport[3] == 1)
        << viewport[0] << ", " << viewport[1] << ", " << viewport[2] << ", " << viewport[3];
    double m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    for (double v : m)
        EXPECT_TRUE(std::isfinite(v));
}

// Opens the program's real window on the test display and reads pictures back from it.
#include "test_window.h"

#include "app/frame.h"
#include "app/globals.h"
#include "app/glut_host.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

// Without this a test that ends the process early would pass with status 0.
static void failOnExitDuringTest() {
    if (!testing::UnitTest::GetInstance()->current_test_info()) return;
    std::fprintf(stderr, "The program exited in the middle of the test\n");
    std::_Exit(1);
}

void startTestProgram(bool syntheticClockOnly) {
    std::atexit(failOnExitDuringTest);
    std::string display;
    if (std::ifstream(TYVOK_DISPLAY_FILE) >> display) setenv("DISPLAY", display.c_str(), 1);
    if (chdir(TYVOK_DATA_DIR) != 0) std::perror("chdir");
    static char name[] = "tyvok_window_tests";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    startTyvok(&argc, argv, 0);
    if (syntheticClockOnly) glutDisplayFunc([] {});
    // The window first reports its initial size, then the full screen's.
    const int screen = glutGet(GLUT_SCREEN_WIDTH) * glutGet(GLUT_SCREEN_HEIGHT);
    pumpEventsUntil([&] { return app.windowWidth * app.windowHeight == screen; });
    for (int i = 0; i < 20; ++i)
        glutMainLoopEvent();
    glutSwapBuffers(); // the renderer takes up a new window size at a swap
}

void pumpEventsUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i)
        glutMainLoopEvent(), usleep(5000);
}

void renderFrameAt(int ms) {
    app.nowMs = ms;
    drawFrame();
    performFrameRequests();
    glFinish();
}

Picture readPicture() {
    Picture p{app.windowWidth, app.windowHeight, {}};
    p.rgb.resize(static_cast<size_t>(3) * p.width * p.height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, p.rgb.data());
    return p;
}

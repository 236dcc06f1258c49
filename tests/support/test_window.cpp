// Opens the program's real window on the test display and reads pictures back from it.
#include "test_window.h"

#include "full_screen_wait.h"

#include "app/frame.h"
#include "platform/glut/glut_host.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <unistd.h>
// After GoogleTest, whose names Xlib's macros would replace.
#include <GL/glx.h>
#include <X11/extensions/Xfixes.h>

// Without this a test that ends the process early would pass with status 0.
static void failOnExitDuringTest() {
    if (!testing::UnitTest::GetInstance()->current_test_info()) return;
    std::fprintf(stderr, "The program exited in the middle of the test\n");
    std::_Exit(1);
}

void startTestProgram(bool syntheticClockOnly, const char* imageFolder,
                      const std::vector<const char*>& options) {
    std::atexit(failOnExitDuringTest);
    std::string display;
    if (std::ifstream(TYVOK_DISPLAY_FILE) >> display) setenv("DISPLAY", display.c_str(), 1);
    if (chdir(imageFolder ? imageFolder : TYVOK_DATA_DIR) != 0) std::perror("chdir");
    static std::vector<const char*> argv = {"tyvok_window_tests"};
    argv.insert(argv.end(), options.begin(), options.end());
    static int argc = static_cast<int>(argv.size());
    argv.push_back(nullptr);
    startTyvok(&argc, const_cast<char**>(argv.data()), 0);
    if (syntheticClockOnly) glutDisplayFunc([] {});
    if (!waitForFullScreen([] { return app.windowWidth * app.windowHeight; }))
        ADD_FAILURE() << "the window did not fill the screen within " << waitDeadlineSeconds
                      << " s";
    for (int i = 0; i < 20; ++i)
        glutMainLoopEvent();
    glutSwapBuffers(); // the renderer takes up a new window size at a swap
}

bool runLoopUntil(const std::function<bool()>& done) {
    return pumpGlutUntil(done, handleIdle);
}

void pressKeys(const char* keys) {
    for (; *keys; ++keys)
        handleKey(static_cast<unsigned char>(*keys), 0, 0);
}

void renderFrameAt(int ms) {
    app.nowMs = ms;
    if (drawFrame(glutFrameHost) == FrameEnd::quit) ADD_FAILURE() << "the quit fade ended";
    glFinish();
}

int Picture::litPixels() const {
    int lit = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 0;
    return lit;
}

size_t Picture::litColours() const {
    std::set<int> colours;
    for (size_t i = 0; i < rgb.size(); i += 3)
        if (int c = rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]) colours.insert(c);
    return colours.size();
}

Picture readPicture() {
    Picture p{app.windowWidth, app.windowHeight, {}};
    p.rgb.resize(static_cast<size_t>(3) * p.width * p.height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, p.rgb.data());
    return p;
}

int visibleCursorPixels() {
    // What the program asked of the X server has reached it once its own connection is synced.
    XSync(glXGetCurrentDisplay(), False);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return ADD_FAILURE() << "cannot open the display", -1;
    const Window window = glXGetCurrentDrawable();
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    XWarpPointer(display, None, window, 0, 0, 0, 0, attributes.width / 2, attributes.height / 2);
    XSync(display, False);
    int opaque = -1;
    if (XFixesCursorImage* image = XFixesGetCursorImage(display)) {
        opaque = 0;
        for (int i = 0; i < image->width * image->height; ++i)
            opaque += (image->pixels[i] >> 24) != 0;
        XFree(image);
    }
    XCloseDisplay(display);
    return opaque;
}

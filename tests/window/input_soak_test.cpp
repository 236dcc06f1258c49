// Every input at its worst: a seeded storm of events, among them windows of one pixel and none,
// and thousands of presses of each step key.
#include "test_window.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <utility>

// No OpenGL error, every value and the projection finite, the gear list there, the message
// terminated.
static void expectSoundFrame() {
    EXPECT_EQ(glErrorsRead(), 0); // the program reads one error a frame
    const CameraPose& p = app.pose;
    for (double value :
         {p.camX, p.camY, p.camZ, p.camPitch, p.camYaw, double(app.path.pathProgress),
          double(app.fadeLevel), double(app.frameDelta)})
        EXPECT_TRUE(std::isfinite(value)) << value;
    for (int slot = 0; slot < oscSlotsInUse; ++slot)
        EXPECT_TRUE(std::isfinite(oscValue(oscBank, slot, 1, 1, 0) + oscBank.oscRate[slot]))
            << slot;
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_TRUE(std::all_of(m, m + 16, [](float v) { return std::isfinite(v); })) << "projection";
    EXPECT_TRUE(glIsList(GLuint(gear.list)) &&
                std::memchr(textOverlay.messageText, 0, messageCapacity));
}

TEST(InputSoak, AHundredThousandRandomEventsKeepEveryFrameSound) {
    startTestProgram(true);
    const unsigned seed = 1;
    std::mt19937 rng(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(rng); };
    for (int event = 1, ms = 0, list = gear.list; event <= 100000; ++event) {
        int x = pick(-100000, 100000), y = pick(-100000, 100000), key = pick(0, 254);
        key += key >= 27; // every code but Escape
        switch (pick(0, 5)) {
        case 0:
            handleKey(static_cast<unsigned char>(key), x, y);
            if ((key | 32) == 'f') { // until the window really has changed size
                ASSERT_TRUE(runLoopUntil([w = app.windowWidth] { return app.windowWidth != w; }))
                    << "event " << event;
            }
            break;
        case 1: handleSpecialKey(pick(-2, 120), x, y); break;
        case 2: handleSpecialKeyUp(pick(-2, 120), x, y); break;
        case 3: handlePointerMotion(x, y); break;
        case 4: handleMouseButton(pick(0, 4), pick(0, 1), x, y); break;
        default:
            const int sizes[][2] = {{0, 0}, {1, 1}, {4096, 64}, {pick(0, 4096), pick(0, 4096)}};
            handleReshape(sizes[key % 4][0], sizes[key % 4][1]);
        }
        // A gear list that was replaced is freed.
        EXPECT_TRUE(gear.list == list || !glIsList(GLuint(std::exchange(list, gear.list))))
            << event;
        if (event % 50 == 0) { // the clock stalls, jumps seconds or minutes, or runs on
            int step = pick(0, 19);
            renderFrameAt(ms += step == 0 ? 0 : step == 1 ? pick(1000, 600000) : pick(1, 40));
            expectSoundFrame();
            ASSERT_FALSE(HasFailure()) << "seed " << seed << ", event " << event;
        }
    }
}

TEST(InputSoak, TenThousandPressesOfEachStepKeyKeepTheClusterInThePictureAndFramesFinite) {
    startTestProgram(true);
    handleKey('r', 0, 0); // full brightness, whatever the fade-in had reached
    const float largest = std::numeric_limits<float>::max(),
                smallest = std::numeric_limits<float>::min(); // positive and normal
    SimSettings& s = settings;
    float* const stepped[] = {&s.lightRotateSpeed, &s.movementSpeed, &s.rotateSpeed, &s.objectSize,
                              &s.cameraZ,          &s.mainSpeed,     &s.speed};
    // The ten step keys, then Page Down, Page Up, End and Home, each pair falling then rising;
    // frames come after the title.
    for (int key = 0, ms = 10000; key < 14; ++key) {
        for (int press = 0; press < 10000; ++press)
            key < 10 ? handleKey("()_+-=[]{}"[key], 0, 0)
                     : handleSpecialKey(GLUT_KEY_PAGE_UP + (key ^ 1) - 10, 0, 0);
        renderFrameAt(ms += 20);
        expectSoundFrame();
        // Each key reaches its end of the range, and the next steps back from it to the other;
        // the camera comes no nearer than where the far plane still lies beyond the near one.
        if (key == 8 || key == 9) {
            EXPECT_TRUE(key == 8 ? settings.cameraZ == -13.9f : settings.cameraZ > 480);
            settings.cameraZ = 1.5f;
            continue;
        }
        EXPECT_EQ(*stepped[key / 2], key % 2 ? largest : smallest) << "key " << key;
        Picture picture = readPicture();
        int lit = 0; // of the 200 x 200 pixels in the middle, where the cluster stands
        for (int y = -100; y < 100; ++y)
            for (int x = -100; x < 100; ++x)
                lit += picture.at(picture.width / 2 + x, picture.height / 2 + y)[1] > 0;
        EXPECT_GT(lit, 4000) << "key " << key;
    }
    // Every speed at the largest float, in longest frames: still finite after as many frames as
    // it takes a float progress to overflow.
    handleReshape(64, 64);
    for (int frame = 0, ms = 30000; frame < 400; ++frame)
        renderFrameAt(ms += 100);
    expectSoundFrame();
}

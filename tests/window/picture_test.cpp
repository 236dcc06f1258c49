// What the keys and the window system do to the picture and the cursor.
#include "picture_difference.h"
#include "test_window.h"

#include "anim/random.h"

#include <algorithm>

namespace {

// The frame at `ms` drawn after `change` from the state the program is in now, which is put back
// afterwards: calls with the same `ms` draw the same frame but for what `change` does.
Picture frameAfter(
    int ms, const std::function<void()>& change = [] {}) {
    const AppState state = app;
    const OscillatorBank bank = oscBank;
    const SimSettings values = settings;
    seedRandom(5);
    change();
    renderFrameAt(ms);
    const Picture picture = readPicture();
    app = state, oscBank = bank, settings = values;
    return picture;
}

// The mean difference of neighbouring lit pixels in a row: how much detail the gears show.
double detail(const Picture& p) {
    long sum = 0, pairs = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 1; x < p.width; ++x) {
            const unsigned char *a = p.at(x - 1, y), *b = p.at(x, y);
            if (!(a[0] | a[1] | a[2]) || !(b[0] | b[1] | b[2])) continue;
            sum += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]), ++pairs;
        }
    return double(sum) / double(std::max(pairs, 1L));
}

} // namespace

// The mode stays the scene's after the frame's text (w's message, the readout, the help), which
// is drawn filled and leaves depth writes and its capabilities as it found them.
TEST(Picture, PolygonModeKeyStepsOpenGLThroughLinesPointsAndFill) {
    startTestProgram(true);
    pressKeys("c?");
    int ms = 20000;
    for (GLint expected : {GL_LINE, GL_POINT, GL_FILL}) {
        handleKey('w', 0, 0);
        renderFrameAt(ms += 50);
        GLint mode[2], depthWrites;
        glGetIntegerv(GL_POLYGON_MODE, mode), glGetIntegerv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_TRUE(mode[0] == expected && mode[1] == expected && depthWrites)
            << "front " << mode[0] << ", back " << mode[1] << ", expected " << expected;
        for (GLenum cap : {GL_BLEND, GL_TEXTURE_2D, GL_ALPHA_TEST, GL_DEPTH_TEST})
            EXPECT_FALSE(glIsEnabled(cap)) << "capability " << cap;
    }
}

// Turning every gear by one tooth leaves its outline in place: an image generated in object
// space turns with the gears, one in eye space or by the sphere map stays; the sphere map shows
// the image magnified, without the detail it has at eye scale.
TEST(Picture, TextureModesTurnTheImageWithTheGearsOrKeepItAtEyeScaleOrMagnified) {
    startTestProgram(true);
    handleKey('u', 0, 0); // no stars
    renderFrameAt(20000);
    const double oneTooth = std::asin(36.0 / 400) / 10; // the spin's phase for 36 degrees
    double detailOf[3];
    for (int mode : {texGenSphereMap, texGenObjectLinear, texGenEyeLinear}) {
        auto spun = [mode](double phase) {
            return [=] { settings.texGenMode = mode, oscBank.oscPhase[oscGearSpin] = phase; };
        };
        const Picture still = frameAfter(20000, spun(0));
        const long moved = comparePictures(still.rgb, frameAfter(20000, spun(oneTooth)).rgb).far;
        EXPECT_TRUE(mode == texGenObjectLinear ? moved > 50000 : moved < 100)
            << "mode " << mode << ": " << moved << " samples changed as the gears turned";
        detailOf[mode] = detail(still);
    }
    EXPECT_LT(3 * detailOf[texGenSphereMap], detailOf[texGenEyeLinear]) << "sphere map, eye";
}

// Unlit, untextured gears take one colour a frame. Lit, they keep it where they face away from
// the light, which sits where the cluster's centre is with the camera at rest, and brighten where
// they face it: here with the camera four units back. OpenGL holds the white light's levels.
TEST(Picture, SpotlightKeyBrightensTheGearsFacingTheLightAndDarkensNone) {
    startTestProgram(true);
    pressKeys("utv"); // no stars, no textures, the manual camera
    app.pose.camZ = 4;
    renderFrameAt(23050); // after the messages
    EXPECT_EQ(frameAfter(23050).litColours(), 1u) << "textured gears: t leaves texturing on";
    const Picture flat = frameAfter(23050), lit = frameAfter(23050, [] { pressKeys("s"); });
    int darker = 0, brighter = 0;
    for (size_t i = 0; i < flat.rgb.size(); ++i)
        darker += lit.rgb[i] + 1 < flat.rgb[i], brighter += lit.rgb[i] > flat.rgb[i] + farSample;
    EXPECT_EQ(darker, 0) << "samples darker under the light";
    EXPECT_GT(brighter, 100000) << "samples brighter under the light";
    std::vector<GLfloat> c(20);
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, &c[0]), glGetLightfv(GL_LIGHT0, GL_AMBIENT, &c[4]);
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, &c[8]), glGetLightfv(GL_LIGHT0, GL_SPECULAR, &c[12]);
    glGetMaterialfv(GL_BACK, GL_SPECULAR, &c[16]);
    EXPECT_EQ(c, std::vector<GLfloat>({.5f,  .5f, .5f,  1,    .5f,  .5f, .5f,  1,    .75f, .75f,
                                       .75f, 1,   .99f, .99f, .99f, 1,   .99f, .99f, .99f, 1}));
}

// Hours of turning (ten million degrees) leave a half-degree turn as visible as at the start.
TEST(Picture, HoursOfTurningLeaveAHalfDegreeTurnAsVisibleAsAtTheStart) {
    startTestProgram(true);
    pressKeys("rv");
    app.input.mouseDX = app.input.mouseDY = app.input.mouseMoved = 0;
    renderFrameAt(20000);
    auto turned = [](double turns) {
        return [=] { app.pose.camYaw = app.pose.camPitch = 360 * turns + 40.5; };
    };
    EXPECT_TRUE(frameAfter(20000, turned(0)).rgb == frameAfter(20000, turned(27778)).rgb);
}

// Closing the help clears colour and depth at once, before any frame, when clearing is on.
TEST(Picture, ClosingTheHelpClearsTheBuffersAtOnceUnlessInHyperspace) {
    startTestProgram(true);
    for (bool hyperspace : {false, true}) {
        if (hyperspace) handleKey(' ', 0, 0);
        handleKey('?', 0, 0);
        renderFrameAt(hyperspace ? 21000 : 20000);
        ASSERT_GT(readPicture().litPixels(), 10000) << "nothing drawn under the help";
        handleKey('?', 0, 0);
        std::vector<float> depth(1024 * 768);
        glReadPixels(0, 0, 1024, 768, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        const auto far = std::count(depth.begin(), depth.end(), 1.0f);
        EXPECT_EQ(readPicture().litPixels() == 0, !hyperspace)
            << "colour, hyperspace " << hyperspace;
        EXPECT_EQ(far == 1024 * 768, !hyperspace) << far << " far, hyperspace " << hyperspace;
    }
}

TEST(WindowSystem, FullScreenKeyGoesToA512SquareWindowWithAnArrowAndBackHidingIt) {
    startTestProgram(true);
    EXPECT_EQ(visibleCursorPixels(), 0) << "at start";
    for (int side : {512, 1024}) {
        handleKey('f', 0, 0);
        ASSERT_TRUE(runLoopUntil([&] { return app.windowWidth == side; }));
        EXPECT_EQ(app.windowHeight, side == 512 ? 512 : 768);
        const int cursor = visibleCursorPixels();
        EXPECT_TRUE(side == 512 ? cursor > 20 : cursor == 0)
            << cursor << " in a window of " << side;
    }
}

// Every key command, special key and pointer report: the value it sets, its bounds, its message.
#include "test_window.h"

#include "app/reset.h"

#include <cstring>
#include <sstream>
// After GoogleTest, whose names Xlib's macros would replace.
#include <GL/glx.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// An int or float setting, read and written as a double.
struct Field {
    Field(int* value) : i(value) {}
    Field(float* value) : f(value) {}
    Field(double* value) : d(value) {}
    int* i = nullptr;
    float* f = nullptr;
    double* d = nullptr;
    double get() const { return i ? double(*i) : f ? double(*f) : *d; }
    void set(double v) const { i ? void(*i = int(v)) : void(*f = float(v)); }
};

// Each of `keys` (or the special key `special`, released when negative) is pressed again and
// again from `start`. `presses` holds what each press leaves, separated by '|': the value, a
// '*' when a clear is pending afterwards, then the message after a space (none: left alone).
struct KeyRow {
    const char* keys;
    Field field;
    double start;
    const char* presses;
    int special = 0;
};

const KeyRow rows[] = {
    {",", &settings.fovDegrees, 178, "179 FOV: 179 Degrees\n|179 FOV: 179 Degrees\n"},
    {".", &settings.fovDegrees, 2, "1 FOV:   1 Degrees\n|1 FOV:   1 Degrees\n"},
    {"(", &settings.lightRotateSpeed, 1, "0.9 Light Rotate Speed: 0.90\n"},
    {")", &settings.lightRotateSpeed, 1, "1.111111 Light Rotate Speed: 1.11\n"},
    {"+", &settings.movementSpeed, 1, "1.111111 Movement Speed: 1.11\n"},
    {"_", &settings.movementSpeed, 1, "0.9 Movement Speed: 0.90\n"},
    {"-", &settings.rotateSpeed, 2, "1.8 Rotate Speed: 1.80\n"},
    {"=", &settings.rotateSpeed, 2, "2.222222 Rotate Speed: 2.22\n"},
    {"[", &settings.objectSize, 1, "0.95 Object Size: 0.95\n"},
    {"]", &settings.objectSize, 1, "1.055555 Object Size: 1.06\n"},
    {"{", &settings.cameraZ, 0.05, "0 CameraZ: 0.00\n|-0.05 CameraZ: -0.05\n"},
    {"}", &settings.cameraZ, 1.5, "1.55 CameraZ: 1.55\n"},
    {"cC", &settings.clockOn, 0, "1 Frame/Second Clock On|0 Frame/Second Clock Off"},
    {"pP", &app.flags.paused, 0, "1 Pause Motion|0 Continue Motion"},
    {"tT", &settings.texturesOn, 1, "0 Textures Off|1 Textures On"},
    {"uU", &settings.universeOn, 1, "0 Universe Off|1 Universe On"},
    {"vV", &settings.cameraMode, 0, "1 Camera 2: Manual Mouse/Arrow Key Control|0 Camera 1: Auto"},
    {"wW", &settings.polyMode, 0,
     "1 PolyMode 2/3: Lines|2 PolyMode 3/3: Points|0 PolyMode 1/3: Polygons"},
    {"sS", &settings.spotlightOn, 0, "1|0"},
    {" ", &settings.clearEachFrame, 1, "0|1"},
    {"/?", &app.flags.helpVisible, 0, "1|0"},
    {"\x1b", &app.flags.helpVisible, 1, "0"},
    {"\x1b", &settings.clearEachFrame, 0, "1"},
    {"fF", &settings.cameraMode, 1, "0|1*"},
    {"rR", &settings.fovDegrees, 50, "100* Reset"},
    {"<", &settings.tesselation, 2, "1 Tesselation: 2\n|1 Tesselation: 2\n"},
    {">", &settings.tesselation, 19, "20 Tesselation: 40\n|20 Tesselation: 40\n"},
    {"iI", &settings.imageIndex, 0,
     "1 Image 1/4: Metal|2 Image 2/4: FishEye|3 Image 3/4: TarnishedBrass|4 Image 4/4: Mona Lisa|"
     "0 Image 0/4: Wood"},
    {"nN", &app.flags.hashCounter, 14, "15 # : 15|0 # : 0"},
    {"oO", &settings.texGenMode, 0,
     "1 Option 1/2: Object Map|2 Option 2/2: Eye Map|0 Option 0/2: Sphere Map"},
    {"lL", &settings.letterbox, 4,
     "5* Letterbox: 5|6* Letterbox: 6|5* Letterbox: 5|4* Letterbox: 4|3* Letterbox: 3|"
     "2* Letterbox: 2|1* Letterbox: 1|0* Letterbox: 0|1* Letterbox: 1"},
    {"", &settings.mainSpeed, 1, "1.111111* Main Speed: 1.11\n", GLUT_KEY_PAGE_UP},
    {"", &settings.mainSpeed, 1, "0.9* Main Speed: 0.90\n", GLUT_KEY_PAGE_DOWN},
    {"", &settings.speed, 1, "1.111111* Speed: 1.11\n", GLUT_KEY_HOME},
    {"", &settings.speed, 1, "0.9* Speed: 0.90\n", GLUT_KEY_END},
    {"", &app.input.arrowKeys, 0, "1*", GLUT_KEY_LEFT},
    {"", &app.input.arrowKeys, 0, "2*", GLUT_KEY_RIGHT},
    {"", &app.input.arrowKeys, 0, "8*", GLUT_KEY_DOWN},
    {"", &app.input.arrowKeys, 15, "7*|7*", -GLUT_KEY_DOWN},
    {"", &app.input.arrowKeys, 5, "5*", GLUT_KEY_F1},
};

const char* const untouched = "(untouched)";

} // namespace

// Each key in the table, then every other key code: those change nothing but cancel a pending
// clear.
TEST(Controls, EachKeySetsItsValueWithinItsBoundsAndShowsItsMessageAndOthersChangeNothing) {
    startTestProgram();
    std::string listed;
    for (const KeyRow& row : rows)
        for (const char* key = row.special ? "#" : (listed += row.keys, row.keys); *key; ++key) {
            resetProgram(0);
            app.flags.paused = app.flags.helpVisible = app.input.arrowKeys = 0;
            app.flags.fullScreen = 1;
            row.field.set(row.start);
            std::istringstream presses(row.presses);
            for (std::string expected; std::getline(presses, expected, '|');) {
                SCOPED_TRACE(std::string("key '") + *key + "' " + std::to_string(row.special));
                std::strcpy(textOverlay.messageText, untouched);
                app.flags.clearPending = 1; // every ordinary key cancels a pending clear first
                row.special > 0   ? handleSpecialKey(row.special, 0, 0)
                : row.special < 0 ? handleSpecialKeyUp(-row.special, 0, 0)
                                  : handleKey(*key, 0, 0);
                char* rest;
                EXPECT_NEAR(row.field.get(), std::strtod(expected.c_str(), &rest), 1e-6) << "value";
                EXPECT_EQ(app.flags.clearPending, *rest == '*') << "pending clear";
                rest += *rest == '*';
                EXPECT_STREQ(textOverlay.messageText, *rest ? rest + 1 : untouched);
                EXPECT_EQ(gear.teeth, 2 * settings.tesselation) << "teeth of the gear list";
            }
        }
    auto state = [] {
        auto bytes = [](const void* at, size_t size) { return std::string((const char*)at, size); };
        return bytes(&settings, sizeof settings) + bytes(&app, sizeof app) +
               bytes(&textOverlay, sizeof textOverlay) + bytes(&gear, sizeof gear);
    };
    for (int code = 0; code < 256; ++code) {
        if (listed.find(static_cast<char>(code)) != std::string::npos) continue;
        app.flags.clearPending = 0;
        const std::string before = state();
        app.flags.clearPending = 1;
        handleKey(static_cast<unsigned char>(code), 0, 0);
        EXPECT_TRUE(state() == before) << "key code " << code;
    }
}

// r after every setting in the key table (but the help, the counter and the arrows, which it
// leaves), the pause, the quit fade and the camera have been changed through the keys and the
// pointer: each is back at what start-up set.
TEST(Controls, ResetKeyRestoresEverySettingThePauseTheFadeAndTheCamera) {
    startTestProgram(true);
    std::vector<std::pair<std::string, Field>> fields = {
        {"fade", &app.fadeLevel}, {"quitting", &app.flags.quitting}, {"camX", &app.pose.camX},
        {"camZ", &app.pose.camZ}, {"camPitch", &app.pose.camPitch},  {"camYaw", &app.pose.camYaw}};
    for (const KeyRow& row : rows)
        if (row.field.i != &app.flags.helpVisible && row.field.i != &app.flags.hashCounter &&
            row.field.i != &app.input.arrowKeys)
            fields.push_back(
                {"the value of key " + (row.keys + std::to_string(row.special)), row.field});
    std::vector<double> startUp;
    for (const auto& field : fields)
        startUp.push_back(field.second.get());
    renderFrameAt(5000);
    pressKeys(",l<stuwoic=+}])p");
    handleSpecialKey(GLUT_KEY_PAGE_UP, 0, 0), handleSpecialKey(GLUT_KEY_HOME, 0, 0);
    handleKey('v', 0, 0), handleSpecialKey(GLUT_KEY_UP, 0, 0), handlePointerMotion(470, 360);
    renderFrameAt(5050); // the manual camera turns and walks
    handleKey(27, 0, 0);
    renderFrameAt(5100);  // the quit fade begins
    handleKey(' ', 0, 0); // Escape switched clearing on
    for (size_t i = 0; i < startUp.size(); ++i)
        ASSERT_NE(fields[i].second.get(), startUp[i]) << fields[i].first << " was not changed";
    handleKey('r', 0, 0);
    for (size_t i = 0; i < startUp.size(); ++i)
        EXPECT_EQ(fields[i].second.get(), startUp[i]) << fields[i].first << " after r";
}

// GLUT's own loop with real input. In automatic mode the pointer and the arrows move nothing.
// In manual mode Up held walks on every frame, 2 units a second of that frame's time along the
// heading (freeglut reports each warp back at the rest point), and forty moves of the pointer 10
// pixels right and 5 down turn the view right by 40 degrees and down by 20, give or take a move
// lost between a warp and its report. The X server has the pointer back at (450, 350) in the
// window.
TEST(Controls, ManualCameraOnGlutsOwnLoopWalksEveryFrameAndTurnsWithThePointer) {
    startTestProgram();
    Display* x = XOpenDisplay(nullptr);
    ASSERT_TRUE(x);
    XAutoRepeatOff(x); // Up is held: one press, one release
    auto key = [x](KeySym sym, bool down) {
        XTestFakeKeyEvent(x, XKeysymToKeycode(x, sym), down, 0), XSync(x, False);
    };
    auto movePointer = [x](int dx, int dy) { // to the rest point plus (dx, dy) in the window
        int screenX, screenY;
        Window child;
        XTranslateCoordinates(x, glXGetCurrentDrawable(), DefaultRootWindow(x), pointerRestX + dx,
                              pointerRestY + dy, &screenX, &screenY, &child);
        XTestFakeMotionEvent(x, -1, screenX, screenY, 0), XSync(x, False);
    };
    std::vector<View> views;
    auto frames = [&views](size_t count) {
        ASSERT_TRUE(runLoopUntil([&, end = views.size() + count] { return views.size() >= end; }));
    };
    recordViews(&views);
    key(XK_Up, true), movePointer(37, -23);
    XTestFakeButtonEvent(x, 1, True, 0), XTestFakeButtonEvent(x, 1, False, 0);
    frames(5);
    for (const View& view : views)
        EXPECT_TRUE(view.yaw == 0 && view.pitch == 0 && std::abs(view.x) < 1e-9)
            << "automatic mode";
    key(XK_v, true), key(XK_v, false);
    ASSERT_TRUE(runLoopUntil([] { return settings.cameraMode == cameraManual; }));
    views.clear();
    frames(10);
    for (int move = 0; move < 40; ++move)
        movePointer(10, 5), frames(3);
    recordViews(nullptr);
    key(XK_Up, false);
    Window root, child;
    int rootX, rootY, atX, atY;
    unsigned buttons;
    XQueryPointer(x, glXGetCurrentDrawable(), &root, &child, &rootX, &rootY, &atX, &atY, &buttons);
    EXPECT_TRUE(atX == 450 && atY == 350) << "the pointer rests at " << atX << ", " << atY;
    XAutoRepeatOn(x), XCloseDisplay(x);

    double walked = 0, time = 0;
    int walking = 0;
    for (size_t i = 0; i + 1 < views.size(); ++i) {
        const double step = 2.0 * views[i].frameTime, yaw = views[i].yaw * M_PI / 180,
                     dx = views[i + 1].x - views[i].x, dz = views[i + 1].z - views[i].z;
        EXPECT_TRUE(std::abs(dx - std::sin(yaw) * step) < 1e-4 &&
                    std::abs(dz + std::cos(yaw) * step) < 1e-4)
            << "frame " << i << " walked " << std::hypot(dx, dz) << " of " << step;
        walked += std::hypot(dx, dz), time += views[i].frameTime,
            walking += std::hypot(dx, dz) > 1e-4;
    }
    const double turn = views.back().yaw - views.front().yaw,
                 down = views.back().pitch - views.front().pitch;
    std::printf("walked %.2f units a second, on %d of %zu frames; turned %.1f and %.1f degrees\n",
                walked / time, walking, views.size() - 1, turn, down);
    EXPECT_TRUE(turn >= 36 && turn <= 44) << turn << " degrees";
    EXPECT_TRUE(down >= 18 && down <= 22) << down << " degrees down";
}

TEST(Controls, ArrowsStepTwoUnitsPerSecondAlongTheYawHeadingInTheHorizontalPlane) {
    // clang-format off
    const double cases[][4] = { // arrows held, yaw in degrees, then the step in x and in z
        {arrowUp, 0, 0, -1},   {arrowUp, 90, 1, 0},    {arrowDown, 90, -1, 0},
        {arrowLeft, 0, -1, 0}, {arrowRight, 90, 0, 1}, {arrowUp | arrowRight, 0, 1, -1},
        {arrowLeft | arrowRight, 30, 0, 0}, {arrowUp | arrowDown, 30, 0, 0}, {0, 30, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        CameraPose pose{0, 0, 0, 40, c[1]};
        moveManualCamera(PointerInput{int(c[0]), 0, 0, 0}, pose, 0.5f);
        const std::string arrows = "arrows " + std::to_string(int(c[0])) + " at yaw ";
        EXPECT_NEAR(pose.camX, c[2], 1e-6) << arrows << c[1] << ": x";
        EXPECT_NEAR(pose.camZ, c[3], 1e-6) << arrows << c[1] << ": z";
        EXPECT_EQ(pose.camY, 0) << arrows << c[1] << ": y";
    }
}

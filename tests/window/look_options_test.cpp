// Each look option against the keys it stands for: the same settings and OpenGL state a frame
// after start, no key message, and a first frame cleared of whatever the buffer held.
#include "test_window.h"

namespace {

struct LookCase {
    std::vector<const char*> options;
    const char* keys; // '^' for Page Up
};

// The settings the keys reach, the gear's teeth and the OpenGL state a frame leaves behind.
std::vector<double> lookState() {
    const SimSettings& s = settings;
    // clang-format off
    std::vector<double> state = {double(s.fovDegrees), double(s.letterbox), double(s.tesselation),
        double(s.universeOn), double(s.clearEachFrame), double(s.spotlightOn), double(s.texturesOn),
        double(s.polyMode), double(s.cameraMode), double(s.texGenMode), double(s.imageIndex),
        double(s.clockOn), s.rotateSpeed, s.movementSpeed, s.cameraZ, s.mainSpeed,
        double(gear.teeth), double(app.flags.letterboxStep), double(glIsEnabled(GL_LIGHT0))};
    // clang-format on
    GLint ints[4];
    glGetIntegerv(GL_POLYGON_MODE, ints), state.insert(state.end(), ints, ints + 2);
    glGetIntegerv(GL_VIEWPORT, ints), state.insert(state.end(), ints, ints + 4);
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, ints), state.push_back(ints[0]);
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    state.insert(state.end(), projection, projection + 16);
    return state;
}

void PrintTo(const LookCase& c, std::ostream* out) {
    for (const char* option : c.options)
        *out << option << ' ';
}

class LookOption : public testing::TestWithParam<LookCase> {};

} // namespace

TEST_P(LookOption, SetsWhatItsKeysSetWithoutAMessage) {
    const LookCase& c = GetParam();
    startTestProgram(true, nullptr, c.options);
    // The buffers hold something else before the first frame.
    glClearColor(1, 0, 1, 1), glClear(GL_COLOR_BUFFER_BIT), glClearColor(0, 0, 0, 1);
    const TextLine hint = messageLine("Press ? key for Help Screen");
    for (const TextLine& line : textDrawnAt(1000))
        if (line.x == hint.x && line.y == hint.y) {
            EXPECT_EQ(line, hint) << "a message in the first frame";
        }
    const Picture first = readPicture();
    for (size_t i = 0; i < first.rgb.size(); i += 3)
        ASSERT_FALSE(first.rgb[i] == 255 && first.rgb[i + 1] == 0 && first.rgb[i + 2] == 255)
            << "the first frame left the buffer's old pixels";
    const std::vector<double> byOption = lookState();

    handleKey('r', 0, 0);
    for (const char* key = c.keys; *key; ++key)
        *key == '^' ? handleSpecialKey(GLUT_KEY_PAGE_UP, 0, 0) : handleKey(*key, 0, 0);
    renderFrameAt(1000);
    EXPECT_EQ(byOption, lookState());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, LookOption, testing::Values(
    LookCase{{"--image", "metal"}, "i"}, LookCase{{"--image", "fisheye"}, "ii"},
    LookCase{{"--image", "brass"}, "iii"}, LookCase{{"--image", "portrait"}, "iiii"},
    LookCase{{"--texture-mode=sphere"}, "oo"}, LookCase{{"--fps"}, "c"},
    LookCase{{"--texture-mode", "eye"}, "o"}, LookCase{{"--no-textures"}, "t"},
    LookCase{{"--polygon-mode", "lines"}, "w"}, LookCase{{"--polygon-mode", "points"}, "ww"},
    LookCase{{"--spotlight"}, "s"}, LookCase{{"--no-stars"}, "u"}, LookCase{{"--hyperspace"}, " "},
    LookCase{{"--tessellation", "7"}, ">>"}, LookCase{{"--fov", "98"}, ".."},
    LookCase{{"--letterbox", "3"}, "lll"}, LookCase{{"--camera-z", "1.45"}, "{"},
    LookCase{{"--main-speed", "1.111111"}, "^"}, LookCase{{"--rotate-speed", "1.8"}, "-"},
    LookCase{{"--movement-speed=1.111111"}, "+"}));
// clang-format on

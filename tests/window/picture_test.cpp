// What the keys do to the picture: polygon mode, textures, the help screen's close and the
// camera's nearest distance, read back from OpenGL.
#include "gl_record.h"
#include "test_window.h"

#include "app/globals.h"
#include "platform/glut_callbacks.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

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

// Unlit gears without a texture take one colour a frame; with one they show the picture.
TEST(Picture, TexturesKeyLeavesTheGearsOneFlatColour) {
    startTestProgram(true);
    handleKey('u', 0, 0); // no stars
    renderFrameAt(20000);
    EXPECT_GT(readPicture().litColours(), 50u) << "textured gears";
    handleKey('t', 0, 0);
    renderFrameAt(23050); // after its message
    const Picture flat = readPicture();
    EXPECT_GT(flat.litPixels(), 10000) << "no gears drawn";
    EXPECT_EQ(flat.litColours(), 1u) << "untextured gears";
}

// Closing the help clears colour and depth at once, before any frame, when clearing is on.
TEST(Picture, ClosingTheHelpClearsTheBuffersAtOnceUnlessInHyperspace) {
    startTestProgram(true);
    const int side = 1024 * 768;
    for (bool hyperspace : {false, true}) {
        SCOPED_TRACE(hyperspace ? "hyperspace" : "clearing on");
        if (hyperspace) handleKey(' ', 0, 0);
        handleKey('?', 0, 0);
        renderFrameAt(hyperspace ? 21000 : 20000);
        ASSERT_GT(readPicture().litPixels(), 10000) << "nothing drawn under the help";
        handleKey('?', 0, 0);
        std::vector<float> depth(side);
        glReadPixels(0, 0, 1024, 768, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        const auto far = static_cast<size_t>(std::count(depth.begin(), depth.end(), 1.0f));
        EXPECT_EQ(readPicture().litPixels() == 0, !hyperspace) << "colour cleared";
        EXPECT_EQ(far == depth.size(), !hyperspace) << "depth cleared: " << far << " of " << side;
    }
}

// The nearest camera distance keeps a far plane beyond the near one, and frames that show it.
TEST(Picture, CameraDistanceStopsWhileTheFarPlaneLiesBeyondTheNearOne) {
    startTestProgram(true);
    for (int press = 0; press < 2000; ++press)
        handleKey('{', 0, 0);
    renderFrameAt(20000); // no text: the projection read back is the scene's
    double m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    const double nearPlane = m[14] / (m[10] - 1), farPlane = m[14] / (m[10] + 1);
    EXPECT_NEAR(nearPlane, 0.02, 1e-6);
    EXPECT_GT(farPlane, nearPlane + 0.05) << "far plane";
    handleKey('{', 0, 0);
    EXPECT_EQ(textDrawnAt(20050), std::vector<TextLine>{messageLine("CameraZ: -13.90\n")});
}

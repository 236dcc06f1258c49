// The OpenGL state the cluster, the light and the stars leave behind (where the gears sit and
// the object-linear planes shape the start-up picture, which the reference frame checks).
#include "test_window.h"

#include "app/frame.h"
#include "app/globals.h"
#include "scene/projection.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

TEST(SceneWindow, ClusterLightAndStarsLeaveOnlyTheirSettingsBehind) {
    startTestProgram();
    settings.spotlightOn = 1, settings.imageIndex = 2, settings.cameraZ = 2.5f;
    const GLint modes[] = {GL_SPHERE_MAP, GL_OBJECT_LINEAR, GL_EYE_LINEAR};
    for (int mode = 0; mode < 3; ++mode) {
        settings.texGenMode = mode, app.fadeLevel = 1 - float(mode) * 0.5f;
        setupProjection(settings, app.windowWidth, app.windowHeight);
        glTranslatef(1, 2, 3); // a camera pose that the light ignores
        drawScene();
        starField.drawStars();
        for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
                           GL_TEXTURE_GEN_Q, GL_DEPTH_TEST})
            EXPECT_FALSE(glIsEnabled(cap)) << "capability " << cap << " in mode " << mode;
        GLint s, t, q, bound;
        glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &s);
        glGetTexGeniv(GL_T, GL_TEXTURE_GEN_MODE, &t);
        glGetTexGeniv(GL_Q, GL_TEXTURE_GEN_MODE, &q);
        EXPECT_TRUE(s == modes[mode] && t == modes[mode] && (mode == 0 || q == GL_OBJECT_LINEAR))
            << "texture generation modes " << s << ", " << t << ", " << q << " in mode " << mode;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(GLuint(bound), textureTable.names[3]) << "image 2 is not slot 3's texture";
        GLfloat got[6][4];
        glGetLightfv(GL_LIGHT0, GL_AMBIENT, got[0]);
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, got[1]);
        glGetLightfv(GL_LIGHT0, GL_SPECULAR, got[2]);
        glGetFloatv(GL_LIGHT_MODEL_AMBIENT, got[3]);
        glGetMaterialfv(GL_FRONT, GL_SPECULAR, got[4]);
        glGetLightfv(GL_LIGHT0, GL_POSITION, got[5]); // in eye coordinates
        const float levels[] = {0.5f, 0.75f, 0.99f, 0.5f, 0.99f};
        for (int i = 0; i < 20; ++i)
            EXPECT_FLOAT_EQ(got[i / 4][i % 4], i % 4 == 3 ? 1 : levels[i / 4] * app.fadeLevel)
                << "colour " << i / 4 << ", channel " << i % 4;
        EXPECT_TRUE(std::hypot(got[5][0], got[5][1], got[5][2] + 2.5f) < 1e-5 && got[5][3] == 1)
            << "the light is not at (0, 0, -cameraZ) in eye space";
    }
    const GLuint stars = starField.displayList;
    ASSERT_TRUE(glIsList(stars));
    starField.releaseStars();
    starField.releaseStars(); // finds nothing left to release
    EXPECT_TRUE(starField.displayList == ~0u && !glIsList(stars));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The one light, fixed relative to the eye: its colours and its place.
#include "scene/lighting.h"

#include "scene/projection.h"

#include <GL/gl.h>

namespace {

// The colours setupSpotlight loads, each channel its level times the fade level, alpha 1.
struct SpotlightColors {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float materialSpecular[4];
};

void fillColor(float out[4], float level, float fade) {
    float value = level * fade;
    out[0] = out[1] = out[2] = value;
    out[3] = 1;
}

SpotlightColors computeSpotlightColors(float ambientLevel, float diffuseLevel, float specularLevel,
                                       float materialSpecularLevel, float fade) {
    SpotlightColors c;
    fillColor(c.ambient, ambientLevel, fade);
    fillColor(c.diffuse, diffuseLevel, fade);
    fillColor(c.specular, specularLevel, fade);
    fillColor(c.materialSpecular, materialSpecularLevel, fade);
    return c;
}

} // namespace

void setupSpotlight(int lightIndex, float ambientLevel, float diffuseLevel, float specularLevel,
                    float materialSpecularLevel, float fade, float cameraZ) {
    static const GLenum lights[8] = {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2, GL_LIGHT3,
                                     GL_LIGHT4, GL_LIGHT5, GL_LIGHT6, GL_LIGHT7};
    static const GLfloat position[4] = {0, 0, 0, 1};
    static const GLfloat direction[3] = {0, 0, 0};
    GLenum light = lights[lightIndex];
    SpotlightColors c = computeSpotlightColors(ambientLevel, diffuseLevel, specularLevel,
                                               materialSpecularLevel, fade);

    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, c.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, c.materialSpecular);
    glLightfv(light, GL_AMBIENT, c.ambient);
    glLightfv(light, GL_DIFFUSE, c.diffuse);
    glLightfv(light, GL_SPECULAR, c.specular);

    glPushMatrix();
    glLoadIdentity();
    loadCameraLookAt(cameraZ);
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_SPOT_DIRECTION, direction);
    glPopMatrix();
    glEnable(light);
}

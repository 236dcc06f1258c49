// Polygon mode, the letterboxed viewport, the perspective projection and the look-at.
#include "scene/projection.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

namespace {

// The vertical view: the field of view narrowed by 29/6 degrees per letterbox step. Where that
// leaves nothing (zero, which GLU ignores) or less (which turns the picture upside down), the
// view keeps the narrowest value that a whole field of view gives at this letterbox, so the
// picture stops narrowing instead.
double narrowedFovy(int fovDegrees, int letterbox) {
    const double narrowing = letterbox / 6.0 * 29;
    const double fovy = fovDegrees - narrowing;
    if (fovy > 0) return fovy;
    return std::floor(narrowing) + 1 - narrowing;
}

} // namespace

ProjectionParams computeProjection(int windowWidth, int windowHeight, int letterbox, int fovDegrees,
                                   float cameraZ) {
    ProjectionParams p{};
    double f = letterbox * 0.05;
    p.bar = static_cast<short>(static_cast<int>(f * windowHeight));
    p.top = static_cast<short>(static_cast<int>((1 - f) * windowHeight));
    p.viewportX = 0;
    p.viewportY = p.bar;
    p.viewportWidth = windowWidth;
    p.viewportHeight = p.top - p.bar;
    p.fovy = narrowedFovy(fovDegrees, letterbox);
    p.aspect = static_cast<double>(windowWidth) / (p.top - p.bar);
    p.zNear = 0.02;
    p.zFar = cameraZ + 14.0;
    return p;
}

void loadCameraLookAt(float cameraZ) {
    gluLookAt(0, 0, cameraZ, 0, 0, cameraZ - 1.0, 0, 1, 0);
}

void setupProjection(const SimSettings& settings, int windowWidth, int windowHeight) {
    static const GLenum polygonModes[polygonModeCount] = {GL_FILL, GL_LINE, GL_POINT};
    if (settings.polyMode >= polygonFill && settings.polyMode <= polygonPoints)
        glPolygonMode(GL_FRONT_AND_BACK, polygonModes[settings.polyMode]);

    ProjectionParams p = computeProjection(windowWidth, windowHeight, settings.letterbox,
                                           settings.fovDegrees, settings.cameraZ);
    glViewport(p.viewportX, p.viewportY, p.viewportWidth, p.viewportHeight);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A window with no picture height (before the first reshape, or minimised) has no
    // meaningful aspect; the projection is set afresh on the next frame that has one.
    if (p.viewportHeight > 0) gluPerspective(p.fovy, p.aspect, p.zNear, p.zFar);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    loadCameraLookAt(settings.cameraZ);
}

// Polygon mode, the letterboxed viewport, the perspective projection and the look-at.
#pragma once

#include "anim/setting_values.h"

// What setupProjection hands to OpenGL, computed from the settings and the window size.
struct ProjectionParams {
    short bar; // height of each letterbox bar
    short top; // upper edge of the picture
    int viewportX, viewportY, viewportWidth, viewportHeight;
    double fovy, aspect, zNear, zFar;
};

ProjectionParams computeProjection(int windowWidth, int windowHeight, int letterbox, int fovDegrees,
                                   float cameraZ);

// Loads the eye on +z at cameraZ looking toward -z, +y up, onto the current matrix.
void loadCameraLookAt(float cameraZ);

// Sets all of the above for the coming frame and leaves the look-at on the modelview matrix.
void setupProjection(const SimSettings& settings, int windowWidth, int windowHeight);

// The automatic camera path with cosine easing, and the view transform of every frame.
#include "anim/camera.h"

#include "app/app_state.h"
#include "app/settings.h"

#include <GL/gl.h>
#include <cmath>
#include <iterator>

const float pathWaypoints[2][5] = {
    {0, 0, 0, 0, 0},
    {0, 0, 3, 0, 0},
};

namespace {

constexpr int waypointCount = static_cast<int>(std::size(pathWaypoints));

// The angle as a float for OpenGL, less its whole turns (fmod is exact): mouse look never
// wraps the angles, and after hours of turning a float would keep only whole degrees of them.
float wholeTurnsDropped(double degrees) {
    return static_cast<float>(std::fmod(degrees, 360.0));
}

} // namespace

double cosInterp(float a, float b, float t) {
    float f = static_cast<float>((1.0 - std::cos(t * 3.141592654)) * 0.5);
    return (1.0 - f) * a + static_cast<double>(f) * b;
}

void advanceCameraPath() {
    float speed = settings.movementSpeed * 0.1f * (1 - app.paused);
    const float* from = pathWaypoints[app.pathFrom];
    const float* to = pathWaypoints[app.pathTo];
    double dx = to[0] - from[0], dy = to[1] - from[1], dz = to[2] - from[2];
    float legLength = static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));

    app.pathProgress += speed * app.frameDelta / legLength;
    if (app.pathProgress >= 1) {
        // Whole legs are dropped; at the highest speeds one frame covers a great many of them.
        const float legs = std::floor(app.pathProgress);
        const int legsOnward = static_cast<int>(std::fmod(legs, static_cast<float>(waypointCount)));
        app.pathProgress -= legs;
        app.pathFrom = (app.pathFrom + legsOnward) % waypointCount;
        app.pathTo = (app.pathTo + legsOnward) % waypointCount;
        from = pathWaypoints[app.pathFrom];
        to = pathWaypoints[app.pathTo];
    }
    app.camX = cosInterp(from[0], to[0], app.pathProgress);
    app.camY = cosInterp(from[1], to[1], app.pathProgress);
    app.camZ = cosInterp(from[2], to[2], app.pathProgress);
    app.camPitch = cosInterp(from[3], to[3], app.pathProgress);
    app.camYaw = cosInterp(from[4], to[4], app.pathProgress);
}

void applyViewTransform() {
    if (settings.cameraMode == 0) {
        if (!app.paused) advanceCameraPath();
    } else if (settings.cameraMode == 1) {
        app.camPitch += app.mouseDY * 0.1;
        app.camYaw += app.mouseDX * 0.1;
    }
    glRotatef(wholeTurnsDropped(app.camPitch), 1, 0, 0);
    glRotatef(wholeTurnsDropped(app.camYaw), 0, 1, 0);
    glTranslatef(static_cast<float>(-app.camX), static_cast<float>(-app.camY),
                 static_cast<float>(-app.camZ));
}

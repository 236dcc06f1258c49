// The automatic camera path with cosine easing, and the view transform of every frame.
#include "anim/camera.h"

#include <GL/gl.h>
#include <cmath>
#include <iterator>

namespace {

// The path's two waypoints: x, y, z, pitch, yaw.
const float pathWaypoints[2][5] = {
    {0, 0, 0, 0, 0},
    {0, 0, 3, 0, 0},
};

const float pathSpeedPerMovementSpeed = 0.1f;
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

void advanceCameraPath(CameraPath& path, CameraPose& pose, float movementSpeed, int paused,
                       float frameDelta) {
    float speed = movementSpeed * pathSpeedPerMovementSpeed * static_cast<float>(1 - paused);
    const float* from = pathWaypoints[path.pathFrom];
    const float* to = pathWaypoints[path.pathTo];
    double dx = to[0] - from[0], dy = to[1] - from[1], dz = to[2] - from[2];
    float legLength = static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));

    path.pathProgress += speed * frameDelta / legLength;
    if (path.pathProgress >= 1) {
        // Whole legs are dropped; at the highest speeds one frame covers a great many of them.
        const float legs = std::floor(path.pathProgress);
        const int legsOnward = static_cast<int>(std::fmod(legs, static_cast<float>(waypointCount)));
        path.pathProgress -= legs;
        path.pathFrom = (path.pathFrom + legsOnward) % waypointCount;
        path.pathTo = (path.pathTo + legsOnward) % waypointCount;
        from = pathWaypoints[path.pathFrom];
        to = pathWaypoints[path.pathTo];
    }
    pose.camX = cosInterp(from[0], to[0], path.pathProgress);
    pose.camY = cosInterp(from[1], to[1], path.pathProgress);
    pose.camZ = cosInterp(from[2], to[2], path.pathProgress);
    pose.camPitch = cosInterp(from[3], to[3], path.pathProgress);
    pose.camYaw = cosInterp(from[4], to[4], path.pathProgress);
}

void applyViewTransform(CameraPath& path, CameraPose& pose, const SimSettings& settings, int paused,
                        float frameDelta) {
    if (settings.cameraMode == cameraAutomatic && !paused)
        advanceCameraPath(path, pose, settings.movementSpeed, paused, frameDelta);
    glRotatef(wholeTurnsDropped(pose.camPitch), 1, 0, 0);
    glRotatef(wholeTurnsDropped(pose.camYaw), 0, 1, 0);
    glTranslatef(static_cast<float>(-pose.camX), static_cast<float>(-pose.camY),
                 static_cast<float>(-pose.camZ));
}

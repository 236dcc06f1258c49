// The automatic camera path with cosine easing, and the view transform of every frame.
#pragma once

#include "anim/setting_values.h"

// Where the camera stands and where it looks, in degrees.
struct CameraPose {
    double camX = 0, camY = 0, camZ = 0;
    double camPitch = 0, camYaw = 0;
};

// The automatic path's current leg and how far along it the camera is.
struct CameraPath {
    int pathFrom = 0;
    int pathTo = 1;
    float pathProgress = 0;
};

// Cosine easing from a (t = 0) to b (t = 1).
double cosInterp(float a, float b, float t);

// Moves along the current leg and rewrites the whole pose from the path.
void advanceCameraPath(CameraPath& path, CameraPose& pose, float movementSpeed, int paused,
                       float frameDelta);

// The path step in automatic mode unless paused, then the camera's rotation and translation
// onto the modelview matrix. In manual mode the pointer has turned the camera just before.
void applyViewTransform(CameraPath& path, CameraPose& pose, const SimSettings& settings, int paused,
                        float frameDelta);

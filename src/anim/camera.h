// The automatic camera path with cosine easing, and the view transform of every frame.
#pragma once

// The path's two waypoints: x, y, z, pitch, yaw.
extern const float pathWaypoints[2][5];

// Cosine easing from a (t = 0) to b (t = 1).
double cosInterp(float a, float b, float t);

// Moves along the current leg and rewrites the whole camera pose from the path.
void advanceCameraPath();

// Mouse look in manual mode, or the path step in automatic mode, then the camera's
// rotation and translation onto the modelview matrix.
void applyViewTransform();

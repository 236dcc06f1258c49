// The camera read back from a frame's modelview matrix, as the program's view transform left it
// at the frame's clear: the look-at (0, 0, cameraZ) to (0, 0, cameraZ - 1) times the camera's
// rotation R and its translation by minus its position p, so m = R (x - p) - (0, 0, cameraZ).
#pragma once

#include <cmath>

struct Camera {
    double yaw, pitch, x, z; // degrees, positive turning right and down
};

inline Camera cameraFromModelview(const double m[16], double cameraZ) {
    const double t[3] = {m[12], m[13], m[14] + cameraZ};
    auto p = [&](int j) { return -(m[4 * j] * t[0] + m[4 * j + 1] * t[1] + m[4 * j + 2] * t[2]); };
    return {std::atan2(-m[2], m[10]) * 180 / M_PI, std::atan2(m[6], m[5]) * 180 / M_PI, p(0), p(2)};
}

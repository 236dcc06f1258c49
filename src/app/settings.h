// The nineteen user settings, the one instance of them and their reset.
#pragma once

#include <limits>

class SimSettings {
  public:
    SimSettings() {}
    virtual ~SimSettings();

    int fovDegrees;     // 1 to 179
    int letterbox;      // 0 to 6
    int tesselation;    // 1 to 20; the gear has twice as many teeth
    int universeOn;     // star field drawn
    int clearEachFrame; // 0 is hyperspace: frames drawn over one another
    int spotlightOn;
    int texturesOn;
    int polyMode;   // 0 fill, 1 lines, 2 points
    int cameraMode; // 0 automatic path, 1 manual
    int texGenMode; // 0 sphere map, 1 object linear, 2 eye linear
    int imageIndex; // 0 to 4
    int clockOn;    // frame-rate readout
    float rotateSpeed;
    float movementSpeed;
    float cameraZ;
    float objectSize;
    float mainSpeed;
    float speed;
    float lightRotateSpeed;
};

extern SimSettings settings;

// The range the keys keep the speed-like settings and objectSize in: above zero, where a
// factor could no longer bring the value back, and finite, where the oscillators would turn
// to NaN.
constexpr float settingSpeedMin = std::numeric_limits<float>::min();
constexpr float settingSpeedMax = std::numeric_limits<float>::max();

// The range of cameraZ. Below -13.98 the far plane, cameraZ + 14, would come before the near
// plane, 0.02; the bound keeps a far plane of at least 0.1. Upwards only finiteness is needed:
// steps of 0.05 stop changing a float long before it overflows (at about a million).
constexpr float cameraZMin = -13.9f;
constexpr float cameraZMax = std::numeric_limits<float>::max();

// Restores every setting, the fade, the pause and the camera pose, and rebuilds the gear.
void resetSettings();

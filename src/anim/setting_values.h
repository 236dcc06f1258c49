// The nineteen user settings, the modes they choose between and the ranges the keys keep.
#pragma once

#include <limits>

// How texture coordinates are generated over the gears (SimSettings::texGenMode).
enum TexGenMode { texGenSphereMap = 0, texGenObjectLinear = 1, texGenEyeLinear = 2 };
constexpr int texGenModeCount = 3;

// How the gears' polygons are drawn (SimSettings::polyMode).
enum PolygonMode { polygonFill = 0, polygonLines = 1, polygonPoints = 2 };
constexpr int polygonModeCount = 3;

// Who moves the camera (SimSettings::cameraMode).
enum CameraMode { cameraAutomatic = 0, cameraManual = 1 };
constexpr int cameraModeCount = 2;

class SimSettings {
  public:
    SimSettings() {}
    virtual ~SimSettings() {}

    int fovDegrees;     // 1 to 179
    int letterbox;      // 0 to 6
    int tesselation;    // 1 to 20; the gear has twice as many teeth
    int universeOn;     // star field drawn
    int clearEachFrame; // 0 is hyperspace: frames drawn over one another
    int spotlightOn;
    int texturesOn;
    int polyMode;   // a PolygonMode
    int cameraMode; // a CameraMode
    int texGenMode; // a TexGenMode
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

// The values the keys reach for the whole-number settings.
constexpr int fovDegreesMin = 1, fovDegreesMax = 179;
constexpr int letterboxMax = 6; // from 0
constexpr int tesselationMin = 1, tesselationMax = 20;
constexpr int imageCount = 5; // imageIndex from 0

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

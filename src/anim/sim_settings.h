// The nineteen user settings, the modes they choose between and the ranges the keys keep.
#pragma once

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

// The range the keys keep the speed-like settings and objectSize in. Repeated steps would
// otherwise reach 0, where a factor can no longer bring the value back, or infinity, where
// the oscillators turn to NaN. At 300 one camera-path step at the longest frame time (0.1 s)
// still covers no more than one leg, so the path stays within its waypoints.
constexpr float settingSpeedMin = 1e-3f;
constexpr float settingSpeedMax = 300.0f;

// The range of cameraZ. At -1 the eye stands 1 unit past the middle of the cluster and the
// gears still fill the middle of the picture; a little further the cluster is behind the eye
// (from about -4), then the stars too (-11), and below -13.98 the far plane, cameraZ + 14,
// comes before the near plane. At 20 the cluster is still about a tenth of the picture wide.
constexpr float cameraZMin = -1.0f;
constexpr float cameraZMax = 20.0f;

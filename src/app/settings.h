// The nineteen user settings, the one instance of them and their reset.
#pragma once

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

// Restores every setting, the fade, the pause and the camera pose, and rebuilds the gear.
void resetSettings();

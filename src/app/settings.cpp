// The nineteen user settings, the one instance of them and their reset.
#include "app/settings.h"

#include "anim/random.h"
#include "app/app_state.h"
#include "scene/gear_mesh.h"

#include <GL/gl.h>

SimSettings::~SimSettings() {}

void resetSettings() {
    seedRandomFromClock(app.nowMs);
    glClearColor(0, 0, 0, 1);
    app.quitTime = 0;
    app.quitting = 0;

    SimSettings& s = settings;
    s.rotateSpeed = 2.0f;
    s.movementSpeed = 1.0f;
    s.mainSpeed = 1.0f;
    s.speed = 1.0f;
    s.fovDegrees = 100;
    s.cameraZ = 1.5f;
    s.objectSize = 1.0f;
    s.lightRotateSpeed = 1.0f;
    s.tesselation = 5;
    s.clearEachFrame = 1;
    s.clockOn = 0;
    s.texGenMode = 1;
    s.imageIndex = 0;
    s.cameraMode = 0;
    s.letterbox = 0;
    s.spotlightOn = 0;
    s.texturesOn = 1;
    s.polyMode = 0;
    s.universeOn = 1;

    app.fadeLevel = 1.0f;
    app.paused = 0;
    app.camX = app.camY = app.camZ = 0;
    app.camPitch = app.camYaw = 0;
    buildGearList();
}

// The reset that start-up and the r key share: seed, settings, fade, pause, camera, oscillators.
#include "app/reset.h"

#include "anim/random.h"
#include "app/globals.h"

#include <GL/gl.h>

void resetProgram(unsigned seed) {
    seedRandom(seed);
    glClearColor(0, 0, 0, 1);
    app.flags.quitTime = 0;
    app.flags.quitting = 0;

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
    s.texGenMode = texGenObjectLinear;
    s.imageIndex = 0;
    s.cameraMode = cameraAutomatic;
    s.letterbox = 0;
    s.spotlightOn = 0;
    s.texturesOn = 1;
    s.polyMode = polygonFill;
    s.universeOn = 1;

    app.fadeLevel = 1.0f;
    app.flags.paused = 0;
    app.pose.camX = app.pose.camY = app.pose.camZ = 0;
    app.pose.camPitch = app.pose.camYaw = 0;
    buildGearList(gear, s.tesselation);
    initOscillators(oscBank, oscSlotsInUse);
}

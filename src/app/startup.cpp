// Start-up shared by both hosts: the clock, the seeds and the scene's first state.
#include "app/startup.h"

#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/globals.h"
#include "app/image_problems.h"
#include "app/settings.h"
#include "controls/pointer.h"
#include "scene/projection.h"

#include <GL/gl.h>
#include <chrono>

namespace {

// Offsets the start-up seeds, which would otherwise be the same in every run.
unsigned startSeedBase = 0;

void setFixedState() {
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 5);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.0f);
    glDisable(GL_DITHER);

    // Fog stands ready but is never switched on.
    static const GLfloat fogColor[4] = {0, 0, 0, 1};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, fogColor);
    glFogf(GL_FOG_START, 0.5f);
    glFogf(GL_FOG_END, 10.0f);
    glFogf(GL_FOG_DENSITY, 0.1f);
}

} // namespace

unsigned steadyClockSeed() {
    auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<unsigned>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

void startClock(unsigned seedBase) {
    // The program's clock counts from the host's start (before glutInit GLUT's elapsed time is
    // an unrelated clock), so start-up runs at time 0; the seed base keeps runs apart.
    app.nowMs = 0;
    app.lastElapsedMs = 0;
    textOverlay.clockMs = &app.nowMs;
    startSeedBase = seedBase;
    seedRandomAtStart(startSeedBase, app.nowMs);
}

bool initScene(bool helpHint, const std::string& imageFolder) {
    seedRandomAtStart(startSeedBase, app.nowMs);
    resetSettings();
    glClearColor(0, 0, 0, 1);
    setupProjection(settings, app.windowWidth, app.windowHeight);
    setFixedState();
    initOscillators(oscBank, oscSlotsInUse);
    starField.buildStars(2000, 8.0f, 4.0f, starCubeShell);
    reportImageProblems(loadTextures(textureTable, imageFolder), imageFolder);
    textOverlay.fontTexture = textureTable.names[fontSlot];
    if (helpHint) textOverlay.showMessage("Press ? key for Help Screen");
    // The pointer starts at the rest point. The window is not shown yet when the host warps it
    // there, so the window system reports no motion for that warp; the manual camera takes it as
    // the report it would have been.
    recordPointer(app.input, pointerRestX, pointerRestY);
    return true;
}

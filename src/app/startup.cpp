// Start-up shared by both hosts: the clock, the seed and the scene's first state.
#include "app/startup.h"

#include "anim/random.h"
#include "app/globals.h"
#include "app/image_problems.h"
#include "app/reset.h"
#include "controls/pointer.h"
#include "scene/projection.h"

#include <GL/gl.h>
#include <chrono>

namespace {

// Offsets the start-up seed, which would otherwise be the same in every run.
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
    startSeedBase = seedBase;
}

bool initScene(bool helpHint, const std::string& imageFolder) {
    // The oscillators draw their random values in the reset, before the star field draws its own.
    resetProgram(startSeed(startSeedBase, app.nowMs));
    glClearColor(0, 0, 0, 1);
    setupProjection(settings, app.windowWidth, app.windowHeight);
    setFixedState();
    starField.buildStars(2000, 8.0f, 4.0f, starCubeShell);
    reportImageProblems(loadTextures(textureTable, imageFolder), imageFolder);
    textOverlay.setFontTexture(textureTable.names[fontSlot]);
    if (helpHint) textOverlay.showMessage("Press ? key for Help Screen", app.nowSec);
    reportPointerAtRest(app.input);
    return true;
}

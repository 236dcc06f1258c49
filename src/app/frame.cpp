// The body of every frame: clock, oscillators, fades, and every drawing step in order.
#include "app/frame.h"

#include "anim/camera.h"
#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/app_state.h"
#include "app/settings.h"
#include "app/startup.h"
#include "controls/help_screen.h"
#include "overlay/text_overlay.h"
#include "scene/lighting.h"
#include "scene/projection.h"
#include "scene/star_field.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <cmath>
#include <cstdlib>

namespace {

const float longestFrame = 0.1f;
const float stalledFrame = 0.05f;
const float fadeInSeconds = 3.0f;
const float titleSeconds = 10.0f;

void drawUniverse() {
    glPushMatrix();
    glRotatef(static_cast<float>(oscValue(1, 0.01, 720, -360)), 0, 1, 0);
    glRotatef(static_cast<float>(oscValue(2, 0.01, 720, -360)), 1, 0, 0);
    glRotatef(static_cast<float>(oscValue(3, 0.01, 720, -360)), 0, 0, 1);
    starField.drawStars();
    glPopMatrix();
}

} // namespace

int (*readElapsedMs)() = [] { return glutGet(GLUT_ELAPSED_TIME); };

void readClock() {
    const auto reading = static_cast<std::uint32_t>(readElapsedMs());
    app.nowMs += static_cast<std::uint32_t>(reading - app.lastElapsedMs);
    app.lastElapsedMs = reading;
}

void advanceClock() {
    app.nowSec = static_cast<double>(app.nowMs) * 0.001;
    app.frameDelta = static_cast<float>(app.nowSec - app.prevSec);
    if (app.frameDelta > longestFrame) app.frameDelta = stalledFrame;
    app.prevSec = app.nowSec;
}

float quitFadeLevel(double nowSec, int quitTime) {
    return static_cast<float>(1 - (nowSec - quitTime) / 3.0);
}

void drawFrame() {
    if (randUnit(1.0) < 0.1) seedRandomFromClock(app.nowMs);
    const double previousSec = app.prevSec;
    advanceClock();
    updateOscillators(20, app.frameDelta, settings, app.paused);

    app.framesThisSecond += 1;
    if (app.nowSec >= app.nextFpsSecond) {
        app.nextFpsSecond += 1.0;
        app.framesPerSecond = app.framesThisSecond;
        app.framesThisSecond = 0;
    }
    // The fade-in follows the clock, in single precision, until 3 s; the first frame at or
    // after 3 s brings full level even when a stall skipped the last steps.
    if (app.nowSec < fadeInSeconds)
        app.fadeLevel = static_cast<float>(app.nowSec) / fadeInSeconds;
    else if (previousSec < fadeInSeconds && !app.quitting)
        app.fadeLevel = 1.0f;

    setupProjection();
    applyViewTransform();
    if (settings.clearEachFrame || app.clearPending)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    app.clearPending = 0;
    if (settings.universeOn) drawUniverse();
    drawScene();

    if (textOverlay.messageExpiry != 0) textOverlay.redrawMessage();
    if (settings.clockOn) textOverlay.drawFrameRate(app.framesPerSecond);
    if (app.helpVisible) drawHelpScreen();

    if (app.quitting) {
        app.fadeLevel = quitFadeLevel(app.nowSec, app.quitTime);
        if (app.fadeLevel < 0.1f) {
            releaseResources();
            std::exit(0);
        }
    }
    if (app.nowSec < titleSeconds) {
        float alpha = static_cast<float>(1 - std::sqrt(static_cast<float>(app.nowSec) / 10.0));
        drawShimmerTitle("Tyvok", static_cast<short>(static_cast<int>(app.windowWidth * 0.1)),
                         static_cast<short>(static_cast<int>(app.windowHeight * 0.2)), 60.0f,
                         alpha);
    }
    textOverlay.checkGlError();
}

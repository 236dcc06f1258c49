// One frame: the program's state updated for the clock, then every drawing step in order.
#include "app/frame.h"

#include "anim/camera.h"
#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/clearing.h"
#include "app/globals.h"
#include "controls/help_screen.h"
#include "controls/pointer.h"
#include "overlay/shimmer_title.h"
#include "overlay/text_layout.h"
#include "scene/gear_cluster.h"
#include "scene/lighting.h"
#include "scene/projection.h"

#include <GL/gl.h>
#include <cmath>

namespace {

const float longestFrame = 0.1f;
const float stalledFrame = 0.05f;
const float fadeInSeconds = 3.0f;
const double quitFadeSeconds = 3.0;
const float quitFadeEnd = 0.1f;
const float titleSeconds = 10.0f;
const double reseedChance = 0.1;

void drawUniverse() {
    glPushMatrix();
    glRotatef(static_cast<float>(oscValue(oscBank, oscStarsTurnY, 0.01, 720, -360)), 0, 1, 0);
    glRotatef(static_cast<float>(oscValue(oscBank, oscStarsTurnX, 0.01, 720, -360)), 1, 0, 0);
    glRotatef(static_cast<float>(oscValue(oscBank, oscStarsTurnZ, 0.01, 720, -360)), 0, 0, 1);
    starField.drawStars();
    glPopMatrix();
}

// The frame's clock steps: nowSec from nowMs, and the time since the last frame, a longer one
// than longestFrame counted as stalledFrame.
void advanceClock() {
    app.nowSec = static_cast<double>(app.nowMs) * 0.001;
    app.frameDelta = static_cast<float>(app.nowSec - app.prevSec);
    if (app.frameDelta > longestFrame) app.frameDelta = stalledFrame;
    app.prevSec = app.nowSec;
}

// The quit fade's level at `nowSec`; below quitFadeEnd the program ends.
float quitFadeLevel(double nowSec, int quitTime) {
    return static_cast<float>(1 - (nowSec - quitTime) / quitFadeSeconds);
}

// The window's size from the last reshape in the logical pixels that text is laid out in.
int textWidth() {
    return logicalPixels(app.windowWidth, textOverlay.textScale());
}
int textHeight() {
    return logicalPixels(app.windowHeight, textOverlay.textScale());
}

void drawTitle() {
    // The title fades by the clock in single precision.
    float alpha = static_cast<float>(
        1 - std::sqrt(static_cast<float>(app.nowSec) / static_cast<double>(titleSeconds)));
    const TitlePlace place = titlePlace(textWidth(), textHeight());
    drawShimmerTitle(textOverlay, oscBank, "Tyvok", place.x, place.y, 60.0f, alpha);
}

// The update that comes before any drawing: the occasional reseed, the clock, the oscillators,
// the frame-rate count and the fade-in.
void updateForClock() {
    if (randUnit(1.0) < reseedChance) seedRandom(clockSeed(app.nowMs));
    const double previousSec = app.prevSec;
    advanceClock();
    updateOscillators(oscBank, oscSlotsInUse, app.frameDelta, settings, app.flags.paused);
    countFrameRate(app);
    // The fade-in follows the clock, in single precision, until 3 s; the first frame at or
    // after 3 s brings full level even when a stall skipped the last steps.
    if (app.nowSec < fadeInSeconds)
        app.fadeLevel = static_cast<float>(app.nowSec) / fadeInSeconds;
    else if (previousSec < fadeInSeconds && !app.flags.quitting)
        app.fadeLevel = 1.0f;
}

// The scene pass: the light when lighting is on, the camera step, then the gear cluster.
void drawScene(const FrameHost& host) {
    if (settings.spotlightOn)
        setupSpotlight(0, 0.5f, 0.75f, 0.99f, 0.99f, app.fadeLevel, settings.cameraZ);
    // The camera steps here as well as in the view transform, after the stars have been drawn
    // from the old pose: the automatic path moves twice a frame, and the manual camera puts
    // the pointer back and walks only now, between the stars and the gears.
    if (settings.cameraMode == cameraManual)
        recentrePointerAndWalk(app.input, app.pose, app.frameDelta, host.warpPointer);
    else
        advanceCameraPath(app.path, app.pose, settings.movementSpeed, app.flags.paused,
                          app.frameDelta);
    drawGearCluster(settings, oscBank, gear, pictureTexture(textureTable, settings.imageIndex),
                    app.fadeLevel);
}

} // namespace

void advanceProgramClock(std::uint32_t reading) {
    app.nowMs += static_cast<std::uint32_t>(reading - app.lastElapsedMs);
    app.lastElapsedMs = reading;
}

void reshapeView(int width, int height) {
    app.windowWidth = width;
    app.windowHeight = height;
    glViewport(0, 0, width, height);
}

void setTextScale(double scale) {
    textOverlay.setTextScale(scale);
}

void countFrameRate(AppState& state) {
    state.framesThisSecond += 1;
    if (state.nowSec < state.nextFpsSecond) return;
    // After a stall the next count closes a whole second after this one, not on each of the
    // frames that follow until the count has caught up with the clock.
    if (state.nowSec >= state.nextFpsSecond + 1.0)
        state.nextFpsSecond = std::floor(state.nowSec) + 1.0;
    else
        state.nextFpsSecond += 1.0;
    state.framesPerSecond = state.framesThisSecond;
    state.framesThisSecond = 0;
}

FrameEnd drawFrame(const FrameHost& host) {
    updateForClock();

    setupProjection(settings, app.windowWidth, app.windowHeight);
    if (settings.cameraMode == cameraManual) lookWithPointer(app.input, app.pose);
    applyViewTransform(app.path, app.pose, settings, app.flags.paused, app.frameDelta);
    clearForFrame();
    if (settings.universeOn) drawUniverse();
    drawScene(host);

    if (textOverlay.messageExpiry != 0) textOverlay.redrawMessage(app.nowSec);
    if (settings.clockOn) textOverlay.drawFrameRate(app.framesPerSecond, textWidth());
    if (app.flags.helpVisible) drawHelpScreen(textOverlay, textHeight());

    // The quit fade follows the scene it dims from the next frame on; once complete the program
    // ends here, before the title.
    if (app.flags.quitting) {
        app.fadeLevel = quitFadeLevel(app.nowSec, app.flags.quitTime);
        if (app.fadeLevel < quitFadeEnd) return FrameEnd::quit;
    }
    if (app.nowSec < titleSeconds) drawTitle();
    textOverlay.checkGlError(textWidth(), app.nowSec);
    return FrameEnd::drawn;
}

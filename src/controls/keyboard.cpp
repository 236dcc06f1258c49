// The keyboard commands: settings, toggles, cycles, reset, help and Escape.
#include "controls/keyboard.h"

#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/app_state.h"
#include "app/settings.h"
#include "controls/setting_steps.h"
#include "overlay/text_overlay.h"
#include "scene/gear_mesh.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

const double cameraZStep = 0.05;

// Flips an integer flag and returns the new value.
int toggle(int& flag) {
    return flag = flag ? 0 : 1;
}

void toggleMessage(int& flag, const char* whenOn, const char* whenOff) {
    textOverlay.showMessage(toggle(flag) ? whenOn : whenOff);
}

void stepCameraZ(double delta) {
    settings.cameraZ =
        static_cast<float>(std::clamp(settings.cameraZ + delta, static_cast<double>(cameraZMin),
                                      static_cast<double>(cameraZMax)));
    textOverlay.showValue("CameraZ: %4.2f\n", settings.cameraZ);
}

void stepFieldOfView(int delta) {
    settings.fovDegrees += delta;
    if (settings.fovDegrees > 179) settings.fovDegrees = 179;
    if (settings.fovDegrees < 1) settings.fovDegrees = 1;
    textOverlay.showValue("FOV: %3.0f Degrees\n", settings.fovDegrees);
}

void quit() {
    app.quitTime = static_cast<int>(app.nowSec);
    app.quitting = 1;
    settings.clearEachFrame = 1;
    app.helpVisible = 0;
}

void toggleHelp() {
    if (!toggle(app.helpVisible) && settings.clearEachFrame)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void toggleFullScreen() {
    if (!toggle(app.fullScreen)) {
        settings.cameraMode = 0;
        glutReshapeWindow(windowedSide, windowedSide);
        glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
    } else {
        settings.cameraMode = 1;
        glutFullScreen();
        glutSetCursor(GLUT_CURSOR_NONE);
        app.clearPending = 1;
    }
}

void cycleLetterbox() {
    if (std::abs(app.letterboxStep) != settings.letterbox) app.letterboxStep = settings.letterbox;
    app.letterboxStep = app.letterboxStep == 6 ? -5 : app.letterboxStep + 1;
    settings.letterbox = std::abs(app.letterboxStep);
    textOverlay.showNumber("Letterbox: %d", settings.letterbox);
    app.clearPending = 1;
}

void reset() {
    seedRandomFromClock(app.nowMs);
    resetSettings();
    initOscillators(20);
    textOverlay.showMessage("Reset");
    app.clearPending = 1;
}

void stepTesselation(int delta) {
    int next = settings.tesselation + delta;
    if (next >= 1 && next <= 20) settings.tesselation = next;
    textOverlay.showNumber("Tesselation: %d\n", 2 * settings.tesselation);
    buildGearList();
}

} // namespace

void handleKey(unsigned char key, int, int) {
    app.clearPending = 0;
    switch (std::toupper(key)) {
    case 27: quit(); break;
    case ' ': toggle(settings.clearEachFrame); break;
    case '(':
        scaleSetting(settings.lightRotateSpeed, stepDown, "Light Rotate Speed: %4.2f\n");
        break;
    case ')': scaleSetting(settings.lightRotateSpeed, stepUp, "Light Rotate Speed: %4.2f\n"); break;
    case '+': scaleSetting(settings.movementSpeed, stepUp, "Movement Speed: %4.2f\n"); break;
    case '_': scaleSetting(settings.movementSpeed, stepDown, "Movement Speed: %4.2f\n"); break;
    case '-': scaleSetting(settings.rotateSpeed, stepDown, "Rotate Speed: %4.2f\n"); break;
    case '=': scaleSetting(settings.rotateSpeed, stepUp, "Rotate Speed: %4.2f\n"); break;
    case '[': scaleSetting(settings.objectSize, sizeStepDown, "Object Size: %4.2f\n"); break;
    case ']': scaleSetting(settings.objectSize, sizeStepUp, "Object Size: %4.2f\n"); break;
    case ',': stepFieldOfView(+1); break;
    case '.': stepFieldOfView(-1); break;
    case '{': stepCameraZ(-cameraZStep); break;
    case '}': stepCameraZ(+cameraZStep); break;
    case '/':
    case '?': toggleHelp(); break;
    case 'C':
        toggleMessage(settings.clockOn, "Frame/Second Clock On", "Frame/Second Clock Off");
        break;
    case 'F': toggleFullScreen(); break;
    case 'L': cycleLetterbox(); break;
    case 'P': toggleMessage(app.paused, "Pause Motion", "Continue Motion"); break;
    case 'R': reset(); break;
    case 'S': toggle(settings.spotlightOn); break;
    case 'T': toggleMessage(settings.texturesOn, "Textures On", "Textures Off"); break;
    case 'U': toggleMessage(settings.universeOn, "Universe On", "Universe Off"); break;
    case 'V':
        settings.cameraMode = (settings.cameraMode + 1) % 2;
        textOverlay.showMessage(settings.cameraMode == 0
                                    ? "Camera 1: Auto"
                                    : "Camera 2: Manual Mouse/Arrow Key Control");
        break;
    case 'W': {
        static const char* const modes[3] = {"PolyMode 1/3: Polygons", "PolyMode 2/3: Lines",
                                             "PolyMode 3/3: Points"};
        settings.polyMode = settings.polyMode == 2 ? 0 : settings.polyMode + 1;
        textOverlay.showMessage(modes[settings.polyMode]);
        break;
    }
    default: break;
    }
    handleSceneKey(key);
}

void handleSceneKey(unsigned char key) {
    switch (std::toupper(key)) {
    case '<': stepTesselation(-1); break;
    case '>': stepTesselation(+1); break;
    case 'I': {
        static const char* const images[5] = {"Image 0/4: Wood", "Image 1/4: Metal",
                                              "Image 2/4: FishEye", "Image 3/4: TarnishedBrass",
                                              "Image 4/4: Mona Lisa"};
        settings.imageIndex = settings.imageIndex >= 4 ? 0 : settings.imageIndex + 1;
        textOverlay.showMessage(images[settings.imageIndex]);
        break;
    }
    case 'N':
        app.hashCounter = app.hashCounter == 15 ? 0 : app.hashCounter + 1;
        textOverlay.showNumber("# : %d", app.hashCounter);
        break;
    case 'O': {
        static const char* const options[3] = {"Option 0/2: Sphere Map", "Option 1/2: Object Map",
                                               "Option 2/2: Eye Map"};
        settings.texGenMode = settings.texGenMode >= 2 ? 0 : settings.texGenMode + 1;
        textOverlay.showMessage(options[settings.texGenMode]);
        break;
    }
    default: break;
    }
}

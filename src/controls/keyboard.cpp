// The keyboard commands: settings, toggles, cycles, help and Escape.
#include "controls/keyboard.h"

#include "controls/key_steps.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

const double cameraZStep = 0.05;
const int hashCounterMax = 15;

// Flips an integer flag and returns the new value.
int toggle(int& flag) {
    return flag = flag ? 0 : 1;
}

void toggleMessage(const KeyTargets& t, int& flag, const char* whenOn, const char* whenOff) {
    t.text.showMessage(toggle(flag) ? whenOn : whenOff, t.nowSec);
}

void stepCameraZ(const KeyTargets& t, double delta) {
    t.settings.cameraZ =
        static_cast<float>(std::clamp(t.settings.cameraZ + delta, static_cast<double>(cameraZMin),
                                      static_cast<double>(cameraZMax)));
    t.text.showValue("CameraZ: %4.2f\n", t.settings.cameraZ, t.nowSec);
}

void stepFieldOfView(const KeyTargets& t, int delta) {
    SimSettings& s = t.settings;
    s.fovDegrees += delta;
    if (s.fovDegrees > fovDegreesMax) s.fovDegrees = fovDegreesMax;
    if (s.fovDegrees < fovDegreesMin) s.fovDegrees = fovDegreesMin;
    t.text.showValue("FOV: %3.0f Degrees\n", s.fovDegrees, t.nowSec);
}

void quit(const KeyTargets& t) {
    t.flags.quitTime = static_cast<int>(t.nowSec);
    t.flags.quitting = 1;
    t.settings.clearEachFrame = 1;
    t.flags.helpVisible = 0;
}

KeyAction toggleHelp(const KeyTargets& t) {
    return toggle(t.flags.helpVisible) ? KeyAction::none : KeyAction::helpClosed;
}

KeyAction toggleFullScreen(const KeyTargets& t) {
    if (!toggle(t.flags.fullScreen)) {
        t.settings.cameraMode = cameraAutomatic;
        return KeyAction::enterWindow;
    }
    t.settings.cameraMode = cameraManual;
    t.flags.clearPending = 1;
    return KeyAction::enterFullScreen;
}

// The bars grow to six, then shrink through five to none: the step runs 1 to 6, then -5 to 0.
void cycleLetterbox(const KeyTargets& t) {
    int& step = t.flags.letterboxStep;
    int& letterbox = t.settings.letterbox;
    if (std::abs(step) != letterbox) step = letterbox;
    step = step == letterboxMax ? 1 - letterboxMax : step + 1;
    letterbox = std::abs(step);
    t.text.showNumber("Letterbox: %d", letterbox, t.nowSec);
    t.flags.clearPending = 1;
}

void stepTesselation(const KeyTargets& t, int delta) {
    int next = t.settings.tesselation + delta;
    if (next >= tesselationMin && next <= tesselationMax) t.settings.tesselation = next;
    t.text.showNumber("Tesselation: %d\n", 2 * t.settings.tesselation, t.nowSec);
    buildGearList(t.gear, t.settings.tesselation);
}

// The keys that rebuild the gear or cycle the image, the texture-generation mode and a counter;
// every key reaches them after the other commands.
void handleSceneKey(unsigned char key, const KeyTargets& t) {
    SimSettings& s = t.settings;
    switch (std::toupper(key)) {
    case '<': stepTesselation(t, -1); break;
    case '>': stepTesselation(t, +1); break;
    case 'I': {
        static const char* const images[imageCount] = {
            "Image 0/4: Wood", "Image 1/4: Metal", "Image 2/4: FishEye",
            "Image 3/4: TarnishedBrass", "Image 4/4: Mona Lisa"};
        s.imageIndex = s.imageIndex >= imageCount - 1 ? 0 : s.imageIndex + 1;
        t.text.showMessage(images[s.imageIndex], t.nowSec);
        break;
    }
    case 'N':
        t.flags.hashCounter = t.flags.hashCounter == hashCounterMax ? 0 : t.flags.hashCounter + 1;
        t.text.showNumber("# : %d", t.flags.hashCounter, t.nowSec);
        break;
    case 'O': {
        static const char* const options[texGenModeCount] = {
            "Option 0/2: Sphere Map", "Option 1/2: Object Map", "Option 2/2: Eye Map"};
        s.texGenMode = s.texGenMode >= texGenEyeLinear ? texGenSphereMap : s.texGenMode + 1;
        t.text.showMessage(options[s.texGenMode], t.nowSec);
        break;
    }
    default: break;
    }
}

} // namespace

KeyAction pressKey(unsigned char key, const KeyTargets& t) {
    SimSettings& s = t.settings;
    TextOverlay& text = t.text;
    KeyAction action = KeyAction::none;
    t.flags.clearPending = 0;
    switch (std::toupper(key)) {
    case 27: quit(t); break;
    case ' ': toggle(s.clearEachFrame); break;
    case '(':
        scaleSetting(s.lightRotateSpeed, stepDown, "Light Rotate Speed: %4.2f\n", text, t.nowSec);
        break;
    case ')':
        scaleSetting(s.lightRotateSpeed, stepUp, "Light Rotate Speed: %4.2f\n", text, t.nowSec);
        break;
    case '+':
        scaleSetting(s.movementSpeed, stepUp, "Movement Speed: %4.2f\n", text, t.nowSec);
        break;
    case '_':
        scaleSetting(s.movementSpeed, stepDown, "Movement Speed: %4.2f\n", text, t.nowSec);
        break;
    case '-': scaleSetting(s.rotateSpeed, stepDown, "Rotate Speed: %4.2f\n", text, t.nowSec); break;
    case '=': scaleSetting(s.rotateSpeed, stepUp, "Rotate Speed: %4.2f\n", text, t.nowSec); break;
    case '[':
        scaleSetting(s.objectSize, sizeStepDown, "Object Size: %4.2f\n", text, t.nowSec);
        break;
    case ']': scaleSetting(s.objectSize, sizeStepUp, "Object Size: %4.2f\n", text, t.nowSec); break;
    case ',': stepFieldOfView(t, +1); break;
    case '.': stepFieldOfView(t, -1); break;
    case '{': stepCameraZ(t, -cameraZStep); break;
    case '}': stepCameraZ(t, +cameraZStep); break;
    case '/':
    case '?': action = toggleHelp(t); break;
    case 'C': toggleMessage(t, s.clockOn, "Frame/Second Clock On", "Frame/Second Clock Off"); break;
    case 'F': action = toggleFullScreen(t); break;
    case 'L': cycleLetterbox(t); break;
    case 'P': toggleMessage(t, t.flags.paused, "Pause Motion", "Continue Motion"); break;
    case 'R': action = KeyAction::reset; break;
    case 'S': toggle(s.spotlightOn); break;
    case 'T': toggleMessage(t, s.texturesOn, "Textures On", "Textures Off"); break;
    case 'U': toggleMessage(t, s.universeOn, "Universe On", "Universe Off"); break;
    case 'V':
        s.cameraMode = (s.cameraMode + 1) % cameraModeCount;
        text.showMessage(s.cameraMode == cameraAutomatic
                             ? "Camera 1: Auto"
                             : "Camera 2: Manual Mouse/Arrow Key Control",
                         t.nowSec);
        break;
    case 'W': {
        static const char* const modes[polygonModeCount] = {
            "PolyMode 1/3: Polygons", "PolyMode 2/3: Lines", "PolyMode 3/3: Points"};
        s.polyMode = s.polyMode == polygonPoints ? polygonFill : s.polyMode + 1;
        text.showMessage(modes[s.polyMode], t.nowSec);
        break;
    }
    default: break;
    }
    handleSceneKey(key, t);
    return action;
}

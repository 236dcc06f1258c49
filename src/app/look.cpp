// A look chosen before the first frame: what the keys would set, given on the command line.
#include "app/look.h"

#include "app/globals.h"

void applyLook(const Look& look) {
    SimSettings& s = settings;
    s.imageIndex = look.imageIndex.value_or(s.imageIndex);
    s.texGenMode = look.texGenMode.value_or(s.texGenMode);
    s.polyMode = look.polyMode.value_or(s.polyMode);
    s.fovDegrees = look.fovDegrees.value_or(s.fovDegrees);
    s.cameraZ = look.cameraZ.value_or(s.cameraZ);
    s.mainSpeed = look.mainSpeed.value_or(s.mainSpeed);
    s.rotateSpeed = look.rotateSpeed.value_or(s.rotateSpeed);
    s.movementSpeed = look.movementSpeed.value_or(s.movementSpeed);
    if (look.letterbox) s.letterbox = app.flags.letterboxStep = *look.letterbox;
    if (look.noTextures) s.texturesOn = 0;
    if (look.spotlight) s.spotlightOn = 1;
    if (look.noStars) s.universeOn = 0;
    if (look.frameRate) s.clockOn = 1;
    if (look.hyperspace) s.clearEachFrame = 0, app.flags.clearPending = 1;
    if (look.tesselation && *look.tesselation != s.tesselation) {
        s.tesselation = *look.tesselation;
        buildGearList(gear, s.tesselation);
    }
}

// The reset of every user setting, the fade, the pause and the camera pose.
#pragma once

// Restores every setting, the fade, the pause and the camera pose, and rebuilds the gear.
void resetSettings();

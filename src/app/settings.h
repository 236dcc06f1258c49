// The reset of every user setting, the fade, the pause and the camera pose.
#pragma once

// Restores every setting, the fade, the pause and the camera pose, and rebuilds the gear. The
// caller seeds the random sequence first: start-up with its own seed, the r key from the clock.
void resetSettings();

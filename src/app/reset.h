// The reset that start-up and the r key share: seed, settings, fade, pause, camera, oscillators.
#pragma once

// Seeds the random sequence with `seed`, restores every setting, the fade, the pause and the
// camera pose, rebuilds the gear and randomises the oscillators. Start-up seeds with its seed
// base added, the r key with the clock alone.
void resetProgram(unsigned seed);

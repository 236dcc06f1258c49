// The flags the keys set and every frame reads: window, pause, pending clear, help, quitting.
#pragma once

struct RunFlags {
    int fullScreen = 1;
    int paused = 0;
    int clearPending = 0;
    int helpVisible = 0;
    int letterboxStep = 0;
    int hashCounter = 0;
    // Escape sets quitting; quitTime is the whole second it was pressed.
    int quitting = 0;
    int quitTime = 0;
};

// The size of the window when it is not full screen.
constexpr int windowedSide = 512;

// The GLUT host's callbacks: each window-system event handed to the program, and the frames.
#pragma once

#include "app/frame.h"

void handleKey(unsigned char key, int x, int y);
void handleSpecialKey(int key, int x, int y);
void handleSpecialKeyUp(int key, int x, int y);
void handlePointerMotion(int x, int y);
void handleMouseButton(int button, int state, int x, int y);
void handleReshape(int width, int height);
void handleWindowStatus(int state);
void handleIdle();
void handleDisplay();

// The text overlay lays text out in the window's current size, which GLUT reports.
void noteWindowSize();

// At most `maxFps` frames a second from now on; 0: no limit.
void limitFrameRate(int maxFps);

// What a frame asks of GLUT's window: the pointer warped.
extern const FrameHost glutFrameHost;

// GLUT's elapsed time in milliseconds, an int that wraps after 2^32 ms (and turns negative
// after 2^31 ms). Reads glutGet(GLUT_ELAPSED_TIME) unless replaced.
extern int (*readElapsedMs)();

// Advances the program's clock to readElapsedMs(). Called once a frame, before drawFrame.
void readClock();

// The GLUT host's callbacks, defined in glut_host.cpp: each event handed to its layer.
#pragma once

void handleKey(unsigned char key, int x, int y);
void handleSpecialKey(int key, int x, int y);
void handleSpecialKeyUp(int key, int x, int y);
void handlePointerMotion(int x, int y);
void handleMouseButton(int button, int state, int x, int y);
void handleReshape(int width, int height);
void handleWindowStatus(int state);
void handleIdle();
void handleDisplay();

// GLUT's elapsed time in milliseconds, an int that wraps after 2^32 ms (and turns negative
// after 2^31 ms). Reads glutGet(GLUT_ELAPSED_TIME) unless replaced.
extern int (*readElapsedMs)();

// Advances the program's clock to readElapsedMs(). Called once a frame, before drawFrame.
void readClock();

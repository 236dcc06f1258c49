// The GLUT callbacks: each hands the event to its layer with the state that layer acts on.
#pragma once

void handleKey(unsigned char key, int x, int y);
void handleSpecialKey(int key, int x, int y);
void handleSpecialKeyUp(int key, int x, int y);
void handlePointerMotion(int x, int y);
void handleMouseButton(int button, int state, int x, int y);
void handleReshape(int width, int height);
void handleIdle();
void handleDisplay();

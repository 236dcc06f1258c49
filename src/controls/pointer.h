// Arrow keys, Page Up/Down, Home/End, the pointer and the manual camera that walks with them.
#pragma once

void handleSpecialKey(int key, int x, int y);
void handleSpecialKeyUp(int key, int x, int y);
void handlePointerMotion(int x, int y);
void handleMouseButton(int which, int state, int x, int y);

// Walks the camera in the horizontal plane along its yaw heading by the held arrow keys.
void moveManualCamera();

// The manual camera's step of the scene pass: once a pointer report has arrived, puts the
// pointer back at the rest point and walks.
void recentrePointerAndWalk();

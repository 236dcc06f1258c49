// The keyboard commands: settings, toggles, cycles, reset, help and Escape.
#pragma once

// The GLUT keyboard callback: cancels a pending clear, acts on the key, then hands the same
// key to handleSceneKey.
void handleKey(unsigned char key, int x, int y);

// The keys that rebuild the gear or cycle the image, the texture-generation mode and a counter.
void handleSceneKey(unsigned char key);

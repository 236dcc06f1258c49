// A frame's picture limit: the same frame, state and triangles, drawn the leanest way.
#pragma once

// Readies the lean gear for the current tessellation; call after any change of it.
void prepareLimit();

// The program's own frame, as GLUT's display callback draws it, without the swap.
void drawProgramFrame();

// Draws the current frame as drawFrame does, but with the gear's repeated vertices dropped
// and the help screen and frame-rate readout drawn as one array of quads. The frame is not
// swapped.
void drawLimitFrame();

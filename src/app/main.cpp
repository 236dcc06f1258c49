// Tyvok's entry point: start up, then hand control to GLUT's main loop for good.
#include "app/startup.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    startTyvok(&argc, argv, steadyClockSeed());
    glutMainLoop();
    return 0;
}

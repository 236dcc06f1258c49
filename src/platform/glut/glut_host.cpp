// The host with a window of its own: GLUT opens it, delivers the input and runs the frames.
#include "platform/glut/glut_host.h"

#include "app/frame.h"
#include "app/globals.h"
#include "app/look.h"
#include "app/startup.h"
#include "platform/glut/glut_callbacks.h"
#include "platform/glut/window_class.h"
#include "platform/host_events.h"
#include "platform/xft_scale.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glx.h>
#include <cstdio>
#include <cstdlib>
#include <string>

void startGlutHost(int* argc, char** argv, unsigned seedBase, const CommandLine& options) {
    startClock(seedBase);
    limitFrameRate(options.maxFps);

    // glutInit places the window by -geometry; it reads it with the size written out, which
    // it would otherwise leave undefined.
    static std::string geometry;
    geometry = options.geometry;
    if (options.geometryArgument > 0) argv[options.geometryArgument] = geometry.data();
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    // The window opens at its windowed size before going full screen: leaving full screen
    // restores the size the window had before, whatever size is asked for at that moment.
    glutInitWindowSize(options.windowWidth, options.windowHeight);
    glutCreateWindow("Tyvok");
    setWindowClass(glXGetCurrentDisplay(), glXGetCurrentDrawable());
    setTextScale(options.textScale ? *options.textScale : desktopTextScale(glXGetCurrentDisplay()));
    if (!options.startWindowed)
        glutFullScreen();
    else
        app.flags.fullScreen = 0;

    glutKeyboardFunc(handleKey);
    glutSpecialFunc(handleSpecialKey);
    glutSpecialUpFunc(handleSpecialKeyUp);
    glutMouseFunc(handleMouseButton);
    glutPassiveMotionFunc(handlePointerMotion);
    glutMotionFunc(handlePointerMotion);
    glutReshapeFunc(handleReshape);
    glutWindowStatusFunc(handleWindowStatus);
    glutDisplayFunc(handleDisplay);
    glutIdleFunc(handleIdle);

    // Before the first reshape the window has the size it was created with.
    noteWindowSize();
    if (!initScene(true, options.imageFolder)) {
        std::printf("App cannot initialize.\n");
        std::exit(0);
    }
    applyLook(options.look);
    if (!options.startWindowed) {
        glutWarpPointer(pointerRestX, pointerRestY);
        glutSetCursor(GLUT_CURSOR_NONE);
    } else {
        glutSetCursor(GLUT_CURSOR_LEFT_ARROW); // the pointer is left where it is, as after f
    }
}

void startTyvok(int* argc, char** argv, unsigned seedBase) {
    startGlutHost(argc, argv, seedBase, parseCommandLine(*argc, argv, {}).options);
}

int runGlutHost(int* argc, char** argv, const CommandLine& options) {
    startGlutHost(argc, argv, steadyClockSeed(), options);
    catchStopSignals();
    glutMainLoop();
    return 0;
}

// When colour and depth are cleared: by each frame, once after a key, at once when the help closes.
#include "app/clearing.h"

#include "app/globals.h"

#include <GL/gl.h>

void clearForFrame() {
    if (settings.clearEachFrame || app.flags.clearPending)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    app.flags.clearPending = 0;
}

void clearForClosedHelp() {
    if (settings.clearEachFrame) glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// A frame's picture limit: the same frame, state and triangles, drawn the leanest way.
#include "picture_limit.h"

#include "app/frame.h"
#include "app/globals.h"
#include "controls/help_screen.h"
#include "lean_gear.h"
#include "lean_text.h"
#include "platform/glut/glut_callbacks.h"

#include <GL/gl.h>
#include <cstdio>
#include <vector>

namespace {

GLuint leanList = 0;
int leanTesselation = 0;

// The same lines, in the same order, that the readout and the help screen draw.
void addOverlayLines(std::vector<TextLine>& lines, char (&readout)[messageCapacity], bool clockOn,
                     bool helpVisible) {
    if (clockOn) {
        std::snprintf(readout, sizeof readout, "%3d Frame/Sec", app.framesPerSecond);
        lines.push_back({readout, static_cast<short>(app.windowWidth - frameRateFromRight),
                         static_cast<short>(textOverlay.messageY), messageSize});
    }
    if (helpVisible) {
        HelpLayout layout = computeHelpLayout(app.windowHeight);
        lines.push_back({"Tyvok", helpHeadingX, layout.headingY, helpHeadingSize});
        for (int line = 0; line < helpLineCount; ++line)
            lines.push_back({helpLines[line], helpLineX, layout.lineY[line], helpLineSize});
    }
}

} // namespace

void prepareLimit() {
    if (leanList != 0 && leanTesselation == settings.tesselation) return;
    if (leanList != 0) glDeleteLists(leanList, 1);
    leanList = buildLeanGearList(settings.tesselation);
    leanTesselation = settings.tesselation;
}

void drawProgramFrame() {
    static_cast<void>(drawFrame(glutFrameHost)); // no frame of the benchmark quits
}

void drawLimitFrame() {
    int programList = gear.list;
    bool clockOn = settings.clockOn != 0, helpVisible = app.flags.helpVisible != 0;
    gear.list = static_cast<int>(leanList);
    settings.clockOn = 0;
    app.flags.helpVisible = 0;
    drawProgramFrame();
    gear.list = programList;
    settings.clockOn = clockOn;
    app.flags.helpVisible = helpVisible;

    // The overlay's lines come last: of what the frame draws after them, the title shows only
    // in the first ten seconds and the error line only after an error.
    static std::vector<TextLine> lines;
    static char readout[messageCapacity];
    lines.clear();
    addOverlayLines(lines, readout, clockOn, helpVisible);
    if (!lines.empty()) drawLeanText(lines);
}

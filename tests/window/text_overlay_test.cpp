// Bitmap-font text on screen and the message line: glyph boxes, restored state, expiry, errors.
#include "app/globals.h"
#include "overlay/shimmer_title.h"
#include "test_window.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>

// Lit pixels of the back buffer in columns x0 to x1 - 1 of text drawn at `y` with `size`.
static int litPixels(int x0, int x1, int y, int size) {
    Picture p = readPicture();
    int lit = 0;
    for (int row = p.height - y; row < p.height - y + size; ++row)
        for (int x = x0; x < x1; ++x)
            lit += p.at(x, row)[0] + p.at(x, row)[1] + p.at(x, row)[2] > 0;
    return lit;
}

TEST(TextOverlay, DrawTextLightsOnlyGlyphBoxesAndRestoresState) {
    startTestProgram();
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE), glViewport(0, 100, 500, 300);
    glClear(GL_COLOR_BUFFER_BIT);
    textOverlay.storeMessage = 0;
    textOverlay.drawText("A B", 100, 200, 40); // boxes of 20 x 40 at x 100 and 136
    int inA = litPixels(100, 120, 200, 40), inB = litPixels(136, 156, 200, 40);
    EXPECT_TRUE(inA > 0 && inB > 0);
    EXPECT_EQ(litPixels(0, app.windowWidth, app.windowHeight, app.windowHeight), inA + inB);
    GLint mode[2], view[4], depthWrites;
    glGetIntegerv(GL_POLYGON_MODE, mode), glGetIntegerv(GL_VIEWPORT, view);
    glGetIntegerv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(mode[0] == GL_LINE && depthWrites && view[1] == 100 && view[3] == 300);
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_TEXTURE_2D) || glIsEnabled(GL_ALPHA_TEST));
    EXPECT_STREQ(textOverlay.messageText, "Press ? key for Help Screen");
    EXPECT_TRUE(textOverlay.storedX == 10 && textOverlay.storedY == 25);
    std::string hundred(100, 'W');
    textOverlay.storeMessage = 1;
    textOverlay.drawText(hundred.c_str(), 5, 300, 20);
    EXPECT_GT(litPixels(5 + 99 * 9, 5 + 99 * 9 + 10, 300, 20), 0); // the hundredth glyph
    EXPECT_EQ(textOverlay.messageText, hundred.substr(0, 79));
}

TEST(TextOverlay, MessageExpiryReadoutsErrorLineAndLongFormats) {
    startTestProgram();
    settings.universeOn = 0;
    app.nowMs = 12000;
    textOverlay.showMessage("Textures On");
    renderFrameAt(14999);
    EXPECT_GT(litPixels(10, 110, 25, 20), 0);
    renderFrameAt(15000);
    EXPECT_TRUE(litPixels(10, 110, 25, 20) == 0 && textOverlay.messageExpiry == 0);
    textOverlay.messageExpiry = 15;
    textOverlay.drawFrameRate(7, app.windowWidth);
    drawShimmerTitle(textOverlay, oscBank, "Tyvok", 102, 153, 60, 0.5f);
    EXPECT_TRUE(textOverlay.messageExpiry == 15 && textOverlay.color[3] == 1);
    EXPECT_TRUE(textOverlay.storedX == 10 && textOverlay.storedY == 25);
    app.nowMs = 20000;
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(0xFFFF);
    textOverlay.checkGlError(app.windowWidth); // the line starts at 40 % of 1024 pixels
    EXPECT_TRUE(litPixels(0, 409, 25, 20) == 0 && litPixels(409, 419, 25, 20) > 0);
    EXPECT_TRUE(textOverlay.messageExpiry == 23 && textOverlay.storeMessage == 1);
    EXPECT_STREQ(textOverlay.messageText, "Textures On");
}

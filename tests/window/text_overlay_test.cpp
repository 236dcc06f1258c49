// The text the user reads, decoded from the font quads the program draws: the help screen,
// key messages and their expiry, the frame-rate readout and the OpenGL error line.
#include "gl_record.h"
#include "test_window.h"

#include "app/callbacks.h"
#include "app/globals.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The help screen's lines as a window 768 pixels high shows them, from line 1; lines 26 and 27
// (null here) are the program's own credits.
const char* const helpText[28] = {
    "Special Controls for this simulation:",
    " <PageUp/Down>  Adjust Main Speed",
    "     shift  <>  Adjust Tesselation: # of Gear Teeth",
    "             i  Images: Toggle Available Textures",
    "             o  Options: Toggle Available: TextureGen Mode",
    "             v  View: Toggle Camera Movement: Auto/Manual:",
    "                 <Mouse>    Adjust Look-At Direction",
    "              <Left/Right>  Sidestep Left/Right",
    "                <Up/Down>   Move Forward/Back",
    "Standard Controls in most simulations where applicable:",
    "  unshifted <>  Adjust Screen Magnification",
    "            -=  Adjust Universe Rotate Speed",
    "    shift   _+  Adjust Universe Movement Speed",
    "    shift   {}  Adjust Closeness (Camera Z)",
    "             c  Clock: Toggle Frame-Per-Seconds",
    "             f  FullScreen/Window Toggle",
    "             l  Letterbox: Adjust Size 0-6",
    "             p  Pause: Toggle On/Off",
    "             r  Reset/Randomize all parameters",
    "             t  Texture: Toggle On-Off",
    "             u  Universe: Toggle Stars On/Off",
    "             w  Wireframe/Points/PolyGon Mode Toggle",
    "        <SPACE> Toggle Hyperspace (non-blanking)",
    "          <ESC> to QUIT",
    "   -------------------------------------------------------- ",
    nullptr,
    nullptr,
    "   <?> to return",
};

TextLine message(const std::string& text) {
    return visibleLine(text, 10, 25, 20);
}

// The text a frame at `ms` draws.
std::vector<TextLine> textAt(int ms) {
    recordText();
    renderFrameAt(ms);
    return recordedText();
}

} // namespace

TEST(TextOnScreen, HelpScreenShowsItsHeadingAndEveryLineInPlace) {
    startTestProgram(true);
    handleKey('?', 0, 0);
    const std::vector<TextLine> lines = textAt(20000); // after the title and the first message
    ASSERT_EQ(lines.size(), 29u) << "the heading and 28 lines, each with something to read";
    EXPECT_EQ(lines[0], visibleLine("Tyvok", 20, 69, 30));
    for (int i = 0; i < 28; ++i) {
        const int y = i < 9 ? 92 + 17 * i : 250 + 17 * (i - 9);
        if (helpText[i])
            EXPECT_EQ(lines[i + 1], visibleLine(helpText[i], 30, y, 18)) << "line " << i + 1;
        else
            EXPECT_TRUE(lines[i + 1].y == y && lines[i + 1].size == 18 && lines[i + 1].x >= 30)
                << "credit line " << i + 1 << ": " << lines[i + 1];
    }
}

TEST(TextOnScreen, AKeysMessageStandsAtTheMessagePlaceForThreeSeconds) {
    startTestProgram(true);
    renderFrameAt(12000);
    recordText();
    handleKey('t', 0, 0);
    EXPECT_EQ(recordedText(), std::vector<TextLine>{message("Textures Off")}) << "at the key";
    EXPECT_EQ(textAt(14999), std::vector<TextLine>{message("Textures Off")});
    EXPECT_EQ(textAt(15000), std::vector<TextLine>{}) << "three seconds after the key";
}

TEST(TextOnScreen, FrameRateReadoutStandsOnTheMessageLine120PixelsFromTheRight) {
    startTestProgram(true);
    handleKey('c', 0, 0);
    std::vector<TextLine> lines;
    for (int ms = 20000; ms < 26000; ms += 100) // ten frames a second, long after the message
        lines = textAt(ms);
    EXPECT_EQ(lines, std::vector<TextLine>{visibleLine(" 10 Frame/Sec", 1024 - 120, 25, 20)});
}

TEST(TextOnScreen, TitleReadoutAndHelpLinesNeverReplaceTheMessage) {
    startTestProgram(true);
    renderFrameAt(5000);
    handleKey('c', 0, 0), handleKey('p', 0, 0), handleKey('?', 0, 0);
    for (int ms = 5100; ms < 7900; ms += 100)
        renderFrameAt(ms);
    const std::vector<TextLine> lines = textAt(7900); // the title too, before 10 s
    ASSERT_GT(lines.size(), 30u) << "message, readout, help and title";
    EXPECT_EQ(lines[0], message("Pause Motion"));
    EXPECT_EQ(lines.back().size, 60) << "the title, drawn last";
}

// An OpenGL error shows its line in one frame at 40 % of the width, and keeps the message up
// for three seconds more.
TEST(TextOnScreen, AnOpenGLErrorShowsItsLineOnceAndKeepsTheMessageUp) {
    startTestProgram(true);
    renderFrameAt(19000);
    handleKey('p', 0, 0);
    glEnable(0xFFFF);
    EXPECT_EQ(textAt(20000), (std::vector<TextLine>{message("Pause Motion"),
                                                    visibleLine("OpenGL Error: invalid enumerant",
                                                                1024 * 4 / 10, 25, 20)}));
    EXPECT_EQ(textAt(22900), std::vector<TextLine>{message("Pause Motion")});
    EXPECT_EQ(textAt(23000), std::vector<TextLine>{});
}

// The text the user reads, decoded from the font quads the program draws: the help screen,
// key messages and their expiry, the frame-rate readout and the OpenGL error line.
#include "test_window.h"

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

} // namespace

TEST(TextOnScreen, HelpScreenShowsItsHeadingAndEveryLineInPlace) {
    startTestProgram(true);
    handleKey('?', 0, 0);
    const std::vector<TextLine> lines = textDrawnAt(20000); // after the title and the first message
    ASSERT_EQ(lines.size(), 29u) << "the heading and 28 lines, each with something to read";
    EXPECT_EQ(lines[0], (TextLine{20, 69, 30, "Tyvok"}));
    for (int i = 0; i < 28; ++i) {
        const int y = i < 9 ? 92 + 17 * i : 250 + 17 * (i - 9);
        if (helpText[i])
            EXPECT_EQ(lines[i + 1], (TextLine{30, y, 18, helpText[i]})) << "line " << i + 1;
        else
            EXPECT_TRUE(lines[i + 1].y == y && lines[i + 1].size == 18 && lines[i + 1].x >= 30)
                << "credit line " << i + 1 << ": " << lines[i + 1];
    }
}

// Start-up's hint, then a key's message, stand at the message place under the title for three
// seconds; an OpenGL error shows its line in one frame at 40 % of the width, and keeps the
// message up for three seconds more.
TEST(TextOnScreen, MessagesStandThreeSecondsAndAnOpenGLErrorShowsItsLineOnce) {
    startTestProgram(true);
    const std::vector<TextLine> hint = textDrawnAt(2999);
    ASSERT_EQ(hint.size(), 2u) << "the hint and the title";
    EXPECT_EQ(hint[0], messageLine("Press ? key for Help Screen"));
    EXPECT_EQ(textDrawnAt(3000).size(), 1u) << "the title alone";
    renderFrameAt(12000);
    collectTextQuads();
    handleKey('t', 0, 0);
    EXPECT_EQ(collectedText(), std::vector<TextLine>{messageLine("Textures Off")}) << "at the key";
    EXPECT_EQ(textDrawnAt(14999), std::vector<TextLine>{messageLine("Textures Off")});
    EXPECT_EQ(textDrawnAt(15000), std::vector<TextLine>{}) << "three seconds after the key";
    handleKey('p', 0, 0);
    glEnable(0xFFFF);
    EXPECT_EQ(textDrawnAt(16000),
              (std::vector<TextLine>{
                  messageLine("Pause Motion"),
                  TextLine{1024 * 4 / 10, 25, 20, "OpenGL Error: invalid enumerant"}}));
    EXPECT_EQ(textDrawnAt(18900), std::vector<TextLine>{messageLine("Pause Motion")});
    EXPECT_EQ(textDrawnAt(19000), std::vector<TextLine>{}) << "three seconds after the error";
}

// The title, the frame-rate readout and the help lines never replace the message; once the
// message and the title are gone the readout stands alone, 120 pixels from the right.
TEST(TextOnScreen, FrameRateReadoutTitleAndHelpLeaveTheMessageInPlace) {
    startTestProgram(true);
    renderFrameAt(5000);
    pressKeys("cp?");
    for (int ms = 5100; ms < 7900; ms += 100)
        renderFrameAt(ms);
    const std::vector<TextLine> lines = textDrawnAt(7900); // the title too, before 10 s
    ASSERT_GT(lines.size(), 30u) << "message, readout, help and title";
    EXPECT_EQ(lines[0], messageLine("Pause Motion"));
    EXPECT_EQ(lines.back().size, 60) << "the title, drawn last";
    handleKey('?', 0, 0);
    for (int ms = 8000; ms < 14000; ms += 100) // ten frames a second
        renderFrameAt(ms);
    EXPECT_EQ(textDrawnAt(14000),
              (std::vector<TextLine>{TextLine{1024 - 120, 25, 20, " 10 Frame/Sec"}}));
}

// At text scale 4 the 1024 x 768 window is a logical 256 x 192: the title, the readout, the help
// screen and the error line stand where a window of 256 x 192 places them, four times as far
// from the top left and four times as large.
TEST(TextOnScreen, AtTextScaleFourTheTextStandsInTheLogicalWindowFourTimesAsLarge) {
    startTestProgram(true, nullptr, {"--text-scale", "4"});
    const std::vector<TextLine> hint = textDrawnAt(2999);
    ASSERT_EQ(hint.size(), 2u) << "the hint and the title";
    // The title swings and jumps by up to its glyph height around (25, 38).
    EXPECT_TRUE(hint[1].size == 240 && std::abs(hint[1].x / 4 - 25) <= 60 &&
                std::abs(hint[1].y / 4 - 38) <= 60)
        << hint[1];
    pressKeys("c?");
    for (int ms = 19000; ms < 20000; ms += 100)
        renderFrameAt(ms);
    glEnable(0xFFFF);
    const std::vector<TextLine> lines = textDrawnAt(20000);
    ASSERT_EQ(lines.size(), 31u) << "the readout, the help screen and the error line";
    EXPECT_EQ(lines[0], (TextLine{4 * (256 - 120), 100, 80, " 10 Frame/Sec"}));
    EXPECT_EQ(lines[1], (TextLine{80, 4 * 17, 120, "Tyvok"}));
    EXPECT_EQ(lines[2], (TextLine{120, 4 * 40, 72, helpText[0]}));
    EXPECT_EQ(lines[29], (TextLine{120, 4 * 504, 72, helpText[27]}));
    EXPECT_EQ(lines[30], (TextLine{4 * 102, 100, 80, "OpenGL Error: invalid enumerant"}));
}

// The help screen: a heading and 28 lines listing the controls, over the running scene.
#include "controls/help_screen.h"

const char* const helpLines[helpLineCount] = {
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
    "   Tyvok: fourteen gears turning in a field of stars,",
    "   every motion driven by drifting sine oscillators.",
    "   <?> to return",
};

namespace {

const short lineStep = 17;
const int linesBeforeGap = 9;

} // namespace

HelpLayout computeHelpLayout(int windowHeight) {
    HelpLayout layout{};
    int y = static_cast<int>(windowHeight * 0.09);
    layout.headingY = static_cast<short>(y);
    y = static_cast<int>(y + lineStep * 1.4);
    for (int line = 0; line < helpLineCount; ++line) {
        if (line == linesBeforeGap) y = static_cast<int>(y + lineStep * 0.3);
        layout.lineY[line] = static_cast<short>(y);
        y += lineStep;
    }
    return layout;
}

void drawHelpScreen(TextOverlay& text, int windowHeight) {
    HelpLayout layout = computeHelpLayout(windowHeight);
    UnstoredText unstored(text);
    text.drawText("Tyvok", helpHeadingX, layout.headingY, helpHeadingSize);
    for (int line = 0; line < helpLineCount; ++line)
        text.drawText(helpLines[line], helpLineX, layout.lineY[line], helpLineSize);
}

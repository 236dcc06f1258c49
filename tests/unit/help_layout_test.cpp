// Where the help screen's heading and lines stand in windows of two heights.
#include "controls/help_screen.h"

#include <gtest/gtest.h>
#include <vector>

TEST(HelpLayout, HeadingLinesAndTheGapBeforeLineTen) {
    // window height, heading, lines 1, 9, 10 and the last
    const int rows[][6] = {{768, 69, 92, 228, 250, 556}, {512, 46, 69, 205, 227, 533}};
    for (const auto& r : rows) {
        const HelpLayout layout = computeHelpLayout(r[0]);
        EXPECT_EQ(std::vector<int>({layout.headingY, layout.lineY[0], layout.lineY[8],
                                    layout.lineY[9], layout.lineY[helpLineCount - 1]}),
                  std::vector<int>(r + 1, r + 6))
            << "height " << r[0];
    }
}

// Where the help screen's heading and lines stand in windows of two heights.
#include "controls/help_screen.h"

#include <gtest/gtest.h>

TEST(HelpLayout, LinesStandSeventeenApartWithAGapBeforeLineTen) {
    HelpLayout layout = computeHelpLayout(768);
    EXPECT_EQ(layout.headingY, 69);
    for (int i = 0; i < helpLineCount; ++i) // from 92: 228 for line 9, 250 for line 10
        EXPECT_EQ(layout.lineY[i], 92 + 17 * i + (i >= 9) * 5) << "line " << i + 1;
    layout = computeHelpLayout(512);
    EXPECT_EQ(layout.headingY, 46);
    EXPECT_EQ(layout.lineY[helpLineCount - 1], 533);
}

// Where the help screen's heading and lines stand in windows of two heights.
#include "controls/help_screen.h"

#include <gtest/gtest.h>

TEST(HelpLayout, LinesStandSeventeenApartWithAGapBeforeLineTen) {
    const short at768[helpLineCount] = {92,  109, 126, 143, 160, 177, 194, 211, 228, 250,
                                        267, 284, 301, 318, 335, 352, 369, 386, 403, 420,
                                        437, 454, 471, 488, 505, 522, 539, 556};
    HelpLayout layout = computeHelpLayout(768);
    EXPECT_EQ(layout.headingY, 69);
    for (int i = 0; i < helpLineCount; ++i)
        EXPECT_EQ(layout.lineY[i], at768[i]) << "line " << i + 1;
    layout = computeHelpLayout(512);
    EXPECT_EQ(layout.headingY, 46);
    EXPECT_EQ(layout.lineY[helpLineCount - 1], 533);
}

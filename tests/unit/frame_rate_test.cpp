// The frame-rate readout's count: frames per closed second, before and after a stall.
#include "app/frame.h"

#include <gtest/gtest.h>
#include <vector>

// A stall closes the count once; the next close comes at the next whole second.
TEST(FrameRate, ShowsThirtyThenEachSecondsFramesAndOneCountForAStall) {
    AppState state;
    auto shownAt = [&state](std::vector<int> msList) {
        for (int& ms : msList) {
            state.nowSec = ms * 0.001;
            countFrameRate(state);
            ms = state.framesPerSecond;
        }
        return msList;
    };
    for (int ms = 20; ms < 1000; ms += 20) // 49 frames before the first close
        shownAt({ms});
    EXPECT_EQ(shownAt({1000, 1500, 2000, 6500, 6600, 6900, 7000, 9000, 9500, 10000}),
              std::vector<int>({50, 50, 2, 1, 1, 1, 3, 1, 1, 2}));
}

// The frame-rate readout's count: frames per closed second, before and after a stall.
#include "app/frame.h"

#include <gtest/gtest.h>
#include <vector>

TEST(FrameRate, ShowsThirtyThenEachSecondsFramesAndOneCountForAStall) {
    AppState state;
    std::vector<int> shown;
    auto framesAt = [&](int fromMs, int toMs, int stepMs) {
        for (int ms = fromMs; ms <= toMs; ms += stepMs) {
            state.nowSec = ms * 0.001;
            countFrameRate(state);
            shown.push_back(state.framesPerSecond);
        }
    };
    framesAt(20, 1000, 20); // 50 frames in the first second, 40 in the next
    framesAt(1025, 2000, 25);
    EXPECT_EQ(std::vector<int>({shown[48], shown[49], shown[88], shown[89]}),
              std::vector<int>({30, 50, 50, 40}));
    // A stall from 2 s to 6.5 s: that frame closes the count once, and the next close comes a
    // whole second later, at 7 s, with the frames since.
    shown.clear();
    framesAt(6500, 7100, 100);
    EXPECT_EQ(shown, std::vector<int>({1, 1, 1, 1, 1, 5, 5}));
    // A stall that ends on a whole second: the next close is a second later.
    shown.clear();
    framesAt(9000, 10000, 250);
    EXPECT_EQ(shown, std::vector<int>({2, 2, 2, 2, 4}));
}

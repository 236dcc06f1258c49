// The frame pacer on the program's clock, on time and late (the hosts' defaults are the
// end-to-end scripts').
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <vector>

namespace {

// Draws frames for 60 s from 980 ms as a host does: waits as long as the pacer says, wakes up
// to `mostLate` milliseconds after that, and draws. Returns the frames' times.
std::vector<std::int64_t> run(int maxFps, int mostLate, std::mt19937& random) {
    FramePacer pacer(maxFps);
    std::uniform_int_distribution<int> late(0, mostLate);
    std::vector<std::int64_t> frames;
    for (std::int64_t now = 980; (now += pacer.waitMs(now) + late(random)) < 60980;) {
        frames.push_back(now);
        pacer.frameDrawn(now);
    }
    return frames;
}

} // namespace

TEST(FramePacer, FramesOnTimeKeepTheRateAndLateOnesNeverBurstNorExceedTheLimitInASecond) {
    // Frames on time keep the rate exactly, without drift; late ones keep within it.
    std::mt19937 random(7);
    for (int fps : {1, 5, 30, 60, 144})
        for (int mostLate : {0, 3 * 1000 / fps}) {
            const auto frames = run(fps, mostLate, random);
            SCOPED_TRACE(std::to_string(fps) + " a second, late by up to " +
                         std::to_string(mostLate) + " ms");
            EXPECT_TRUE(mostLate ? frames.size() > 60u * fps / 4 : frames.size() == 60u * fps)
                << frames.size() << " frames";
            std::map<std::int64_t, int> perSecond;
            for (std::size_t i = 0; i < frames.size(); ++i) {
                ASSERT_LE(++perSecond[frames[i] / 1000], fps) << "in the second of " << frames[i];
                if (i >= 2) {
                    ASSERT_GE(frames[i] - frames[i - 2], 1000 / fps) << "a burst at " << frames[i];
                }
            }
        }
    FramePacer unlimited(0); // no limit: never a wait
    unlimited.frameDrawn(5);
    EXPECT_EQ(unlimited.waitMs(5), 0);
}

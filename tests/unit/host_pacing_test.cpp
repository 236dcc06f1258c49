// The frame pacer on the program's clock, on time and late (the hosts' defaults are the
// end-to-end scripts').
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <vector>

namespace {

// Draws frames for `seconds` as a host does: waits as long as the pacer says, wakes up
// `lateness(frame)` milliseconds after that, and draws. Returns the frames' times.
template <typename Lateness>
std::vector<std::int64_t> run(int maxFps, std::int64_t startMs, int seconds, Lateness lateness) {
    FramePacer pacer(maxFps);
    std::vector<std::int64_t> frames;
    for (std::int64_t now = startMs;;) {
        now += pacer.waitMs(now);
        now += lateness(frames.size());
        if (now >= startMs + seconds * 1000) break;
        frames.push_back(now);
        pacer.frameDrawn(now);
    }
    return frames;
}

int busiestSecond(const std::vector<std::int64_t>& frames) {
    std::map<std::int64_t, int> perSecond;
    int most = 0;
    for (std::int64_t ms : frames)
        most = std::max(most, ++perSecond[ms / 1000]);
    return most;
}

} // namespace

TEST(FramePacer, FramesOnTimeKeepTheRateAndLateOnesNeverBurstNorExceedTheLimitInASecond) {
    // Frames on time keep the rate exactly, without drift; late ones keep within it.
    std::mt19937 random(7);
    for (int fps : {1, 5, 30, 60, 144})
        for (int mostLate : {0, 3 * 1000 / fps}) {
            std::uniform_int_distribution<int> late(0, mostLate);
            const auto frames = run(fps, 980, 60, [&](std::size_t) { return late(random); });
            SCOPED_TRACE(std::to_string(fps) + " a second, late by up to " +
                         std::to_string(mostLate) + " ms");
            EXPECT_LE(busiestSecond(frames), fps);
            EXPECT_TRUE(mostLate ? frames.size() > 60u * fps / 4 : frames.size() == 60u * fps)
                << frames.size() << " frames";
            for (std::size_t i = 2; i < frames.size(); ++i)
                ASSERT_GE(frames[i] - frames[i - 2], 1000 / fps) << "a burst at " << frames[i];
        }
    FramePacer unlimited(0); // no limit: never a wait
    unlimited.frameDrawn(5);
    EXPECT_EQ(unlimited.waitMs(5), 0);
}

// Frame pacing: how long to wait before the next frame so that at most N frames are drawn a second.
#include "platform/frame_pacer.h"

#include <algorithm>

namespace {

const std::int64_t msPerSecond = 1000;

std::int64_t wholeSecond(std::int64_t ms) {
    return ms >= 0 ? ms / msPerSecond : -((msPerSecond - 1 - ms) / msPerSecond);
}

} // namespace

std::int64_t FramePacer::deadline(std::int64_t slot) const {
    return anchorMs + (slot * msPerSecond + maxFps - 1) / maxFps;
}

void FramePacer::frameDrawn(std::int64_t frameMs) {
    if (!limited()) return;
    const std::int64_t frameSecond = wholeSecond(frameMs);
    if (!started || frameSecond != second) second = frameSecond, framesInSecond = 0;
    ++framesInSecond;

    // A frame before its deadline (one the window system asked for) or late by a whole period
    // starts the grid from itself; any other frame takes the next deadline of the grid.
    if (!started || frameMs < deadline(nextSlot) || frameMs >= deadline(nextSlot + 1)) {
        anchorMs = frameMs;
        nextSlot = 1;
    } else if (++nextSlot == maxFps) {
        anchorMs += msPerSecond; // the same deadlines, kept small
        nextSlot = 0;
    }
    started = true;
}

std::int64_t FramePacer::waitMs(std::int64_t nowMs) const {
    if (!limited() || !started) return 0;
    std::int64_t due = deadline(nextSlot);
    if (framesInSecond >= maxFps) due = std::max(due, (second + 1) * msPerSecond);
    return std::max<std::int64_t>(due - nowMs, 0);
}

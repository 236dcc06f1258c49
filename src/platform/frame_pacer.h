// Frame pacing: how long to wait before the next frame so that at most N frames are drawn a second.
#pragma once

#include <cstdint>

// Frames are due on a grid of absolute deadlines, N a second, so that the rate does not drift;
// a frame late by a whole period or more starts the grid afresh from itself, so late frames are
// never followed by a burst. On top of the grid, once N frames have been drawn in a whole second
// of the program's clock, the next waits for the following second: no second holds more than N
// frames, however the frames fall. All times are the program's clock in milliseconds.
class FramePacer {
  public:
    // At most `limit` frames a second; 0 (or less) sets no limit.
    explicit FramePacer(int limit = 0) : maxFps(limit) {}

    bool limited() const { return maxFps > 0; }

    // A frame was drawn at `frameMs`, the clock reading it was drawn for.
    void frameDrawn(std::int64_t frameMs);

    // How long to wait at `nowMs` before the next frame; 0 when it may be drawn now.
    std::int64_t waitMs(std::int64_t nowMs) const;

  private:
    std::int64_t deadline(std::int64_t slot) const;

    int maxFps;
    bool started = false;
    // The grid: frame k is due at anchorMs + k * 1000 / maxFps, rounded up; nextSlot is the
    // next frame's k.
    std::int64_t anchorMs = 0;
    std::int64_t nextSlot = 0;
    // The whole second of the last frame, and how many frames it holds.
    std::int64_t second = 0;
    int framesInSecond = 0;
};

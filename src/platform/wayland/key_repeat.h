// A held key's repeats, at the rate and after the delay that the compositor asks for.
#pragma once

#include <cstdint>

// Times are the monotonic clock in milliseconds. One key repeats at a time: the last one
// pressed, as on X.
class KeyRepeat {
  public:
    // `perSecond` repeats a second, the first `delayMs` after the press; 0 a second: no repeat.
    void setRate(int perSecond, int delayMs);

    // `key` went down at `nowMs`; it repeats from the delay on.
    void press(std::uint32_t key, std::int64_t nowMs);
    // `key` went up: its repeats stop (another key's go on).
    void release(std::uint32_t key);
    void stop() { repeating = false; }

    // The key that repeats, when one does.
    bool active() const { return repeating && rate > 0; }
    std::uint32_t key() const { return heldKey; }

    // How long from `nowMs` until the next repeat is due: 0 when due, -1 when none repeats.
    std::int64_t waitMs(std::int64_t nowMs) const;
    // Takes the repeat due at `nowMs`, if one is. Repeats keep to a grid from the first, so that
    // the rate does not drift; one late by a whole period starts the grid again from itself, so
    // that a program that stalled gets no burst of them.
    bool takeDue(std::int64_t nowMs);

  private:
    std::int64_t due() const { return gridStartMs + repeats * 1000 / rate; }

    int rate = 25, delay = 600; // the defaults of X's autorepeat
    bool repeating = false;
    std::uint32_t heldKey = 0;
    std::int64_t gridStartMs = 0; // when the grid's first repeat is due
    std::int64_t repeats = 0;     // taken since the grid started
};

// A week of frames at 60 per second: the oscillators stay finite and their motion smooth.
#include "anim/oscillators.h"
#include "anim/random.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

TEST(LongRun, AWeekAtTheHighestSpeedsLeavesTheMotionAsSmoothAsAtTheStart) {
    SimSettings top, usual;
    top.rotateSpeed = top.mainSpeed = top.movementSpeed = top.lightRotateSpeed = settingSpeedMax;
    usual.rotateSpeed = 2, usual.mainSpeed = usual.movementSpeed = usual.lightRotateSpeed = 1;
    const float dt = 1 / 60.0f;
    // Rates stay within the targets' 0.04, so a week at 60 frames a second moves a phase at
    // most this far (slots 1 to 3 count degrees); a simulated hour stays within a 168th of it.
    auto week = [&](int slot) {
        return 168.0 * 216000 * settingSpeedMax * 0.04 * dt * (slot < 4 ? 57.3 : 1);
    };
    OscillatorBank oscBank{};
    seedRandom(11);
    initOscillators(oscBank, oscSlotsInUse);
    const OscillatorBank start = oscBank;
    for (int frame = 0; frame < 216000; ++frame)
        updateOscillators(oscBank, oscSlotsInUse, dt, top, 0);
    for (int slot = 1; slot < oscSlotsInUse; ++slot)
        EXPECT_LE(168 * std::fabs(oscBank.oscPhase[slot] - start.oscPhase[slot]), week(slot))
            << slot;

    // Ten seconds at the usual speeds, from the start and a week on: each frame's step of a
    // consumer's value is the step of the exact phase, to a float's rounding of the value.
    std::vector<OscillatorBank> frames[2];
    for (int weeks : {0, 1}) {
        oscBank = start;
        for (int slot = 1; slot < oscSlotsInUse; ++slot)
            oscBank.oscPhase[slot] += weeks * week(slot);
        seedRandom(12);
        for (int frame = 0; frame < 600; ++frame, frames[weeks].push_back(oscBank))
            updateOscillators(oscBank, oscSlotsInUse, dt, usual, 0);
    }
    for (auto c : {std::array{1.0, 0.01, 720.0}, {12, 10, 800}, {13, 10, 0.3}, {17, 40, 60}}) {
        const int slot = static_cast<int>(c[0]);
        const long double shift = week(slot);
        auto exact = [&](int f) { return std::sin(c[1] * (frames[0][f].oscPhase[slot] + shift)); };
        auto drawn = [&](int f) { return oscValue(frames[1][f], slot, c[1], c[2], 0); };
        for (int f = 0; f + 1 < 600; ++f)
            ASSERT_NEAR(drawn(f + 1) - drawn(f), double(exact(f + 1) - exact(f)) * c[2] / 2,
                        c[2] * 0x1p-23)
                << "slot " << slot << ", frame " << f;
    }
}

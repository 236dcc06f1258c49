// The animation: the oscillator bank's draws, pause and speeds, and the camera path.
#include "anim/camera.h"
#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/app_state.h"
#include "app/settings.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

static double draw(double x) {
    return nextRandom() / 32768.0 * x;
}

TEST(Oscillators, UpdateDrawsToggleThenTargetMagnitudeThenSign) {
    for (unsigned seed = 0; seed < 20000; ++seed) { // some 400 toggles and 200 new targets
        oscBank = OscillatorBank{};
        seedRandom(seed);
        updateOscillators(11, 0.1f, settings, 1); // slots 0 to 9 are paused and draw nothing
        int nextDraw = nextRandom();
        seedRandom(seed);
        int active = draw(1) < 0.1f * 0.2;
        double target = 0, magnitude = draw(1) < 0.1f * 0.1 ? draw(0.02) + 0.02 : 0;
        if (magnitude != 0) target = draw(1) < 0.45 ? magnitude : -magnitude;
        ASSERT_EQ(std::make_tuple(oscBank.oscActive[10], oscBank.oscTarget[10], nextRandom()),
                  std::make_tuple(active, target, nextDraw))
            << seed;
    }
}

TEST(Oscillators, InitDrawsPhaseThenTargetAndPauseFreezesExactlySlotsZeroToNine) {
    settings.mainSpeed = 1;
    seedRandom(4242);
    initOscillators(20);
    seedRandom(4242);
    double phase = draw(360); // slot 1 first, then slot 2's phase
    EXPECT_EQ(std::make_tuple(oscBank.oscPhase[1], oscBank.oscTarget[1], oscBank.oscRate[1]),
              std::make_tuple(phase, draw(0.02) + 0.02, oscBank.oscTarget[1]));
    EXPECT_EQ(oscBank.oscPhase[2], draw(360));
    const OscillatorBank b = oscBank, &a = oscBank;
    for (int frame = 0; frame < 500; ++frame)
        updateOscillators(20, 0.1f, settings, 1);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(std::tie(b.oscPhase[i], b.oscRate[i], b.oscTarget[i], b.oscActive[i]) ==
                      std::tie(a.oscPhase[i], a.oscRate[i], a.oscTarget[i], a.oscActive[i]),
                  i < 10)
            << i;
}

TEST(Oscillators, EachSlotAdvancesByItsOwnSpeedSetting) {
    std::fill_n(oscBank.oscPhase, 62, 0.0);
    std::fill_n(oscBank.oscRate, 61, 0.03); // the phase takes the rate after this frame's step
    std::fill_n(oscBank.oscTarget, 61, 0.04);
    settings.rotateSpeed = 2, settings.movementSpeed = 3, settings.mainSpeed = 5;
    settings.lightRotateSpeed = 7;
    updateOscillators(61, 0.01f, settings, 0);
    const double table[][3] = {{0, 5, 1}, {2, 2, 57.3}, {5, 3, 1}, {12, 5, 1}, {60, 7, 1}};
    for (const auto& row : table) {
        int slot = int(row[0]);
        double rate = slot == 0 ? 1 : oscBank.oscRate[slot];
        EXPECT_DOUBLE_EQ(oscBank.oscPhase[slot], row[1] * rate * 0.01f * row[2]) << slot;
    }
    EXPECT_EQ(oscBank.oscPhase[61], 0); // beyond the count
}

TEST(CameraPath, EasesAlongALegTurnsDropsWholeLegsAndHoldsWhilePaused) {
    EXPECT_EQ(std::make_pair(cosInterp(2, 6, 0), cosInterp(2, 6, 1)), std::make_pair(2.0, 6.0));
    // movementSpeed, frameDelta, progress set first (or -1), paused; then pathFrom, progress, camZ
    const double steps[][7] = {{10, 0.75, -1, 0, 0, 0.25, 0.439340},
                               {10, 0.75, -1, 0, 0, 0.5, 1.5},
                               {10, 0.09, 0.99, 0, 1, 0.02, 2.997040},
                               {10, 0.09, -1, 1, 1, 0.02, 2.997040},
                               {1000, 0.1, -1, 0, 0, 0.353333, 0.833046}}; // three legs on
    for (const auto& s : steps) {
        settings.movementSpeed = float(s[0]), app.frameDelta = float(s[1]), app.paused = int(s[3]);
        if (s[2] >= 0) app.pathProgress = float(s[2]);
        app.camZ = 99;
        advanceCameraPath();
        EXPECT_EQ(std::make_tuple(app.pathFrom, app.pathTo, app.camX + app.camPitch + app.camYaw),
                  std::make_tuple(int(s[4]), 1 - int(s[4]), 0.0));
        EXPECT_NEAR(app.pathProgress, s[5], 1e-4);
        EXPECT_NEAR(app.camZ, s[6], 1e-4) << s[5];
    }
}

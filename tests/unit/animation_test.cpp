// The animation: the oscillators' pause and speeds, and the camera path.
#include "anim/camera.h"
#include "anim/oscillators.h"
#include "anim/random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

static SimSettings speeds(float rotate, float movement, float main, float light) {
    SimSettings s;
    s.rotateSpeed = rotate, s.movementSpeed = movement, s.mainSpeed = main;
    s.lightRotateSpeed = light;
    return s;
}

// The bank after `frames` frames of `dt` seconds from `seed`, with the speeds of `s`.
static OscillatorBank run(unsigned seed, int frames, float dt, const SimSettings& s, int paused) {
    OscillatorBank bank{};
    seedRandom(seed);
    initOscillators(bank, oscSlotsInUse);
    for (int frame = 0; frame < frames; ++frame)
        updateOscillators(bank, oscSlotsInUse, dt, s, paused);
    return bank;
}

TEST(Oscillators, PauseFreezesExactlySlotsZeroToNine) {
    const OscillatorBank before = run(4242, 0, 0, speeds(1, 1, 1, 1), 1),
                         after = run(4242, 500, 0.1f, speeds(1, 1, 1, 1), 1);
    for (int i = 0; i < oscSlotsInUse; ++i) {
        auto state = [i](const OscillatorBank& b) {
            return std::tie(b.oscPhase[i], b.oscRate[i], b.oscTarget[i], b.oscActive[i]);
        };
        EXPECT_EQ(state(before) == state(after), i < 10)
            << "slot " << i << (i < 10 ? " moved while paused" : " stood still while paused");
    }
}

// Which speed setting moves which consumer: each run changes one setting from the base run.
// Shown for the stars' three turns, then the gears' turns, spin, colours and title (10 to 18).
TEST(Oscillators, RotateSpeedTurnsTheStarsMainSpeedTheGearsAndTheOthersNothing) {
    const OscillatorBank base = run(77, 100, 0.02f, speeds(1, 1, 1, 1), 0);
    auto moved = [&](const SimSettings& changed) {
        const OscillatorBank bank = run(77, 100, 0.02f, changed, 0);
        std::string shown;
        for (int slot : {1, 2, 3, 0, 10, 11, 12, 13, 14, 15, 16, 17, 18})
            shown += !slot ? ' ' : base.oscPhase[slot] != bank.oscPhase[slot] ? 'x' : '.';
        return shown;
    };
    EXPECT_EQ(moved(speeds(3, 1, 1, 1)), "xxx .........");
    EXPECT_EQ(moved(speeds(1, 3, 1, 1)), "... .........");
    EXPECT_EQ(moved(speeds(1, 1, 3, 1)), "... xxxxxxxxx");
    EXPECT_EQ(moved(speeds(1, 1, 1, 3)), "... .........");
}

// An hour of frames at 0.1 s: the drift's toggles, new targets and their signs come at the
// chances the drift is meant to have, within five standard deviations of the binomial.
TEST(Oscillators, DriftTogglesAndRetargetsAtItsChances) {
    OscillatorBank bank = run(31337, 0, 0, speeds(1, 1, 1, 1), 0);
    const float dt = 0.1f;
    const int frames = 36000, trials = frames * oscSlotsInUse;
    int toggles = 0, newTargets = 0, positive = 0;
    for (int frame = 0; frame < frames; ++frame) {
        const OscillatorBank was = bank;
        updateOscillators(bank, oscSlotsInUse, dt, speeds(1, 1, 1, 1), 0);
        for (int i = 0; i < oscSlotsInUse; ++i) {
            const bool retargeted = bank.oscTarget[i] != was.oscTarget[i];
            toggles += bank.oscActive[i] != was.oscActive[i];
            newTargets += retargeted, positive += retargeted && bank.oscTarget[i] > 0;
        }
    }
    auto withinFiveSigma = [](int count, int n, double p) {
        return std::abs(count - n * p) <= 5 * std::sqrt(n * p * (1 - p));
    };
    EXPECT_PRED3(withinFiveSigma, toggles, trials, 0.2 * dt);
    EXPECT_PRED3(withinFiveSigma, newTargets, trials, 0.1 * dt);
    EXPECT_PRED3(withinFiveSigma, positive, newTargets, 0.45);
}

// Start-up adds its seed base, so runs whose clocks read alike still start apart; a frame's
// reseed or the r key seeds from the clock alone, so such runs then draw alike.
TEST(RandomSeed, StartUpAddsTheBaseAndLaterReseedsFollowTheClockAlone) {
    auto startThenReseed = [](unsigned base) {
        seedRandom(startSeed(base, 0));
        OscillatorBank bank{};
        initOscillators(bank, oscSlotsInUse);
        seedRandom(clockSeed(123456));
        return std::pair(std::vector(bank.oscPhase, bank.oscPhase + oscSlotsInUse),
                         std::vector{randUnit(1), randUnit(1), randUnit(1), randUnit(1)});
    };
    const auto a = startThenReseed(0x5eed1), b = startThenReseed(0x5eed2);
    EXPECT_EQ(startThenReseed(0x5eed1), a);
    EXPECT_NE(a.first, b.first);
    EXPECT_EQ(a.second, b.second);
}

TEST(CameraPath, EasesAlongALegTurnsDropsWholeLegsAndHoldsWhilePaused) {
    EXPECT_EQ(std::make_pair(cosInterp(2, 6, 0), cosInterp(2, 6, 1)), std::make_pair(2.0, 6.0));
    // movementSpeed, frameDelta, progress set first (or -1), paused; then pathFrom, progress, camZ
    const double steps[][7] = {{10, 0.75, -1, 0, 0, 0.25, 0.439340},
                               {10, 0.75, -1, 0, 0, 0.5, 1.5},
                               {10, 0.09, 0.99, 0, 1, 0.02, 2.997040},
                               {10, 0.09, -1, 1, 1, 0.02, 2.997040},
                               {1000, 0.1, -1, 0, 0, 0.353333, 0.833046}}; // three legs on
    CameraPath path;
    CameraPose pose;
    for (const auto& s : steps) {
        if (s[2] >= 0) path.pathProgress = float(s[2]);
        pose.camZ = 99;
        advanceCameraPath(path, pose, float(s[0]), int(s[3]), float(s[1]));
        SCOPED_TRACE("step to progress " + std::to_string(s[5]));
        EXPECT_EQ(path.pathFrom, int(s[4]));
        EXPECT_EQ(path.pathTo, 1 - int(s[4]));
        EXPECT_EQ(pose.camX + pose.camY + pose.camPitch + pose.camYaw, 0) << "off the z axis";
        EXPECT_NEAR(path.pathProgress, s[5], 1e-4);
        EXPECT_NEAR(pose.camZ, s[6], 1e-4);
    }
}

// The animation: the oscillators' pause and speeds, and the camera path.
#include "anim/camera.h"
#include "anim/oscillators.h"
#include "anim/random.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>
#include <vector>

static SimSettings speeds(float rotate, float movement, float main, float light) {
    SimSettings s;
    s.rotateSpeed = rotate, s.movementSpeed = movement, s.mainSpeed = main;
    s.lightRotateSpeed = light;
    return s;
}

TEST(Oscillators, PauseFreezesExactlySlotsZeroToNine) {
    OscillatorBank bank{};
    seedRandom(4242);
    initOscillators(bank, oscSlotsInUse);
    const OscillatorBank before = bank;
    for (int frame = 0; frame < 500; ++frame)
        updateOscillators(bank, oscSlotsInUse, 0.1f, speeds(1, 1, 1, 1), 1);
    for (int i = 0; i < oscSlotsInUse; ++i) {
        auto state = [i](const OscillatorBank& b) {
            return std::tie(b.oscPhase[i], b.oscRate[i], b.oscTarget[i], b.oscActive[i]);
        };
        EXPECT_EQ(state(before) == state(bank), i < 10)
            << "slot " << i << (i < 10 ? " moved while paused" : " stood still while paused");
    }
}

// Which speed setting moves which consumer: each run differs from the base run in one setting.
TEST(Oscillators, RotateSpeedTurnsTheStarsMainSpeedTheGearsAndTheOthersNothing) {
    const int stars[] = {oscStarsTurnY, oscStarsTurnX, oscStarsTurnZ},
              gears[] = {oscClusterYaw, oscClusterPitch, oscGearSpin, oscGearRed,
                         oscGearGreen,  oscGearBlue,     oscTitleX,   oscTitleY};
    auto run = [](const SimSettings& s) {
        OscillatorBank bank{};
        seedRandom(77);
        initOscillators(bank, oscSlotsInUse);
        for (int frame = 0; frame < 100; ++frame)
            updateOscillators(bank, oscSlotsInUse, 0.02f, s, 0);
        return bank;
    };
    const OscillatorBank base = run(speeds(1, 1, 1, 1));
    auto moved = [&base](const OscillatorBank& b, const int* slot, int n) {
        int count = 0;
        for (int i = 0; i < n; ++i)
            count += b.oscPhase[slot[i]] != base.oscPhase[slot[i]];
        return count;
    };
    // rotate, movement, main, light speed; star consumers moved, gear consumers moved
    const int expected[][6] = {
        {3, 1, 1, 1, 3, 0}, {1, 3, 1, 1, 0, 0}, {1, 1, 3, 1, 0, 8}, {1, 1, 1, 3, 0, 0}};
    for (const auto& e : expected) {
        const OscillatorBank b = run(speeds(float(e[0]), float(e[1]), float(e[2]), float(e[3])));
        EXPECT_EQ(std::make_pair(moved(b, stars, 3), moved(b, gears, 8)),
                  std::make_pair(e[4], e[5]))
            << "speeds " << e[0] << e[1] << e[2] << e[3];
    }
}

// An hour of frames at 0.1 s: the drift's toggles, new targets and their signs come at the
// chances the drift is meant to have, within five standard deviations of the binomial.
TEST(Oscillators, DriftTogglesAndRetargetsAtItsChances) {
    OscillatorBank bank{};
    seedRandom(31337);
    initOscillators(bank, oscSlotsInUse);
    const float dt = 0.1f;
    const int slotFrames = 36000 * oscSlotsInUse;
    int toggles = 0, newTargets = 0, positive = 0;
    for (int n = 0; n < slotFrames; n += oscSlotsInUse) {
        const OscillatorBank before = bank;
        updateOscillators(bank, oscSlotsInUse, dt, speeds(1, 1, 1, 1), 0);
        for (int i = 0; i < oscSlotsInUse; ++i) {
            toggles += bank.oscActive[i] != before.oscActive[i];
            newTargets += bank.oscTarget[i] != before.oscTarget[i];
            positive += bank.oscTarget[i] != before.oscTarget[i] && bank.oscTarget[i] > 0;
        }
    }
    auto withinFiveSigma = [](int count, int trials, double chance) {
        const double mean = trials * chance, sigma = std::sqrt(mean * (1 - chance));
        return std::abs(count - mean) <= 5 * sigma;
    };
    EXPECT_PRED3(withinFiveSigma, toggles, slotFrames, 0.2 * dt);
    EXPECT_PRED3(withinFiveSigma, newTargets, slotFrames, 0.1 * dt);
    EXPECT_PRED3(withinFiveSigma, positive, newTargets, 0.45);
}

// Start-up adds its seed base, so runs whose clocks read alike still start apart; the reseeds
// while running come from the clock alone, so such runs then draw alike.
TEST(RandomSeed, StartUpAddsTheBaseAndLaterReseedsFollowTheClockAlone) {
    auto startPhases = [](unsigned base) {
        seedRandomAtStart(base, 0);
        OscillatorBank bank{};
        initOscillators(bank, oscSlotsInUse);
        return std::vector<double>(bank.oscPhase, bank.oscPhase + oscSlotsInUse);
    };
    auto drawsAfterReseed = [] {
        seedRandomFromClock(123456);
        std::vector<double> draws;
        for (int i = 0; i < 20; ++i)
            draws.push_back(randUnit(1.0));
        return draws;
    };
    const std::vector<double> a = startPhases(0x5eed1), a2 = startPhases(0x5eed1),
                              b = startPhases(0x5eed2);
    EXPECT_EQ(a, a2);
    EXPECT_NE(a, b);
    startPhases(0x5eed1);
    const std::vector<double> afterA = drawsAfterReseed();
    startPhases(0x5eed2);
    EXPECT_EQ(drawsAfterReseed(), afterA);
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

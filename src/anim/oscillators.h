// The bank of drifting sine oscillators that drives every moving quantity but the camera.
#pragma once

#include "anim/setting_values.h"

constexpr int OSC_SLOTS = 99;

// The slots the program draws, named for what each drives.
enum OscSlot {
    oscStarsTurnY = 1,
    oscStarsTurnX = 2,
    oscStarsTurnZ = 3,
    oscClusterYaw = 10,
    oscClusterPitch = 11,
    oscGearSpin = 12,
    oscGearRed = 13,
    oscGearGreen = 14,
    oscGearBlue = 15,
    oscTitleX = 17,
    oscTitleY = 18,
};

// The slots that are advanced: 0 to 19. Slots 1 to 19 are also randomised, at start-up and on
// a reset; slot 0 never is: its phase starts at zero and runs on at the main speed.
constexpr int oscSlotsInUse = 20;

struct OscillatorBank {
    double oscPhase[OSC_SLOTS];
    double oscRate[OSC_SLOTS];
    double oscTarget[OSC_SLOTS];
    int oscActive[OSC_SLOTS];
};

// Randomises slots 1 to count - 1: phase first, then the target, which the rate starts at.
void initOscillators(OscillatorBank& bank, int count);

// Advances slots 0 to count - 1 by one frame of dt seconds; slots 0 to 9 stand still while paused.
void updateOscillators(OscillatorBank& bank, int count, float dt, const SimSettings& settings,
                       int paused);

// (sin(k * phase) * 0.5 + 0.5) * range + offset.
double oscValue(const OscillatorBank& bank, int slot, double k, double range, double offset);

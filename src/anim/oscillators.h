// The bank of drifting sine oscillators that drives every moving quantity but the camera.
#pragma once

class SimSettings;

constexpr int OSC_SLOTS = 99;

struct OscillatorBank {
    double oscPhase[OSC_SLOTS];
    double oscRate[OSC_SLOTS];
    double oscTarget[OSC_SLOTS];
    int oscActive[OSC_SLOTS];
};

extern OscillatorBank oscBank;

// Randomises slots 1 to count - 1: phase first, then the target, which the rate starts at.
void initOscillators(int count);

// Advances slots 0 to count - 1 by one frame of dt seconds; slots 0 to 9 stand still while paused.
void updateOscillators(int count, float dt, const SimSettings& settings, int paused);

// (sin(k * phase) * 0.5 + 0.5) * range + offset.
double oscValue(int slot, double k, double range, double offset);

// The bank of drifting sine oscillators that drives every moving quantity but the camera.
#include "anim/oscillators.h"

#include "anim/random.h"

#include <cmath>

namespace {

// The star-turning slots' rates are taken as radians a second and their phases kept in
// degrees, with this rounded factor.
const double starTurnDegreesPerRadian = 57.3;

// The last slot of each group that one speed setting scales; slots up to lastPausedSlot stand
// still while the motion is paused.
const int lastRotateSlot = 3;
const int lastMovementSlot = 6;
const int lastPausedSlot = 9;
const int lastMainSpeedSlot = 49;

// The speed setting that scales a slot's phase advance, and whether the slot's rate counts.
double phaseAdvance(int slot, double rate, double dt, const SimSettings& s) {
    if (slot == 0) return dt * s.mainSpeed;
    if (slot <= lastRotateSlot) return s.rotateSpeed * rate * dt * starTurnDegreesPerRadian;
    if (slot <= lastMovementSlot) return s.movementSpeed * rate * dt;
    if (slot <= lastMainSpeedSlot) return s.mainSpeed * rate * dt;
    return s.lightRotateSpeed * rate * dt;
}

} // namespace

void initOscillators(OscillatorBank& bank, int count) {
    for (int i = 1; i < count; ++i) {
        bank.oscPhase[i] = randUnit(360);
        bank.oscTarget[i] = randUnit(0.02) + 0.02;
        bank.oscRate[i] = bank.oscTarget[i];
        bank.oscActive[i] = 1;
    }
}

void updateOscillators(OscillatorBank& bank, int count, float dt, const SimSettings& settings,
                       int paused) {
    for (int i = 0; i < count; ++i) {
        if (paused && i <= lastPausedSlot) continue;
        if (randUnit(1.0) < dt * 0.2) bank.oscActive[i] = bank.oscActive[i] ? 0 : 1;
        if (randUnit(1.0) < dt * 0.1) {
            double magnitude = randUnit(0.02) + 0.02;
            bank.oscTarget[i] = randUnit(1.0) < 0.45 ? magnitude : -magnitude;
        }
        if (bank.oscActive[i])
            bank.oscRate[i] += (bank.oscTarget[i] - bank.oscRate[i]) * 0.001;
        else
            bank.oscRate[i] *= 0.999;
        bank.oscPhase[i] += phaseAdvance(i, bank.oscRate[i], dt, settings);
    }
}

double oscValue(const OscillatorBank& bank, int slot, double k, double range, double offset) {
    return (std::sin(k * bank.oscPhase[slot]) * 0.5 + 0.5) * range + offset;
}

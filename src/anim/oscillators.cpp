// The bank of drifting sine oscillators that drives every moving quantity but the camera.
#include "anim/oscillators.h"

#include "anim/random.h"
#include "app/settings.h"

#include <cmath>

OscillatorBank oscBank;

namespace {

// The speed setting that scales a slot's phase advance, and whether the slot's rate counts.
double phaseAdvance(int slot, double rate, double dt, const SimSettings& s) {
    if (slot == 0) return dt * s.mainSpeed;
    if (slot <= 3) return s.rotateSpeed * rate * dt * 57.3;
    if (slot <= 6) return s.movementSpeed * rate * dt;
    if (slot <= 49) return s.mainSpeed * rate * dt;
    return s.lightRotateSpeed * rate * dt;
}

} // namespace

void initOscillators(int count) {
    for (int i = 1; i < count; ++i) {
        oscBank.oscPhase[i] = randUnit(360);
        oscBank.oscTarget[i] = randUnit(0.02) + 0.02;
        oscBank.oscRate[i] = oscBank.oscTarget[i];
        oscBank.oscActive[i] = 1;
    }
}

void updateOscillators(int count, float dt, const SimSettings& settings, int paused) {
    OscillatorBank& b = oscBank;
    for (int i = 0; i < count; ++i) {
        if (paused && i <= 9) continue;
        if (randUnit(1.0) < dt * 0.2) b.oscActive[i] = b.oscActive[i] ? 0 : 1;
        if (randUnit(1.0) < dt * 0.1) {
            double magnitude = randUnit(0.02) + 0.02;
            b.oscTarget[i] = randUnit(1.0) < 0.45 ? magnitude : -magnitude;
        }
        if (b.oscActive[i])
            b.oscRate[i] += (b.oscTarget[i] - b.oscRate[i]) * 0.001;
        else
            b.oscRate[i] *= 0.999;
        b.oscPhase[i] += phaseAdvance(i, b.oscRate[i], dt, settings);
    }
}

double oscValue(int slot, double k, double range, double offset) {
    return (std::sin(k * oscBank.oscPhase[slot]) * 0.5 + 0.5) * range + offset;
}

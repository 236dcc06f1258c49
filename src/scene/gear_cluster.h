// The fourteen gears on two perpendicular rings, turning, spinning and drifting in colour.
#pragma once

#include "anim/oscillators.h"
#include "anim/sim_settings.h"
#include "scene/gear_mesh.h"

#include <array>

// Where one gear sits: turned by `angle` degrees about the y axis (axisX false) or the
// x axis (axisX true), pushed out 2.975 along z; diagonal gears spin the other way.
struct GearPlacement {
    float angle;
    bool axisX;
    bool diagonal;
};

constexpr int gearCount = 14;
constexpr float gearDistance = 2.975f;

extern const std::array<GearPlacement, gearCount> gearPlacements;

// Multiplies one gear's placement and spin onto the current matrix.
void applyGearPlacement(const GearPlacement& placement, float gearSpin, float halfTooth);

// Half a tooth pitch in whole degrees: 180 / teeth in integer division.
float halfToothTurn(int teeth);

// The fourteen gears in the current colour, lit, textured with `texture` and generated
// coordinates as the settings say.
void drawGearCluster(const SimSettings& settings, const OscillatorBank& bank, const Gear& gear,
                     unsigned texture, float fadeLevel);

// The fourteen gears on two perpendicular rings, turning, spinning and drifting in colour.
#pragma once

#include "anim/oscillators.h"
#include "anim/setting_values.h"
#include "scene/gear_mesh.h"

// Half a tooth pitch in whole degrees: 180 / teeth in integer division.
float halfToothTurn(int teeth);

// The fourteen gears in the current colour, lit, textured with `texture` and generated
// coordinates as the settings say.
void drawGearCluster(const SimSettings& settings, const OscillatorBank& bank, const Gear& gear,
                     unsigned texture, float fadeLevel);

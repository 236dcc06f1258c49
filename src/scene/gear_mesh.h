// The gear: its vertices, computed once per tessellation, compiled into one display list.
#pragma once

#include "scene/display_list.h"

#include <vector>

struct Vertex3 {
    float x, y, z;
};

// The four triangle strips of one gear: face toward -z, face toward +z, bore, rim and teeth.
struct GearMesh {
    int teeth = 0;
    std::vector<Vertex3> strips[4];
};

constexpr int gearSubStepsPerTooth = 10;

// Every vertex of a gear with 2 * tesselation teeth, in drawing order.
GearMesh computeGearMesh(int tesselation);

// The display list that holds one gear, and its number of teeth.
struct Gear {
    int list = noDisplayList<int>;
    int teeth = 0;
};

// Rebuilds the gear with 2 * tesselation teeth, replacing the previous list.
void buildGearList(Gear& gear, int tesselation);

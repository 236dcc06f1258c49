// The gear's triangles without the repeated vertices between sub-steps: the benchmark's limit.
#pragma once

#include "scene/gear_mesh.h"

#include <vector>

// One of the gear's strips with the two vertices that repeat the previous sub-step's last two
// dropped: 2 * count + 2 vertices that make the same non-degenerate triangles, in the same
// order and with the same winding.
std::vector<Vertex3> leanStrip(const std::vector<Vertex3>& strip);

// A display list of the gear at `tesselation` built from the lean strips; the caller deletes it.
unsigned buildLeanGearList(int tesselation);

// The field of coloured point stars behind the gears: one display list drawn twice a frame.
#pragma once

#include "scene/display_list.h"

// The region the stars are scattered over: outside a cube, in the upper half of a ball's
// shell, or in the whole shell.
enum StarShape { starCubeShell = 1, starUpperHalfShell = 2, starBallShell = 3 };

class StarField {
  public:
    StarField() : displayList(noDisplayList<unsigned>) {}
    virtual ~StarField();

    void buildStars(int count, float outerRadius, float innerRadius, StarShape shape);
    void drawStars();
    void releaseStars();

    unsigned displayList;
};

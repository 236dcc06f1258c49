// The field of coloured point stars behind the gears: one display list drawn twice a frame.
#pragma once

struct Star {
    double x, y, z;
    float red, green, blue;
};

// One star drawn from the random sequence: its position by rejection sampling in the shape's
// region, then its colour.
Star generateStar(float outerRadius, float innerRadius, int shape);

class StarField {
  public:
    StarField() : displayList(~0u) {}
    virtual ~StarField();

    void buildStars(int count, float outerRadius, float innerRadius, int shape);
    void drawStars();
    void releaseStars();

    unsigned displayList; // all bits set when no list is held
};

extern StarField starField;

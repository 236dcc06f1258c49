// The field of coloured point stars behind the gears: one display list drawn twice a frame.
#include "scene/star_field.h"

#include "anim/random.h"

#include <GL/gl.h>
#include <cmath>

namespace {

bool accepted(double x, double y, double z, double d, float outerRadius, float innerRadius,
              StarShape shape) {
    if (shape == starCubeShell) {
        double edge = innerRadius + 0.01;
        return std::fabs(x) >= edge || std::fabs(y) >= edge || std::fabs(z) >= edge;
    }
    bool inShell = innerRadius <= d && d <= outerRadius;
    return shape == starUpperHalfShell ? inShell && y >= 0 : inShell;
}

struct Star {
    double x, y, z;
    float red, green, blue;
};

// One star drawn from the random sequence: its position by rejection sampling in the shape's
// region, then its colour.
Star generateStar(float outerRadius, float innerRadius, StarShape shape) {
    double span = 2.0 * outerRadius;
    double x = 0, y = 0, z = 0, d = -0.1;
    while (!accepted(x, y, z, d, outerRadius, innerRadius, shape)) {
        x = randUnit(span) - outerRadius;
        y = randUnit(span) - outerRadius;
        z = randUnit(span) - outerRadius;
        if (shape != starCubeShell) d = std::sqrt(x * x + y * y + z * z);
    }

    Star star{x, y, z, 0, 0, 0};
    bool tinted = randUnit(1) < 0.1;
    double base = tinted ? 0.3 : 0.5, spread = tinted ? 0.5 : 0.3;
    star.blue = static_cast<float>(randUnit(spread) + base);
    star.green = static_cast<float>(randUnit(spread) + base);
    star.red = static_cast<float>(randUnit(spread) + base);
    return star;
}

} // namespace

StarField::~StarField() {}

void StarField::buildStars(int count, float outerRadius, float innerRadius, StarShape shape) {
    releaseStars();
    displayList = glGenLists(1);
    glNewList(displayList, GL_COMPILE);
    glBegin(GL_POINTS);
    for (int i = 0; i < count; ++i) {
        Star s = generateStar(outerRadius, innerRadius, shape);
        glColor3f(s.red, s.green, s.blue);
        glVertex3d(s.x, s.y, s.z);
    }
    glEnd();
    glEndList();
}

void StarField::drawStars() {
    glColor3f(1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPushMatrix();
    glPointSize(1);
    glCallList(displayList);
    glRotatef(120, 0, 1, 0);
    glPointSize(2);
    glCallList(displayList);
    glPopMatrix();
    glDisable(GL_DEPTH_TEST);
}

void StarField::releaseStars() {
    if (displayList == noDisplayList<unsigned>) return;
    glDeleteLists(displayList, 1);
    displayList = noDisplayList<unsigned>;
}

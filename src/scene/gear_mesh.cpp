// The gear: its vertices, computed once per tessellation, compiled into one display list.
#include "scene/gear_mesh.h"

#include <GL/gl.h>
#include <cmath>

namespace {

const float toothProfile[11] = {0.9f, 0.8f, 0.6f, 0, 0, 0, 0, 0, 0.6f, 0.8f, 0.9f};
const float hubRadius = 0.6f;
const float toothDepth = 0.5f;
const float halfThickness = 0.1f;
const float hubFactor = 3;
const double fullTurn = 6.283185307;

// The point at radius rho and angle (given by its sine and cosine), height z.
Vertex3 polar(float rho, float sinA, float cosA, float z) {
    return {rho * sinA, rho * cosA, z};
}

// The tooth's outer radius at sub-step position k (0 to 10) of a tooth period.
float gearOuterRadius(int k) {
    return 1 + toothDepth * toothProfile[k];
}

} // namespace

GearMesh computeGearMesh(int tesselation) {
    GearMesh mesh;
    mesh.teeth = 2 * tesselation;
    int count = mesh.teeth * gearSubStepsPerTooth;
    float step = static_cast<float>(fullTurn / count);
    for (auto& strip : mesh.strips)
        strip.reserve(4 * count);

    const float R = hubRadius, T = halfThickness, hubT = hubFactor * halfThickness;
    for (int i = 0; i < count; ++i) {
        int k = i % gearSubStepsPerTooth;
        float a0 = static_cast<float>(i) * step;
        float a1 = static_cast<float>(i) * step + step;
        float s0 = static_cast<float>(std::sin(static_cast<double>(a0)));
        float c0 = static_cast<float>(std::cos(static_cast<double>(a0)));
        float s1 = static_cast<float>(std::sin(static_cast<double>(a1)));
        float c1 = static_cast<float>(std::cos(static_cast<double>(a1)));
        float r0 = gearOuterRadius(k), r1 = gearOuterRadius(k + 1);

        auto& back = mesh.strips[0];
        back.push_back(polar(R, s0, c0, -hubT));
        back.push_back(polar(r0, s0, c0, -T));
        back.push_back(polar(R, s1, c1, -hubT));
        back.push_back(polar(r1, s1, c1, -T));

        auto& front = mesh.strips[1];
        front.push_back(polar(R, s0, c0, hubT));
        front.push_back(polar(r0, s0, c0, T));
        front.push_back(polar(R, s1, c1, hubT));
        front.push_back(polar(r1, s1, c1, T));

        auto& bore = mesh.strips[2];
        bore.push_back(polar(R, s0, c0, -hubT));
        bore.push_back(polar(R, s0, c0, hubT));
        bore.push_back(polar(R, s1, c1, -hubT));
        bore.push_back(polar(R, s1, c1, hubT));

        auto& rim = mesh.strips[3];
        rim.push_back(polar(r0, s0, c0, -T));
        rim.push_back(polar(r0, s0, c0, T));
        rim.push_back(polar(r1, s1, c1, -T));
        rim.push_back(polar(r1, s1, c1, T));
    }
    return mesh;
}

void buildGearList(Gear& gear, int tesselation) {
    GearMesh mesh = computeGearMesh(tesselation);
    gear.teeth = mesh.teeth;

    if (gear.list != noDisplayList<int>) {
        glDeleteLists(static_cast<GLuint>(gear.list), 1);
        gear.list = noDisplayList<int>;
    }
    gear.list = static_cast<int>(glGenLists(1));
    glNewList(static_cast<GLuint>(gear.list), GL_COMPILE);
    for (const auto& strip : mesh.strips) {
        glBegin(GL_TRIANGLE_STRIP);
        for (const Vertex3& v : strip)
            glVertex3f(v.x, v.y, v.z);
        glEnd();
    }
    glEndList();
}

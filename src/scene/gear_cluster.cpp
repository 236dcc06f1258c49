// The fourteen gears on two perpendicular rings, turning, spinning and drifting in colour.
#include "scene/gear_cluster.h"

#include <GL/gl.h>
#include <array>

namespace {

// Where one gear sits: turned by `angle` degrees about the y axis (axisX false) or the
// x axis (axisX true), pushed out gearDistance along z; diagonal gears spin the other way.
struct GearPlacement {
    float angle;
    bool axisX;
    bool diagonal;
};

constexpr int gearCount = 14;
constexpr float gearDistance = 2.975f;

// Four float loops: the y ring's axes, the poles on x, then the diagonals of the y ring and
// of the x ring.
std::array<GearPlacement, gearCount> generatePlacements() {
    std::array<GearPlacement, gearCount> rows{};
    int n = 0;
    for (float a = 0; a <= 270; a += 90)
        rows[n++] = {a, false, false};
    for (float a = 90; a <= 270; a += 180)
        rows[n++] = {a, true, false};
    for (float a = 45; a <= 315; a += 90)
        rows[n++] = {a, false, true};
    for (float a = 45; a <= 315; a += 90)
        rows[n++] = {a, true, true};
    return rows;
}

void enableTextureGeneration(int mode) {
    static const GLfloat planeS[4] = {1, 0, 0, 0};
    static const GLfloat planeT[4] = {0, 1, 0, 0};
    static const GLfloat planeQ[4] = {0, 0, 5, 0};
    switch (mode) {
    case texGenSphereMap:
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        break;
    case texGenObjectLinear:
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
        glTexGeni(GL_Q, GL_TEXTURE_GEN_MODE, GL_OBJECT_LINEAR);
        glTexGenfv(GL_S, GL_OBJECT_PLANE, planeS);
        glTexGenfv(GL_T, GL_OBJECT_PLANE, planeT);
        glTexGenfv(GL_Q, GL_OBJECT_PLANE, planeQ);
        break;
    case texGenEyeLinear:
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        break;
    default: break;
    }
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    if (mode == texGenObjectLinear) glEnable(GL_TEXTURE_GEN_Q);
}

void disableTextureGeneration(int mode) {
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    if (mode == texGenObjectLinear) glDisable(GL_TEXTURE_GEN_Q);
}

const std::array<GearPlacement, gearCount> gearPlacements = generatePlacements();

// Multiplies one gear's placement and spin onto the current matrix.
void applyGearPlacement(const GearPlacement& g, float gearSpin, float halfTooth) {
    glRotatef(g.angle, g.axisX ? 1.0f : 0.0f, g.axisX ? 0.0f : 1.0f, 0);
    glTranslatef(0, 0, gearDistance);
    glRotatef(g.diagonal ? -(gearSpin + halfTooth) : gearSpin, 0, 0, 1);
}

} // namespace

float halfToothTurn(int teeth) {
    return static_cast<float>(180 / teeth);
}

void drawGearCluster(const SimSettings& settings, const OscillatorBank& bank, const Gear& gear,
                     unsigned texture, float fadeLevel) {
    float halfTooth = halfToothTurn(gear.teeth);
    float clusterYaw = static_cast<float>(oscValue(bank, oscClusterYaw, 3, 720, -360));
    float clusterPitch = static_cast<float>(oscValue(bank, oscClusterPitch, 3, 720, -360));
    float gearSpin = static_cast<float>(oscValue(bank, oscGearSpin, 10, 800, -400));
    int texGenMode = settings.texGenMode;

    if (settings.spotlightOn) glEnable(GL_LIGHTING);
    if (settings.texturesOn) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
        enableTextureGeneration(texGenMode);
    }
    glEnable(GL_DEPTH_TEST);
    glColor3f(static_cast<float>(oscValue(bank, oscGearRed, 10, 0.3, 0.7)) * fadeLevel,
              static_cast<float>(oscValue(bank, oscGearGreen, 10, 0.3, 0.7)) * fadeLevel,
              static_cast<float>(oscValue(bank, oscGearBlue, 10, 0.3, 0.7)) * fadeLevel);

    glPushMatrix();
    glRotatef(clusterYaw, 0, 1, 0);
    glRotatef(clusterPitch, 1, 0, 0);
    for (const GearPlacement& g : gearPlacements) {
        glPushMatrix();
        applyGearPlacement(g, gearSpin, halfTooth);
        glCallList(static_cast<GLuint>(gear.list));
        glPopMatrix();
    }
    glPopMatrix();

    if (settings.texturesOn) disableTextureGeneration(texGenMode);
    glDisable(GL_DEPTH_TEST);
    if (settings.spotlightOn) glDisable(GL_LIGHTING);
}

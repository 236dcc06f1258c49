// Tiling material pictures: wood grain, a riveted brushed metal plate and tarnished brass.
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "procedural.h"

namespace tyvok::images {

namespace {

constexpr double twoPi = 6.283185307179586;
constexpr int samplesPerPixel = 3;

// Shortest offset from a to b on a circle of the given circumference, so features tile.
double wrappedOffset(double a, double b, double circumference) {
    double offset = b - a;
    offset -= circumference * std::floor(offset / circumference + 0.5);
    return offset;
}

Colour shadeWood(double x, double y) {
    const double u = x / pictureSize;
    const double v = y / pictureSize;
    const double knotX = wrappedOffset(0.68, u, 1.0) * 5.0;
    const double knotY = wrappedOffset(0.36, v, 1.0) * 11.0;
    const double knotDistance2 = knotX * knotX + knotY * knotY;
    const double knot = std::exp(-knotDistance2 * 1.4);
    const double warp = tilingFbm(u * 2.0, v * 6.0, {2, 6}, 4, 11) - 0.5;
    const double rings =
        v * 11.0 + warp * 3.0 + 0.35 * std::sin(twoPi * u) + 1.6 * knot * (knotY < 0 ? -1 : 1);
    const double ring = rings - std::floor(rings);
    const double latewood = std::pow(ring, 4.0) * 0.8 + 0.2 * smoothstep(0.9, 1.0, ring);
    const double fibres = tilingFbm(u * 4.0, v * 96.0, {4, 96}, 3, 23);
    const double pores = tilingNoise(u * 32.0, v * 128.0, {32, 128}, 31);
    const double pore = 1.0 - 0.25 * smoothstep(0.75, 0.9, pores);
    const Colour earlywood{0.80, 0.56, 0.31};
    const Colour latewoodColour{0.46, 0.25, 0.11};
    const Colour knotCore{0.30, 0.16, 0.07};
    Colour colour = mix(earlywood, latewoodColour, latewood);
    colour = mix(colour, knotCore, smoothstep(0.55, 0.95, knot));
    return colour * ((0.82 + 0.3 * fibres) * pore);
}

// Light comes from the upper left of the upright picture.
constexpr double lightX = -0.55;
constexpr double lightY = -0.55;
constexpr double lightZ = 0.63;

struct RivetHit {
    bool onRivet = false;
    double shadow = 1.0;
    Colour colour;
};

RivetHit shadeRivet(double dx, double dy, Colour metal) {
    constexpr double radius = 3.6;
    RivetHit hit;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance < radius) {
        const double nx = dx / radius;
        const double ny = dy / radius;
        const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
        const double diffuse = std::max(0.0, nx * lightX + ny * lightY + nz * lightZ);
        const double reflectedZ = 2.0 * diffuse * nz - lightZ;
        const double specular = std::pow(std::max(0.0, reflectedZ), 18.0);
        const double rim = smoothstep(radius - 0.9, radius, distance);
        hit.onRivet = true;
        hit.colour = metal * (0.35 + 0.8 * diffuse) + Colour{1.0, 1.0, 1.0} * (0.7 * specular);
        hit.colour = mix(hit.colour, metal * 0.3, rim * 0.7);
        return hit;
    }
    const double sx = dx - 1.6;
    const double sy = dy - 1.6;
    const double shadowDistance = std::sqrt(sx * sx + sy * sy);
    hit.shadow = 0.55 + 0.45 * smoothstep(radius - 0.5, radius + 1.2, shadowDistance);
    return hit;
}

// The plate's seams lie on the picture border; rivets run along every seam.
Colour shadeMetalPlate(double x, double y) {
    const double u = x / pictureSize;
    const double v = y / pictureSize;
    const double brushed = tilingFbm(u * 2.0, v * 128.0, {2, 128}, 3, 41);
    const double smudge = tilingFbm(u * 3.0, v * 3.0, {3, 3}, 3, 43);
    const double grey = 0.5 + 0.22 * brushed + 0.12 * (smudge - 0.5);
    Colour metal{grey, grey * 1.01, grey * 1.05};

    const double left = x;
    const double top = y;
    const double right = pictureSize - x;
    const double bottom = pictureSize - y;
    const double edge = std::min(std::min(left, right), std::min(top, bottom));
    if (edge < 1.2) {
        return metal * 0.25;
    }
    if (edge < 3.5) {
        const bool litSide = (edge == left || edge == top);
        metal = metal * (litSide ? 1.3 : 0.65);
    }

    const double spacing = 16.0;
    const double inset = 8.0;
    const double alongX = std::fmod(x, spacing) - spacing / 2.0;
    const double alongY = std::fmod(y, spacing) - spacing / 2.0;
    double shadow = 1.0;
    const double offsetsX[] = {alongX, left - inset, alongX, right - inset};
    const double offsetsY[] = {top - inset, alongY, bottom - inset, alongY};
    for (int side = 0; side < 4; ++side) {
        const double dx = side == 3 ? -offsetsX[side] : offsetsX[side];
        const double dy = side == 2 ? -offsetsY[side] : offsetsY[side];
        const RivetHit hit = shadeRivet(dx, dy, metal);
        if (hit.onRivet) {
            return hit.colour;
        }
        shadow = std::min(shadow, hit.shadow);
    }
    return metal * shadow;
}

Colour shadeBrass(double x, double y) {
    const double u = x / pictureSize;
    const double v = y / pictureSize;
    const double sheen = tilingFbm(u * 2.0, v * 2.0, {2, 2}, 4, 51);
    const double scratches = tilingFbm(u * 64.0, v * 3.0, {64, 3}, 2, 53);
    const double patinaField = tilingFbm(u * 4.0, v * 4.0, {4, 4}, 5, 57);
    const double spotField = tilingFbm(u * 8.0, v * 8.0, {8, 8}, 3, 59);
    const double speckle = tilingFbm(u * 32.0, v * 32.0, {32, 32}, 2, 61);

    const Colour brass{0.82, 0.63, 0.27};
    const Colour darkBrass{0.45, 0.31, 0.11};
    const Colour verdigris{0.32, 0.52, 0.40};
    const Colour grime{0.18, 0.15, 0.08};

    Colour colour = mix(darkBrass, brass, smoothstep(0.3, 0.7, sheen));
    colour = colour * (0.88 + 0.22 * scratches);
    const double halo = smoothstep(0.48, 0.56, patinaField);
    const double patina = smoothstep(0.56, 0.64, patinaField);
    colour = mix(colour, darkBrass * 0.7, halo * 0.6);
    colour = mix(colour, verdigris * (0.8 + 0.4 * speckle), patina);
    colour = mix(colour, grime, smoothstep(0.66, 0.74, spotField) * 0.85);
    return colour;
}

} // namespace

Image drawWood() {
    return paintPicture(pictureSize, samplesPerPixel, shadeWood);
}

Image drawMetalPlate() {
    return paintPicture(pictureSize, samplesPerPixel, shadeMetalPlate);
}

Image drawBrassTarnish() {
    return paintPicture(pictureSize, samplesPerPixel, shadeBrass);
}

} // namespace tyvok::images

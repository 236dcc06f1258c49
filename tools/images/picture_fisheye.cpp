// A street scene traced through a 180-degree fisheye lens: pavement, houses, lamp posts and sky.
#include <cmath>

#include "pictures.h"
#include "procedural.h"

namespace tyvok::images {

namespace {

constexpr double halfPi = 1.5707963267948966;
constexpr double lensRadius = 62.0;
constexpr double eyeHeight = 1.6;
constexpr double streetHalfWidth = 4.5;
constexpr double houseLength = 7.0;
constexpr double farFacadeDistance = 60.0;
constexpr double farFacadeHeight = 16.0;
constexpr double lampSpacing = 9.0;
constexpr double lampInset = 3.6;
constexpr double lampRadius = 0.12;
constexpr double lampHeight = 4.2;
constexpr double noHit = 1e30;

struct Ray {
    double dx, dy,
        dz; // unit direction from the eye at (0, eyeHeight, 0); +z looks down the street
};

struct Hit {
    double distance = noHit;
    Colour colour;
};

void keepNearer(Hit& best, double distance, Colour colour) {
    if (distance > 0.0 && distance < best.distance) {
        best = {distance, colour};
    }
}

Colour hazed(Colour colour, double distance) {
    const Colour haze{0.78, 0.82, 0.86};
    return mix(colour, haze, 1.0 - std::exp(-distance / 55.0));
}

Colour skyColour(const Ray& ray) {
    const Colour horizon{0.86, 0.90, 0.95};
    const Colour zenith{0.25, 0.47, 0.86};
    Colour sky = mix(horizon, zenith, std::sqrt(clamp01(ray.dy)));
    if (ray.dy > 0.02) {
        const double cloudX = ray.dx / ray.dy * 2.0;
        const double cloudZ = ray.dz / ray.dy * 2.0;
        const double cloud = tilingFbm(cloudX + 40.0, cloudZ + 40.0, {64, 64}, 4, 71);
        sky = mix(sky, Colour{1.0, 1.0, 1.0}, smoothstep(0.5, 0.72, cloud) * 0.85);
    }
    return sky;
}

Colour pavementColour(double x, double z) {
    const bool light =
        ((static_cast<int>(std::floor(x)) + static_cast<int>(std::floor(z))) & 1) == 0;
    return light ? Colour{0.86, 0.82, 0.72} : Colour{0.24, 0.22, 0.23};
}

Colour houseBaseColour(int house, int side) {
    const Colour palette[] = {{0.80, 0.55, 0.30}, {0.70, 0.30, 0.22}, {0.88, 0.80, 0.60},
                              {0.55, 0.62, 0.70}, {0.75, 0.68, 0.45}, {0.62, 0.42, 0.35}};
    const std::uint32_t pick =
        hash32(static_cast<std::uint32_t>(house), static_cast<std::uint32_t>(side), 73) % 6u;
    return palette[pick];
}

double houseHeight(int house, int side) {
    const std::uint32_t bits =
        hash32(static_cast<std::uint32_t>(house), static_cast<std::uint32_t>(side), 79);
    return 6.0 + static_cast<double>(bits % 9u);
}

// Facade pattern in metres: u runs along the wall, height up from the pavement.
Colour facadeColour(Colour base, double u, double height, double roofHeight) {
    if (height > roofHeight - 0.5) {
        return base * 0.55; // cornice
    }
    const double column = u - 1.75 * std::floor(u / 1.75);
    const double storey = height - 2.6 * std::floor(height / 2.6);
    const bool window =
        height > 2.6 && column > 0.5 && column < 1.3 && storey > 0.7 && storey < 2.1;
    if (window) {
        return Colour{0.16, 0.22, 0.32} + Colour{0.2, 0.2, 0.2} * (storey > 1.9 ? 1.0 : 0.0);
    }
    const bool shopfront = height < 2.2 && column > 0.2 && column < 1.55;
    return shopfront ? base * 0.35 : base;
}

void traceHouses(const Ray& ray, Hit& best) {
    if (std::fabs(ray.dx) < 1e-9) {
        return;
    }
    const int side = ray.dx > 0.0 ? 1 : 0;
    const double distance = streetHalfWidth / std::fabs(ray.dx);
    const double height = eyeHeight + distance * ray.dy;
    const double z = distance * ray.dz;
    const int house = static_cast<int>(std::floor(z / houseLength));
    const double roof = houseHeight(house, side);
    if (height < 0.0 || height > roof) {
        return;
    }
    const Colour base = houseBaseColour(house, side);
    keepNearer(best, distance, facadeColour(base, z, height, roof));
}

void traceFarFacade(const Ray& ray, Hit& best) {
    if (ray.dz < 1e-9) {
        return;
    }
    const double distance = farFacadeDistance / ray.dz;
    const double x = distance * ray.dx;
    const double height = eyeHeight + distance * ray.dy;
    const bool tower = std::fabs(x) < 1.5 && height < farFacadeHeight + 8.0;
    if (height < 0.0 || (!tower && (std::fabs(x) > streetHalfWidth || height > farFacadeHeight))) {
        return;
    }
    const Colour stone{0.85, 0.78, 0.62};
    keepNearer(best, distance,
               facadeColour(stone, x + 10.0, height, tower ? 24.0 : farFacadeHeight));
}

void tracePavement(const Ray& ray, Hit& best) {
    if (ray.dy >= 0.0) {
        return;
    }
    const double distance = -eyeHeight / ray.dy;
    keepNearer(best, distance, pavementColour(distance * ray.dx, distance * ray.dz));
}

void traceLampPost(const Ray& ray, double postX, double postZ, Hit& best) {
    const double a = ray.dx * ray.dx + ray.dz * ray.dz;
    const double b = -2.0 * (ray.dx * postX + ray.dz * postZ);
    const double c = postX * postX + postZ * postZ - lampRadius * lampRadius;
    const double discriminant = b * b - 4.0 * a * c;
    if (a < 1e-12 || discriminant < 0.0) {
        return;
    }
    const double distance = (-b - std::sqrt(discriminant)) / (2.0 * a);
    const double height = eyeHeight + distance * ray.dy;
    if (height < 0.0 || height > lampHeight) {
        return;
    }
    const double hitX = distance * ray.dx - postX;
    const double shade = 0.55 + 0.45 * (hitX / lampRadius) * (postX > 0.0 ? -1.0 : 1.0);
    const bool lantern = height > lampHeight - 0.45;
    const Colour iron{0.12, 0.2, 0.16};
    keepNearer(best, distance, lantern ? Colour{0.98, 0.9, 0.55} : iron * (0.6 + 0.8 * shade));
}

Colour traceScene(const Ray& ray) {
    Hit best;
    tracePavement(ray, best);
    traceHouses(ray, best);
    traceFarFacade(ray, best);
    for (int lamp = 0; lamp < 7; ++lamp) {
        const double z = 2.5 + lampSpacing * lamp;
        traceLampPost(ray, -lampInset, z, best);
        traceLampPost(ray, lampInset, z + lampSpacing / 2.0, best);
    }
    if (best.distance == noHit) {
        return skyColour(ray);
    }
    return hazed(best.colour, best.distance);
}

// Equidistant fisheye: the angle from the view axis grows linearly with distance from the centre.
Colour shadeFisheye(double x, double y) {
    const double centre = pictureSize / 2.0;
    const double px = (x - centre) / lensRadius;
    const double py = (y - centre) / lensRadius;
    const double radius = std::sqrt(px * px + py * py);
    if (radius >= 1.0) {
        return {};
    }
    const double angle = radius * halfPi;
    const double across = radius > 1e-9 ? std::sin(angle) / radius : 0.0;
    const Ray ray{px * across, -py * across, std::cos(angle)};
    const double vignette = 1.0 - 0.35 * radius * radius * radius * radius;
    return traceScene(ray) * vignette;
}

} // namespace

Image drawFisheyeStreet() {
    return paintPicture(pictureSize, 4, shadeFisheye);
}

} // namespace tyvok::images

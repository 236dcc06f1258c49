// Deterministic building blocks for the drawn pictures: seeded hashing, tiling noise and colours.
#pragma once

#include <cstdint>

#include "bmp_writer.h"

namespace tyvok::images {

// A colour with channels in 0..1 while a picture is being computed.
struct Colour {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

Colour operator+(Colour a, Colour b);
Colour operator*(Colour a, double factor);
Colour operator*(Colour a, Colour b);
Colour mix(Colour a, Colour b, double amount);
double mix(double a, double b, double amount);
double clamp01(double value);
double smoothstep(double edge0, double edge1, double value);
Rgb toRgb(Colour colour);

// Mixes the integers into a well-spread 32-bit value.
std::uint32_t hash32(std::uint32_t x, std::uint32_t y, std::uint32_t seed);

// Small seeded generator for placing features; same seed, same sequence everywhere.
class Rng {
  public:
    explicit Rng(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next();
    double uniform(); // in [0, 1)
    double range(double low, double high) { return low + (high - low) * uniform(); }

  private:
    std::uint32_t state_;
};

// How many lattice cells a noise pattern spans before it repeats, across and down.
struct NoisePeriod {
    int across = 1;
    int down = 1;
};

// Value noise in [0, 1] that repeats after `period` lattice cells, so a picture whose lattice
// spans exactly one period in each direction tiles seamlessly.
double tilingNoise(double x, double y, NoisePeriod period, std::uint32_t seed);

// Sum of `octaves` noise layers, each twice as fine and half as strong; result in [0, 1].
double tilingFbm(double x, double y, NoisePeriod period, int octaves, std::uint32_t seed);

// Fills a size x size picture by shading samplesPerAxis^2 points in each pixel and averaging;
// shade receives upright picture coordinates in pixels, (0, 0) being the top-left corner.
template <typename Shader> Image paintPicture(int size, int samplesPerAxis, Shader shade) {
    Image picture(size, size);
    const double step = 1.0 / samplesPerAxis;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum;
            for (int sy = 0; sy < samplesPerAxis; ++sy) {
                for (int sx = 0; sx < samplesPerAxis; ++sx) {
                    sum = sum + shade(x + (sx + 0.5) * step, y + (sy + 0.5) * step);
                }
            }
            picture.at(x, y) = toRgb(sum * (step * step));
        }
    }
    return picture;
}

} // namespace tyvok::images

// Seeded hashing, value noise and colour arithmetic shared by the drawn pictures.
#include "procedural.h"

#include <cmath>

namespace tyvok::images {

Colour operator+(Colour a, Colour b) {
    return {a.red + b.red, a.green + b.green, a.blue + b.blue};
}

Colour operator*(Colour a, double factor) {
    return {a.red * factor, a.green * factor, a.blue * factor};
}

Colour operator*(Colour a, Colour b) {
    return {a.red * b.red, a.green * b.green, a.blue * b.blue};
}

Colour mix(Colour a, Colour b, double amount) {
    return {mix(a.red, b.red, amount), mix(a.green, b.green, amount), mix(a.blue, b.blue, amount)};
}

double mix(double a, double b, double amount) {
    return a + (b - a) * amount;
}

double clamp01(double value) {
    return value < 0.0 ? 0.0 : (value > 1.0 ? 1.0 : value);
}

double smoothstep(double edge0, double edge1, double value) {
    const double t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

namespace {

std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(std::lround(clamp01(channel) * 255.0));
}

std::uint32_t mixBits(std::uint32_t value) {
    value ^= value >> 16;
    value *= 0x7FEB352Du;
    value ^= value >> 15;
    value *= 0x846CA68Bu;
    value ^= value >> 16;
    return value;
}

int wrap(int value, int period) {
    return ((value % period) + period) % period;
}

double latticeValue(int x, int y, NoisePeriod period, std::uint32_t seed) {
    const std::uint32_t bits = hash32(static_cast<std::uint32_t>(wrap(x, period.across)),
                                      static_cast<std::uint32_t>(wrap(y, period.down)), seed);
    return static_cast<double>(bits >> 8) / 16777215.0;
}

double fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

Rgb toRgb(Colour colour) {
    return {toByte(colour.red), toByte(colour.green), toByte(colour.blue)};
}

std::uint32_t hash32(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    return mixBits(x * 0x9E3779B1u ^ mixBits(y * 0x85EBCA77u ^ mixBits(seed + 0x27D4EB2Fu)));
}

std::uint32_t Rng::next() {
    state_ += 0x9E3779B9u;
    return mixBits(state_);
}

double Rng::uniform() {
    return static_cast<double>(next() >> 8) / 16777216.0;
}

double tilingNoise(double x, double y, NoisePeriod period, std::uint32_t seed) {
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const int ix = static_cast<int>(cellX);
    const int iy = static_cast<int>(cellY);
    const double fx = fade(x - cellX);
    const double fy = fade(y - cellY);
    const double top =
        mix(latticeValue(ix, iy, period, seed), latticeValue(ix + 1, iy, period, seed), fx);
    const double bottom =
        mix(latticeValue(ix, iy + 1, period, seed), latticeValue(ix + 1, iy + 1, period, seed), fx);
    return mix(top, bottom, fy);
}

double tilingFbm(double x, double y, NoisePeriod period, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * tilingNoise(x, y, period, seed + static_cast<std::uint32_t>(octave));
        total += weight;
        x *= 2.0;
        y *= 2.0;
        period.across *= 2;
        period.down *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

} // namespace tyvok::images

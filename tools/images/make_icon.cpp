// Draws the desktop icon: a ten-toothed gear cut out of one of the program's images, as a PNG.
#include "png_file.h"
#include "textures/bmp_decode.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int teeth = 10; // the gear as the program first draws it
constexpr double tipRadius = 62, rootRadius = 49, holeRadius = 15, rimWidth = 3;
constexpr double pi = 3.14159265358979;

// How far past the gear's outline (positive) or inside it (negative) a point lies, roughly.
double outsideBy(double x, double y) {
    double dx = x - bmpSide / 2.0, dy = y - bmpSide / 2.0;
    double d = std::sqrt(dx * dx + dy * dy);
    double phase = std::atan2(dy, dx) / (2 * pi) * teeth;
    phase -= std::floor(phase);
    // A trapezoid tooth: flank, tip, flank, then the gap at the root.
    double rise = std::fmin(1.0, std::fmin(phase / 0.12, (0.6 - phase) / 0.12));
    double outer = rootRadius + (tipRadius - rootRadius) * std::fmax(0.0, rise);
    return std::fmax(d - outer, holeRadius - d);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <picture.bmp> <icon.png>\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < bmpFileBytes) {
        std::fprintf(stderr, "%s: not a 128 x 128 picture\n", argv[1]);
        return 1;
    }
    std::vector<unsigned char> picture(rgbaImageBytes);
    decodeBmpPixels(bytes.data(), bytes.size(), 255, 0, picture.data());

    tyvok::png::Picture icon{bmpSide, bmpSide, tyvok::png::Channels::rgba,
                             std::vector<std::uint8_t>(rgbaImageBytes, 0)};
    for (int y = 0; y < bmpSide; ++y)
        for (int x = 0; x < bmpSide; ++x) {
            int covered = 0; // of 4 x 4 samples, for smooth edges
            for (int sample = 0; sample < 16; ++sample)
                covered += outsideBy(x + (sample % 4 + 0.5) / 4, y + (sample / 4 + 0.5) / 4) < 0;
            double shade = outsideBy(x + 0.5, y + 0.5) > -rimWidth ? 0.6 : 1.0;
            std::size_t at = (static_cast<std::size_t>(y) * bmpSide + x) * 4;
            for (int channel = 0; channel < 3; ++channel)
                icon.samples[at + channel] =
                    static_cast<std::uint8_t>(picture[at + channel] * shade);
            icon.samples[at + 3] = static_cast<std::uint8_t>(covered * 255 / 16);
        }
    std::string error;
    if (!tyvok::png::writePng(argv[2], icon, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 1;
    }
    return 0;
}

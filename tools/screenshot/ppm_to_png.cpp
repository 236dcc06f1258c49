// Turns a binary PPM picture into a PNG half its width and height, for the README screenshot.
#include "png_writer.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ppm_to_png picture.ppm screenshot.png\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    if (!(in >> magic >> width >> height >> maxValue) || magic != "P6" || maxValue != 255) {
        std::cerr << argv[1] << ": not an 8-bit binary PPM\n";
        return 1;
    }
    in.get();
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(width) * height);
    if (!in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()))) {
        std::cerr << argv[1] << ": truncated\n";
        return 1;
    }

    // Each PNG pixel is the mean of a 2 x 2 block: the PNG is stored uncompressed, so a quarter
    // of the pixels keeps the README's image small.
    const int w = width / 2, h = height / 2;
    std::vector<std::uint8_t> rgba(4 * static_cast<std::size_t>(w) * h, 255);
    auto at = [&](int x, int y, int c) {
        return rgb[3 * (static_cast<std::size_t>(y) * width + x) + c];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                rgba[4 * (static_cast<std::size_t>(y) * w + x) + c] = static_cast<std::uint8_t>(
                    (at(2 * x, 2 * y, c) + at(2 * x + 1, 2 * y, c) + at(2 * x, 2 * y + 1, c) +
                     at(2 * x + 1, 2 * y + 1, c) + 2) /
                    4);
    return tyvok::png::writePng(argv[2], w, h, rgba) ? 0 : 1;
}

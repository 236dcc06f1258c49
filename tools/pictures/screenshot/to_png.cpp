// Turns a window dump (xwd) or a PNG into a compressed PNG, at full or half width and height,
// for the README's pictures. Usage: tyvok_to_png [--half] <picture.xwd|picture.png> <out.png>
#include "png_file.h"
#include "xwd_read.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr unsigned char pngSignature[] = {0x89, 'P', 'N', 'G'};

bool isPng(const std::string& path) {
    unsigned char start[sizeof pngSignature] = {};
    std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(start), sizeof start);
    return std::memcmp(start, pngSignature, sizeof start) == 0;
}

// Each pixel of the result is the rounded mean of a 2 x 2 block.
tyvok::png::Picture halved(const tyvok::png::Picture& in) {
    tyvok::png::Picture out{in.width / 2, in.height / 2, tyvok::png::Channels::rgb, {}};
    auto at = [&](int x, int y, int c) {
        return in.samples[3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(in.width) +
                               static_cast<std::size_t>(x)) +
                          static_cast<std::size_t>(c)];
    };
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.samples.push_back(static_cast<std::uint8_t>(
                    (at(2 * x, 2 * y, c) + at(2 * x + 1, 2 * y, c) + at(2 * x, 2 * y + 1, c) +
                     at(2 * x + 1, 2 * y + 1, c) + 2) /
                    4));
    return out;
}

} // namespace

int main(int argc, char** argv) {
    const bool half = argc == 4 && std::strcmp(argv[1], "--half") == 0;
    if (argc != 3 && !half) {
        std::fprintf(stderr, "usage: %s [--half] <picture.xwd|picture.png> <out.png>\n", argv[0]);
        return 2;
    }
    const std::string input = argv[argc - 2], output = argv[argc - 1];
    tyvok::png::Picture picture;
    std::string error;
    if (!(isPng(input) ? tyvok::png::readPngRgb(input, picture, error)
                       : tyvok::xwd::readXwdRgb(input, picture, error))) {
        std::fprintf(stderr, "%s: %s\n", input.c_str(), error.c_str());
        return 1;
    }
    if (!tyvok::png::writePng(output, half ? halved(picture) : picture, error)) {
        std::fprintf(stderr, "%s: %s\n", output.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

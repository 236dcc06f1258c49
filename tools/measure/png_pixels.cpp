// The Wayland tests' reader of screenshots: png_pixels FILE prints the pixels of a PNG file
// as x_probe prints a window's, one row a line, "red green blue" of each pixel.
#include "png_file.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    tyvok::png::Picture picture;
    std::string error;
    if (argc != 2) {
        std::fputs("usage: png_pixels FILE\n", stderr);
        return 2;
    }
    if (!tyvok::png::readPngRgb(argv[1], picture, error)) {
        std::fprintf(stderr, "png_pixels: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const std::uint8_t* sample = picture.samples.data();
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x, sample += 3)
            std::printf("%d %d %d%c", sample[0], sample[1], sample[2],
                        x + 1 < picture.width ? ' ' : '\n');
    return 0;
}

// Prints a rectangle of a screen dump (xwd) as text: one line per row, "red green blue" of each
// pixel from left to right. Usage: tyvok_xwd_pixels <screen.xwd> X Y WIDTH HEIGHT
#include "xwd_read.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <screen.xwd> X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    tyvok::png::Picture picture;
    std::string error;
    if (!tyvok::xwd::readXwdRgb(argv[1], picture, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    const int left = std::atoi(argv[2]), top = std::atoi(argv[3]);
    const int width = std::atoi(argv[4]), height = std::atoi(argv[5]);
    if (left < 0 || top < 0 || width <= 0 || height <= 0 || left + width > picture.width ||
        top + height > picture.height) {
        std::fprintf(stderr, "%s: the rectangle is not inside the %d x %d dump\n", argv[1],
                     picture.width, picture.height);
        return 1;
    }
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const std::size_t at =
                3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                     static_cast<std::size_t>(x));
            std::printf("%s%d %d %d", x == left ? "" : " ", picture.samples[at],
                        picture.samples[at + 1], picture.samples[at + 2]);
        }
        std::printf("\n");
    }
    return 0;
}

// The Wayland tests' picture comparison: compare_pictures A B compares two pictures of the same
// frame, each a file of pixels as png_pixels and x_probe print them, with the reference picture's
// tolerance (picture_difference.h). Prints the difference; exits 0 within the tolerance, 1
// beyond it, 2 where a file cannot be read.
#include "picture_difference.h"

#include <cstdio>

namespace {

bool readPixels(const char* path, std::vector<unsigned char>& samples) {
    FILE* file = std::fopen(path, "r");
    if (!file) return false;
    for (int sample = 0; std::fscanf(file, "%d", &sample) == 1;)
        samples.push_back(static_cast<unsigned char>(sample));
    std::fclose(file);
    return !samples.empty();
}

} // namespace

int main(int argc, char** argv) {
    std::vector<unsigned char> a, b;
    if (argc != 3 || !readPixels(argv[1], a) || !readPixels(argv[2], b)) {
        std::fputs("usage: compare_pictures PIXELS PIXELS (two readable files of pixels)\n",
                   stderr);
        return 2;
    }
    const PictureDifference d = comparePictures(a, b);
    std::printf("mean difference %.3f, %.5f of the samples far off (at most %.1f and %.4f)%s\n",
                d.mean, d.farShare(), meanTolerance, farShareTolerance,
                d.sameSize ? "" : ": not the same size");
    return d.withinTolerance() ? 0 : 1;
}

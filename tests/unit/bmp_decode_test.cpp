// The decoder's two alpha rules: the grey level, or a fixed alpha where a channel reaches the
// threshold (channel order, row order and data that ends early are in the fuzz test).
#include "textures/bmp_decode.h"

#include <gtest/gtest.h>
#include <vector>

TEST(BmpDecode, GreyLevelAndThresholdAlpha) {
    // red, green, blue, alpha, threshold, expected alpha
    const int cases[][6] = {
        {255, 255, 255, -1, 0, 255}, {30, 30, 30, -1, 0, 30},    {1, 0, 0, -1, 0, 0},
        {100, 101, 101, -1, 0, 100}, {0, 0, 0, 255, 0, 255},     {99, 99, 99, 200, 100, 0},
        {100, 0, 0, 200, 100, 200},  {0, 100, 0, 200, 100, 200}, {0, 0, 100, 7, 100, 7}};
    for (const auto& c : cases) {
        std::vector<unsigned char> file(bmpFileBytes, 0), rgba(rgbaImageBytes);
        using Byte = unsigned char; // the first stored pixel: buffer row 127
        file[54] = Byte(c[2]), file[55] = Byte(c[1]), file[56] = Byte(c[0]);
        decodeBmpPixels(file.data(), file.size(), c[3], c[4], rgba.data());
        EXPECT_EQ(rgba[127 * 128 * 4 + 3], c[5]) << c[0] << "," << c[1] << "," << c[2];
    }
}

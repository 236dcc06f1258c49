// Image bytes to RGBA rows: row and channel order, the two alpha rules, data that ends early.
#include "textures/bmp_decode.h"

#include <gtest/gtest.h>
#include <vector>

using Bytes = std::vector<unsigned char>;

// The texel at buffer (row, column) once `file` is decoded.
static Bytes texel(const Bytes& file, int alpha, int row, int column, int threshold = 0) {
    Bytes rgba(rgbaImageBytes, 0xAB);
    decodeBmpPixels(file.data(), file.size(), alpha, threshold, rgba.data());
    return Bytes(&rgba[(row * 128 + column) * 4], &rgba[(row * 128 + column) * 4 + 4]);
}

TEST(BmpDecode, GreyLevelAndThresholdAlpha) {
    // red, green, blue, alpha, threshold, expected alpha
    const int cases[][6] = {
        {255, 255, 255, -1, 0, 255}, {30, 30, 30, -1, 0, 30},    {1, 0, 0, -1, 0, 0},
        {100, 101, 101, -1, 0, 100}, {0, 0, 0, 255, 0, 255},     {99, 99, 99, 200, 100, 0},
        {100, 0, 0, 200, 100, 200},  {0, 100, 0, 200, 100, 200}, {0, 0, 100, 7, 100, 7}};
    for (const auto& c : cases) {
        Bytes file(bmpFileBytes, 0);
        file[54] = c[2], file[55] = c[1], file[56] = c[0];
        EXPECT_EQ(texel(file, c[3], 127, 0, c[4])[3], c[5]) << c[0] << "," << c[1] << "," << c[2];
    }
}

TEST(BmpDecode, RowsColumnsAndChannelsThenMinusOnePastTheEnd) {
    Bytes sixPixels(54 + 6 * 3, 0); // the first file row's first six pixels, then the data ends
    sixPixels[54 + 15] = 10, sixPixels[54 + 16] = 11, sixPixels[54 + 17] = 12;
    EXPECT_EQ(texel(sixPixels, 255, 127, 5), (Bytes{12, 11, 10, 255}));
    EXPECT_EQ(texel(sixPixels, 255, 127, 122), (Bytes{255, 255, 255, 0})); // not mirrored
    Bytes blueOnly(55, 7);
    EXPECT_EQ(texel(blueOnly, 255, 127, 0), (Bytes{255, 255, 7, 255}));
    EXPECT_EQ(texel(blueOnly, -1, 127, 0), (Bytes{255, 255, 7, 1}));
    for (const Bytes& file : {Bytes{}, Bytes(20, 0x11), blueOnly, sixPixels}) {
        EXPECT_EQ(texel(file, 255, 0, 127), (Bytes{255, 255, 255, 0}));
        EXPECT_EQ(texel(file, -1, 0, 127), (Bytes{255, 255, 255, 255}));
    }
}

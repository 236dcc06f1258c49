// The image decoder on a known picture, and on cut, padded, damaged and random files.
#include "textures/bmp_decode.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
const int picture = 255, font = -1; // the two alpha rules: opaque picture, grey-level font

std::array<int, 4> texel(const Bytes& rgba, int row, int column) {
    const unsigned char* t = &rgba[4 * (row * bmpSide + column)];
    return {t[0], t[1], t[2], t[3]};
}

Bytes decode(const Bytes& file, int alpha) {
    Bytes rgba(rgbaImageBytes);
    decodeBmpPixels(file.data(), file.size(), alpha, 0, rgba.data());
    return rgba;
}

} // namespace

// Stored blue, green, red; the first stored row is the top row (buffer row 127).
TEST(BmpDecode, KnownPixelsLandInPlaceWithTheirAlphaAndACutFileReadsAsEndOfFile) {
    Bytes file(bmpFileBytes, 0);
    const unsigned char stored[][3] = {{30, 30, 30}, {0, 0, 1}, {255, 255, 255}, {10, 20, 30}};
    const size_t at[] = {54, 57, 54 + 127 * 3, bmpFileBytes - 3};
    for (int i = 0; i < 4; ++i)
        std::copy(stored[i], stored[i] + 3, file.begin() + long(at[i]));
    Bytes rgba = decode(file, font);
    using T = std::array<int, 4>;
    EXPECT_EQ(texel(rgba, 127, 0), (T{30, 30, 30, 30}));
    EXPECT_EQ(texel(rgba, 127, 1), (T{1, 0, 0, 0})); // a third of 1 is no coverage
    EXPECT_EQ(texel(rgba, 127, 127), (T{255, 255, 255, 255}));
    EXPECT_EQ(texel(rgba, 0, 127), (T{30, 20, 10, 20}));
    EXPECT_EQ(texel(decode(file, picture), 64, 64), (T{0, 0, 0, 255})); // black is opaque
    // Cut after the blue of the last pixel: green and red read as end-of-file, -1.
    file.resize(bmpFileBytes - 2);
    EXPECT_EQ(texel(decode(file, picture), 0, 127), (T{255, 255, 10, 255}));
    EXPECT_EQ(texel(decode(file, font), 0, 127), (T{255, 255, 10, 2})); // (10 - 2) / 3
    file.resize(54); // no pixels at all: alpha 0 for pictures, -1 (255) for the font
    EXPECT_EQ(texel(decode(file, picture), 0, 0), (T{255, 255, 255, 0}));
    EXPECT_EQ(texel(decode(file, font), 127, 127), (T{255, 255, 255, 255}));
}

// For any bytes: nothing outside them is read (the sanitizer build checks), a file cut short
// reads as the whole file up to the cut and as end-of-file bytes past it, and neither the
// header nor bytes after the pixels change anything.
TEST(BmpFuzz, CutPaddedDamagedAndRandomFilesKeepTheReadingRules) {
    std::mt19937 rng(20240611); // fixed, so that a failure replays
    Bytes noise(2 * bmpFileBytes);
    for (unsigned char& byte : noise)
        byte = static_cast<unsigned char>(rng());
    const Bytes whole(noise.begin(), noise.begin() + long(bmpFileBytes));
    const Bytes wholeRgba[2] = {decode(whole, picture), decode(whole, font)};
    for (int input = 0; input < 100000; ++input) {
        const int kind = input % 4, rule = input / 4 % 2;
        const size_t from = kind == 3 ? rng() % bmpFileBytes : 0,
                     lengths[] = {rng() % bmpFileBytes, bmpFileBytes + rng() % 4096, bmpFileBytes,
                                  rng() % 160};
        // Exactly as long as the file, so that AddressSanitizer sees any read past its end.
        Bytes bytes(noise.begin() + long(from), noise.begin() + long(from + lengths[kind]));
        if (kind == 2)
            for (int i = 0; i < 8; ++i)
                bytes[rng() % bmpHeaderBytes] = static_cast<unsigned char>(rng());
        const Bytes rgba = decode(bytes, rule ? font : picture);
        SCOPED_TRACE("input " + std::to_string(input));
        if (kind == 1 || kind == 2) {
            ASSERT_TRUE(rgba == wholeRgba[rule]) << "padding or the header changed the picture";
            continue;
        }
        const int complete = int(bytes.size() - std::min(bytes.size(), bmpHeaderBytes)) / 3;
        const int stored[] = {complete - 1, int(rng() % 16384), complete + 1, 16383};
        for (int s : stored) {
            if (s < 0 || s >= 16384) continue;
            const int row = bmpSide - 1 - s / bmpSide, column = s % bmpSide;
            const std::array<int, 4> got = texel(rgba, row, column);
            if (s > complete) {
                ASSERT_EQ(got, (std::array<int, 4>{255, 255, 255, rule * 255})) << "past the end";
            } else if (s < complete && kind == 0) {
                ASSERT_EQ(got, texel(wholeRgba[rule], row, column)) << "before the cut";
            } else if (s < complete && !rule) {
                ASSERT_EQ(got[3], 255) << "a picture pixel not opaque";
            }
        }
    }
}

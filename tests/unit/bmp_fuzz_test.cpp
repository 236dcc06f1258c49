// The image decoder on a known picture, and on cut, padded, damaged and random files.
#include "textures/bmp_decode.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using Bytes = std::vector<unsigned char>;
using Texel = std::array<int, 4>;
static const int picture = 255, font = -1; // the alpha rules: opaque picture, grey-level font

static Bytes decode(const Bytes& file, int alpha) {
    Bytes rgba(rgbaImageBytes);
    decodeBmpPixels(file.data(), file.size(), alpha, 0, rgba.data());
    return rgba;
}

// The texel of the stored pixel `n`: the first stored row is the top row (buffer row 127).
static Texel texel(const Bytes& rgba, int n) {
    const unsigned char* t = &rgba[4 * ((bmpSide - 1 - n / bmpSide) * bmpSide + n % bmpSide)];
    return {t[0], t[1], t[2], t[3]};
}

// Stored blue, green, red; a third of 1 is no coverage, black is an opaque picture pixel.
TEST(BmpDecode, KnownPixelsLandInPlaceWithTheirAlphaAndACutFileReadsAsEndOfFile) {
    Bytes file(bmpFileBytes, 0);
    std::fill_n(&file[bmpHeaderBytes], 3, 30);            // pixel 0: grey 30
    file[bmpHeaderBytes + 5] = 1;                         // pixel 1: red 1
    std::fill_n(&file[bmpHeaderBytes + 3 * 127], 3, 255); // pixel 127: white
    std::copy_n("\x0a\x14\x1e", 3, file.end() - 3);       // the last: blue 10, green 20, red 30
    const Bytes rgba = decode(file, font);
    EXPECT_EQ(texel(rgba, 0), (Texel{30, 30, 30, 30}));
    EXPECT_EQ(texel(rgba, 1), (Texel{1, 0, 0, 0}));
    EXPECT_EQ(texel(rgba, 127), (Texel{255, 255, 255, 255}));
    EXPECT_EQ(texel(rgba, 16383), (Texel{30, 20, 10, 20}));
    EXPECT_EQ(texel(decode(file, picture), 8000), (Texel{0, 0, 0, 255}));
    file.resize(bmpFileBytes - 2); // green and red of the last pixel read as end-of-file, -1
    EXPECT_EQ(texel(decode(file, picture), 16383), (Texel{255, 255, 10, 255}));
    EXPECT_EQ(texel(decode(file, font), 16383), (Texel{255, 255, 10, 2})); // (10 - 2) / 3
    file.resize(bmpHeaderBytes); // no pixels: alpha 0 for a picture, -1 (255) for the font
    EXPECT_EQ(texel(decode(file, picture), 0), (Texel{255, 255, 255, 0}));
    EXPECT_EQ(texel(decode(file, font), 16383), (Texel{255, 255, 255, 255}));
}

// For any bytes: nothing outside them is read (the sanitizer build checks), a file cut short
// reads as the whole file up to the cut and as end-of-file past it, and neither the header
// nor bytes after the pixels change anything.
TEST(BmpFuzz, CutPaddedDamagedAndRandomFilesKeepTheReadingRules) {
    std::mt19937 rng(20240611); // fixed, so that a failure replays
    Bytes noise(2 * bmpFileBytes);
    for (unsigned char& byte : noise)
        byte = static_cast<unsigned char>(rng());
    const Bytes whole(noise.begin(), noise.begin() + long(bmpFileBytes));
    const Bytes wholeRgba[2] = {decode(whole, picture), decode(whole, font)};
    Bytes rgba(rgbaImageBytes);
    for (int input = 0; input < 100000; ++input) {
        const int kind = input % 4, rule = input / 4 % 2; // cut, padded, new header, noise
        const size_t from = kind == 3 ? rng() % bmpFileBytes : 0,
                     lengths[] = {rng() % bmpFileBytes, bmpFileBytes + rng() % 4096, bmpFileBytes,
                                  rng() % 160};
        // Exactly as long as the file, so that AddressSanitizer sees any read past its end.
        Bytes bytes(noise.begin() + long(from), noise.begin() + long(from + lengths[kind]));
        for (int i = 0; kind == 2 && i < 8; ++i)
            bytes[rng() % bmpHeaderBytes] = static_cast<unsigned char>(rng());
        decodeBmpPixels(bytes.data(), bytes.size(), rule ? font : picture, 0, rgba.data());
        SCOPED_TRACE("input " + std::to_string(input));
        if (kind == 1 || kind == 2) {
            ASSERT_TRUE(rgba == wholeRgba[rule]) << "padding or the header changed the picture";
            continue;
        }
        const int complete = int(bytes.size() - std::min(bytes.size(), bmpHeaderBytes)) / 3;
        for (int n : {complete - 1, int(rng() % 16384), complete + 1, 16383}) {
            if (n < 0 || n >= 16384 || n == complete) continue;
            if (n > complete) {
                ASSERT_EQ(texel(rgba, n), (Texel{255, 255, 255, rule * 255})) << "past the end";
            } else if (kind == 0) {
                ASSERT_EQ(texel(rgba, n), texel(wholeRgba[rule], n)) << "before the cut";
            } else {
                ASSERT_TRUE(rule || texel(rgba, n)[3] == 255) << "a picture pixel not opaque";
            }
        }
    }
}

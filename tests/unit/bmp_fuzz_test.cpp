// Valid, truncated, oversized, bit-flipped and random files through the image decoder.
#include "textures/bmp_decode.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

TEST(BmpFuzz, AnyBytesDecodeWithinBoundsAndReadPastTheEndAsMinusOne) {
    std::mt19937 rng(20240611); // fixed, so that a failure replays
    std::vector<unsigned char> noise(2 * bmpFileBytes), rgba(rgbaImageBytes);
    for (unsigned char& byte : noise) // its first bmpFileBytes make a valid file for the reader
        byte = static_cast<unsigned char>(rng());
    for (int input = 0; input < 100000; ++input) {
        const int kind = input % 5; // truncated, oversized, bit-flipped, short or long noise
        const size_t from = kind >= 3 ? rng() % bmpFileBytes : 0,
                     lengths[] = {rng() % bmpFileBytes, bmpFileBytes + rng() % 4096, bmpFileBytes,
                                  rng() % 160, rng() % bmpFileBytes};
        // Exactly as long as the file, so that AddressSanitizer sees any read past its end.
        std::vector<unsigned char> bytes(noise.begin() + from,
                                         noise.begin() + from + lengths[kind]);
        for (int flips = kind == 2 ? rng() % 64 + 1 : 0; flips > 0; --flips)
            bytes[rng() % bytes.size()] ^= static_cast<unsigned char>(1 << rng() % 8);
        const int alpha = input % 3 ? 255 : -1, end = (static_cast<int>(bytes.size()) - 54) / 3;
        decodeBmpPixels(bytes.data(), bytes.size(), alpha, 0, rgba.data());
        for (int texel : {end - 1, end, end + 1, static_cast<int>(rng() % 16384)}) {
            if (texel < 0 || texel >= 16384) continue;
            int bgr[3], sum = 0; // -1 past the end of the data
            for (size_t c = 0, at = 54 + 3 * texel; c < 3; ++c)
                sum += bgr[c] = at + c < bytes.size() ? bytes[at + c] : -1;
            const int expected[4] = {bgr[2], bgr[1], bgr[0],
                                     alpha < 0 ? sum / 3 : (sum > -3) * 255};
            for (int c = 0; c < 4; ++c)
                ASSERT_EQ(rgba[4 * ((127 - texel / 128) * 128 + texel % 128) + c],
                          expected[c] & 255)
                    << "input " << input << ", texel " << texel << ", byte " << c;
        }
    }
}

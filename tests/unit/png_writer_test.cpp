// Checks the PNG writer's checksums and how it splits a picture into stored deflate blocks.
#include "png_writer.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

TEST(PngWriter, ChecksumsMatchTheirCheckValues) {
    const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(tyvok::png::crc32(digits, 9), 0xCBF43926u);
    EXPECT_EQ(tyvok::png::adler32(digits, 9), 0x091E01DEu);
}

// 100 rows of 801 bytes: a block of 65535 whose header follows the 43 bytes of signature, IHDR,
// IDAT's length and type and zlib's header, then a last block of 14565 (0x38E5).
TEST(PngWriter, SplitsRowsIntoStoredBlocks) {
    Bytes png = tyvok::png::encodePng(200, 100, Bytes(80000, 7));
    EXPECT_EQ(Bytes(png.begin() + 43, png.begin() + 48), (Bytes{0, 0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(Bytes(png.begin() + 65583, png.begin() + 65588), (Bytes{1, 0xE5, 0x38, 0x1A, 0xC7}));
}

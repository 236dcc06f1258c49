// Checks the committed font sheet: its BMP header and its cell layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kSide = 128;

// 'BM', 49,206 bytes, pixels at 54, a 40-byte info header, 128 x 128 (a positive height: bottom
// row first), one plane, 24 bits, uncompressed, 49,152 bytes of pixels.
const Bytes kHeader = {'B', 'M', 0x36, 0xC0, 0, 0, 0, 0, 0, 0,  54, 0, 0, 0, 40, 0, 0,    0, 128,
                       0,   0,   0,    128,  0, 0, 0, 1, 0, 24, 0,  0, 0, 0, 0,  0, 0xC0, 0, 0};

Bytes readImage(const std::string& name) {
    std::ifstream file(std::string(TYVOK_DATA_DIR) + "/" + name, std::ios::binary);
    Bytes bytes(std::istreambuf_iterator<char>(file), {});
    EXPECT_EQ(bytes.size(), 54u + 3 * kSide * kSide) << name;
    EXPECT_TRUE(std::equal(kHeader.begin(), kHeader.end(), bytes.begin())) << name;
    bytes.resize(54 + 3 * kSide * kSide);
    return bytes;
}

// Blue, green, red of the pixel at (x, y) in the upright picture.
std::tuple<int, int, int> pixel(const Bytes& bytes, int x, int y) {
    const std::size_t at = 54 + 3 * (static_cast<std::size_t>(kSide - 1 - y) * kSide + x);
    return {bytes[at], bytes[at + 1], bytes[at + 2]};
}

// The font file stores the sheet from its top row down: sheet row y is file row y, which the
// upright picture shows at kSide - 1 - y. Cells are 8 x 16, sixteen to a row, from character 32.
bool lit(const Bytes& sheet, int character, int cellX, int cellY) {
    const int index = character - 32, sheetY = index / 16 * 16 + cellY;
    const auto [blue, green, red] = pixel(sheet, index % 16 * 8 + cellX, kSide - 1 - sheetY);
    return blue + green + red > 0;
}

// The text sampler's window is shifted 1.3 texels right and down from the cell grid, so each
// cell's first two rows and columns show in its neighbour's window and must stay black.
TEST(FontSheet, CellEdgesStayBlackAndPrintableCharactersHaveDistinctGlyphs) {
    const Bytes sheet = readImage("font.bmp");
    std::set<std::string> glyphs; // a glyph drawn twice would read as the wrong character
    for (int character = 32; character < 160; ++character) {
        std::string pattern; // the cell as '#' and '.'
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x) {
                pattern += lit(sheet, character, x, y) ? '#' : '.';
                EXPECT_FALSE(pattern.back() == '#' && (x < 2 || y < 2))
                    << "character " << character << " at " << x << "," << y;
            }
        const bool printable = character >= 33 && character <= 126;
        EXPECT_EQ(pattern.find('#') != std::string::npos, printable) << "character " << character;
        if (printable) glyphs.insert(pattern);
    }
    EXPECT_EQ(glyphs.size(), 94u);
}

} // namespace

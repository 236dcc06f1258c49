// What the image check says of crafted headers and lengths (the end-to-end image script shows
// that it passes the six images), and the committed font sheet's cells.
#include "textures/bmp_check.h"
#include "textures/bmp_decode.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(BmpCheck, NamesTheFirstFaultOfAHeaderOrLength) {
    const Bytes valid = readFile(TYVOK_DATA_DIR "/wood128.bmp");
    const struct {
        std::size_t offset;
        int width;
        long value;
        std::size_t length;
        const char* problem;
    } cases[] = {
        {0, 1, 'P', bmpFileBytes, "not a BMP image (no BM signature)"},
        {1, 1, 'm', 0, "file too short (0 of 49206 bytes)"},
        {1, 1, 'm', 1, "file too short (1 of 49206 bytes)"},
        {1, 1, 'm', 2, "not a BMP image (no BM signature)"},
        {10, 4, 138, bmpFileBytes, "pixels at byte 138, not 54"},
        {10, 4, 138, 13, "file too short (13 of 49206 bytes)"},
        {18, 4, 256, bmpFileBytes, "256 x 128 pixels, not 128 x 128"},
        {22, 4, -128, bmpFileBytes, "128 x -128 pixels, not 128 x 128"},
        {28, 2, 32, 100, "32 bits per pixel, not 24"},
        {28, 2, 8, bmpFileBytes, "8 bits per pixel, not 24"},
        {30, 4, 1, bmpFileBytes, "compressed (method 1)"},
        {30, 4, 0, 100, "file too short (100 of 49206 bytes)"},
        {30, 4, 0, bmpFileBytes - 1, "file too short (49205 of 49206 bytes)"},
    };
    for (const auto& c : cases) {
        Bytes bytes = valid;
        for (int i = 0; i < c.width; ++i) // little-endian
            bytes[c.offset + std::size_t(i)] = static_cast<unsigned char>(c.value >> 8 * i);
        bytes.resize(c.length);
        EXPECT_EQ(bmpProblem(bytes.data(), bytes.size()), c.problem);
    }
}

// Cells stand sixteen to a row from character 32, 8 x 16 pixels each, the file storing the sheet
// from its top row down. The text sampler's window is shifted 1.3 texels right and down from the
// cell grid, so each cell's first two rows and columns show in its neighbour's window and must
// stay black; a glyph drawn twice would read as the wrong character.
TEST(FontSheet, CellEdgesStayBlackAndPrintableCharactersHaveDistinctGlyphs) {
    const Bytes sheet = readFile(TYVOK_DATA_DIR "/font.bmp");
    ASSERT_EQ(bmpProblem(sheet.data(), sheet.size()), "");
    std::set<std::string> glyphs;
    for (int character = 32; character < 160; ++character) {
        std::string pattern; // the cell as '#' and '.'
        for (int y = 0, index = character - 32; y < 16; ++y)
            for (int x = 0; x < 8; ++x) {
                const std::size_t at =
                    bmpHeaderBytes +
                    3 * std::size_t((index / 16 * 16 + y) * bmpSide + index % 16 * 8 + x);
                pattern += sheet[at] + sheet[at + 1] + sheet[at + 2] > 0 ? '#' : '.';
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

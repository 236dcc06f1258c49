// Checks the committed font sheet: the layout the image reader takes and its cell layout.
#include "textures/bmp_check.h"
#include "textures/bmp_decode.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// Whether the font file lights the pixel (x, y) of `character`'s 8 x 16 cell. Cells stand
// sixteen to a row from character 32, and the file stores the sheet from its top row down.
bool lit(const std::vector<unsigned char>& sheet, int character, int x, int y) {
    const int index = character - 32, sheetY = index / 16 * 16 + y;
    const std::size_t at = bmpHeaderBytes + 3 * std::size_t(sheetY * bmpSide + index % 16 * 8 + x);
    return sheet[at] + sheet[at + 1] + sheet[at + 2] > 0;
}

// The text sampler's window is shifted 1.3 texels right and down from the cell grid, so each
// cell's first two rows and columns show in its neighbour's window and must stay black.
TEST(FontSheet, CellEdgesStayBlackAndPrintableCharactersHaveDistinctGlyphs) {
    std::ifstream file(TYVOK_DATA_DIR "/font.bmp", std::ios::binary);
    std::vector<unsigned char> sheet(std::istreambuf_iterator<char>(file), {});
    ASSERT_EQ(bmpProblem(sheet.data(), sheet.size()), "");
    ASSERT_EQ(sheet.size(), bmpFileBytes);
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

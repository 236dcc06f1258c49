// Checks the committed images: BMP headers, the font sheet's cell layout and the pictures' content.
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
constexpr std::size_t kPixelOffset = 54;
constexpr std::size_t kRowBytes = kSide * 3;
constexpr std::size_t kFileSize = kPixelOffset + kRowBytes * kSide;
constexpr int kCellWidth = 8;
constexpr int kCellHeight = 16;

Bytes readDataFile(const std::string& name) {
    std::ifstream file(std::string(TYVOK_DATA_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t littleEndian(const Bytes& bytes, std::size_t offset, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

void expectBmpHeader(const Bytes& bytes, const std::string& name) {
    ASSERT_EQ(bytes.size(), kFileSize) << name;
    EXPECT_EQ(bytes[0], 'B') << name;
    EXPECT_EQ(bytes[1], 'M') << name;
    EXPECT_EQ(littleEndian(bytes, 2, 4), kFileSize) << name;
    EXPECT_EQ(littleEndian(bytes, 10, 4), kPixelOffset) << name;
    EXPECT_EQ(littleEndian(bytes, 14, 4), 40u) << name;
    EXPECT_EQ(littleEndian(bytes, 18, 4), 128u) << name;
    EXPECT_EQ(littleEndian(bytes, 22, 4), 128u) << name; // positive: stored bottom row first
    EXPECT_EQ(littleEndian(bytes, 26, 2), 1u) << name;
    EXPECT_EQ(littleEndian(bytes, 28, 2), 24u) << name;
    EXPECT_EQ(littleEndian(bytes, 30, 4), 0u) << name;
    EXPECT_EQ(littleEndian(bytes, 34, 4), kRowBytes * kSide) << name;
}

// Blue, green, red of the pixel at (x, y) in the upright picture.
std::tuple<int, int, int> pixel(const Bytes& bytes, int x, int y) {
    const std::size_t at = kPixelOffset + static_cast<std::size_t>(kSide - 1 - y) * kRowBytes +
                           static_cast<std::size_t>(x) * 3;
    return {bytes[at], bytes[at + 1], bytes[at + 2]};
}

// The font file stores the sheet from its top row down: sheet row y is file row y, which the
// upright picture shows at kSide - 1 - y.
bool lit(const Bytes& sheet, int character, int cellX, int cellY) {
    const int index = character - 32;
    const int sheetY = (index / 16) * kCellHeight + cellY;
    const auto [blue, green, red] =
        pixel(sheet, (index % 16) * kCellWidth + cellX, kSide - 1 - sheetY);
    return blue + green + red > 0;
}

// The cell as a string of '#' and '.', plus the first and last lit rows (-1 when blank).
struct CellScan {
    std::string pattern;
    int firstRow = -1;
    int lastRow = -1;
};

CellScan scanCell(const Bytes& sheet, int character) {
    CellScan scan;
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x) {
            const bool on = lit(sheet, character, x, y);
            scan.pattern += on ? '#' : '.';
            if (on) {
                scan.firstRow = scan.firstRow < 0 ? y : scan.firstRow;
                scan.lastRow = y;
            }
        }
    }
    return scan;
}

// The text sampler's window is shifted 1.3 texels right and down from the cell grid, so each
// cell's first two rows and columns show in its neighbour's window and must stay black.
TEST(FontSheet, EveryCellKeepsItsFirstTwoRowsAndColumnsBlack) {
    const Bytes sheet = readDataFile("font.bmp");
    expectBmpHeader(sheet, "font.bmp");
    ASSERT_EQ(sheet.size(), kFileSize);
    for (int character = 32; character < 160; ++character) {
        for (int y = 0; y < kCellHeight; ++y) {
            for (int x = 0; x < kCellWidth; ++x) {
                if (x < 2 || y < 2) {
                    EXPECT_FALSE(lit(sheet, character, x, y))
                        << "character " << character << " at " << x << "," << y;
                }
            }
        }
    }
}

TEST(FontSheet, PrintableCharactersHaveDistinctGlyphsAndTheRestAreBlank) {
    const Bytes sheet = readDataFile("font.bmp");
    ASSERT_EQ(sheet.size(), kFileSize);
    std::set<std::string> glyphs; // a glyph drawn twice would read as the wrong character
    for (int character = 32; character < 160; ++character) {
        const bool printable = character >= 33 && character <= 126;
        const CellScan scan = scanCell(sheet, character);
        EXPECT_EQ(scan.firstRow >= 0, printable) << "character " << character;
        if (printable) {
            glyphs.insert(scan.pattern);
        }
    }
    EXPECT_EQ(glyphs.size(), 94u);
}

TEST(Pictures, AreValidBitmapsWithARealSpreadOfColours) {
    for (const char* name : {"wood128.bmp", "metalplate128.bmp", "fisheye.bmp",
                             "brasstarnish128.bmp", "monacolor128.bmp"}) {
        const Bytes picture = readDataFile(name);
        expectBmpHeader(picture, name);
        ASSERT_EQ(picture.size(), kFileSize) << name;
        std::set<std::tuple<int, int, int>> colours;
        int darkest = 255 * 3;
        int brightest = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const auto colour = pixel(picture, x, y);
                const int sum = std::get<0>(colour) + std::get<1>(colour) + std::get<2>(colour);
                colours.insert(colour);
                darkest = std::min(darkest, sum);
                brightest = std::max(brightest, sum);
            }
        }
        EXPECT_GE(colours.size(), 500u) << name;
        EXPECT_GE(brightest - darkest, 200) << name;
    }
}

} // namespace

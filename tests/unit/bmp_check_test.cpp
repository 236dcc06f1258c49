// What the image check says of crafted headers and lengths (the end-to-end image script shows
// that it passes the six images).
#include "textures/bmp_check.h"
#include "textures/bmp_decode.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void put(Bytes& bytes, std::size_t offset, int width, long value) {
    for (int i = 0; i < width; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> 8 * i);
}

} // namespace

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
        put(bytes, c.offset, c.width, c.value);
        bytes.resize(c.length);
        EXPECT_EQ(bmpProblem(bytes.data(), bytes.size()), c.problem);
    }
}

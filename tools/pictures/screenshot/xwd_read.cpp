// Reads a screen dump in X's window dump format (xwd), true colour, as 8-bit RGB.
#include "xwd_read.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace tyvok::xwd {

namespace {

// The header's 32-bit big-endian fields that matter here, by index.
enum Field {
    headerSize = 0,
    fileVersion = 1,
    pixmapFormat = 2,
    pixmapWidth = 4,
    pixmapHeight = 5,
    byteOrder = 7,
    bitsPerPixel = 11,
    bytesPerLine = 12,
    redMask = 14,
    greenMask = 15,
    blueMask = 16,
    colourCount = 19,
    fieldCount = 25,
};
constexpr std::uint32_t supportedVersion = 7, zPixmap = 2, mostSignificantFirst = 1;
constexpr std::size_t colourEntryBytes = 12;

std::uint32_t bigEndian(const std::uint8_t* at) {
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
           at[3];
}

// The mask's 8 bits of a pixel value, as a sample.
std::uint8_t sample(std::uint32_t pixel, std::uint32_t mask) {
    int shift = 0;
    while (mask && !(mask >> shift & 1u))
        ++shift;
    return static_cast<std::uint8_t>(pixel >> shift);
}

} // namespace

bool readXwdRgb(const std::string& path, png::Picture& picture, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < fieldCount * 4) {
        error = "shorter than a window dump's header";
        return false;
    }
    auto field = [&](Field f) { return bigEndian(&bytes[static_cast<std::size_t>(f) * 4]); };
    const std::uint32_t bits = field(bitsPerPixel), stride = field(bytesPerLine);
    if (field(fileVersion) != supportedVersion || field(pixmapFormat) != zPixmap ||
        (bits != 24 && bits != 32)) {
        error = "not a true-colour window dump of 24 or 32 bits per pixel";
        return false;
    }
    const std::size_t width = field(pixmapWidth), height = field(pixmapHeight);
    const std::size_t start = field(headerSize) + field(colourCount) * colourEntryBytes;
    if (start + stride * height > bytes.size() || width * bits / 8 > stride) {
        error = "window dump is truncated";
        return false;
    }
    picture = {static_cast<int>(width), static_cast<int>(height), png::Channels::rgb, {}};
    picture.samples.reserve(width * height * 3);
    const std::size_t pixelBytes = bits / 8;
    const bool msbFirst = field(byteOrder) == mostSignificantFirst;
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* at = &bytes[start + y * stride + x * pixelBytes];
            std::uint32_t pixel = 0;
            for (std::size_t i = 0; i < pixelBytes; ++i)
                pixel |= std::uint32_t{at[i]} << (8 * (msbFirst ? pixelBytes - 1 - i : i));
            for (Field mask : {redMask, greenMask, blueMask})
                picture.samples.push_back(sample(pixel, field(mask)));
        }
    return true;
}

} // namespace tyvok::xwd

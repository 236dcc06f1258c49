// Encodes in-memory pictures as uncompressed 24-bit BMP files.
#include "bmp_writer.h"

#include <fstream>

namespace tyvok::images {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t pixelsPerMetre = 2835; // 72 dots per inch

void putU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFu));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, value & 0xFFFFu);
    putU16(out, value >> 16);
}

std::uint32_t paddedRowSize(int width) {
    return (static_cast<std::uint32_t>(width) * 3u + 3u) & ~3u;
}

void putHeaders(std::vector<std::uint8_t>& out, const Image& image) {
    const std::uint32_t pixelBytes =
        paddedRowSize(image.width()) * static_cast<std::uint32_t>(image.height());
    const std::uint32_t offset = fileHeaderSize + infoHeaderSize;
    out.push_back('B');
    out.push_back('M');
    putU32(out, offset + pixelBytes);
    putU32(out, 0); // two reserved words
    putU32(out, offset);
    putU32(out, infoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(image.width()));
    putU32(out, static_cast<std::uint32_t>(image.height())); // positive: bottom-up rows
    putU16(out, 1);                                          // planes
    putU16(out, 24);                                         // bits per pixel
    putU32(out, 0);                                          // no compression
    putU32(out, pixelBytes);
    putU32(out, pixelsPerMetre);
    putU32(out, pixelsPerMetre);
    putU32(out, 0); // palette colours used
    putU32(out, 0); // important colours
}

void putRow(std::vector<std::uint8_t>& out, const Image& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
        const Rgb& pixel = image.at(x, y);
        out.push_back(pixel.blue);
        out.push_back(pixel.green);
        out.push_back(pixel.red);
    }
    const std::uint32_t used = static_cast<std::uint32_t>(image.width()) * 3u;
    for (std::uint32_t pad = used; pad < paddedRowSize(image.width()); ++pad) {
        out.push_back(0);
    }
}

} // namespace

Image::Image(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

std::vector<std::uint8_t> encodeBmp(const Image& image) {
    std::vector<std::uint8_t> out;
    putHeaders(out, image);
    for (int y = image.height() - 1; y >= 0; --y) {
        putRow(out, image, y);
    }
    return out;
}

bool writeBmp(const std::string& path, const Image& image) {
    const std::vector<std::uint8_t> bytes = encodeBmp(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace tyvok::images

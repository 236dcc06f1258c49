// What is wrong with an image file's bytes, measured against the one layout the reader takes.
#include "textures/bmp_check.h"

#include "textures/bmp_decode.h"

#include <cstdint>

namespace {

// The little-endian field of `width` bytes at `offset`; false when the file ends before it.
bool field(const unsigned char* bytes, std::size_t size, std::size_t offset, int width,
           std::uint32_t& value) {
    if (offset + static_cast<std::size_t>(width) > size) return false;
    value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | bytes[offset + static_cast<std::size_t>(i)];
    return true;
}

std::string text(std::uint32_t value) {
    return std::to_string(value);
}
std::string signedText(std::uint32_t value) {
    return std::to_string(static_cast<std::int32_t>(value));
}

} // namespace

std::string bmpProblem(const unsigned char* bytes, std::size_t size) {
    std::uint32_t value = 0, height = 0;
    if (field(bytes, size, 0, 2, value) && value != 0x4D42) // "BM"
        return "not a BMP image (no BM signature)";
    if (field(bytes, size, 10, 4, value) && value != bmpHeaderBytes)
        return "pixels at byte " + text(value) + ", not " + std::to_string(bmpHeaderBytes);
    if (field(bytes, size, 18, 4, value) && field(bytes, size, 22, 4, height) &&
        (value != bmpSide || height != bmpSide))
        return signedText(value) + " x " + signedText(height) + " pixels, not " +
               std::to_string(bmpSide) + " x " + std::to_string(bmpSide);
    if (field(bytes, size, 28, 2, value) && value != 24)
        return text(value) + " bits per pixel, not 24";
    if (field(bytes, size, 30, 4, value) && value != 0)
        return "compressed (method " + text(value) + ")";
    if (size < bmpFileBytes)
        return "file too short (" + std::to_string(size) + " of " + std::to_string(bmpFileBytes) +
               " bytes)";
    return "";
}

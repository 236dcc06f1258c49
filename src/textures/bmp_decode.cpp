// Turns the bytes of a 128 x 128, 24-bit BMP image into the RGBA rows handed to OpenGL.
#include "textures/bmp_decode.h"

namespace {

// The byte at `offset`, or -1 once the data has ended.
int byteAt(const unsigned char* bytes, std::size_t size, std::size_t offset) {
    return offset < size ? bytes[offset] : -1;
}

int texelAlpha(int red, int green, int blue, int alpha, int threshold) {
    if (alpha < 0) return static_cast<int>((red + green + blue) / 3.0);
    if (red >= threshold || green >= threshold || blue >= threshold) return alpha;
    return 0;
}

} // namespace

void decodeBmpPixels(const unsigned char* bytes, std::size_t size, int alpha, int threshold,
                     unsigned char* rgba) {
    std::size_t offset = bmpHeaderBytes;
    for (int fileRow = 0; fileRow < bmpSide; ++fileRow) {
        unsigned char* row = rgba + (bmpSide - 1 - fileRow) * bmpSide * 4;
        for (int column = 0; column < bmpSide; ++column, offset += 3) {
            int blue = byteAt(bytes, size, offset);
            int green = byteAt(bytes, size, offset + 1);
            int red = byteAt(bytes, size, offset + 2);
            unsigned char* texel = row + column * 4;
            texel[0] = static_cast<unsigned char>(red & 0xFF);
            texel[1] = static_cast<unsigned char>(green & 0xFF);
            texel[2] = static_cast<unsigned char>(blue & 0xFF);
            texel[3] =
                static_cast<unsigned char>(texelAlpha(red, green, blue, alpha, threshold) & 0xFF);
        }
    }
}

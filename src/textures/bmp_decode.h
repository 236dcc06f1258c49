// Turns the bytes of a 128 x 128, 24-bit BMP image into the RGBA rows handed to OpenGL.
#pragma once

#include <cstddef>

constexpr int bmpSide = 128;
constexpr std::size_t bmpHeaderBytes = 54;
constexpr std::size_t bmpPixelBytes = bmpSide * bmpSide * 3;
constexpr std::size_t bmpFileBytes = bmpHeaderBytes + bmpPixelBytes;
constexpr std::size_t rgbaImageBytes = bmpSide * bmpSide * 4;

// Decodes `size` bytes of an image file into `rgba` (rgbaImageBytes long, row 0 at t = 0).
// The header is skipped unread; every byte past the end of the data reads as -1.
// With alpha < 0 each texel's alpha is its grey level; otherwise it is `alpha` when a channel
// reaches `threshold`, else 0.
void decodeBmpPixels(const unsigned char* bytes, std::size_t size, int alpha, int threshold,
                     unsigned char* rgba);

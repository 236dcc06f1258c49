// Reading the six images into OpenGL textures, and the table of their names by slot.
#pragma once

#include "textures/image_files.h"

#include <array>
#include <string>

// Slot 0 is the font sheet; slots 1 to 5 the pictures that imageIndex 0 to 4 select.
constexpr int textureSlots = 8;
constexpr int fontSlot = 0;
constexpr int firstPictureSlot = 1;

struct TextureTable {
    unsigned names[textureSlots];
    int count;
};

// What is wrong with each image file, by slot: empty when nothing is.
using ImageProblems = std::array<std::string, imageFileCount>;

// Reads a 128 x 128, 24-bit BMP into a new texture, left bound; 0 when the file cannot be read.
// Whatever the file holds is read the same way; `problem`, when given, receives what is wrong
// with it (bmpProblem, or why it could not be read), or an empty text.
unsigned loadBmpTexture(const char* path, int alpha, int threshold, bool mipmap,
                        std::string* problem = nullptr);

// Fills the next six slots from the image files, the font sheet first; returns what is wrong
// with each file.
ImageProblems loadTextures(TextureTable& table);

// The texture of picture `imageIndex` (0 to 4).
unsigned pictureTexture(const TextureTable& table, int imageIndex);

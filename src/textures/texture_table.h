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

// The path of image `slot` in `folder` (empty: the working directory).
std::string imagePath(const std::string& folder, int slot);

// Fills the next six slots from the image files in `folder`, the font sheet first; returns what
// is wrong with each file.
ImageProblems loadTextures(TextureTable& table, const std::string& folder);

// The texture of picture `imageIndex` (0 to 4).
unsigned pictureTexture(const TextureTable& table, int imageIndex);

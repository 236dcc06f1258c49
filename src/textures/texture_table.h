// Reading the six images into OpenGL textures, and the table of their names by slot.
#pragma once

// Slot 0 is the font sheet; slots 1 to 5 the pictures that imageIndex 0 to 4 select.
constexpr int textureSlots = 8;
constexpr int fontSlot = 0;
constexpr int firstPictureSlot = 1;
constexpr int imageFileCount = 6;

struct TextureTable {
    unsigned names[textureSlots];
    int count;
};

// The image files, in slot order.
extern const char* const textureFiles[imageFileCount];

// Reads a 128 x 128, 24-bit BMP into a new texture, left bound; 0 when the file cannot be read.
unsigned loadBmpTexture(const char* path, int alpha, int threshold, bool mipmap);

// Fills the next six slots from the image files, the font sheet first.
void loadTextures(TextureTable& table);

// The texture of picture `imageIndex` (0 to 4).
unsigned pictureTexture(const TextureTable& table, int imageIndex);

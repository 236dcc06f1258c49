// Reading the six images into OpenGL textures, and the table of their names by slot.
#pragma once

// Slot 0 is the font sheet; slots 1 to 5 the pictures that imageIndex 0 to 4 select.
constexpr int textureSlots = 8;
extern unsigned textureTable[textureSlots];
extern int textureCount;

// The image files, in slot order.
extern const char* const textureFiles[6];

// Reads a 128 x 128, 24-bit BMP into a new texture, left bound; 0 when the file cannot be read.
unsigned loadBmpTexture(const char* path, int alpha, int threshold, bool mipmap);

// Fills slots 0 to 5 and hands slot 0 to the text overlay as its font.
void loadTextures();

// Reading the six images into OpenGL textures, and the table of their names by slot.
#include "textures/texture_table.h"

#include "textures/bmp_check.h"
#include "textures/bmp_decode.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

// Reads at most the bytes an image can use; false, with the reason, when `path` is not a
// readable file.
bool readImageFile(const char* path, std::vector<unsigned char>& bytes, std::string& problem) {
    struct stat info;
    if (stat(path, &info) != 0) {
        problem = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = "not a regular file";
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        problem = std::strerror(errno);
        return false;
    }
    bytes.resize(bmpFileBytes);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    return true;
}

void storeInNextSlot(TextureTable& table, unsigned name) {
    if (table.count < textureSlots) table.names[table.count++] = name;
}

// Reads a 128 x 128, 24-bit BMP into a new texture, left bound; 0 when the file cannot be read.
// Whatever the file holds is read the same way; `problem` receives what is wrong with it
// (bmpProblem, or why it could not be read), or an empty text.
unsigned loadBmpTexture(const char* path, int alpha, int threshold, bool mipmap,
                        std::string& problem) {
    std::vector<unsigned char> bytes;
    if (!readImageFile(path, bytes, problem)) return 0;
    problem = bmpProblem(bytes.data(), bytes.size());
    std::vector<unsigned char> rgba(rgbaImageBytes);
    decodeBmpPixels(bytes.data(), bytes.size(), alpha, threshold, rgba.data());

    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (mipmap) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    } else {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, bmpSide, bmpSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    if (mipmap)
        gluBuild2DMipmaps(GL_TEXTURE_2D, 4, bmpSide, bmpSide, GL_RGBA, GL_UNSIGNED_BYTE,
                          rgba.data());
    return name;
}

} // namespace

std::string imagePath(const std::string& folder, int slot) {
    return (std::filesystem::path(folder) / textureFiles[slot]).string();
}

ImageProblems loadTextures(TextureTable& table, const std::string& folder) {
    ImageProblems problems;
    storeInNextSlot(table,
                    loadBmpTexture(imagePath(folder, fontSlot).c_str(), -1, 0, false, problems[0]));
    for (int i = firstPictureSlot; i < imageFileCount; ++i)
        storeInNextSlot(table, loadBmpTexture(imagePath(folder, i).c_str(), 255, 0, true,
                                              problems[static_cast<std::size_t>(i)]));
    return problems;
}

unsigned pictureTexture(const TextureTable& table, int imageIndex) {
    return table.names[firstPictureSlot + imageIndex];
}

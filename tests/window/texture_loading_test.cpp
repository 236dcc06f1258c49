// The six images as textures: slots, filters, mipmaps and texels; missing and cut files.
#include "test_window.h"
#include "textures/bmp_decode.h"
#include "textures/texture_table.h"

#include <filesystem>
#include <fstream>
#include <iterator>

using Bytes = std::vector<unsigned char>;

TEST(TextureLoading, SixSlotsInOrderWithFiltersMipmapsAndTexels) {
    startTestProgram();
    const char* const* files = textureFiles;
    ASSERT_EQ(textureTable.count, 6);
    ASSERT_EQ(textOverlay.fontTexture, textureTable.names[0]) << "the font is not slot 0";
    for (int slot = 0; slot < 6; ++slot) {
        GLint got[3] = {}; // minifying and magnifying filters, width of mipmap level 7
        glBindTexture(GL_TEXTURE_2D, textureTable.names[slot]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &got[0]);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &got[1]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 7, GL_TEXTURE_WIDTH, &got[2]);
        EXPECT_TRUE(got[0] == (slot ? GL_NEAREST_MIPMAP_NEAREST : GL_LINEAR) &&
                    got[1] == GL_LINEAR && got[2] == (slot ? 1 : 0))
            << files[slot];
        std::ifstream in(files[slot], std::ios::binary); // level 0 holds the file as decoded
        const Bytes file(std::istreambuf_iterator<char>(in), {});
        Bytes expected(rgbaImageBytes), texels(rgbaImageBytes);
        decodeBmpPixels(file.data(), file.size(), slot ? 255 : -1, 0, expected.data());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        EXPECT_TRUE(texels == expected) << files[slot];
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Started where the font and a picture are missing and another is cut short after its header:
// the gears go plain under both pictures, text is drawn as solid boxes, and OpenGL reports no
// error.
TEST(TextureLoading, MissingFontAndPicturesLeavePlainGearsAndSolidTextBoxes) {
    char folder[] = "/tmp/tyvok-images-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    for (const char* file : {"wood128.bmp", "fisheye.bmp", "brasstarnish128.bmp"}) {
        std::ifstream in(std::string(TYVOK_DATA_DIR "/") + file, std::ios::binary);
        Bytes bytes(std::istreambuf_iterator<char>(in), {});
        bytes.resize(file[0] == 'w' ? 54 : bytes.size());
        std::ofstream(std::string(folder) + "/" + file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    startTestProgram(true, folder);
    handleKey('u', 0, 0); // no stars
    renderFrameAt(20000);
    EXPECT_EQ(readPicture().litColours(), 1u) << "gears under the picture cut short";

    handleKey('i', 0, 0); // the missing picture, with its message
    const std::vector<TextLine> text = textDrawnAt(20050);
    ASSERT_EQ(text, std::vector<TextLine>{messageLine("Image 1/4: Metal")});
    const Picture boxes = readPicture();
    int lit = 0, glyphs = 0; // every pixel inside each glyph's box is white
    for (int box = 0; box < 16; ++box)
        for (int y = 768 - 24; y < 768 - 6 && text[0].text[size_t(box)] != ' '; ++y)
            for (int x = 10 + 9 * box + 1; x < 10 + 9 * box + 9; ++x, ++glyphs)
                lit += boxes.at(x, y)[0] + boxes.at(x, y)[1] + boxes.at(x, y)[2] == 3 * 255;
    EXPECT_EQ(lit, glyphs) << "white pixels inside the glyph boxes";
    renderFrameAt(23100); // after the message
    EXPECT_EQ(readPicture().litColours(), 1u) << "gears under the missing picture";
    EXPECT_EQ(glErrorsRead(), 0);
    std::filesystem::remove_all(folder);
}

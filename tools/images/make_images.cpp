// Writes the program's six images (font sheet and five pictures) into the folder given as argument.
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "bmp_writer.h"
#include "font_glyphs.h"
#include "pictures.h"
#include "textures/image_files.h"

namespace {

// How each image is drawn, in the order of the program's list of image files.
const std::function<tyvok::images::Image()> drawings[imageFileCount] = {
    tyvok::images::renderFontSheet,  tyvok::images::drawWood,
    tyvok::images::drawMetalPlate,   tyvok::images::drawFisheyeStreet,
    tyvok::images::drawBrassTarnish, tyvok::images::drawPortrait,
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::cerr << "cannot create " << folder << ": " << error.message() << '\n';
        return 1;
    }
    for (int slot = 0; slot < imageFileCount; ++slot) {
        const std::filesystem::path path = folder / textureFiles[slot];
        if (!tyvok::images::writeBmp(path.string(), drawings[slot]())) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

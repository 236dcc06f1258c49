// Writes the program's six images (font sheet and five pictures) into the folder given as argument.
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "font_glyphs.h"
#include "pictures.h"

namespace {

struct ImageFile {
    const char* name;
    std::function<tyvok::images::Image()> draw;
};

const std::vector<ImageFile>& imageFiles() {
    using namespace tyvok::images;
    static const std::vector<ImageFile> files = {
        {"font.bmp", renderFontSheet},
        {"wood128.bmp", drawWood},
        {"metalplate128.bmp", drawMetalPlate},
        {"fisheye.bmp", drawFisheyeStreet},
        {"brasstarnish128.bmp", drawBrassTarnish},
        {"monacolor128.bmp", drawPortrait},
    };
    return files;
}

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
    for (const ImageFile& file : imageFiles()) {
        const std::filesystem::path path = folder / file.name;
        if (!tyvok::images::writeBmp(path.string(), file.draw())) {
            std::cerr << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}

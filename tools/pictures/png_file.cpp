// Writes and reads 8-bit PNG pictures through libpng's simplified interface.
#include "png_file.h"

#include <cstring>
#include <png.h>

namespace tyvok::png {

bool writePng(const std::string& path, const Picture& picture, std::string& error) {
    const auto channels = static_cast<std::size_t>(picture.channels);
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.samples.size() != static_cast<std::size_t>(picture.width) *
                                      static_cast<std::size_t>(picture.height) * channels) {
        error = "picture size and sample count differ";
        return false;
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = picture.channels == Channels::rgba ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, picture.samples.data(), 0, nullptr))
        return true;
    error = image.message;
    return false;
}

bool readPngRgb(const std::string& path, Picture& picture, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str())) {
        image.format = PNG_FORMAT_RGB;
        picture.width = static_cast<int>(image.width);
        picture.height = static_cast<int>(image.height);
        picture.channels = Channels::rgb;
        picture.samples.resize(PNG_IMAGE_SIZE(image));
        // A colour as background: any transparency is composed onto black.
        png_color background = {0, 0, 0};
        if (png_image_finish_read(&image, &background, picture.samples.data(), 0, nullptr))
            return true;
    }
    error = image.message;
    png_image_free(&image);
    picture = {};
    return false;
}

} // namespace tyvok::png

// Holds an RGB picture in memory and encodes it as an uncompressed 24-bit bottom-up BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tyvok::images {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// A picture addressed upright: (0, 0) is the top-left pixel, y grows downward.
class Image {
  public:
    Image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb& at(int x, int y) { return pixels_[index(x, y)]; }
    const Rgb& at(int x, int y) const { return pixels_[index(x, y)]; }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// Encodes the image with a BITMAPFILEHEADER and BITMAPINFOHEADER, rows stored bottom row first.
std::vector<std::uint8_t> encodeBmp(const Image& image);

// Writes the encoded image to path; returns false if the file could not be written completely.
bool writeBmp(const std::string& path, const Image& image);

} // namespace tyvok::images

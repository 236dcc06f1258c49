// Writes and reads 8-bit PNG pictures through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tyvok::png {

enum class Channels { rgb = 3, rgba = 4 };

// A picture of 8-bit samples, the top row first.
struct Picture {
    int width = 0, height = 0;
    Channels channels = Channels::rgb;
    std::vector<std::uint8_t> samples;
};

// Writes a compressed PNG; false (with libpng's reason in `error`) when it cannot.
bool writePng(const std::string& path, const Picture& picture, std::string& error);

// Reads any PNG as 8-bit RGB; false (with libpng's reason in `error`) when it cannot.
bool readPngRgb(const std::string& path, Picture& picture, std::string& error);

} // namespace tyvok::png

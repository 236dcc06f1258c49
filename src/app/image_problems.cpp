// Start-up's report of the image files that are missing, unreadable or not what the reader takes.
#include "app/image_problems.h"

#include <cstdio>
#include <filesystem>

void reportImageProblems(const ImageProblems& problems) {
    for (std::size_t slot = 0; slot < problems.size(); ++slot) {
        if (problems[slot].empty()) continue;
        std::error_code error;
        std::filesystem::path path = std::filesystem::absolute(textureFiles[slot], error);
        if (error) path = textureFiles[slot]; // no working folder: the name as the reader took it
        std::fprintf(stderr, "tyvok: %s: %s\n", path.c_str(), problems[slot].c_str());
    }
}

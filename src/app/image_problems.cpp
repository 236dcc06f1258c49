// Start-up's report of the image files that are missing, unreadable or not what the reader takes.
#include "app/image_problems.h"

#include <cstdio>
#include <filesystem>

void reportImageProblems(const ImageProblems& problems, const std::string& folder) {
    for (std::size_t slot = 0; slot < problems.size(); ++slot) {
        if (problems[slot].empty()) continue;
        const std::string read = imagePath(folder, static_cast<int>(slot));
        std::error_code error;
        std::filesystem::path path = std::filesystem::absolute(read, error);
        if (error) path = read; // no working folder: the path as the reader took it
        std::fprintf(stderr, "tyvok: %s: %s\n", path.lexically_normal().c_str(),
                     problems[slot].c_str());
    }
}

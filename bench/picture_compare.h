// The benchmark's pictures: read and written as PPM files, compared and printed as a table.
#pragma once

#include "picture_difference.h"

#include <string>
#include <vector>

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // top row first
};

// A binary PPM file as written by --dump; an empty picture when it cannot be read.
RgbPicture readPpm(const std::string& path);
bool writePpm(const RgbPicture& picture, const std::string& path);

// Prints one row per case for the pictures of the same name in two folders; returns whether
// every case is within the tolerance.
bool compareFolders(const std::string& before, const std::string& after,
                    const std::vector<std::string>& names);

void printDifferenceHeading();
void printDifferenceRow(const std::string& name, const PictureDifference& d);

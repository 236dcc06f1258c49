// Two pictures of the same frame compared with the tolerance of the reference-frame test.
#pragma once

#include "picture_tolerance.h"

#include <string>
#include <vector>

struct RgbPicture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // top row first
};

struct PictureDifference {
    long samples = 0, differing = 0, far = 0; // far: off by more than farSample
    double mean = 0;                          // mean absolute difference per sample
    bool sameSize = false;
    double farShare() const { return samples ? double(far) / double(samples) : 0; }
    bool withinTolerance() const;
};

PictureDifference comparePictures(const RgbPicture& a, const RgbPicture& b);

// A binary PPM file as written by --dump; an empty picture when it cannot be read.
RgbPicture readPpm(const std::string& path);
bool writePpm(const RgbPicture& picture, const std::string& path);

// Prints one row per case for the pictures of the same name in two folders; returns whether
// every case is within the tolerance.
bool compareFolders(const std::string& before, const std::string& after,
                    const std::vector<std::string>& names);

void printDifferenceHeading();
void printDifferenceRow(const std::string& name, const PictureDifference& d);

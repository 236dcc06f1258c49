// Two pictures of the same frame compared with one tolerance: the reference-frame test's and the
// benchmark's picture checks.
#pragma once

#include <vector>

constexpr int farSample = 8;                 // a sample off by more than this is far off
constexpr double meanTolerance = 0.5;        // mean absolute difference per sample, at most
constexpr double farShareTolerance = 0.0005; // the share of far-off samples, at most

struct PictureDifference {
    long samples = 0, differing = 0, far = 0; // far: off by more than farSample
    double mean = 0;                          // mean absolute difference per sample
    bool sameSize = false;
    double farShare() const { return samples ? double(far) / double(samples) : 0; }
    bool withinTolerance() const {
        return sameSize && samples > 0 && mean <= meanTolerance && farShare() <= farShareTolerance;
    }
};

// The samples of two pictures of the same size and row order, compared.
PictureDifference comparePictures(const std::vector<unsigned char>& a,
                                  const std::vector<unsigned char>& b);

// Two pictures of the same frame compared with one tolerance.
#include "picture_difference.h"

#include <cstdlib>

PictureDifference comparePictures(const std::vector<unsigned char>& a,
                                  const std::vector<unsigned char>& b) {
    PictureDifference d;
    d.sameSize = a.size() == b.size();
    if (!d.sameSize || a.empty()) return d;
    long total = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const int difference = std::abs(a[i] - b[i]);
        total += difference;
        d.differing += difference != 0;
        d.far += difference > farSample;
    }
    d.samples = static_cast<long>(a.size());
    d.mean = double(total) / double(d.samples);
    return d;
}

// The benchmark's pictures: read and written as PPM files, compared and printed as a table.
#include "picture_compare.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

RgbPicture readPpm(const std::string& path) {
    RgbPicture p;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> p.width >> p.height >> maxValue) || magic != "P6" || !in.get()) return {};
    p.rgb.resize(static_cast<std::size_t>(3) * p.width * p.height);
    if (!in.read(reinterpret_cast<char*>(p.rgb.data()), static_cast<long>(p.rgb.size()))) return {};
    return p;
}

bool writePpm(const RgbPicture& picture, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(picture.rgb.data()),
              static_cast<long>(picture.rgb.size()));
    return static_cast<bool>(out);
}

void printDifferenceHeading() {
    std::printf("%-24s %9s %9s %8s %9s  %s\n", "case", "samples", "differ", "mean", "off > 8",
                "within tolerance");
}

void printDifferenceRow(const std::string& name, const PictureDifference& d) {
    if (!d.sameSize || d.samples == 0) {
        std::printf("%-24s %s\n", name.c_str(), "FAIL (missing or of another size)");
        return;
    }
    std::printf("%-24s %9ld %9ld %8.5f %8.4f%%  %s\n", name.c_str(), d.samples, d.differing, d.mean,
                100 * d.farShare(), d.withinTolerance() ? "PASS" : "FAIL");
}

bool compareFolders(const std::string& before, const std::string& after,
                    const std::vector<std::string>& names) {
    std::printf("Pictures of %s against %s (tolerance: mean <= %.1f, off by more than %d in at "
                "most %.2f%% of samples)\n",
                after.c_str(), before.c_str(), meanTolerance, farSample, 100 * farShareTolerance);
    printDifferenceHeading();
    bool allWithin = true;
    for (const std::string& name : names) {
        RgbPicture old = readPpm(before + "/" + name + ".ppm");
        if (old.rgb.empty()) {
            std::printf("%-24s %s\n", name.c_str(), "(no picture before: a new case)");
            continue;
        }
        PictureDifference d = comparePictures(old.rgb, readPpm(after + "/" + name + ".ppm").rgb);
        printDifferenceRow(name, d);
        allWithin = allWithin && d.withinTolerance();
    }
    return allWithin;
}

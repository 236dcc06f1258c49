// The start-up picture just before the fade-in ends, on a synthetic clock, against the reference.
#include "test_window.h"

#include "app/globals.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

// A picture as a binary PPM, top row first.
static void writePpm(const Picture& picture, const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << picture.width << " " << picture.height << "\n255\n";
    for (int y = picture.height - 1; y >= 0; --y)
        out.write(reinterpret_cast<const char*>(picture.at(0, y)), 3 * picture.width);
}

static Picture readPpm(const std::string& path) {
    Picture p;
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> p.width >> p.height >> maxValue) || magic != "P6" || !in.get()) return {};
    p.rgb.resize(static_cast<size_t>(3) * p.width * p.height);
    for (int y = p.height - 1; y >= 0; --y)
        in.read(reinterpret_cast<char*>(&p.rgb[3 * static_cast<size_t>(y) * p.width]), 3 * p.width);
    return p;
}

TEST(ReferenceFrame, StartUpPictureMatchesTheCommittedOne) {
    startTestProgram(true);
    for (int ms = 1000; ms < 3000; ms += 16) // the stars must come back after a while switched off
        settings.universeOn = ms < 1500 || ms > 2000, renderFrameAt(ms);
    EXPECT_EQ(textOverlay.messageExpiry, 3.0) << "an OpenGL error line replaced the message";
    Picture frame = readPicture();
    const std::string out = TYVOK_TEST_OUTPUT_DIR;
    const std::string reference = TYVOK_DATA_DIR "/../tests/reference/default_frame.ppm";
    std::filesystem::create_directories(out);
    if (std::getenv("TYVOK_UPDATE_REFERENCE")) return writePpm(frame, reference);
    Picture expected = readPpm(reference);
    ASSERT_EQ(expected.rgb.size(), frame.rgb.size()) << "no reference picture at " << reference;
    long total = 0, far = 0;
    for (size_t i = 0; i < frame.rgb.size(); ++i) {
        int d = std::abs(frame.rgb[i] - expected.rgb[i]);
        total += d, far += d > 8;
        expected.rgb[i] = static_cast<unsigned char>(std::min(255, 4 * d)); // now the difference
    }
    const double samples = double(frame.rgb.size());
    double mean = double(total) / samples, farShare = double(far) / samples;
    if (mean > 0.5 || farShare > 0.0005) {
        writePpm(frame, out + "/default_frame_actual.ppm");
        writePpm(expected, out + "/default_frame_difference.ppm");
        std::printf("Difference image (4x): %s/default_frame_difference.ppm\n", out.c_str());
    }
    EXPECT_LE(mean, 0.5) << "mean difference per sample";
    EXPECT_LE(farShare, 0.0005) << "share of samples off by more than 8";
}

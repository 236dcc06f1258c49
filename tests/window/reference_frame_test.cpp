// The start-up picture just before the fade-in ends, on a synthetic clock, against the reference.
#include "picture_difference.h"
#include "png_file.h"
#include "test_window.h"

#include "app/globals.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// A picture as a PNG file, top row first.
static void writePng(const Picture& picture, const std::string& path) {
    tyvok::png::Picture png{picture.width, picture.height, tyvok::png::Channels::rgb, {}};
    for (int y = picture.height - 1; y >= 0; --y)
        png.samples.insert(png.samples.end(), picture.at(0, y),
                           picture.at(0, y) + 3 * picture.width);
    std::string error;
    EXPECT_TRUE(tyvok::png::writePng(path, png, error)) << path << ": " << error;
}

static Picture readPng(const std::string& path) {
    tyvok::png::Picture png;
    std::string error;
    if (!tyvok::png::readPngRgb(path, png, error)) return {};
    Picture p{png.width, png.height, {}};
    for (int y = p.height - 1; y >= 0; --y) {
        auto row = png.samples.begin() + 3 * static_cast<std::ptrdiff_t>(y) * p.width;
        p.rgb.insert(p.rgb.end(), row, row + 3 * p.width);
    }
    return p;
}

TEST(ReferenceFrame, StartUpPictureMatchesTheCommittedOne) {
    startTestProgram(true);
    for (int ms = 1000; ms < 3000; ms += 16) // the stars must come back after a while switched off
        settings.universeOn = ms < 1500 || ms > 2000, renderFrameAt(ms);
    EXPECT_EQ(textOverlay.messageExpiry, 3.0) << "an OpenGL error line replaced the message";
    Picture frame = readPicture();
    const std::string out = TYVOK_TEST_OUTPUT_DIR;
    const std::string reference = TYVOK_DATA_DIR "/../tests/reference/default_frame.png";
    std::filesystem::create_directories(out);
    if (std::getenv("TYVOK_UPDATE_REFERENCE")) return writePng(frame, reference);
    Picture expected = readPng(reference);
    ASSERT_EQ(expected.rgb.size(), frame.rgb.size()) << "no reference picture at " << reference;
    const PictureDifference d = comparePictures(frame.rgb, expected.rgb);
    if (!d.withinTolerance()) {
        for (size_t i = 0; i < frame.rgb.size(); ++i) // now the difference, times 4
            expected.rgb[i] = static_cast<unsigned char>(
                std::min(255, 4 * std::abs(frame.rgb[i] - expected.rgb[i])));
        writePng(frame, out + "/default_frame_actual.png");
        writePng(expected, out + "/default_frame_difference.png");
        std::printf("Difference image (4x): %s/default_frame_difference.png\n", out.c_str());
    }
    EXPECT_TRUE(d.withinTolerance())
        << "mean difference per sample " << d.mean << ", share of samples off by more than "
        << farSample << ": " << d.farShare();
}

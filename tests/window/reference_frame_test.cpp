// The start-up picture just before the fade-in ends, on a synthetic clock, against the reference.
#include "picture_difference.h"
#include "png_file.h"
#include "test_window.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

TEST(ReferenceFrame, StartUpPictureMatchesTheCommittedOne) {
    startTestProgram(true);
    for (int ms = 1000; ms < 3000; ms += 16) // the stars must come back after a while switched off
        settings.universeOn = ms < 1500 || ms > 2000, renderFrameAt(ms);
    EXPECT_EQ(textOverlay.messageExpiry, 3.0) << "an OpenGL error line replaced the message";
    const Picture frame = readPicture();
    tyvok::png::Picture shown{frame.width, frame.height, tyvok::png::Channels::rgb, {}}, expected;
    for (int y = frame.height - 1; y >= 0; --y) // top row first
        shown.samples.insert(shown.samples.end(), frame.at(0, y), frame.at(0, y) + 3 * frame.width);
    const std::string reference = TYVOK_DATA_DIR "/../tests/reference/default_frame.png",
                      out = TYVOK_TEST_OUTPUT_DIR "/default_frame_";
    std::string error;
    if (std::getenv("TYVOK_UPDATE_REFERENCE")) {
        EXPECT_TRUE(tyvok::png::writePng(reference, shown, error)) << error;
        return;
    }
    ASSERT_TRUE(tyvok::png::readPngRgb(reference, expected, error)) << error;
    const PictureDifference d = comparePictures(shown.samples, expected.samples);
    EXPECT_TRUE(d.withinTolerance()) << "mean difference per sample " << d.mean << ", share off by "
                                     << "more than " << farSample << ": " << d.farShare();
    if (d.sameSize && !d.withinTolerance()) { // the picture, and the difference four times over
        std::filesystem::create_directories(TYVOK_TEST_OUTPUT_DIR);
        tyvok::png::writePng(out + "actual.png", shown, error);
        for (std::size_t i = 0; i < shown.samples.size(); ++i)
            expected.samples[i] = static_cast<unsigned char>(
                std::min(255, 4 * std::abs(shown.samples[i] - expected.samples[i])));
        tyvok::png::writePng(out + "difference.png", expected, error);
        std::printf("Difference image (4x): %sdifference.png\n", out.c_str());
    }
}

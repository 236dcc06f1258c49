// The command line's options in both spellings and every usage error (the help and version
// texts are read from the program itself by the command-line script).
#include "platform/command_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

ParsedCommandLine parse(std::vector<const char*> arguments, const char* env = nullptr) {
    arguments.insert(arguments.begin(), "tyvok");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data(), env);
}

struct RunCase {
    std::vector<const char*> arguments;
    const char* env;
    HostKind host;
    bool windowed;
    int maxFps;
    unsigned long windowId;
    bool geometry;
};

} // namespace

TEST(CommandLine, OptionsSetTheirFields) {
    // clang-format off
    const RunCase cases[] = {
        {{}, nullptr, HostKind::glutWindow, false, -1, 0, false},
        {{"--window"}, nullptr, HostKind::glutWindow, true, -1, 0, false},
        {{"--max-fps", "30"}, nullptr, HostKind::glutWindow, false, 30, 0, false},
        {{"--max-fps=0"}, nullptr, HostKind::glutWindow, false, 0, 0, false},
        {{"--max-fps", "7", "--max-fps=45"}, nullptr, HostKind::glutWindow, false, 45, 0, false},
        {{"-geometry", "300x200+5+5", "--window"}, nullptr, HostKind::glutWindow, true, -1, 0,
         true},
        {{"--root"}, nullptr, HostKind::xWindow, false, -1, 0, false},
        {{"-root", "--max-fps", "60"}, "0x2a00007", HostKind::xWindow, false, 60, 0x2a00007, false},
        {{"--root"}, "44040199", HostKind::xWindow, false, -1, 44040199, false},
        {{"--window-id", "0x1E00003"}, "7", HostKind::xWindow, false, -1, 0x1e00003, false},
        {{"--window-id=123", "--"}, nullptr, HostKind::xWindow, false, -1, 123, false},
    }; // clang-format on
    for (const RunCase& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments, c.env);
        SCOPED_TRACE(c.arguments.empty() ? "(none)" : c.arguments[0]);
        ASSERT_EQ(parsed.outcome, CommandOutcome::run) << parsed.message;
        EXPECT_EQ(parsed.options.host, c.host);
        EXPECT_EQ(parsed.options.startWindowed, c.windowed);
        EXPECT_EQ(parsed.options.maxFps, c.maxFps);
        EXPECT_EQ(parsed.options.windowId, c.windowId);
        EXPECT_EQ(parsed.options.geometryGiven, c.geometry);
        EXPECT_EQ(parsed.options.displayName, nullptr);
    }
    std::vector<const char*> withDisplay = {"tyvok", "-display", ":3", "--root"};
    const ParsedCommandLine parsed = parseCommandLine(4, withDisplay.data(), nullptr);
    EXPECT_EQ(parsed.options.displayName, withDisplay[2]); // argv itself, left for glutInit
    EXPECT_STREQ(withDisplay[1], "-display");
}

TEST(CommandLine, LookOptionsTakeTheEdgesOfTheirRanges) {
    const Look look = parse({"--camera-z", "-13.9", "--main-speed", "1.17549435e-38", "--fov=179",
                             "--tessellation", "1", "--image", "portrait", "--no-stars"})
                          .options.look;
    EXPECT_EQ(look.cameraZ, -13.9f);
    EXPECT_EQ(look.mainSpeed, 1.17549435e-38f);
    EXPECT_EQ(look.fovDegrees, 179);
    EXPECT_EQ(look.tesselation, 1);
    EXPECT_EQ(look.imageIndex, 4);
    EXPECT_TRUE(look.noStars && !look.spotlight && !look.rotateSpeed);
}

TEST(CommandLine, UsageErrorsNameTheOptionOrValue) {
    const struct {
        std::vector<const char*> arguments;
        const char* env;
        const char* error;
    } cases[] = {
        // clang-format off
        {{"--foo"}, nullptr, "unknown option '--foo'"},
        {{"--foo=3"}, nullptr, "unknown option '--foo'"},
        {{"--window", "--bar", "--help"}, nullptr, "unknown option '--bar'"},
        {{"pictures"}, nullptr, "unexpected argument 'pictures'"},
        {{"--", "--window"}, nullptr, "unexpected argument '--window'"},
        {{"--window=1"}, nullptr, "option '--window' takes no value"},
        {{"--max-fps"}, nullptr, "option '--max-fps' needs a value N"},
        {{"--root", "--window-id"}, nullptr, "option '--window-id' needs a value ID"},
        {{"-geometry"}, nullptr, "option '-geometry' needs a value WxH+X+Y"},
        {{"--max-fps", "fast"}, nullptr, "invalid value 'fast' for '--max-fps'"},
        {{"--max-fps=-1"}, nullptr, "invalid value '-1' for '--max-fps'"},
        {{"--max-fps", "2147483648"}, nullptr, "invalid value '2147483648' for '--max-fps'"},
        {{"--max-fps", "0x10"}, nullptr, "invalid value '0x10' for '--max-fps'"},
        {{"--window-id", "0x"}, nullptr, "invalid value '0x' for '--window-id'"},
        {{"--window-id", "0"}, nullptr, "invalid value '0' for '--window-id'"},
        {{"--window-id", "0x10000000000000000"}, nullptr,
         "invalid value '0x10000000000000000' for '--window-id'"},
        {{"--window-id", "5", "--window"}, nullptr,
         "'--window' cannot be combined with '--window-id'"},
        {{"--root", "--window-id", "5"}, nullptr, "'--root' cannot be combined with '--window-id'"},
        {{"-root"}, "0x", "invalid XSCREENSAVER_WINDOW '0x' for '-root'"},
        {{"--root"}, "", "invalid XSCREENSAVER_WINDOW '' for '--root'"},
        {{"--spotlight=1"}, nullptr, "option '--spotlight' takes no value"},
        {{"--fov"}, nullptr, "option '--fov' needs a value N"},
        {{"--image", "Wood"}, nullptr, "invalid value 'Wood' for '--image'"},
        {{"--texture-mode=linear"}, nullptr, "invalid value 'linear' for '--texture-mode'"},
        {{"--polygon-mode", ""}, nullptr, "invalid value '' for '--polygon-mode'"},
        {{"--tessellation", "0"}, nullptr, "invalid value '0' for '--tessellation'"},
        {{"--tessellation", "21"}, nullptr, "invalid value '21' for '--tessellation'"},
        {{"--fov", "180"}, nullptr, "invalid value '180' for '--fov'"},
        {{"--fov", "2.0"}, nullptr, "invalid value '2.0' for '--fov'"},
        {{"--letterbox", "-1"}, nullptr, "invalid value '-1' for '--letterbox'"},
        {{"--letterbox", "7"}, nullptr, "invalid value '7' for '--letterbox'"},
        {{"--camera-z", "-13.91"}, nullptr, "invalid value '-13.91' for '--camera-z'"},
        {{"--camera-z", "nan"}, nullptr, "invalid value 'nan' for '--camera-z'"},
        {{"--main-speed", "0"}, nullptr, "invalid value '0' for '--main-speed'"},
        {{"--main-speed", "1e-39"}, nullptr, "invalid value '1e-39' for '--main-speed'"},
        {{"--rotate-speed", "1e39"}, nullptr, "invalid value '1e39' for '--rotate-speed'"},
        {{"--movement-speed", "inf"}, nullptr, "invalid value 'inf' for '--movement-speed'"},
        {{"--movement-speed", " 2"}, nullptr, "invalid value ' 2' for '--movement-speed'"},
    }; // clang-format on
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments, c.env);
        EXPECT_EQ(parsed.outcome, CommandOutcome::usageError) << c.error;
        EXPECT_EQ(parsed.message, std::string("tyvok: ") + c.error + " (see 'tyvok --help')");
    }
}

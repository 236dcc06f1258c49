// The command line's options in both spellings and every usage error (the help and version
// texts are read from the program itself by the command-line script).
#include "platform/command_line.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

ParsedCommandLine parse(std::vector<const char*> arguments, const char* env = nullptr) {
    arguments.insert(arguments.begin(), "tyvok");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data(), env);
}

// What a command line sets: the host, --window, the frame limit, the window id, the window's
// size, the geometry glutInit gets and the argument it replaces, the images' folder, -display.
std::string fields(const CommandLine& line) {
    std::ostringstream text;
    text << (line.host == HostKind::xWindow ? "x" : "glut")
         << (line.startWindowed ? " windowed" : "") << " fps " << line.maxFps << " id " << std::hex
         << line.windowId << std::dec << " " << line.windowWidth << "x" << line.windowHeight << " '"
         << line.geometry << "'@" << line.geometryArgument << " images '" << line.imageFolder << "'"
         << (line.displayName ? std::string(" display ") + line.displayName : "");
    return text.str();
}

} // namespace

TEST(CommandLine, OptionsSetTheirFields) {
    const struct {
        std::vector<const char*> arguments;
        const char* env;
        const char* fields;
    } cases[] = {
        // clang-format off
        {{}, nullptr, "glut fps -1 id 0 512x512 ''@0 images ''"},
        {{"--window"}, nullptr, "glut windowed fps -1 id 0 512x512 ''@0 images ''"},
        {{"--max-fps", "30"}, nullptr, "glut fps 30 id 0 512x512 ''@0 images ''"},
        {{"--max-fps=0"}, nullptr, "glut fps 0 id 0 512x512 ''@0 images ''"},
        {{"--max-fps", "7", "--max-fps=45"}, nullptr, "glut fps 45 id 0 512x512 ''@0 images ''"},
        // X's geometry: the size it leaves out stays 512; glutInit gets the size written out.
        {{"--window", "-geometry", "300x200+5+5"}, nullptr,
         "glut windowed fps -1 id 0 300x200 '300x200+5+5'@3 images ''"},
        {{"-geometry", "+10+10"}, nullptr, "glut fps -1 id 0 512x512 '512x512+10+10'@2 images ''"},
        {{"-geometry", "-10-0"}, nullptr, "glut fps -1 id 0 512x512 '512x512-10-0'@2 images ''"},
        {{"-geometry", "300"}, nullptr, "glut fps -1 id 0 300x512 '300x512'@2 images ''"},
        {{"-geometry", "=x200+7"}, nullptr, "glut fps -1 id 0 512x200 '512x200+7'@2 images ''"},
        {{"-geometry", "1x1", "-geometry", "32767x20+-5-32767"}, nullptr,
         "glut fps -1 id 0 32767x20 '32767x20+-5-32767'@4 images ''"},
        {{"-iconic", "-direct", "-indirect", "-gldebug", "-sync"}, nullptr,
         "glut fps -1 id 0 512x512 ''@0 images ''"},
        {{"--images", "/pictures", "--images=own"}, nullptr, "glut fps -1 id 0 512x512 ''@0 images 'own'"},
        {{"-display", ":3", "--root"}, nullptr, "x fps -1 id 0 512x512 ''@0 images '' display :3"},
        {{"-root", "--max-fps", "60"}, "0x2a00007", "x fps 60 id 2a00007 512x512 ''@0 images ''"},
        {{"--root"}, "44040199", "x fps -1 id 2a00007 512x512 ''@0 images ''"},
        {{"--window-id", "0x1E00003"}, "7", "x fps -1 id 1e00003 512x512 ''@0 images ''"},
        {{"--window-id=123", "--"}, nullptr, "x fps -1 id 7b 512x512 ''@0 images ''"},
        // XScreenSaver's settings dialog appends --window-id to the programs line's --root.
        {{"--root", "--window-id", "0x600C9D"}, "bad", "x fps -1 id 600c9d 512x512 ''@0 images ''"},
        {{"--window-id", "5", "-root"}, "7", "x fps -1 id 5 512x512 ''@0 images ''"},
    }; // clang-format on
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments, c.env);
        ASSERT_EQ(parsed.outcome, CommandOutcome::run) << parsed.message;
        EXPECT_EQ(fields(parsed.options), c.fields);
    }
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
        // What X cannot read, a size of 0, a number over X's 32767.
        {{"-geometry", "foo"}, nullptr, "invalid value 'foo' for '-geometry'"},
        {{"-geometry", "0x0"}, nullptr, "invalid value '0x0' for '-geometry'"},
        {{"-geometry", "32768x10"}, nullptr, "invalid value '32768x10' for '-geometry'"},
        {{"-geometry", "+4294967306+0"}, nullptr, "invalid value '+4294967306+0' for '-geometry'"},
        {{"--images="}, nullptr, "invalid value '' for '--images'"},
        {{"--window-id", "5", "--window"}, nullptr,
         "'--window' cannot be combined with '--window-id'"},
        {{"-sync", "-iconic", "--root"}, nullptr, "'-sync' cannot be combined with '--root'"},
        {{"-geometry", "+1+1", "--window-id", "5"}, nullptr,
         "'-geometry' cannot be combined with '--window-id'"},
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

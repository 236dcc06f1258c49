// The command line's options in both spellings and its usage errors, in one table (the help and
// version texts, the exit statuses and the panel's options are the command-line script's).
#include "platform/command_line.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

ParsedCommandLine parse(std::vector<const char*> arguments, const Environment& environment) {
    arguments.insert(arguments.begin(), "tyvok");
    return parseCommandLine(static_cast<int>(arguments.size()), arguments.data(), environment);
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

TEST(CommandLine, OptionsSetTheirFieldsOrNameTheirError) {
    const struct {
        std::vector<const char*> arguments;
        std::string expected;      // the fields, or "error: " and the line without its frame
        const char* env = nullptr; // XSCREENSAVER_WINDOW
    } cases[] = {
        // clang-format off
        {{}, "glut fps 0 id 0 512x512 ''@0 images ''"},
        {{"--window"}, "glut windowed fps 0 id 0 512x512 ''@0 images ''"},
        {{"--max-fps", "30"}, "glut fps 30 id 0 512x512 ''@0 images ''"},
        {{"--max-fps=0"}, "glut fps 0 id 0 512x512 ''@0 images ''"},
        {{"--max-fps", "7", "--max-fps=45"}, "glut fps 45 id 0 512x512 ''@0 images ''"},
        // X's geometry: the size it leaves out stays 512; glutInit gets the size written out.
        {{"--window", "-geometry", "300x200+5+5"},
         "glut windowed fps 0 id 0 300x200 '300x200+5+5'@3 images ''"},
        {{"-geometry", "+10+10"}, "glut fps 0 id 0 512x512 '512x512+10+10'@2 images ''"},
        {{"-geometry", "-10-0"}, "glut fps 0 id 0 512x512 '512x512-10-0'@2 images ''"},
        {{"-geometry", "300"}, "glut fps 0 id 0 300x512 '300x512'@2 images ''"},
        {{"-geometry", "=x200+7"}, "glut fps 0 id 0 512x200 '512x200+7'@2 images ''"},
        {{"-geometry", "1x1", "-geometry", "32767x20+-5-32767"},
         "glut fps 0 id 0 32767x20 '32767x20+-5-32767'@4 images ''"},
        {{"-iconic", "-direct", "-indirect", "-gldebug", "-sync"},
         "glut fps 0 id 0 512x512 ''@0 images ''"},
        {{"--images", "/pictures", "--images=own"}, "glut fps 0 id 0 512x512 ''@0 images 'own'"},
        // The edges of the look's ranges that the panel's sliders do not reach.
        {{"--camera-z", "-13.9", "--main-speed", "1.17549435e-38"},
         "glut fps 0 id 0 512x512 ''@0 images ''"},
        {{"-display", ":3", "--root"}, "x fps 30 id 0 512x512 ''@0 images '' display :3"},
        {{"-root", "--max-fps", "0"}, "x fps 0 id 2a00007 512x512 ''@0 images ''", "0x2a00007"},
        {{"--root"}, "x fps 30 id 2a00007 512x512 ''@0 images ''", "44040199"},
        {{"--window-id", "0x1E00003"}, "x fps 30 id 1e00003 512x512 ''@0 images ''", "7"},
        {{"--window-id=123", "--"}, "x fps 30 id 7b 512x512 ''@0 images ''"},
        // XScreenSaver's settings dialog appends --window-id to the programs line's --root.
        {{"--root", "--window-id", "0x600C9D"}, "x fps 30 id 600c9d 512x512 ''@0 images ''", "bad"},
        {{"--window-id", "5", "-root"}, "x fps 30 id 5 512x512 ''@0 images ''", "7"},
        // Usage errors: the option or value named, as the script sees for '--foo'.
        {{"--foo=3"}, "error: unknown option '--foo'"},
        {{"--window", "--bar", "--help"}, "error: unknown option '--bar'"},
        {{"pictures"}, "error: unexpected argument 'pictures'"},
        {{"--", "--window"}, "error: unexpected argument '--window'"},
        {{"--window=1"}, "error: option '--window' takes no value"},
        {{"--max-fps"}, "error: option '--max-fps' needs a value N"},
        {{"--root", "--window-id"}, "error: option '--window-id' needs a value ID"},
        {{"-geometry"}, "error: option '-geometry' needs a value WxH+X+Y"},
        {{"--max-fps", "fast"}, "error: invalid value 'fast' for '--max-fps'"},
        {{"--max-fps=-1"}, "error: invalid value '-1' for '--max-fps'"},
        {{"--max-fps", "2147483648"}, "error: invalid value '2147483648' for '--max-fps'"},
        {{"--max-fps", "0x10"}, "error: invalid value '0x10' for '--max-fps'"},
        {{"--window-id", "0x"}, "error: invalid value '0x' for '--window-id'"},
        {{"--window-id", "0"}, "error: invalid value '0' for '--window-id'"},
        {{"--window-id", "0x10000000000000000"},
         "error: invalid value '0x10000000000000000' for '--window-id'"},
        // What X cannot read, a size of 0, a number over X's 32767.
        {{"-geometry", "foo"}, "error: invalid value 'foo' for '-geometry'"},
        {{"-geometry", "0x0"}, "error: invalid value '0x0' for '-geometry'"},
        {{"-geometry", "32768x10"}, "error: invalid value '32768x10' for '-geometry'"},
        {{"-geometry", "+4294967306+0"}, "error: invalid value '+4294967306+0' for '-geometry'"},
        {{"--images="}, "error: invalid value '' for '--images'"},
        {{"--window-id", "5", "--window"},
         "error: '--window' cannot be combined with '--window-id'"},
        {{"-sync", "-iconic", "--root"}, "error: '-sync' cannot be combined with '--root'"},
        {{"-geometry", "+1+1", "--window-id", "5"},
         "error: '-geometry' cannot be combined with '--window-id'"},
        {{"-root"}, "error: invalid XSCREENSAVER_WINDOW '0x' for '-root'", "0x"},
        {{"--root"}, "error: invalid XSCREENSAVER_WINDOW '' for '--root'", ""},
        {{"--spotlight=1"}, "error: option '--spotlight' takes no value"},
        {{"--fov"}, "error: option '--fov' needs a value N"},
        {{"--image", "Wood"}, "error: invalid value 'Wood' for '--image'"},
        {{"--texture-mode=linear"}, "error: invalid value 'linear' for '--texture-mode'"},
        {{"--polygon-mode", ""}, "error: invalid value '' for '--polygon-mode'"},
        {{"--tessellation", "0"}, "error: invalid value '0' for '--tessellation'"},
        {{"--tessellation", "21"}, "error: invalid value '21' for '--tessellation'"},
        {{"--fov", "180"}, "error: invalid value '180' for '--fov'"},
        {{"--fov", "2.0"}, "error: invalid value '2.0' for '--fov'"},
        {{"--letterbox", "-1"}, "error: invalid value '-1' for '--letterbox'"},
        {{"--letterbox", "7"}, "error: invalid value '7' for '--letterbox'"},
        {{"--camera-z", "-13.91"}, "error: invalid value '-13.91' for '--camera-z'"},
        {{"--camera-z", "nan"}, "error: invalid value 'nan' for '--camera-z'"},
        {{"--main-speed", "0"}, "error: invalid value '0' for '--main-speed'"},
        {{"--main-speed", "1e-39"}, "error: invalid value '1e-39' for '--main-speed'"},
        {{"--rotate-speed", "1e39"}, "error: invalid value '1e39' for '--rotate-speed'"},
        {{"--movement-speed", "inf"}, "error: invalid value 'inf' for '--movement-speed'"},
        {{"--movement-speed", " 2"}, "error: invalid value ' 2' for '--movement-speed'"},
    }; // clang-format on
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments, {c.env});
        if (c.expected.rfind("error: ", 0) == 0) {
            EXPECT_EQ(parsed.outcome, CommandOutcome::usageError) << c.expected;
            EXPECT_EQ(parsed.message, "tyvok: " + c.expected.substr(7) + " (see 'tyvok --help')");
        } else {
            ASSERT_EQ(parsed.outcome, CommandOutcome::run) << parsed.message;
            EXPECT_EQ(fields(parsed.options), c.expected);
        }
    }
}

// Where WAYLAND_DISPLAY is set, a window of its own is a Wayland window, unless X is asked for;
// another program's window is X's in any case; a layer is Wayland's alone, paced as a screen
// saver.
TEST(CommandLine, AWaylandDesktopChoosesTheWaylandHostAndItsLayers) {
    const struct {
        std::vector<const char*> arguments;
        std::string expected; // host, layer, output, frame limit; or the error
        const char* waylandDisplay = "wayland-1";
    } cases[] = {
        {{}, "wayland fps 0"},
        {{"--window", "--fov", "50", "--max-fps", "30"}, "wayland fps 30"},
        {{}, "glut fps 0", ""},
        {{}, "glut fps 0", nullptr},
        {{"--x11"}, "glut fps 0"},
        {{"-display", ":1"}, "glut fps 0"},
        {{"-geometry", "+1+1"}, "glut fps 0"},
        {{"-gldebug"}, "glut fps 0"},
        {{"--root", "--x11"}, "x fps 30"},
        {{"--window-id", "5"}, "x fps 30"},
        {{"--layer", "background"}, "wayland background fps 30"},
        {{"--layer=overlay", "--output", "DP-2", "--max-fps", "0"}, "wayland overlay DP-2 fps 0"},
        {{"--layer", "top"}, "error: invalid value 'top' for '--layer'"},
        {{"--output", "DP-2"}, "error: '--output' needs '--layer'"},
        {{"--layer", "overlay", "--output="}, "error: invalid value '' for '--output'"},
        {{"--layer", "overlay"},
         "error: '--layer' needs a Wayland compositor, and WAYLAND_DISPLAY is not set",
         nullptr},
        {{"--window", "--layer", "overlay"}, "error: '--window' cannot be combined with '--layer'"},
        {{"--layer", "overlay", "--root"}, "error: '--root' cannot be combined with '--layer'"},
        {{"--layer", "overlay", "--window-id", "5"},
         "error: '--window-id' cannot be combined with '--layer'"},
        {{"--x11", "--layer", "background"}, "error: '--x11' cannot be combined with '--layer'"},
        {{"--layer", "background", "-display", ":1"},
         "error: '-display' cannot be combined with '--layer'"},
        {{"-iconic", "--layer", "background"},
         "error: '-iconic' cannot be combined with '--layer'"},
    };
    for (const auto& c : cases) {
        const ParsedCommandLine parsed = parse(c.arguments, {nullptr, c.waylandDisplay});
        const CommandLine& line = parsed.options;
        const char* hosts[] = {"glut", "wayland", "x"};
        const char* layers[] = {"", " background", " overlay"};
        const std::string fields =
            parsed.outcome == CommandOutcome::usageError
                ? "error: " + parsed.message.substr(7, parsed.message.rfind(" (see") - 7)
                : hosts[static_cast<int>(line.host)] + std::string(layers[int(line.layer)]) +
                      (line.outputName.empty() ? "" : " " + line.outputName) + " fps " +
                      std::to_string(line.maxFps);
        EXPECT_EQ(fields, c.expected);
    }
}

// --text-scale takes any number from 1 to 8, fractions too; anything else is a usage error.
TEST(CommandLine, TextScaleFromOneToEight) {
    for (auto [value, scale] : {std::pair{"1", 1.0}, {"1.5", 1.5}, {"8", 8.0}})
        EXPECT_EQ(parse({"--root", "--text-scale", value}, {}).options.textScale, scale) << value;
    for (const char* value : {"0.99", "8.01", "2x", "", " 2", "nan"})
        EXPECT_EQ(parse({"--text-scale", value}, {}).outcome, CommandOutcome::usageError) << value;
}

// The command line: its options, read before anything touches the display.
#include "platform/command_line.h"

#include "platform/look_options.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

enum class Option {
    window,
    geometry,
    glutFlag,
    root,
    windowId,
    display,
    maxFps,
    images,
    x11,
    layer,
    output,
    textScale,
    help,
    version,
};

// Where an option applies. The options of a window of its own are glutInit's to act on, or act
// on the window it opens; in another program's window there is no glutInit; a layer has neither
// a window nor X.
enum class Scope { ownWindow, xWindow, layer, x11, anywhere, information };

// What --help puts between the groups of options, in the order of Scope: a blank line and the
// group's heading.
constexpr const char* scopeHeadings[] = {
    "\nIn a window of its own:",
    "\nIn another program's X window:",
    "\nOn a layer of the Wayland compositor's:",
    "\nOn X, in a window of its own or another program's:",
    "\nIn all of them:",
    "",
};

// The layers, by name, in the order of Layer.
constexpr const char* layerNames[] = {"", "background", "overlay"};

struct OptionEntry {
    Option option;
    Scope scope;
    const char* name;
    const char* alias;     // another spelling, or nullptr
    const char* valueName; // nullptr for an option without a value
    const char* help;      // lines after the first start with '\n'
};

// Every option, in the order --help lists them, grouped by scope. The X options keep X's single
// dash; the options that take a value and start with "--" also take it after '='.
constexpr OptionEntry optionTable[] = {
    {Option::window, Scope::ownWindow, "--window", nullptr, nullptr,
     "start in a 512 x 512 window instead of full screen"},
    {Option::geometry, Scope::ownWindow, "-geometry", nullptr, "WxH+X+Y",
     "the window's size and place, in X's form; a size\nleft out stays 512"},
    {Option::glutFlag, Scope::ownWindow, "-iconic", nullptr, nullptr, "start iconified"},
    {Option::glutFlag, Scope::ownWindow, "-direct", nullptr, nullptr,
     "render directly, or fail when that is not possible"},
    {Option::glutFlag, Scope::ownWindow, "-indirect", nullptr, nullptr,
     "render through the X server"},
    {Option::glutFlag, Scope::ownWindow, "-gldebug", nullptr, nullptr,
     "print OpenGL's errors on stderr after each frame"},
    {Option::glutFlag, Scope::ownWindow, "-sync", nullptr, nullptr,
     "make every X call synchronous, for debugging"},
    {Option::root, Scope::xWindow, "--root", "-root", nullptr,
     "draw into the window that XSCREENSAVER_WINDOW names,\n"
     "or into the root window when it is unset"},
    {Option::windowId, Scope::xWindow, "--window-id", nullptr, "ID",
     "draw into the existing X window ID (decimal, or\n"
     "hexadecimal after 0x); wins over --root"},
    {Option::layer, Scope::layer, "--layer", nullptr, "LAYER",
     "draw on the compositor's background layer, under\n"
     "the windows (a wallpaper), or on its overlay layer,\n"
     "above them (a screen saver that input ends)"},
    {Option::output, Scope::layer, "--output", nullptr, "NAME",
     "the output to cover, named as the compositor names\n"
     "it (swaymsg -t get_outputs); by default the\ncompositor chooses"},
    {Option::display, Scope::x11, "-display", nullptr, "NAME", "the X display to use"},
    {Option::x11, Scope::x11, "--x11", nullptr, nullptr,
     "use X, also where WAYLAND_DISPLAY is set (in a\nwindow of its own: through GLUT and "
     "Xwayland)"},
    {Option::maxFps, Scope::anywhere, "--max-fps", nullptr, "N",
     "draw at most N frames a second (0: no limit); by\n"
     "default no limit in a window of its own, 30 in\n"
     "another program's window and on a layer"},
    {Option::images, Scope::anywhere, "--images", nullptr, "DIR",
     "read the six images from folder DIR instead of the\nworking directory"},
    {Option::textScale, Scope::anywhere, "--text-scale", nullptr, "X",
     "draw the text X times larger, 1 to 8, fractions\n"
     "allowed; by default at the desktop's scale (on X,\n"
     "its Xft.dpi / 96; on Wayland, the buffer scale)"},
    {Option::help, Scope::information, "--help", nullptr, nullptr, "show this help and exit"},
    {Option::version, Scope::information, "--version", nullptr, nullptr,
     "show the version and exit"},
};

std::string usageText() {
    std::string text =
        "Usage: tyvok [OPTION]...\n"
        "Turning gears in front of a star field: full screen, in a window, or in\n"
        "another program's window (XScreenSaver's).\n"
        "\n"
        "Where WAYLAND_DISPLAY is set, a window of its own is a Wayland window, unless\n"
        "--x11 or one of GLUT's X options (-display, -geometry, -iconic, -direct,\n"
        "-indirect, -gldebug, -sync) asks for X; where no Wayland compositor can show\n"
        "it there, it opens through X when DISPLAY is set.";
    const OptionEntry* previous = nullptr;
    for (const OptionEntry& entry : optionTable) {
        if (!previous || previous->scope != entry.scope)
            text += std::string("\n") + scopeHeadings[static_cast<int>(entry.scope)];
        previous = &entry;
        std::string label = std::string("  ") + entry.name;
        if (entry.alias) label += std::string(", ") + entry.alias;
        if (entry.valueName) label += std::string(" ") + entry.valueName;
        text += helpEntry(label, entry.help);
    }
    return text + lookHelpGroup();
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

ParsedCommandLine usageError(const std::string& what) {
    return {CommandOutcome::usageError, {}, "tyvok: " + what + " (see 'tyvok --help')"};
}

// Digits only, decimal, or hexadecimal after "0x" when `hexAllowed`; false on anything else
// (signs, spaces, an empty text, overflow).
bool readUnsigned(const char* text, bool hexAllowed, unsigned long& value) {
    int base = 10;
    if (hexAllowed && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text += 2;
    }
    const char* digits = base == 16 ? "0123456789abcdefABCDEF" : "0123456789";
    if (*text == '\0' || std::strspn(text, digits) != std::strlen(text)) return false;
    errno = 0;
    value = std::strtoul(text, nullptr, base);
    return errno == 0;
}

// X's sizes and coordinates are 16-bit.
constexpr unsigned long xLargestSize = 32767;

// X's geometry WxH+X+Y, read by XParseGeometry, into the window's size and the text handed to
// glutInit: every part is optional and the size left out stays 512. False for what X cannot
// read, a size of 0, and any number over 32767.
bool readGeometry(const std::string& text, CommandLine& options) {
    // XParseGeometry reads its numbers into an int without a check, so longer ones go first.
    for (const char* c = text.c_str(); *c;) {
        const std::size_t digits = std::strspn(c, "0123456789");
        if (digits > 0 && std::strtoul(c, nullptr, 10) > xLargestSize) return false;
        c += digits > 0 ? digits : 1;
    }
    int x = 0, y = 0;
    unsigned width = windowedSide, height = windowedSide;
    const int given = XParseGeometry(text.c_str(), &x, &y, &width, &height);
    if (given == NoValue || width == 0 || height == 0) return false;
    options.windowWidth = static_cast<int>(width);
    options.windowHeight = static_cast<int>(height);
    // An offset after '-' counts from the right or bottom edge; XParseGeometry negates it.
    const auto offset = [given](int value, int valueBit, int negativeBit) {
        if (!(given & valueBit)) return std::string();
        return given & negativeBit ? "-" + std::to_string(-value) : "+" + std::to_string(value);
    };
    options.geometry = std::to_string(width) + "x" + std::to_string(height) +
                       offset(x, XValue, XNegative) + offset(y, YValue, YNegative);
    return true;
}

const OptionEntry* findOption(const std::string& name) {
    for (const OptionEntry& entry : optionTable)
        if (name == entry.name || (entry.alias && name == entry.alias)) return &entry;
    return nullptr;
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, const char* const* argv,
                                   const Environment& environment) {
    CommandLine options;
    // The spellings used, for the messages: the first option of a window of its own and of X,
    // the last of another program's window, --layer and --output, and --root's.
    std::string ownWindowOption, x11Option, xWindowOption, layerOption, outputOption, rootOption;
    bool windowIdGiven = false, maxFpsGiven = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-')
            return usageError("unexpected argument " + quoted(argument));
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals =
            argument.rfind("--", 0) == 0 ? argument.find('=') : argument.npos;
        const std::string name = argument.substr(0, equals);
        const OptionEntry* entry = findOption(name);
        const LookOption* lookOption = entry ? nullptr : findLookOption(name);
        if (!entry && !lookOption) return usageError("unknown option " + quoted(name));
        const char* valueName = entry ? entry->valueName : lookValueName(*lookOption);

        std::string value;
        if (!valueName) {
            if (equals != argument.npos)
                return usageError("option " + quoted(name) + " takes no value");
        } else if (equals != argument.npos) {
            value = argument.substr(equals + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return usageError("option " + quoted(name) + " needs a value " + valueName);
        }
        if (lookOption) {
            const std::string error = setLookOption(*lookOption, value, options.look);
            if (!error.empty()) return usageError(error);
            continue;
        }

        if (entry->scope == Scope::ownWindow && ownWindowOption.empty()) ownWindowOption = name;
        const bool glutOption = entry->option == Option::geometry ||
                                entry->option == Option::glutFlag || entry->scope == Scope::x11;
        if (glutOption && x11Option.empty()) x11Option = name;
        if (entry->scope == Scope::xWindow) {
            options.host = HostKind::xWindow;
            xWindowOption = name;
        }
        unsigned long number = 0;
        const std::string badValue = "invalid value " + quoted(value) + " for " + quoted(name);
        switch (entry->option) {
        case Option::help: return {CommandOutcome::help, options, usageText()};
        case Option::version: return {CommandOutcome::version, options, "tyvok " TYVOK_VERSION};
        case Option::window: options.startWindowed = true; break;
        case Option::geometry:
            if (!readGeometry(value, options)) return usageError(badValue);
            options.geometryArgument = i;
            break;
        case Option::glutFlag: break; // glutInit's alone
        case Option::root: rootOption = name; break;
        case Option::windowId:
            // Window 0 would be the root window, which --root asks for by name.
            if (!readUnsigned(value.c_str(), true, number) || number == 0)
                return usageError(badValue);
            options.windowId = number;
            windowIdGiven = true;
            break;
        case Option::display: options.displayName = argv[i]; break;
        case Option::x11: break;
        case Option::layer: {
            const auto found = std::find_if(std::begin(layerNames) + 1, std::end(layerNames),
                                            [&value](const char* layer) { return value == layer; });
            if (found == std::end(layerNames)) return usageError(badValue);
            options.layer = static_cast<Layer>(found - std::begin(layerNames));
            layerOption = name;
            break;
        }
        case Option::output:
            if (value.empty()) return usageError(badValue);
            options.outputName = value;
            outputOption = name;
            break;
        case Option::maxFps:
            if (!readUnsigned(value.c_str(), false, number) || number > INT_MAX)
                return usageError(badValue);
            options.maxFps = static_cast<int>(number);
            maxFpsGiven = true;
            break;
        case Option::images:
            if (value.empty()) return usageError(badValue);
            options.imageFolder = value;
            break;
        case Option::textScale: {
            double scale = 0;
            if (!readNumber(value, scale) || scale < textScaleMin || scale > textScaleMax)
                return usageError(badValue);
            options.textScale = scale;
            break;
        }
        }
    }
    if (!ownWindowOption.empty() && !xWindowOption.empty())
        return usageError(quoted(ownWindowOption) + " cannot be combined with " +
                          quoted(xWindowOption));
    for (const std::string& other : {ownWindowOption, xWindowOption, x11Option})
        if (!layerOption.empty() && !other.empty())
            return usageError(quoted(other) + " cannot be combined with " + quoted(layerOption));
    if (!outputOption.empty() && layerOption.empty())
        return usageError(quoted(outputOption) + " needs '--layer'");
    const bool waylandDesktop = environment.waylandDisplay && *environment.waylandDisplay;
    if (!layerOption.empty() && !waylandDesktop)
        return usageError(quoted(layerOption) +
                          " needs a Wayland compositor, and WAYLAND_DISPLAY is not set");
    // XScreenSaver's settings dialog adds --window-id to a programs line that holds --root.
    const char* screensaverWindow = environment.screensaverWindow;
    if (!rootOption.empty() && !windowIdGiven && screensaverWindow &&
        !readUnsigned(screensaverWindow, true, options.windowId))
        return usageError("invalid XSCREENSAVER_WINDOW " + quoted(screensaverWindow) + " for " +
                          quoted(rootOption));
    if (options.host == HostKind::glutWindow && waylandDesktop && x11Option.empty())
        options.host = HostKind::wayland;
    if ((options.host == HostKind::xWindow || options.layer != Layer::none) && !maxFpsGiven)
        options.maxFps = screenSaverFps;
    return {CommandOutcome::run, options, ""};
}

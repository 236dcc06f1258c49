// The command line: its options, read before anything touches the display.
#include "platform/command_line.h"

#include "platform/look_options.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

enum class Option { window, maxFps, root, windowId, display, geometry, help, version };

struct OptionEntry {
    Option option;
    const char* name;
    const char* alias;     // another spelling, or nullptr
    const char* valueName; // nullptr for an option without a value
    const char* help;      // lines after the first start with '\n'
};

// Every option, in the order --help lists them. The X options keep X's single dash; the
// options that take a value and start with "--" also take it after '='.
constexpr OptionEntry optionTable[] = {
    {Option::window, "--window", nullptr, nullptr,
     "start in a 512 x 512 window instead of full screen"},
    {Option::maxFps, "--max-fps", nullptr, "N",
     "draw at most N frames a second (0: no limit); by default\n"
     "no limit in a window of its own, 30 in another window"},
    {Option::root, "--root", "-root", nullptr,
     "draw into the window that XSCREENSAVER_WINDOW names,\n"
     "or into the root window when it is unset"},
    {Option::windowId, "--window-id", nullptr, "ID",
     "draw into the existing X window ID (decimal, or\n"
     "hexadecimal after 0x)"},
    {Option::display, "-display", nullptr, "NAME", "the X display to use"},
    {Option::geometry, "-geometry", nullptr, "WxH+X+Y", "the window's size and place"},
    {Option::help, "--help", nullptr, nullptr, "show this help and exit"},
    {Option::version, "--version", nullptr, nullptr, "show the version and exit"},
};

std::string usageText() {
    std::string text =
        "Usage: tyvok [--window] [--max-fps N] [-display NAME] [-geometry WxH+X+Y]\n"
        "  or:  tyvok --root | -root | --window-id ID [--max-fps N] [-display NAME]\n"
        "  or:  tyvok --help | --version\n"
        "Turning gears in front of a star field: full screen, in a window, or in\n"
        "another program's window (XScreenSaver's).\n"
        "\n"
        "Options:";
    for (const OptionEntry& entry : optionTable) {
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

const OptionEntry* findOption(const std::string& name) {
    for (const OptionEntry& entry : optionTable)
        if (name == entry.name || (entry.alias && name == entry.alias)) return &entry;
    return nullptr;
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, const char* const* argv,
                                   const char* screensaverWindowEnv) {
    CommandLine options;
    std::string windowOption, xWindowOption; // the spellings used, for the conflict message
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

        unsigned long number = 0;
        const std::string badValue = "invalid value " + quoted(value) + " for " + quoted(name);
        switch (entry->option) {
        case Option::help: return {CommandOutcome::help, options, usageText()};
        case Option::version: return {CommandOutcome::version, options, "tyvok " TYVOK_VERSION};
        case Option::window:
            options.startWindowed = true;
            windowOption = name;
            break;
        case Option::maxFps:
            if (!readUnsigned(value.c_str(), false, number) || number > INT_MAX)
                return usageError(badValue);
            options.maxFps = static_cast<int>(number);
            break;
        case Option::root:
        case Option::windowId:
            if (!xWindowOption.empty() && findOption(xWindowOption) != entry)
                return usageError(quoted(xWindowOption) + " cannot be combined with " +
                                  quoted(name));
            // Window 0 would be the root window, which --root asks for by name.
            if (entry->option == Option::windowId &&
                (!readUnsigned(value.c_str(), true, number) || number == 0))
                return usageError(badValue);
            options.host = HostKind::xWindow;
            options.windowId = number;
            xWindowOption = name;
            break;
        case Option::display: options.displayName = argv[i]; break;
        case Option::geometry: options.geometryGiven = true; break;
        }
    }
    if (!windowOption.empty() && !xWindowOption.empty())
        return usageError(quoted(windowOption) + " cannot be combined with " +
                          quoted(xWindowOption));
    if (findOption(xWindowOption) == findOption("--root") && screensaverWindowEnv &&
        !readUnsigned(screensaverWindowEnv, true, options.windowId))
        return usageError("invalid XSCREENSAVER_WINDOW " + quoted(screensaverWindowEnv) + " for " +
                          quoted(xWindowOption));
    return {CommandOutcome::run, options, ""};
}

// The look's options on the command line: names, values and ranges, read into a Look, and help.
#include "platform/look_options.h"

#include "anim/setting_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>

// A switch sets `flag`; a value is one of `names` (space-separated, in the setting's order) or
// a number from `low` to `high`, whole for `whole`, any finite one for `real`.
struct LookOption {
    const char* name;
    const char* valueName;
    const char* help;
    bool Look::*flag;
    std::optional<int> Look::*whole;
    std::optional<float> Look::*real;
    const char* names;
    double low, high;
};

namespace {

constexpr LookOption toggle(const char* name, bool Look::*flag, const char* help) {
    return {name, nullptr, help, flag, nullptr, nullptr, nullptr, 0, 0};
}
constexpr LookOption choice(const char* name, const char* valueName,
                            std::optional<int> Look::*field, const char* names, const char* help) {
    return {name, valueName, help, nullptr, field, nullptr, names, 0, 0};
}
constexpr LookOption whole(const char* name, std::optional<int> Look::*field, double low,
                           double high, const char* help) {
    return {name, "N", help, nullptr, field, nullptr, nullptr, low, high};
}
constexpr LookOption real(const char* name, std::optional<float> Look::*field, float low,
                          const char* help) {
    return {name, "X", help, nullptr, nullptr, field, nullptr, low, settingSpeedMax};
}

constexpr int helpColumn = 22;

// In the order --help lists them; the key each stands for closes its help.
constexpr LookOption lookOptions[] = {
    choice("--image", "NAME", &Look::imageIndex, "wood metal fisheye brass portrait",
           "the image on the gears: wood, metal, fisheye, brass or\nportrait (i)"),
    choice("--texture-mode", "MODE", &Look::texGenMode, "sphere object eye",
           "how the image is wrapped: sphere, object or eye (o)"),
    toggle("--no-textures", &Look::noTextures, "no image on the gears (t)"),
    choice("--polygon-mode", "MODE", &Look::polyMode, "fill lines points",
           "the gears drawn as fill, lines or points (w)"),
    toggle("--spotlight", &Look::spotlight, "the spotlight on (s)"),
    toggle("--no-stars", &Look::noStars, "no star field (u)"),
    toggle("--hyperspace", &Look::hyperspace, "frames drawn over one another (Space)"),
    whole("--tessellation", &Look::tesselation, tesselationMin, tesselationMax,
          "2 x N teeth a gear, N from 1 to 20; 5 by default (< >)"),
    whole("--fov", &Look::fovDegrees, fovDegreesMin, fovDegreesMax,
          "field of view in degrees, 1 to 179; 100 by default (, .)"),
    whole("--letterbox", &Look::letterbox, 0, letterboxMax,
          "letterbox bars, 0 to 6; 0 by default (l)"),
    real("--camera-z", &Look::cameraZ, cameraZMin,
         "camera distance, -13.9 or more; 1.5 by default ({ })"),
    real("--main-speed", &Look::mainSpeed, settingSpeedMin,
         "how fast the gears turn, above 0; 1 by default\n(Page Up, Page Down)"),
    real("--rotate-speed", &Look::rotateSpeed, settingSpeedMin,
         "how fast the stars turn, above 0; 2 by default (- =)"),
    real("--movement-speed", &Look::movementSpeed, settingSpeedMin,
         "the automatic camera's pace, above 0; 1 by default (_ +)"),
    toggle("--fps", &Look::frameRate, "the frame-rate readout on (c)"),
};

// The place of `value` among the space-separated `names`, or -1.
int nameIndex(const char* names, const std::string& value) {
    std::istringstream words(names);
    std::string word;
    for (int i = 0; words >> word; ++i)
        if (word == value) return i;
    return -1;
}

} // namespace

bool readNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

const LookOption* findLookOption(const std::string& name) {
    for (const LookOption& option : lookOptions)
        if (name == option.name) return &option;
    return nullptr;
}

const char* lookValueName(const LookOption& option) {
    return option.valueName;
}

std::string setLookOption(const LookOption& option, const std::string& value, Look& look) {
    const std::string invalid = "invalid value '" + value + "' for '" + option.name + "'";
    double number = 0;
    if (option.flag) {
        look.*option.flag = true;
    } else if (option.names) {
        const int index = nameIndex(option.names, value);
        if (index < 0) return invalid;
        look.*option.whole = index;
    } else if (!readNumber(value, number) || number > option.high) {
        return invalid;
    } else if (option.whole) {
        // The keys step whole numbers: digits only.
        if (value.find_first_not_of("0123456789") != value.npos || number < option.low)
            return invalid;
        look.*option.whole = static_cast<int>(number);
    } else {
        // Compared as the float the setting keeps, so that the bound as written, -13.9, is in.
        const float setting = static_cast<float>(number);
        if (setting < static_cast<float>(option.low)) return invalid;
        look.*option.real = setting;
    }
    return "";
}

std::string helpEntry(std::string label, const char* help) {
    label.resize(std::max<std::size_t>(label.size() + 1, helpColumn), ' ');
    std::string text = "\n" + label;
    for (const char* c = help; *c; ++c)
        text += *c == '\n' ? "\n" + std::string(helpColumn, ' ') : std::string(1, *c);
    return text;
}

std::string lookHelpGroup() {
    std::string text =
        "\n\nLook options, for any of the above: each sets, before the first frame, what"
        "\nthe keys in brackets would set; r restores the defaults.";
    for (const LookOption& option : lookOptions)
        text += helpEntry(std::string("  ") + option.name +
                              (option.valueName ? std::string(" ") + option.valueName : ""),
                          option.help);
    return text;
}

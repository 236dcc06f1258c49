// How the keys step the speed-like settings: by a fixed factor, kept in range, announced.
#include "controls/setting_steps.h"

#include "anim/sim_settings.h"

#include <algorithm>

void scaleSetting(float& value, double factor, const char* format, TextOverlay& text) {
    // Clamped before the conversion: a product beyond the largest float has no float value.
    value = static_cast<float>(std::clamp(value * factor, static_cast<double>(settingSpeedMin),
                                          static_cast<double>(settingSpeedMax)));
    text.showValue(format, value);
}

// How the keys step the speed-like settings: by a fixed factor, kept in range, announced.
#include "controls/setting_steps.h"

#include "anim/sim_settings.h"

#include <algorithm>

void scaleSetting(float& value, double factor, const char* format, TextOverlay& text) {
    value = std::clamp(static_cast<float>(value * factor), settingSpeedMin, settingSpeedMax);
    text.showValue(format, value);
}

// How the keys step the speed-like settings: by a fixed factor, kept in range, announced.
#include "controls/setting_steps.h"

#include "app/settings.h"
#include "overlay/text_overlay.h"

#include <algorithm>

void scaleSetting(float& value, double factor, const char* format) {
    value = std::clamp(static_cast<float>(value * factor), settingSpeedMin, settingSpeedMax);
    textOverlay.showValue(format, value);
}

// How the keys step the speed-like settings: by a fixed factor, kept in range, announced.
#include "controls/setting_steps.h"

#include "app/settings.h"
#include "overlay/text_overlay.h"

#include <algorithm>

void scaleSetting(float& value, double factor, const char* format) {
    // Clamped before the conversion: a product beyond the largest float has no float value.
    value = static_cast<float>(std::clamp(value * factor, static_cast<double>(settingSpeedMin),
                                          static_cast<double>(settingSpeedMax)));
    textOverlay.showValue(format, value);
}

// The keys' steps of the speed-like settings: by a fixed factor, kept in range, announced.
#include "controls/key_steps.h"

#include "anim/setting_values.h"

#include <algorithm>

void scaleSetting(float& value, double factor, const char* format, TextOverlay& text,
                  double nowSec) {
    // Clamped before the conversion: a product beyond the largest float has no float value.
    value = static_cast<float>(std::clamp(value * factor, static_cast<double>(settingSpeedMin),
                                          static_cast<double>(settingSpeedMax)));
    text.showValue(format, value, nowSec);
}

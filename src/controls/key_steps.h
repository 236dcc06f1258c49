// The keys' steps of the speed-like settings: by a fixed factor, kept in range, announced.
#pragma once

#include "overlay/text_overlay.h"

// The factors exactly as written, so a step down and a step up do not quite cancel.
constexpr double stepDown = 0.9;
constexpr double stepUp = 1.111111;
constexpr double sizeStepDown = 0.95;
constexpr double sizeStepUp = 1.055555;

// Multiplies `value` by `factor` in double precision, stores it as a float within the speed
// range, and shows the new value with `format` at `nowSec`.
void scaleSetting(float& value, double factor, const char* format, TextOverlay& text,
                  double nowSec);

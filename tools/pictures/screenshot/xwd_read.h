// Reads a screen dump in X's window dump format (xwd), true colour, as 8-bit RGB.
#pragma once

#include "png_file.h"

#include <string>

namespace tyvok::xwd {

// Reads a 24- or 32-bit true-colour dump; false with the reason in `error` otherwise.
bool readXwdRgb(const std::string& path, png::Picture& picture, std::string& error);

} // namespace tyvok::xwd

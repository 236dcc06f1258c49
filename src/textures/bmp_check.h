// What is wrong with an image file's bytes, measured against the one layout the reader takes.
#pragma once

#include <cstddef>
#include <string>

// Empty when `bytes` (the first `size` bytes of a file, at most bmpFileBytes of them) start an
// uncompressed 128 x 128, 24-bit BMP whose pixels follow its 54-byte header and fill the rest;
// otherwise the first thing found wrong, e.g. "file too short (100 of 49206 bytes)". Header
// fields that the file is too short to hold are not checked.
std::string bmpProblem(const unsigned char* bytes, std::size_t size);

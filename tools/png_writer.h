// Encodes an 8-bit RGBA picture as a PNG file with stored (uncompressed) deflate blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tyvok::png {

// The checksums PNG needs: CRC-32 of every chunk and Adler-32 of the zlib stream.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t adler32(const std::uint8_t* data, std::size_t size);

// `rgba` holds width x height pixels of four bytes each, the top row first.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t>& rgba);
bool writePng(const std::string& path, int width, int height,
              const std::vector<std::uint8_t>& rgba);

} // namespace tyvok::png

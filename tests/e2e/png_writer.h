// A minimal PNG encoder for the test screenshots: 8-bit RGB, no filtering, and deflate
// "stored" blocks, so it needs no compression library. The files are larger than need be,
// which does not matter for a handful of small windows. Window-free.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// CRC-32 as PNG chunks use it (polynomial 0xEDB88320, pre- and post-inverted).
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

// Adler-32, the checksum that ends a zlib stream.
uint32_t Adler32(const uint8_t* data, size_t size);

// A zlib stream holding `data` in stored (uncompressed) deflate blocks.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& data);

// A complete PNG file of `width` x `height` pixels; `rgb` holds 3 bytes per pixel, rows
// from the top.
std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace e2e

#include "png_writer.h"

namespace e2e {

namespace {

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    PutBigEndian32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The checksum covers the type and the data, not the length.
    PutBigEndian32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc)
{
    static uint32_t table[256];
    static bool tableReady = false;
    if (!tableReady) {
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        tableReady = true;
    }
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t Adler32(const uint8_t* data, size_t size)
{
    const uint32_t kModulus = 65521;
    uint32_t a = 1, b = 0;
    for (size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& data)
{
    std::vector<uint8_t> out;
    // CMF 0x78: deflate with a 32 KB window; FLG 0x01 makes CMF*256+FLG a multiple of 31.
    out.push_back(0x78);
    out.push_back(0x01);
    const size_t kMaxBlock = 65535;
    size_t at = 0;
    do {
        const size_t length = data.size() - at < kMaxBlock ? data.size() - at : kMaxBlock;
        const bool last = at + length == data.size();
        // Block header: BFINAL in bit 0, BTYPE 00 (stored); the rest of the byte is padding.
        out.push_back(last ? 0x01 : 0x00);
        out.push_back(static_cast<uint8_t>(length & 0xFF));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length & 0xFF));
        out.push_back(static_cast<uint8_t>((~length >> 8) & 0xFF));
        out.insert(out.end(), data.begin() + at, data.begin() + at + length);
        at += length;
    } while (at < data.size());
    PutBigEndian32(out, Adler32(data.data(), data.size()));
    return out;
}

std::vector<uint8_t> EncodePng(int width, int height, const std::vector<uint8_t>& rgb)
{
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<uint8_t> header;
    PutBigEndian32(header, static_cast<uint32_t>(width));
    PutBigEndian32(header, static_cast<uint32_t>(height));
    header.push_back(8);  // bits per channel
    header.push_back(2);  // colour type: RGB
    header.push_back(0);  // compression: deflate
    header.push_back(0);  // filter method
    header.push_back(0);  // no interlace
    PutChunk(png, "IHDR", header);

    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> scanlines;
    scanlines.reserve((rowBytes + 1) * height);
    for (int y = 0; y < height; ++y) {
        scanlines.push_back(0);  // filter type None
        const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(rowBytes * y);
        scanlines.insert(scanlines.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    PutChunk(png, "IDAT", ZlibStored(scanlines));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace e2e

// The screenshot encoder checked against published check values and the file layout that
// every PNG reader expects.
#include "png_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace e2e {
namespace {

std::vector<uint8_t> Ascii(const char* text)
{
    return std::vector<uint8_t>(text, text + std::strlen(text));
}

uint32_t BigEndian32(const std::vector<uint8_t>& bytes, size_t at)
{
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8) |
           bytes[at + 3];
}

TEST(PngWriter, ChecksumsMatchPublishedCheckValues)
{
    const std::vector<uint8_t> digits = Ascii("123456789");
    EXPECT_EQ(Crc32(digits.data(), digits.size()), 0xCBF43926u);
    const std::vector<uint8_t> word = Ascii("Wikipedia");
    EXPECT_EQ(Adler32(word.data(), word.size()), 0x11E60398u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(PngWriter, StoredBlocksSplitAt65535Bytes)
{
    const std::vector<uint8_t> data(70000, 0xAB);
    const std::vector<uint8_t> z = ZlibStored(data);
    ASSERT_EQ(z.size(), 2 + (5 + 65535) + (5 + 4465) + 4u);
    EXPECT_EQ(z[0], 0x78);
    EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0);
    // First block: not final, length 65535 and its complement.
    EXPECT_EQ(z[2], 0x00);
    EXPECT_EQ(z[3] | (z[4] << 8), 65535);
    EXPECT_EQ(z[5] | (z[6] << 8), 0);
    // Second block: final, the remaining 4465 bytes.
    const size_t second = 2 + 5 + 65535;
    EXPECT_EQ(z[second], 0x01);
    EXPECT_EQ(z[second + 1] | (z[second + 2] << 8), 4465);
    EXPECT_EQ((z[second + 3] | (z[second + 4] << 8)) ^ 0xFFFF, 4465);
    EXPECT_EQ(BigEndian32(z, z.size() - 4), Adler32(data.data(), data.size()));
}

TEST(PngWriter, FileHasSignatureHeaderDataAndEnd)
{
    // 2 x 1 pixels: red, blue.
    const std::vector<uint8_t> png = EncodePng(2, 1, {255, 0, 0, 0, 0, 255});
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 8u + 25 + 12);
    EXPECT_EQ(std::memcmp(png.data(), signature, 8), 0);

    EXPECT_EQ(BigEndian32(png, 8), 13u);
    EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0);
    EXPECT_EQ(BigEndian32(png, 16), 2u);
    EXPECT_EQ(BigEndian32(png, 20), 1u);
    EXPECT_EQ(png[24], 8);
    EXPECT_EQ(png[25], 2);
    EXPECT_EQ(BigEndian32(png, 29), Crc32(png.data() + 12, 4 + 13));

    const size_t idat = 33;
    const uint32_t idatLength = BigEndian32(png, idat);
    EXPECT_EQ(std::memcmp(png.data() + idat + 4, "IDAT", 4), 0);
    // One scanline: filter byte 0, then the pixels as given, behind the zlib and block headers.
    const uint8_t* payload = png.data() + idat + 8 + 2 + 5;
    const uint8_t scanline[7] = {0, 255, 0, 0, 0, 0, 255};
    EXPECT_EQ(std::memcmp(payload, scanline, 7), 0);

    const size_t end = idat + 12 + idatLength;
    ASSERT_EQ(png.size(), end + 12);
    EXPECT_EQ(BigEndian32(png, end), 0u);
    EXPECT_EQ(std::memcmp(png.data() + end + 4, "IEND", 4), 0);
    EXPECT_EQ(BigEndian32(png, end + 8), 0xAE426082u);
}

}  // namespace
}  // namespace e2e

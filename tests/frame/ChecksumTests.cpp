// dwCrc32 against an independent bitwise CRC-32 of the text's UTF-8 bytes, and the scrambler's
// symmetry and fixed key layout.

#include <Checksum.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Bit-by-bit CRC-32 (IEEE 802.3), without a table, as a reference.
unsigned int ReferenceCrc32(const std::string& bytes)
{
    unsigned int crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace

TEST(Crc32, IsTheStandardCrcOfTheUtf8Bytes)
{
    EXPECT_EQ(0xCBF43926u, dwCrc32(L"123456789"));
    EXPECT_EQ(0u, dwCrc32(L""));
    EXPECT_EQ(ReferenceCrc32("The quick brown fox"), dwCrc32(L"The quick brown fox"));
    // Three UTF-8 bytes per character, not the two UTF-16 bytes.
    EXPECT_EQ(ReferenceCrc32("\xE8\xAF\xAD\xE9\x9F\xB3\xE8\x81\x8A\xE5\xA4\xA9"), dwCrc32(L"\u8BED\u97F3\u804A\u5929"));
}

TEST(Scrambler, KeyBytesFollowTheFixedLayoutASecondCallRestoresAndNoLengthTouchesNothing)
{
    // Key 0x44332211 gives the key bytes 11 D2 33 A5 6B 44 39 22 (constant 6B D2 39 A5),
    // each then XOR-ed with 11 ^ 6B = 7A; the ninth byte wraps around to the first.
    std::vector<unsigned char> buffer(10);
    encryption(buffer.data(), 9, 0x44332211u);
    EXPECT_EQ((std::vector<unsigned char>{0x6B, 0xA8, 0x49, 0xDF, 0x11, 0x3E, 0x43, 0x58, 0x6B, 0x00}), buffer);

    std::vector<unsigned char> original(37);
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<unsigned char>(i * 29 + 7);
    buffer = original;
    encryption(buffer.data(), static_cast<int>(buffer.size()), 0x12345678u);
    EXPECT_NE(original, buffer);
    encryption(buffer.data(), static_cast<int>(buffer.size()), 0x12345678u);
    EXPECT_EQ(original, buffer);
    encryption(buffer.data(), 0, 0x12345678u);
    encryption(buffer.data(), -5, 0x12345678u);
    EXPECT_EQ(original, buffer);
}

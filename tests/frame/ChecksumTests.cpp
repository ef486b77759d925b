// dwCrc32 against an independent bitwise CRC-32 over known bytes, and the scrambler's
// symmetry and key layout.

#include <Checksum.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Bit-by-bit CRC-32 (IEEE 802.3), without a table, as a reference.
unsigned int ReferenceCrc32(const std::vector<unsigned char>& bytes)
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

TEST(Crc32, CheckValueOfTheStandard)
{
    EXPECT_EQ(0xCBF43926u, dwCrc32(L"123456789"));
}

TEST(Crc32, EmptyTextIsZero)
{
    EXPECT_EQ(0u, dwCrc32(L""));
}

TEST(Crc32, AsciiTextMatchesItsBytes)
{
    const char text[] = "The quick brown fox jumps over the lazy dog";
    const std::vector<unsigned char> bytes(text, text + strlen(text));
    EXPECT_EQ(0x414FA339u, ReferenceCrc32(bytes));
    EXPECT_EQ(ReferenceCrc32(bytes), dwCrc32(L"The quick brown fox jumps over the lazy dog"));
}

TEST(Crc32, ChineseTextIsSummedOverItsUtf8Bytes)
{
    // 语音聊天 in UTF-8: three bytes per character.
    const std::vector<unsigned char> utf8 = {0xE8, 0xAF, 0xAD, 0xE9, 0x9F, 0xB3,
                                             0xE8, 0x81, 0x8A, 0xE5, 0xA4, 0xA9};
    const std::vector<unsigned char> utf16 = {0xED, 0x8B, 0xF3, 0x97, 0x4A, 0x80, 0x29, 0x59};
    const unsigned int crc = dwCrc32(L"\u8BED\u97F3\u804A\u5929");
    EXPECT_EQ(ReferenceCrc32(utf8), crc);
    EXPECT_NE(ReferenceCrc32(utf16), crc);
}

TEST(Scrambler, SecondCallWithTheSameKeyRestoresTheBytes)
{
    std::vector<unsigned char> original(37);
    for (size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<unsigned char>(i * 29 + 7);
    std::vector<unsigned char> buffer = original;

    encryption(buffer.data(), static_cast<int>(buffer.size()), 0x12345678u);
    EXPECT_NE(original, buffer);
    encryption(buffer.data(), static_cast<int>(buffer.size()), 0x12345678u);
    EXPECT_EQ(original, buffer);
}

TEST(Scrambler, KeyBytesAndConstantFollowTheFixedLayout)
{
    // Key 0x44332211 gives the key bytes 11 D2 33 A5 6B 44 39 22 (constant 6B D2 39 A5),
    // each then XOR-ed with 11 ^ 6B = 7A; the ninth byte wraps around to the first.
    unsigned char buffer[9] = {};
    encryption(buffer, 9, 0x44332211u);
    const unsigned char expected[9] = {0x6B, 0xA8, 0x49, 0xDF, 0x11, 0x3E, 0x43, 0x58, 0x6B};
    EXPECT_EQ(0, memcmp(expected, buffer, sizeof(buffer)));
}

TEST(Scrambler, SingleByteChangesByTheFirstConstantByte)
{
    unsigned char buffer[2] = {0x00, 0x55};
    encryption(buffer, 1, 0xCAFEBABEu);
    EXPECT_EQ(0x6B, buffer[0]);
    EXPECT_EQ(0x55, buffer[1]);
}

TEST(Scrambler, NoLengthLeavesTheBufferUntouched)
{
    unsigned char buffer[4] = {1, 2, 3, 4};
    encryption(buffer, 0, 0x12345678u);
    encryption(buffer, -5, 0x12345678u);
    const unsigned char expected[4] = {1, 2, 3, 4};
    EXPECT_EQ(0, memcmp(expected, buffer, sizeof(buffer)));
}

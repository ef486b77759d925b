// CRC-32 of a text's UTF-8 bytes and the keyed byte scrambler.

#include <Checksum.h>

#include <Utf8Convert.h>

#include <array>
#include <memory>

namespace {

using CrcTable = std::array<unsigned int, 256>;

const unsigned int kCrcPolynomial = 0xEDB88320u; // IEEE 802.3, reflected

// The scrambling constant c0..c3, c0 first in memory. It is fixed for all time: data the host
// has scrambled can only be restored with these same four bytes.
const unsigned char kScrambleConstant[4] = {0x6B, 0xD2, 0x39, 0xA5};

CrcTable BuildCrcTable()
{
    CrcTable table{};
    for (unsigned int n = 0; n < table.size(); ++n) {
        unsigned int value = n;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1u) ? (value >> 1) ^ kCrcPolynomial : value >> 1;
        table[n] = value;
    }
    return table;
}

const CrcTable& GetCrcTable()
{
    // Built once on first use; the initialisation of a local static is thread-safe.
    static const CrcTable table = BuildCrcTable();
    return table;
}

unsigned char KeyByte(unsigned long key, int index)
{
    return static_cast<unsigned char>((key >> (8 * index)) & 0xFFu);
}

} // namespace

unsigned int dwCrc32(const wchar_t* text)
{
    char* utf8 = nullptr;
    const int length = TCHAR2UTF(text, &utf8, 0);
    std::unique_ptr<char[]> owner(utf8);
    const CrcTable& table = GetCrcTable();
    unsigned int crc = 0xFFFFFFFFu;
    for (int i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(utf8[i]);
        crc = (crc >> 8) ^ table[(crc ^ byte) & 0xFFu];
    }
    return crc ^ 0xFFFFFFFFu;
}

void encryption(unsigned char* buffer, int length, unsigned long key)
{
    if (buffer == nullptr || length <= 0)
        return;
    const unsigned char* c = kScrambleConstant;
    const unsigned char scramble[8] = {
        KeyByte(key, 0), c[1], KeyByte(key, 2), c[3], c[0], KeyByte(key, 3), c[2], KeyByte(key, 1),
    };
    const unsigned char whole = static_cast<unsigned char>(KeyByte(key, 0) ^ c[0]);
    for (int i = 0; i < length; ++i)
        buffer[i] ^= scramble[i % 8];
    for (int i = 0; i < length; ++i)
        buffer[i] ^= whole;
}

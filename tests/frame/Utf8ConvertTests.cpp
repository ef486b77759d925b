// UTF2TCHAR / TCHAR2UTF at their boundaries: empty texts, exact-size buffers, characters
// outside the basic plane, and what the out pointer holds after a failure.

#include <Utf8Convert.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// "A€😀中" as UTF-8 bytes and as UTF-16 units, written out by hand.
const char kMixedUtf8[] = "\x41\xE2\x82\xAC\xF0\x9F\x98\x80\xE4\xB8\xAD";
const wchar_t kMixedWide[] = {0x0041, 0x20AC, 0xD83D, 0xDE00, 0x4E2D, 0};
const int kMixedUtf8Bytes = 11;

} // namespace

TEST(Utf8Convert, BothDirectionsCountUnitsAndFillExactBuffers)
{
    wchar_t* out = nullptr;
    ASSERT_EQ(6, UTF2TCHAR(kMixedUtf8, &out));
    std::unique_ptr<wchar_t[]> owner(out);
    EXPECT_EQ(0, memcmp(kMixedWide, out, sizeof(kMixedWide)));

    ASSERT_EQ(1, UTF2TCHAR("", &out));
    owner.reset(out);
    EXPECT_EQ(L'\0', out[0]);

    wchar_t* const kept = out;
    EXPECT_EQ(0, UTF2TCHAR(nullptr, &out));
    EXPECT_EQ(kept, out) << "a failure leaves the out pointer alone";

    char* bytes = nullptr;
    ASSERT_EQ(kMixedUtf8Bytes, TCHAR2UTF(kMixedWide, &bytes, 0));
    std::unique_ptr<char[]> bytesOwner(bytes);
    EXPECT_STREQ(kMixedUtf8, bytes);

    char* none = nullptr;
    EXPECT_EQ(0, TCHAR2UTF(L"", &none, 0));
    EXPECT_EQ(nullptr, none);

    char buffer[kMixedUtf8Bytes + 1];
    memset(buffer, 'X', sizeof(buffer));
    bytes = buffer;
    ASSERT_EQ(kMixedUtf8Bytes, TCHAR2UTF(kMixedWide, &bytes, kMixedUtf8Bytes));
    EXPECT_EQ(buffer, bytes);
    EXPECT_EQ(0, memcmp(kMixedUtf8, buffer, kMixedUtf8Bytes));
    EXPECT_EQ('X', buffer[kMixedUtf8Bytes]) << "an exact buffer gets no terminator";
    EXPECT_EQ(0, TCHAR2UTF(kMixedWide, &bytes, kMixedUtf8Bytes - 1));
    EXPECT_EQ(0, TCHAR2UTF(kMixedWide, &bytes, 0)) << "a caller's buffer of size 0 is not measured";
    EXPECT_EQ(buffer, bytes);
}

// UTF2TCHAR / TCHAR2UTF at their boundaries: empty texts, exact-size buffers, characters
// outside the basic plane, and what the out pointer holds after a failure.

#include <Utf8Convert.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

// "A€😀中" as UTF-8 bytes and as UTF-16 units, written out by hand.
const char kMixedUtf8[] = "\x41\xE2\x82\xAC\xF0\x9F\x98\x80\xE4\xB8\xAD";
const wchar_t kMixedWide[] = {0x0041, 0x20AC, 0xD83D, 0xDE00, 0x4E2D, 0};
const int kMixedUtf8Bytes = 11;

} // namespace

TEST(Utf8ToWide, EmptyTextGivesOnlyTheTerminator)
{
    wchar_t* out = nullptr;
    ASSERT_EQ(1, UTF2TCHAR("", &out));
    std::unique_ptr<wchar_t[]> owner(out);
    ASSERT_NE(nullptr, out);
    EXPECT_EQ(L'\0', out[0]);
}

TEST(Utf8ToWide, CountsEveryUnitAndTheTerminator)
{
    wchar_t* out = nullptr;
    ASSERT_EQ(6, UTF2TCHAR(kMixedUtf8, &out));
    std::unique_ptr<wchar_t[]> owner(out);
    EXPECT_EQ(0, memcmp(kMixedWide, out, sizeof(kMixedWide)));
}

TEST(Utf8ToWide, FailureLeavesTheOutPointerAsItWas)
{
    wchar_t sentinel[1] = {L'x'};
    wchar_t* out = sentinel;
    EXPECT_EQ(0, UTF2TCHAR(nullptr, &out));
    EXPECT_EQ(sentinel, out);
}

TEST(WideToUtf8, EmptyTextAllocatesNothing)
{
    char* out = nullptr;
    EXPECT_EQ(0, TCHAR2UTF(L"", &out, 0));
    EXPECT_EQ(nullptr, out);
}

TEST(WideToUtf8, AllocatesATerminatedArray)
{
    char* out = nullptr;
    ASSERT_EQ(kMixedUtf8Bytes, TCHAR2UTF(kMixedWide, &out, 0));
    std::unique_ptr<char[]> owner(out);
    ASSERT_NE(nullptr, out);
    EXPECT_STREQ(kMixedUtf8, out);
}

TEST(WideToUtf8, BufferOfExactSizeGetsNoTerminator)
{
    char buffer[kMixedUtf8Bytes + 1];
    memset(buffer, 'X', sizeof(buffer));
    char* out = buffer;
    ASSERT_EQ(kMixedUtf8Bytes, TCHAR2UTF(kMixedWide, &out, kMixedUtf8Bytes));
    EXPECT_EQ(buffer, out);
    EXPECT_EQ(0, memcmp(kMixedUtf8, buffer, kMixedUtf8Bytes));
    EXPECT_EQ('X', buffer[kMixedUtf8Bytes]);
}

TEST(WideToUtf8, BufferTooSmallOrWithoutRoomFails)
{
    char buffer[kMixedUtf8Bytes];
    char* out = buffer;
    EXPECT_EQ(0, TCHAR2UTF(kMixedWide, &out, kMixedUtf8Bytes - 1));
    // A size of 0 must not be taken as "measure only" and reported as bytes written.
    EXPECT_EQ(0, TCHAR2UTF(kMixedWide, &out, 0));
    EXPECT_EQ(buffer, out);
}

TEST(WideToUtf8, RoundTripRestoresTheText)
{
    const std::wstring text = L"Corvala 语音 — ok";
    char* utf8 = nullptr;
    ASSERT_GT(TCHAR2UTF(text.c_str(), &utf8, 0), 0);
    std::unique_ptr<char[]> utf8Owner(utf8);
    wchar_t* wide = nullptr;
    ASSERT_EQ(static_cast<int>(text.size()) + 1, UTF2TCHAR(utf8, &wide));
    std::unique_ptr<wchar_t[]> wideOwner(wide);
    EXPECT_EQ(text, wide);
}

// CFileVersion on vo_share.dll itself and on this test program (translation 0x080403A8),
// on a file without a version resource, and the ownership of the version block.

#include <FileVersion.h>

#include "../common/HeapUsage.h"
#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Exposes the block pointer so tests can see whether two objects share it.
class InspectableFileVersion : public CFileVersion {
public:
    const BYTE* Block() const { return m_lpVersionData; }
};

std::wstring ModuleFileName(const wchar_t* module)
{
    wchar_t name[MAX_PATH] = {};
    return std::wstring(name, GetModuleFileNameW(GetModuleHandleW(module), name, MAX_PATH));
}

const std::wstring kLibrary = ModuleFileName(L"vo_share.dll");
const std::wstring kTestProgram = ModuleFileName(nullptr);

} // namespace

TEST(FileVersion, QueriesTheFirstTranslationOrTheOneGivenAndNothingOpenGivesEmptyResults)
{
    CFileVersion version;
    ASSERT_EQ(1, version.Open(kTestProgram.c_str()));
    EXPECT_STREQ(L"\u7248\u672C\u6D4B\u8BD5", version.QueryValue(L"Comments"));
    EXPECT_STREQ(L"\u7248\u672C\u6D4B\u8BD5", version.QueryValue(L"Comments", 0x080403A8));
    EXPECT_STREQ(L"", version.QueryValue(L"Comments", 0x040904B0));
    EXPECT_STREQ(L"", version.QueryValue(L"NoSuchValue"));
    EXPECT_STREQ(L"2,1,0,35", version.GetFixedFileVersion());
    EXPECT_STREQ(L"3,0,0,7", version.GetFixedProductVersion());
    VS_FIXEDFILEINFO info = {};
    ASSERT_EQ(1, version.GetFixedInfo(info));
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(1, 2)), info.dwFileVersionMS);

    EXPECT_STREQ(L"", CFileVersion().GetProductName());
    EXPECT_STREQ(L"", CFileVersion().GetFixedProductVersion());
    const CTempFolder folder;
    ASSERT_TRUE(folder.Write(L"plain.txt", "plain text"));
    EXPECT_EQ(0, version.Open(folder.Path(L"plain.txt").c_str()));
    EXPECT_STREQ(L"", version.GetFileVersion()) << "a failed Open forgets the earlier file";
    EXPECT_EQ(0, version.GetFixedInfo(info));
    EXPECT_EQ(0, version.Open(nullptr));
}

TEST(FileVersion, CopiesHoldTheirOwnBlockAndOpeningAgainReleasesThePreviousOne)
{
    auto original = std::make_unique<InspectableFileVersion>();
    ASSERT_EQ(1, original->Open(kLibrary.c_str()));
    const InspectableFileVersion copy(*original);
    InspectableFileVersion assigned;
    ASSERT_EQ(1, assigned.Open(kTestProgram.c_str()));
    assigned = *original;
    EXPECT_NE(original->Block(), copy.Block());
    EXPECT_NE(original->Block(), assigned.Block());

    original.reset();
    EXPECT_STREQ(L"Corvala", copy.GetProductName());
    EXPECT_STREQ(L"1,0,0,1", assigned.GetFixedFileVersion());
    assigned = assigned;
    EXPECT_STREQ(L"Corvala", assigned.GetProductName());

    CFileVersion version;
    ASSERT_EQ(1, version.Open(kLibrary.c_str()));
    DWORD unused = 0;
    const size_t blockSize = GetFileVersionInfoSizeW(kLibrary.c_str(), &unused);
    ASSERT_GT(blockSize, 0u);
    const int reopenings = 64;
    const size_t before = BusyHeapBytes();
    for (int i = 0; i < reopenings; ++i)
        ASSERT_EQ(1, version.Open(kLibrary.c_str()));
    // Keeping each earlier block would grow the heap by reopenings * blockSize.
    EXPECT_LT(BusyHeapBytes(), before + reopenings * blockSize / 4);
    ASSERT_EQ(1, version.Open(kTestProgram.c_str()));
    EXPECT_STREQ(L"Frame test", version.GetProductName());
}

// CFileVersion on vo_share.dll itself and on this test program (translation 0x080403A8),
// on a file without a version resource, and the ownership of the version block.

#include <FileVersion.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Exposes the block pointer so tests can see whether two objects share it.
class InspectableFileVersion : public CFileVersion
{
public:
    const BYTE* Block() const { return m_lpVersionData; }
};

std::wstring ModuleFileName(HMODULE module)
{
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
    return std::wstring(name.data(), length);
}

std::wstring LibraryFile()
{
    return ModuleFileName(GetModuleHandleW(L"vo_share.dll"));
}

std::wstring TestProgramFile()
{
    return ModuleFileName(nullptr);
}

// A file in the temporary folder without any version resource; removed by the destructor.
class PlainTextFile
{
public:
    PlainTextFile()
    {
        wchar_t folder[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, folder);
        m_path = std::wstring(folder) + L"vo_frame_plain.txt";
        HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, "plain text", 10, &written, nullptr);
            CloseHandle(file);
        }
    }
    ~PlainTextFile() { DeleteFileW(m_path.c_str()); }
    const wchar_t* Path() const { return m_path.c_str(); }

private:
    std::wstring m_path;
};

// Bytes in use in all heaps of the process (the C runtime's heap among them).
size_t BusyHeapBytes()
{
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    size_t busy = 0;
    for (HANDLE heap : heaps) {
        if (!HeapLock(heap))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        }
        HeapUnlock(heap);
    }
    return busy;
}

} // namespace

TEST(FileVersion, ReadsTheLibrarysOwnVersionResource)
{
    CFileVersion version;
    ASSERT_EQ(1, version.Open(LibraryFile().c_str()));
    EXPECT_STREQ(L"Ostrel", version.GetCompanyName());
    EXPECT_STREQ(L"Corvala", version.GetProductName());
    EXPECT_STREQ(L"vo_share.dll", version.GetOriginalFilename());
    EXPECT_STREQ(L"vo_share", version.GetInternalName());
    EXPECT_STREQ(L"1.0.0.1", version.GetFileVersion());
    EXPECT_STREQ(L"1.0.0.1", version.GetProductVersion());
    EXPECT_STREQ(L"Corvala shared user-interface library", version.GetFileDescription());
    EXPECT_STREQ(L"\u00A9 Ostrel. All rights reserved.", version.GetLegalCopyright());
    EXPECT_STREQ(L"1,0,0,1", version.GetFixedFileVersion());
    EXPECT_STREQ(L"1,0,0,1", version.GetFixedProductVersion());
}

TEST(FileVersion, QueriesTheFirstTranslationOrTheOneGiven)
{
    CFileVersion version;
    ASSERT_EQ(1, version.Open(TestProgramFile().c_str()));
    EXPECT_STREQ(L"\u7248\u672C\u6D4B\u8BD5", version.QueryValue(L"Comments"));
    EXPECT_STREQ(L"\u7248\u672C\u6D4B\u8BD5", version.QueryValue(L"Comments", 0x080403A8));
    EXPECT_STREQ(L"", version.QueryValue(L"Comments", 0x040904B0));
    EXPECT_STREQ(L"", version.QueryValue(L"NoSuchValue"));
    EXPECT_STREQ(L"", version.GetCompanyName());
}

TEST(FileVersion, FixedVersionsAreSeparatedByCommas)
{
    CFileVersion version;
    ASSERT_EQ(1, version.Open(TestProgramFile().c_str()));
    EXPECT_STREQ(L"2,1,0,35", version.GetFixedFileVersion());
    EXPECT_STREQ(L"3,0,0,7", version.GetFixedProductVersion());
    VS_FIXEDFILEINFO info = {};
    ASSERT_EQ(1, version.GetFixedInfo(info));
    EXPECT_EQ(static_cast<DWORD>(VS_FFI_SIGNATURE), info.dwSignature);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(1, 2)), info.dwFileVersionMS);
}

TEST(FileVersion, FileWithoutVersionResourceGivesEmptyResults)
{
    const PlainTextFile plain;
    CFileVersion version;
    EXPECT_EQ(0, version.Open(plain.Path()));
    EXPECT_STREQ(L"", version.GetFileVersion());
    EXPECT_STREQ(L"", version.GetFixedFileVersion());
    VS_FIXEDFILEINFO info = {};
    EXPECT_EQ(0, version.GetFixedInfo(info));
    EXPECT_EQ(0, version.Open(nullptr));
}

TEST(FileVersion, NothingOpenGivesEmptyResults)
{
    const CFileVersion version;
    EXPECT_STREQ(L"", version.GetProductName());
    EXPECT_STREQ(L"", version.GetFixedProductVersion());
}

TEST(FileVersion, CopiesHoldTheirOwnBlock)
{
    auto original = std::make_unique<InspectableFileVersion>();
    ASSERT_EQ(1, original->Open(LibraryFile().c_str()));

    const InspectableFileVersion copy(*original);
    InspectableFileVersion assigned;
    ASSERT_EQ(1, assigned.Open(TestProgramFile().c_str()));
    assigned = *original;
    EXPECT_NE(original->Block(), copy.Block());
    EXPECT_NE(original->Block(), assigned.Block());

    original.reset();
    EXPECT_STREQ(L"Corvala", copy.GetProductName());
    EXPECT_STREQ(L"Corvala", assigned.GetProductName());
    EXPECT_STREQ(L"1,0,0,1", assigned.GetFixedFileVersion());

    assigned = assigned;
    EXPECT_STREQ(L"Corvala", assigned.GetProductName());
}

TEST(FileVersion, OpeningAgainReleasesThePreviousBlock)
{
    const std::wstring library = LibraryFile();
    CFileVersion version;
    ASSERT_EQ(1, version.Open(library.c_str()));
    DWORD unused = 0;
    const size_t blockSize = GetFileVersionInfoSizeW(library.c_str(), &unused);
    ASSERT_GT(blockSize, 0u);

    const int reopenings = 64;
    const size_t before = BusyHeapBytes();
    for (int i = 0; i < reopenings; ++i)
        ASSERT_EQ(1, version.Open(library.c_str()));
    const size_t after = BusyHeapBytes();
    // Keeping each earlier block would grow the heap by reopenings * blockSize.
    EXPECT_LT(after, before + reopenings * blockSize / 4);

    ASSERT_EQ(1, version.Open(TestProgramFile().c_str()));
    EXPECT_STREQ(L"Frame test", version.GetProductName());
    const PlainTextFile plain;
    EXPECT_EQ(0, version.Open(plain.Path()));
    EXPECT_STREQ(L"", version.GetProductName());
}

// The executable's folder, the temporary folder, the picture addresses read at load, and the
// naming of head-image files.

#include <VoHelpers.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::wstring FolderOfThisProgram()
{
    std::vector<wchar_t> name(32768);
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    const std::wstring path(name.data(), length);
    return path.substr(0, path.rfind(L'\\'));
}

std::wstring ProfileText(const std::wstring& file, const wchar_t* section, const wchar_t* key)
{
    wchar_t text[2048] = {};
    GetPrivateProfileStringW(section, key, L"", text, 2048, file.c_str());
    return text;
}

} // namespace

TEST(ExePath, IsTheFolderOfTheRunningProgram)
{
    CString folder;
    GetExePath(folder);
    EXPECT_EQ(FolderOfThisProgram(), folder.GetString());
    EXPECT_NE(L'\\', folder[folder.GetLength() - 1]);
    const CString program = folder + L"\\test_frame.exe";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(program));

    CString again = L"stale";
    GetExePath(again);
    EXPECT_EQ(folder, again);
}

TEST(ExePath, TmpPathIsTheExeFolderPlusTmp)
{
    CString tmp;
    GetTmpPath(tmp);
    EXPECT_EQ(FolderOfThisProgram() + L"\\tmp", tmp.GetString());
}

TEST(FaceUrls, AreReadFromTheMultiChatFileAtLoad)
{
    const std::wstring file = FolderOfThisProgram() + L"\\config\\multichat.ini";
    const std::wstring down = ProfileText(file, L"roominfo", L"picurldown");
    const std::wstring up = ProfileText(file, L"roominfo", L"picurlup");
    ASSERT_FALSE(down.empty()) << "the data tree's config\\multichat.ini is missing";
    EXPECT_EQ(down, GetFaceUrlDown().GetString());
    EXPECT_EQ(up, GetFaceUrlUp().GetString());
    EXPECT_NE(GetFaceUrlDown(), GetFaceUrlUp());
}

TEST(HeadImages, SystemImageJoinsFolderAndSubfolderWithoutSeparator)
{
    CString file;
    GetSysImageFile(L"C:\\App", L"images", 5, file);
    EXPECT_STREQ(L"C:\\Appimages\\5.jpg", file);
    GetSysImageFile(L"C:\\App", L"\\images", 12, file);
    EXPECT_STREQ(L"C:\\App\\images\\12.jpg", file);
}

TEST(HeadImages, PersonalImageIsNamedInTheFolder)
{
    CString file;
    GetPerImageFile(L"C:\\App\\users", L"abc", file);
    EXPECT_STREQ(L"C:\\App\\users\\abc.jpg", file);
}

TEST(HeadImages, OnlyTheCustomIdIsNotASystemImage)
{
    EXPECT_EQ(99999, GetCustomId());
    EXPECT_EQ(0, IsSysImage(GetCustomId()));
    EXPECT_NE(0, IsSysImage(0));
    EXPECT_NE(0, IsSysImage(100000));
    EXPECT_NE(0, IsSysImage(-1));
}

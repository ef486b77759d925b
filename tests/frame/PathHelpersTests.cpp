// The executable's folder, the temporary folder, the picture addresses read at load, and the
// naming of head-image files.

#include <VoHelpers.h>

#include "../common/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ProfileText(const wchar_t* key)
{
    const std::wstring file = ProgramFolder() + L"\\config\\multichat.ini";
    wchar_t text[2048] = {};
    GetPrivateProfileStringW(L"roominfo", key, L"", text, 2048, file.c_str());
    return text;
}

} // namespace

TEST(PathHelpers, FoldersFaceUrlsAndHeadImageFiles)
{
    CString folder = L"stale";
    GetExePath(folder);
    EXPECT_EQ(ProgramFolder(), folder.GetString());
    CString tmp;
    GetTmpPath(tmp);
    EXPECT_EQ(ProgramFolder() + L"\\tmp", tmp.GetString());

    const std::wstring down = ProfileText(L"picurldown");
    ASSERT_FALSE(down.empty()) << "the data tree's config\\multichat.ini is missing";
    EXPECT_EQ(down, GetFaceUrlDown().GetString());
    EXPECT_EQ(ProfileText(L"picurlup"), GetFaceUrlUp().GetString());
    EXPECT_NE(GetFaceUrlDown(), GetFaceUrlUp());

    CString file;
    GetSysImageFile(L"C:\\App", L"images", 5, file);
    EXPECT_STREQ(L"C:\\Appimages\\5.jpg", file) << "no separator is added";
    GetSysImageFile(L"C:\\App", L"\\images", 12, file);
    EXPECT_STREQ(L"C:\\App\\images\\12.jpg", file);
    GetPerImageFile(L"C:\\App\\users", L"abc", file);
    EXPECT_STREQ(L"C:\\App\\users\\abc.jpg", file);

    EXPECT_EQ(0, IsSysImage(GetCustomId()));
    for (int id : {0, 100000, -1})
        EXPECT_NE(0, IsSysImage(id)) << id;
}

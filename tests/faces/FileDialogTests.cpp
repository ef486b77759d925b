// CFileDialog and CImageShow::OpenImageFileDlg against the system's real Open and Save As
// dialogs, answered as a user would answer them.
#include <afxdlgs.h>

#include <ImageShow.h>
#include <LangDB.h>
#include <Oem.h>

#include "../common/DialogScript.h"
#include "PictureTest.h"

namespace {

// The filter as the system sees it: pieces separated by null characters, up to the empty one.
std::wstring FilterPieces(const OPENFILENAMEW& ofn)
{
    std::wstring pieces;
    for (LPCWSTR p = ofn.lpstrFilter; p && *p; p += lstrlenW(p) + 1)
        pieces += std::wstring(p) + L"|";
    return pieces;
}

} // namespace

using FileDialogTest = PictureTest;

TEST(FileDialog, FilterBarsBecomeTheSystemsNullSeparatedListAndLongNamesAreCut)
{
    CFileDialog withEnd(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"Pictures|*.bmp;*.jpg|All|*.*||");
    EXPECT_EQ(L"Pictures|*.bmp;*.jpg|All|*.*|", FilterPieces(withEnd.m_ofn));
    EXPECT_EQ(1u, withEnd.m_ofn.nFilterIndex);
    CFileDialog withoutEnd(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"Text|*.txt");
    EXPECT_EQ(L"Text|*.txt|", FilterPieces(withoutEnd.m_ofn));
    CFileDialog none(TRUE);
    EXPECT_EQ(nullptr, none.m_ofn.lpstrFilter);
    EXPECT_TRUE(none.GetPathName().IsEmpty());

    const std::wstring name(70000, L'x');
    CFileDialog overlong(TRUE, nullptr, name.c_str());
    EXPECT_EQ(static_cast<int>(overlong.m_ofn.nMaxFile) - 1, overlong.GetPathName().GetLength());
}

// Open gives the chosen file and its parts, Save appends the default extension, Cancel gives
// no file.
TEST_F(FileDialogTest, DialogsReturnTheChosenFileAndItsParts)
{
    ASSERT_TRUE(m_folder.Write(L"photo.test.jpg", "any bytes"));
    const struct {
        BOOL bOpen;
        const wchar_t* defaultExt;
        const wchar_t* answer;
        INT_PTR nResult;
        const wchar_t* file;
        const wchar_t* title;
        const wchar_t* ext;
    } cases[] = {{TRUE, L"jpg", L"photo.test.jpg", IDOK, L"photo.test.jpg", L"photo.test", L"jpg"},
                 {FALSE, L"txt", L"report", IDOK, L"report.txt", L"report", L"txt"},
                 {TRUE, nullptr, nullptr, IDCANCEL, L"", L"", L""}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.file);
        CFileDialog dialog(test.bOpen, test.defaultExt, nullptr, OFN_HIDEREADONLY, L"All|*.*||");
        FileDialogSeen seen;
        EXPECT_EQ(test.nResult,
                  RunDialogScript([&] { return dialog.DoModal(); },
                                  AnswerFileDialog(test.answer ? Path(test.answer) : L"", !test.answer, seen)));
        EXPECT_TRUE(seen.bShown);
        const std::wstring path = *test.file ? Path(test.file) : std::wstring();
        EXPECT_EQ(0, dialog.GetPathName().CompareNoCase(path.c_str())) << dialog.GetPathName().GetString();
        EXPECT_STREQ(test.file, dialog.GetFileName());
        EXPECT_STREQ(test.title, dialog.GetFileTitle());
        EXPECT_STREQ(test.ext, dialog.GetFileExt());
        EXPECT_EQ(L"All", seen.strFirstFileType);
    }
}

TEST_F(FileDialogTest, OpenImageFileDlgLoadsTheChosenPictureWithTheLanguageFilter)
{
    OEM.load(); // the host's start-up: the branding load brings the library's language texts
    CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    const CString filter = texts->GetString(L"CImageShow/IDS_0");
    ASSERT_FALSE(filter.IsEmpty());

    CImageShow image;
    CString path;
    FileDialogSeen seen;
    EXPECT_EQ(1, RunDialogScript([&] { return image.OpenImageFileDlg(nullptr, path); },
                                 AnswerFileDialog(Path(L"quadrants.bmp"), false, seen)));
    EXPECT_EQ(0, path.CompareNoCase(Path(L"quadrants.bmp").c_str()));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(CSize(20, 12), CSize(width, height));
    EXPECT_STREQ(filter.Left(filter.Find(L'|')), seen.strFirstFileType.c_str());
}

// Cancel keeps the path and the picture; a chosen file that is no picture gives 0 and nothing.
TEST_F(FileDialogTest, OpenImageFileDlgCancelledOrWithNoPictureReturnsZero)
{
    ASSERT_TRUE(m_folder.Write(L"notes.jpg", "plain text, not a picture"));
    const struct {
        const wchar_t* answer;
        int nWidthAfter;
    } cases[] = {{nullptr, 20}, {L"notes.jpg", 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << (test.answer ? test.answer : L"cancel"));
        CImageShow image;
        ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp").c_str()));
        CString path = L"unchanged";
        FileDialogSeen seen;
        EXPECT_EQ(0, RunDialogScript([&] { return image.OpenImageFileDlg(nullptr, path); },
                                     AnswerFileDialog(test.answer ? Path(test.answer) : L"", !test.answer, seen)));
        EXPECT_TRUE(seen.bShown);
        const std::wstring expectedPath = test.answer ? Path(test.answer) : L"unchanged";
        EXPECT_EQ(0, path.CompareNoCase(expectedPath.c_str())) << path.GetString();
        int width = -1, height = -1;
        image.GetImagePix(width, height);
        EXPECT_EQ(test.nWidthAfter, width);
    }
}

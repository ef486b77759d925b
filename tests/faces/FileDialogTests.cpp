// CFileDialog and CImageShow::OpenImageFileDlg against the system's real Open and Save As
// dialogs, answered by a hook as a user would answer them.
#include <afxdlgs.h>

#include <ImageShow.h>
#include <LangDB.h>
#include <Oem.h>

#include "FacesTestIds.h"
#include "FileDialogDriver.h"
#include "PictureFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The filter as the system sees it: pieces separated by null characters, up to the empty one.
std::wstring FilterPieces(const OPENFILENAMEW& ofn)
{
    std::wstring pieces;
    for (LPCWSTR p = ofn.lpstrFilter; p && *p; p += lstrlenW(p) + 1)
        pieces += std::wstring(p) + L"|";
    return pieces;
}

class FileDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(m_folder.WriteResource(L"quadrants.bmp", IDR_TEST_QUADRANTS_BMP));
        ASSERT_TRUE(m_folder.WriteResource(L"photo.test.jpg", IDR_TEST_QUADRANTS_JPG));
    }
    void TearDown() override { ::CoUninitialize(); }

    CPictureFolder m_folder;
};

} // namespace

TEST(FileDialog, FilterBarsBecomeTheSystemsNullSeparatedList)
{
    CFileDialog withEnd(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"Pictures|*.bmp;*.jpg|All|*.*||");
    EXPECT_EQ(L"Pictures|*.bmp;*.jpg|All|*.*|", FilterPieces(withEnd.m_ofn));
    EXPECT_EQ(1u, withEnd.m_ofn.nFilterIndex);
    CFileDialog withoutEnd(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, L"Text|*.txt");
    EXPECT_EQ(L"Text|*.txt|", FilterPieces(withoutEnd.m_ofn));
    CFileDialog none(TRUE);
    EXPECT_EQ(nullptr, none.m_ofn.lpstrFilter);
    EXPECT_TRUE(none.GetPathName().IsEmpty());
}

TEST(FileDialog, OverlongInitialNameIsCutToTheBuffer)
{
    std::wstring name(70000, L'x');
    CFileDialog dialog(TRUE, nullptr, name.c_str());
    EXPECT_EQ(static_cast<int>(dialog.m_ofn.nMaxFile) - 1, dialog.GetPathName().GetLength());
}

TEST_F(FileDialogTest, OpenReturnsTheChosenFileAndItsParts)
{
    CFileDialog dialog(TRUE, L"jpg", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, L"All|*.*||");
    CFileDialogDriver driver(m_folder.Path(L"photo.test.jpg"));
    ASSERT_TRUE(driver.IsHooked());
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(driver.Answered());
    EXPECT_EQ(0, dialog.GetPathName().CompareNoCase(m_folder.Path(L"photo.test.jpg")));
    EXPECT_STREQ(L"photo.test.jpg", dialog.GetFileName());
    EXPECT_STREQ(L"jpg", dialog.GetFileExt());
    EXPECT_STREQ(L"photo.test", dialog.GetFileTitle());
    EXPECT_STREQ(L"All", driver.FirstFileType());
}

TEST_F(FileDialogTest, CancelReturnsIdCancelAndNoFile)
{
    CFileDialog dialog(TRUE);
    CFileDialogDriver driver(nullptr);
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(driver.Answered());
    EXPECT_TRUE(dialog.GetPathName().IsEmpty());
    EXPECT_TRUE(dialog.GetFileExt().IsEmpty());
}

TEST_F(FileDialogTest, SaveAppendsTheDefaultExtension)
{
    CFileDialog dialog(FALSE, L"txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, L"Text|*.txt||");
    CFileDialogDriver driver(m_folder.Path(L"report"));
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(0, dialog.GetPathName().CompareNoCase(m_folder.Path(L"report.txt")));
    EXPECT_STREQ(L"txt", dialog.GetFileExt());
}

TEST_F(FileDialogTest, OpenImageFileDlgLoadsTheChosenPictureWithTheLanguageFilter)
{
    // The host's start-up: the branding load brings the library's language texts.
    OEM.load();
    CLangProRC* texts = CLangDB::Instance()->get(L"vo_share");
    ASSERT_NE(nullptr, texts);
    CString filter = texts->GetString(L"CImageShow/IDS_0");
    ASSERT_FALSE(filter.IsEmpty());

    CImageShow image;
    CString path;
    CFileDialogDriver driver(m_folder.Path(L"quadrants.bmp"));
    EXPECT_EQ(1, image.OpenImageFileDlg(nullptr, path));
    EXPECT_EQ(0, path.CompareNoCase(m_folder.Path(L"quadrants.bmp")));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(20, width);
    EXPECT_EQ(12, height);
    EXPECT_STREQ(filter.Left(filter.Find(L'|')), driver.FirstFileType());
}

TEST_F(FileDialogTest, OpenImageFileDlgCancelledKeepsPathAndPicture)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(m_folder.Path(L"quadrants.bmp")));
    CString path = L"unchanged";
    CFileDialogDriver driver(nullptr);
    EXPECT_EQ(0, image.OpenImageFileDlg(nullptr, path));
    EXPECT_TRUE(driver.Answered());
    EXPECT_STREQ(L"unchanged", path);
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(20, width);
}

TEST_F(FileDialogTest, OpenImageFileDlgWithAFileThatIsNoPictureReturnsZero)
{
    ASSERT_TRUE(m_folder.WriteBytes(L"notes.jpg", "plain text, not a picture"));
    CImageShow image;
    CString path;
    CFileDialogDriver driver(m_folder.Path(L"notes.jpg"));
    EXPECT_EQ(0, image.OpenImageFileDlg(nullptr, path));
    EXPECT_EQ(0, path.CompareNoCase(m_folder.Path(L"notes.jpg")));
    int width = -1, height = -1;
    image.GetImagePix(width, height);
    EXPECT_EQ(0, width);
}

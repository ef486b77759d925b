// CFileDialog and CImageShow::OpenImageFileDlg against the system's real Open and Save As
// dialogs, answered by a hook as a user would answer them.
#include <afxdlgs.h>
#include <dlgs.h>

#include <ImageShow.h>
#include <LangDB.h>
#include <Oem.h>

#include "PictureTest.h"

namespace {

// Answers the next common file dialog the thread opens: types fileName and presses OK, or
// presses Cancel when fileName is null. It also reads the first entry of the file-type list
// when the answer is taken from the queue (the list is filled after activation).
class CFileDialogDriver
{
public:
    explicit CFileDialogDriver(const wchar_t* fileName) : m_strFileName(fileName ? fileName : L""), m_bCancel(fileName == nullptr)
    {
        m_hCbtHook = ::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId());
        m_hMessageHook = ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageProc, nullptr, ::GetCurrentThreadId());
        s_pCurrent = this;
    }
    ~CFileDialogDriver()
    {
        ::UnhookWindowsHookEx(m_hCbtHook);
        ::UnhookWindowsHookEx(m_hMessageHook);
        s_pCurrent = nullptr;
    }
    CFileDialogDriver(const CFileDialogDriver&) = delete;
    CFileDialogDriver& operator=(const CFileDialogDriver&) = delete;

    bool IsHooked() const { return m_hCbtHook && m_hMessageHook; }
    bool Answered() const { return m_hDialog != nullptr; }
    const CString& FirstFileType() const { return m_strFirstFileType; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        wchar_t className[32] = {};
        if (s_pCurrent && code == HCBT_ACTIVATE && !s_pCurrent->Answered() && ::GetClassNameW(hWnd, className, 32)
            && lstrcmpW(className, L"#32770") == 0)
            s_pCurrent->Answer(hWnd);
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam)
    {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (s_pCurrent && code == HC_ACTION && wParam == PM_REMOVE && msg->hwnd == s_pCurrent->m_hDialog
            && msg->message == WM_COMMAND)
            s_pCurrent->ReadFirstFileType();
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void Answer(HWND hDialog)
    {
        m_hDialog = hDialog;
        // The name box is cmb13 in the Explorer-style template and edt1 in older ones.
        ::SetDlgItemTextW(hDialog, cmb13, m_strFileName);
        ::SetDlgItemTextW(hDialog, edt1, m_strFileName);
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(m_bCancel ? IDCANCEL : IDOK, BN_CLICKED), 0);
    }
    void ReadFirstFileType()
    {
        HWND types = ::GetDlgItem(m_hDialog, cmb1);
        const LRESULT length = types ? ::SendMessageW(types, CB_GETLBTEXTLEN, 0, 0) : CB_ERR;
        if (length <= 0)
            return;
        ::SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(m_strFirstFileType.GetBuffer(static_cast<int>(length) + 1)));
        m_strFirstFileType.ReleaseBuffer();
    }

    static thread_local CFileDialogDriver* s_pCurrent;
    HHOOK m_hCbtHook = nullptr;
    HHOOK m_hMessageHook = nullptr;
    HWND m_hDialog = nullptr; // the dialog answered
    CString m_strFileName;
    bool m_bCancel;
    CString m_strFirstFileType;
};

thread_local CFileDialogDriver* CFileDialogDriver::s_pCurrent = nullptr;

// The filter as the system sees it: pieces separated by null characters, up to the empty one.
std::wstring FilterPieces(const OPENFILENAMEW& ofn)
{
    std::wstring pieces;
    for (LPCWSTR p = ofn.lpstrFilter; p && *p; p += lstrlenW(p) + 1)
        pieces += std::wstring(p) + L"|";
    return pieces;
}

// The file dialogs make the chosen file's folder the current directory; the test's folder can
// only be removed once the directory the program started in is current again.
class FileDialogTest : public PictureTest
{
protected:
    void SetUp() override
    {
        ::GetCurrentDirectoryW(MAX_PATH, m_szStartFolder);
        PictureTest::SetUp();
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryW(m_szStartFolder);
        PictureTest::TearDown();
    }

    wchar_t m_szStartFolder[MAX_PATH] = {};
};

} // namespace

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
    const struct { BOOL bOpen; const wchar_t* defaultExt; const wchar_t* answer; INT_PTR nResult;
                   const wchar_t* file; const wchar_t* title; const wchar_t* ext; } cases[] = {
        {TRUE, L"jpg", L"photo.test.jpg", IDOK, L"photo.test.jpg", L"photo.test", L"jpg"},
        {FALSE, L"txt", L"report", IDOK, L"report.txt", L"report", L"txt"},
        {TRUE, nullptr, nullptr, IDCANCEL, L"", L"", L""}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.file);
        CFileDialog dialog(test.bOpen, test.defaultExt, nullptr, OFN_HIDEREADONLY, L"All|*.*||");
        CFileDialogDriver driver(test.answer ? Path(test.answer).c_str() : nullptr);
        ASSERT_TRUE(driver.IsHooked());
        EXPECT_EQ(test.nResult, dialog.DoModal());
        EXPECT_TRUE(driver.Answered());
        const std::wstring path = *test.file ? Path(test.file) : std::wstring();
        EXPECT_EQ(0, dialog.GetPathName().CompareNoCase(path.c_str())) << dialog.GetPathName().GetString();
        EXPECT_STREQ(test.file, dialog.GetFileName());
        EXPECT_STREQ(test.title, dialog.GetFileTitle());
        EXPECT_STREQ(test.ext, dialog.GetFileExt());
        EXPECT_STREQ(L"All", driver.FirstFileType());
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
    CFileDialogDriver driver(Path(L"quadrants.bmp").c_str());
    EXPECT_EQ(1, image.OpenImageFileDlg(nullptr, path));
    EXPECT_EQ(0, path.CompareNoCase(Path(L"quadrants.bmp").c_str()));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(CSize(20, 12), CSize(width, height));
    EXPECT_STREQ(filter.Left(filter.Find(L'|')), driver.FirstFileType());
}

// Cancel keeps the path and the picture; a chosen file that is no picture gives 0 and nothing.
TEST_F(FileDialogTest, OpenImageFileDlgCancelledOrWithNoPictureReturnsZero)
{
    ASSERT_TRUE(m_folder.Write(L"notes.jpg", "plain text, not a picture"));
    const struct { const wchar_t* answer; int nWidthAfter; } cases[] = {{nullptr, 20}, {L"notes.jpg", 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << (test.answer ? test.answer : L"cancel"));
        CImageShow image;
        ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp").c_str()));
        CString path = L"unchanged";
        CFileDialogDriver driver(test.answer ? Path(test.answer).c_str() : nullptr);
        EXPECT_EQ(0, image.OpenImageFileDlg(nullptr, path));
        EXPECT_TRUE(driver.Answered());
        const std::wstring expectedPath = test.answer ? Path(test.answer) : L"unchanged";
        EXPECT_EQ(0, path.CompareNoCase(expectedPath.c_str())) << path.GetString();
        int width = -1, height = -1;
        image.GetImagePix(width, height);
        EXPECT_EQ(test.nWidthAfter, width);
    }
}

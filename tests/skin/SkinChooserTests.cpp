// The skin chooser driven like a user would: DoModal runs the real dialog while a thread timer
// acts on it through the messages the controls send (selection changes, button clicks).

#include "SkinTestSupport.h"

#include <SkinChooser.h>

#include <algorithm>

namespace {

const int kSkinList = 6021;
const int kRefresh = 6024;
const int kPreview = 6022;
const int kDefaultBlue = 200;
const int kSecondBlue = 90;

// The chooser with its preview painting reachable from the test.
class CTestChooser : public CSkinChooser
{
public:
    using CSkinChooser::DrawPreview;
    CSkin& Preview() { return m_skinPreview; }
};

std::function<void(HWND)>& Script()
{
    static std::function<void(HWND)> script;
    return script;
}

BOOL CALLBACK FindChooserWindow(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, kSkinList) != nullptr) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ActOnChooser(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    HWND hDialog = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindChooserWindow, reinterpret_cast<LPARAM>(&hDialog));
    if (hDialog == nullptr)
        return;
    ::KillTimer(nullptr, nIDEvent);
    Script()(hDialog);
    // A script that leaves the dialog open ends it as the Cancel button would.
    if (::IsWindow(hDialog) && ::IsWindowVisible(hDialog))
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// Runs the chooser modally; script acts on it once it is shown.
INT_PTR RunChooser(const std::function<void(HWND)>& script)
{
    Script() = script;
    const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 20, ActOnChooser);
    CTestChooser chooser;
    const INT_PTR nResult = chooser.DoModal();
    ::KillTimer(nullptr, nTimer);
    return nResult;
}

void Click(HWND hDialog, int nID)
{
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, nID)));
}

void Select(HWND hDialog, const wchar_t* name)
{
    HWND hList = ::GetDlgItem(hDialog, kSkinList);
    const LRESULT nIndex = ::SendMessageW(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                          reinterpret_cast<LPARAM>(name));
    ::SendMessageW(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    ::SendMessageW(hDialog, WM_COMMAND, MAKEWPARAM(kSkinList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(hList));
}

CString SelectedName(HWND hDialog)
{
    HWND hList = ::GetDlgItem(hDialog, kSkinList);
    const LRESULT nIndex = ::SendMessageW(hList, CB_GETCURSEL, 0, 0);
    if (nIndex < 0)
        return CString();
    wchar_t text[MAX_PATH] = {};
    ::SendMessageW(hList, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text));
    return CString(text);
}

// The colour of the preview's top-left corner as the chooser paints it.
COLORREF PreviewCorner(HWND hDialog)
{
    auto* pChooser = static_cast<CTestChooser*>(CWnd::FromHandlePermanent(hDialog));
    CRect area;
    ::GetWindowRect(::GetDlgItem(hDialog, kPreview), &area);
    ::MapWindowPoints(nullptr, hDialog, reinterpret_cast<LPPOINT>(&area), 2);
    CDibTarget target(area.right + 1, area.bottom + 1, kGrey);
    pChooser->DrawPreview(target.GetDC());
    return target.Pixel(area.left, area.top);
}

class SkinChooserTest : public SkinFolderTest
{
protected:
    void SetUp() override
    {
        SkinFolderTest::SetUp();
        m_skins.AddSkin(L"default", kDefaultBlue);
        m_skins.AddSkin(L"second", kSecondBlue, "[style]\r\nnarrowbk=00ff00\r\n");
        m_skins.AddSkin(L"broken", 10);
        ::DeleteFileW((m_skins.SkinPath(L"broken") + L"\\main.bmp").c_str());
        g_Skin.Refresh();
        m_strSavedSkin = CSkin::Instance().GetCurrName();
        ASSERT_EQ(1, g_Skin.LoadOne(L"default"));
    }
    void TearDown() override
    {
        SkinFolderTest::TearDown();
        if (m_strSavedSkin.IsEmpty())
            g_Skin.Empty();
        else
            g_Skin.LoadOne(m_strSavedSkin);
    }

    CString m_strSavedSkin;
};

} // namespace

TEST_F(SkinChooserTest, OkAtOnceEndsWithCancelAndChangesNothing)
{
    const HGDIOBJ hMain = g_Skin.m_main.m_bmp.GetSafeHandle();
    CString strShown;
    COLORREF corner = 0;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        strShown = SelectedName(hDialog);
        corner = PreviewCorner(hDialog);
        Click(hDialog, IDOK);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(CString(L"default"), strShown);
    EXPECT_EQ(CellColour(0, 0, kDefaultBlue), corner); // the preview of the skin in use is g_Skin
    EXPECT_EQ(CString(L"default"), g_Skin.GetCurrName());
    EXPECT_EQ(hMain, g_Skin.m_main.m_bmp.GetSafeHandle());
}

TEST_F(SkinChooserTest, ChoosingAnotherSkinAndOkHandsItToTheSkinInUse)
{
    COLORREF corner = 0;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        Select(hDialog, L"second");
        corner = PreviewCorner(hDialog);
        Click(hDialog, IDOK);
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(CellColour(0, 0, kSecondBlue), corner);
    EXPECT_EQ(CString(L"second"), g_Skin.GetCurrName());
    EXPECT_EQ(RGB(0, 255, 0), g_Skin.m_clrNarrowBk);
    CDibTarget target(40, 40, kGrey);
    CRect rect(0, 0, 40, 40);
    g_Skin.Draw(target.GetDC(), rect, DT_MAIN);
    EXPECT_EQ(CellColour(0, 0, kSecondBlue), target.Pixel(0, 0));
    EXPECT_EQ(CellColour(1, 1, kSecondBlue), target.Pixel(20, 20));
}

TEST_F(SkinChooserTest, SelectingBackTheSkinInUseThenOkIsCancel)
{
    bool bPreviewHeldSecond = false;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        Select(hDialog, L"second");
        Select(hDialog, L"default");
        auto* pChooser = static_cast<CTestChooser*>(CWnd::FromHandlePermanent(hDialog));
        bPreviewHeldSecond = pChooser->Preview().GetCurrName() == L"second" &&
                             pChooser->Preview().m_main.m_bmp.GetSafeHandle() != nullptr;
        Click(hDialog, IDOK);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_TRUE(bPreviewHeldSecond);
    EXPECT_EQ(CString(L"default"), g_Skin.GetCurrName());
}

TEST_F(SkinChooserTest, ASkinThatDoesNotLoadPutsTheSelectionBackAndIsNeverHandedOver)
{
    CString strAfterFirst;
    CString strAfterSecond;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        Select(hDialog, L"broken");
        strAfterFirst = SelectedName(hDialog);
        // Selecting it again and pressing OK at once must not hand an empty skin over.
        HWND hList = ::GetDlgItem(hDialog, kSkinList);
        ::SendMessageW(hList, CB_SETCURSEL,
                       static_cast<WPARAM>(::SendMessageW(hList, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                          reinterpret_cast<LPARAM>(L"broken"))),
                       0);
        Click(hDialog, IDOK);
        strAfterSecond = SelectedName(hDialog);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(CString(L"default"), strAfterFirst);
    EXPECT_EQ(CString(L"broken"), strAfterSecond);
    EXPECT_EQ(CString(L"default"), g_Skin.GetCurrName());
    EXPECT_NE(nullptr, g_Skin.m_main.m_bmp.GetSafeHandle());
}

TEST_F(SkinChooserTest, RefreshListsANewSkinFolderWithNothingSelected)
{
    int nCountBefore = 0;
    int nCountAfter = 0;
    CString strSelected = L"unset";
    bool bOpenAfterOk = false;
    const INT_PTR nResult = RunChooser([&](HWND hDialog) {
        HWND hList = ::GetDlgItem(hDialog, kSkinList);
        nCountBefore = static_cast<int>(::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        m_skins.AddSkin(L"third", 150);
        Click(hDialog, kRefresh);
        nCountAfter = static_cast<int>(::SendMessageW(hList, CB_GETCOUNT, 0, 0));
        strSelected = SelectedName(hDialog);
        Click(hDialog, IDOK); // nothing selected: the dialog stays open
        bOpenAfterOk = ::IsWindowVisible(hDialog) != FALSE;
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(3, nCountBefore);
    EXPECT_EQ(4, nCountAfter);
    EXPECT_TRUE(strSelected.IsEmpty());
    EXPECT_TRUE(bOpenAfterOk);
    const std::vector<CString>& names = CTestSkin::Names();
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), CString(L"third")));
}

// The emoticon picker on real windows: pages of 49, 70, 71 and 100 emoticons, the selection
// message with its position, hover framing without reloading the preview within a cell, the
// grid's pixels, the shared cells surviving a larger catalogue, and the picker ending (by
// deactivation, by a click outside, by anyone destroying it) with no object, window or GDI
// object left behind, also over hundreds of pickers, message boxes and skinned dialogs.
#include <BkDialogBase.h>
#include <Faces.h>
#include <MsgBox.h>
#include <PopFaces.h>

#include "../common/GdiTestSupport.h"
#include "../common/HeapUsage.h"
#include "../common/MessagePump.h"
#include "../common/TempFolder.h"
#include "../common/ThreadWindows.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testpump::PumpPending;
using testpump::PumpUntil;

namespace {

class CCatalogue : public CFaces {
public:
    using CFaces::LoadFrom;
};

// A picker whose state the tests read; it counts the live pickers.
class CProbePicker : public CPopFaces {
public:
    CProbePicker() { ++Live(); }
    ~CProbePicker() override { --Live(); }
    static int& Live()
    {
        static int nLive = 0;
        return nLive;
    }
    using CPopFaces::m_btnNext;
    using CPopFaces::m_btnPrev;
    using CPopFaces::m_nCellsOnPage;
    using CPopFaces::m_nHover;
    using CPopFaces::m_nPage;
    using CPopFaces::m_Preview;
    using CPopFaces::m_ToolTip;
};

// The window that opens the picker: it records the emoticons chosen.
class COwner : public CWnd {
public:
    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 400, 400, 200,
                        100, nullptr, nullptr);
    }
    std::vector<WPARAM> m_chosen;

protected:
    afx_msg LRESULT OnSelect(WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(0, lParam);
        m_chosen.push_back(wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwner, CWnd)
    ON_MESSAGE(WM_POPFACE_SELECT, &COwner::OnSelect)
END_MESSAGE_MAP()

class PopFacesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(m_owner.CreateOwner());
        CPopFaces::Release();
    }
    void TearDown() override
    {
        if (m_hPicker != nullptr && ::IsWindow(m_hPicker))
            ::DestroyWindow(m_hPicker);
        m_owner.DestroyWindow();
        PumpPending();
        EXPECT_EQ(0, CProbePicker::Live());
        CPopFaces::Release();
        CFaces::Release();
    }

    // A catalogue of nCount emoticons (the shipped pictures cover the first 49).
    void LoadCatalogue(unsigned int nCount)
    {
        std::wstring text = L"\xFEFF[FACE]\r\nfacenum=" + std::to_wstring(nCount) + L"\r\n";
        for (unsigned int i = 1; i <= nCount; ++i) {
            wchar_t szLine[64];
            swprintf(szLine, 64, L"key%03u=k%u\r\ntip%03u=tip %u\r\n", i, i, i, i);
            text += szLine;
        }
        ASSERT_TRUE(m_folder.Write(
            L"faces.ini", std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t))));
        CFaces::Release();
        CCatalogue::LoadFrom(m_folder.Path(L"faces.ini").c_str());
        ASSERT_EQ(nCount, CFaces::GetFaceNum());
    }

    CProbePicker* Open()
    {
        auto* pPicker = new CProbePicker;
        EXPECT_TRUE(pPicker->Create(&m_owner));
        pPicker->Init();
        m_hPicker = pPicker->m_hWnd;
        return pPicker;
    }

    static void Click(CProbePicker* pPicker, CButtonST& button)
    {
        pPicker->SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button.m_hWnd));
    }

    static CPoint CellCentre(unsigned int nRow, unsigned int nCol)
    {
        return CPoint(1 + 30 * static_cast<int>(nCol) + 15, 1 + 29 * static_cast<int>(nRow) + 14);
    }

    CTempFolder m_folder;
    COwner m_owner;
    HWND m_hPicker = nullptr;
};

TEST_F(PopFacesTest, FixedToolPopupWithPagesOfFortyNineSeventyAndSeventyOneEmoticons)
{
    LoadCatalogue(49);
    CProbePicker* pPicker = Open();
    CRect rc;
    pPicker->GetWindowRect(&rc);
    EXPECT_EQ(CRect(0, 0, 302, 235), rc);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP), pPicker->GetStyle() & (WS_POPUP | WS_CHILD | WS_BORDER | WS_CAPTION));
    EXPECT_TRUE(pPicker->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(m_owner.m_hWnd, ::GetWindow(pPicker->m_hWnd, GW_OWNER));
    EXPECT_FALSE(pPicker->m_btnNext.IsWindowEnabled());
    EXPECT_FALSE(pPicker->m_btnPrev.IsWindowEnabled());
    EXPECT_EQ(49, pPicker->m_ToolTip.GetToolCount());
    CString strTip;
    pPicker->m_ToolTip.GetText(strTip, pPicker, 12);
    EXPECT_STREQ(L"tip 12 k12", strTip);
    pPicker->DestroyWindow();

    LoadCatalogue(70);
    pPicker = Open();
    Click(pPicker, pPicker->m_btnNext);
    EXPECT_EQ(1u, pPicker->m_nPage);
    EXPECT_EQ(0, pPicker->m_ToolTip.GetToolCount());
    pPicker->DestroyWindow();

    LoadCatalogue(71);
    CPopFaces::Release();
    pPicker = Open();
    Click(pPicker, pPicker->m_btnNext);
    EXPECT_EQ(1, pPicker->m_ToolTip.GetToolCount());
    EXPECT_FALSE(pPicker->m_btnNext.IsWindowEnabled());
    EXPECT_TRUE(pPicker->m_btnPrev.IsWindowEnabled());
    pPicker->m_ToolTip.GetText(strTip, pPicker, 1);
    EXPECT_STREQ(L"tip 71 k71", strTip);
    Click(pPicker, pPicker->m_btnPrev);
    EXPECT_EQ(0u, pPicker->m_nPage);
    EXPECT_EQ(70, pPicker->m_ToolTip.GetToolCount());
    EXPECT_FALSE(pPicker->m_btnPrev.IsWindowEnabled());
    EXPECT_TRUE(pPicker->m_btnNext.IsWindowEnabled());
    pPicker->DestroyWindow();
}

TEST_F(PopFacesTest, ClickPostsTheEmoticonsCataloguePositionToTheOwner)
{
    LoadCatalogue(100);
    CProbePicker* pPicker = Open();
    pPicker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellCentre(0, 0).x, CellCentre(0, 0).y));
    Click(pPicker, pPicker->m_btnNext);
    const CPoint pt = CellCentre(2, 3);
    pPicker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    // Beyond the last emoticon of page 1 (30 cells): nothing.
    const CPoint ptEmpty = CellCentre(5, 0);
    pPicker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptEmpty.x, ptEmpty.y));
    EXPECT_TRUE(m_owner.m_chosen.empty()) << "posted, not sent";
    PumpPending();
    EXPECT_EQ((std::vector<WPARAM>{0, 93}), m_owner.m_chosen);
    EXPECT_TRUE(::IsWindow(m_hPicker)) << "a click inside leaves it open";
    // A click outside the client area closes it.
    pPicker->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 400));
    PumpPending();
    EXPECT_FALSE(::IsWindow(m_hPicker));
}

TEST_F(PopFacesTest, HoverFramesTheCellAndReloadsThePreviewOnlyForAnotherCell)
{
    LoadCatalogue(49);
    CProbePicker* pPicker = Open();
    pPicker->SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    pPicker->UpdateWindow();
    const auto hover = [pPicker](CPoint pt) { pPicker->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y)); };
    hover(CellCentre(0, 0));
    EXPECT_EQ(0, pPicker->m_nHover);
    EXPECT_GT(pPicker->m_Preview.GetSize().cx, 0);
    pPicker->m_Preview.UnLoad();
    hover(CellCentre(0, 0) + CPoint(3, 2));
    EXPECT_EQ(0, pPicker->m_Preview.GetSize().cx) << "moving within a cell does not reload";
    hover(CellCentre(1, 2));
    EXPECT_EQ(12, pPicker->m_nHover);
    EXPECT_GT(pPicker->m_Preview.GetSize().cx, 0);

    // The grid on screen: white with the frame colour around it, the band below in the tooltip
    // colour, a black outline, and the hovered cell framed.
    CScopedGetDC screen(pPicker->m_hWnd);
    const CRect rcCell(1 + 30 * 2, 1 + 29, 1 + 30 * 3, 1 + 29 * 2);
    EXPECT_EQ(RGB(200, 140, 75), ::GetPixel(screen, rcCell.left, rcCell.top + 5));
    EXPECT_EQ(kWhite, ::GetPixel(screen, 1 + 30 * 9 + 2, 1 + 29 * 6 + 2)); // cell 69: no emoticon
    EXPECT_EQ(::GetSysColor(COLOR_INFOBK), ::GetPixel(screen, 150, 215));
    EXPECT_EQ(kBlack, ::GetPixel(screen, 0, 0));
    pPicker->DestroyWindow();
}

TEST_F(PopFacesTest, SharedCellsOfASmallerCatalogueServeALargerOne)
{
    LoadCatalogue(49);
    Open()->DestroyWindow();
    LoadCatalogue(100);
    CProbePicker* pPicker = Open();
    EXPECT_EQ(70, pPicker->m_ToolTip.GetToolCount());
    pPicker->SetWindowPos(nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    pPicker->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(CellCentre(6, 9).x, CellCentre(6, 9).y));
    EXPECT_EQ(69, pPicker->m_nHover);
    Click(pPicker, pPicker->m_btnNext);
    pPicker->UpdateWindow(); // paints positions 70-99, which have no shared picture
    EXPECT_EQ(30u, pPicker->m_nCellsOnPage);
    pPicker->DestroyWindow();
}

TEST_F(PopFacesTest, PickerEndsOnDeactivationAndWhenDestroyedByAnyoneAndNeedsAnOwnerWindow)
{
    LoadCatalogue(49);
    CProbePicker* pPicker = Open();
    pPicker->ShowWindow(SW_SHOW);
    pPicker->SetForegroundWindow();
    pPicker->SetActiveWindow();
    PumpPending();
    ASSERT_EQ(1, CProbePicker::Live());
    m_owner.SetActiveWindow();
    PumpUntil([] { return CProbePicker::Live() == 0; });
    EXPECT_EQ(0, CProbePicker::Live());
    EXPECT_FALSE(::IsWindow(m_hPicker));

    Open();
    ::DestroyWindow(m_hPicker);
    EXPECT_EQ(0, CProbePicker::Live());

    // An owner whose window is gone: no window, so no picker.
    const HWND hGone = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ::DestroyWindow(hGone);
    CWnd gone;
    gone.m_hWnd = hGone;
    EXPECT_EQ(nullptr, CPopFaces::GetInstance(&gone));
    gone.m_hWnd = nullptr;
}

// The dialog window hOwner owns on the test thread, or null.
HWND OwnedDialog(HWND hOwner)
{
    for (HWND hWnd : threadwindows::Dialogs()) {
        if (::GetWindow(hWnd, GW_OWNER) == hOwner)
            return hWnd;
    }
    return nullptr;
}

// A skinned dialog on the message box's template whose OK button is a CButtonST.
class CSkinnedProbe : public CBkDialogBase {
public:
    CSkinnedProbe() : CBkDialogBase(kMessageBoxTemplate) {}
    static const UINT kMessageBoxTemplate = 6152;

protected:
    BOOL OnInitDialog() override
    {
        m_button.SubclassDlgItem(IDOK, this);
        return CBkDialogBase::OnInitDialog();
    }
    CButtonST m_button;
};

TEST_F(PopFacesTest, PickersMessageBoxesAndSkinnedDialogsOpenedAndClosedLeaveNothingBehind)
{
    LoadCatalogue(49);
    int nRound = 0;
    // Every tenth picker also plays its preview (a thread of its own).
    const auto cycle = [this, &nRound] {
        CPopFaces* pPicker = CPopFaces::GetInstance(&m_owner);
        ASSERT_NE(nullptr, pPicker);
        if (++nRound % 10 == 0)
            pPicker->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
        pPicker->DestroyWindow();

        ASSERT_EQ(1, WMsgBox(L"Again and again", 1, 0, &m_owner));
        const HWND hBox = OwnedDialog(m_owner.m_hWnd);
        ASSERT_NE(nullptr, hBox);
        ::SendMessageW(hBox, WM_SYSCOMMAND, SC_CLOSE, 0);

        CSkinnedProbe dialog;
        ASSERT_TRUE(dialog.Create(CSkinnedProbe::kMessageBoxTemplate, &m_owner));
        CDibTarget target(40, 30, kWhite);
        dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.GetDC()->m_hDC));
        dialog.DestroyWindow();
        PumpPending();
    };
    for (int i = 0; i < 10; ++i)
        cycle();
    const size_t nWindows = threadwindows::All().size();
    const size_t nHeapBefore = BusyHeapBytes();
    const int nGdiBefore = CountAvailableGdiHandles();
    for (int i = 0; i < 500; ++i)
        cycle();
    EXPECT_EQ(nWindows, threadwindows::All().size());
    EXPECT_LT(BusyHeapBytes(), nHeapBefore + 16384);
    EXPECT_GE(CountAvailableGdiHandles(), nGdiBefore - kGdiCountSlack);
}

} // namespace

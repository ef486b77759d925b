// Owner-drawn buttons on a real dialog: the pixels of each look, hover by synthetic mouse input,
// clicks (check boxes, menus, addresses through the shell seam), images with their generated
// copies, setters' ranges, sounds, and the GDI objects of many hover and menu cycles.
#include "ControlsTestSupport.h"

#include "../common/TempFolder.h"

#include <afxlite/AfxScoped.h>

#include <string>
#include <vector>

using ctltest::PumpPending;
using ctltest::PumpUntil;

namespace {

const COLORREF kDialogBack = RGB(200, 40, 40);
const UINT WM_CTLTEST_MENU_CALLBACK = WM_APP + 5;
// How long a test waits for a hover that must not come (the mouse moves within milliseconds).
const DWORD kColdWaitMs = 300;

// A CButtonST whose state the tests read, closing its menus as soon as they are drawn when asked.
class CProbeButton : public CButtonST {
public:
    using CButtonST::m_bMouseOnButton;
    using CButtonST::m_hCursor;
    using CButtonST::m_ToolTip;
    bool m_bCloseMenuWhenIdle = false;

protected:
    afx_msg LRESULT OnEnterIdle(WPARAM, LPARAM)
    {
        if (m_bCloseMenuWhenIdle)
            ::EndMenu();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeButton, CButtonST)
    ON_MESSAGE(WM_ENTERIDLE, &CProbeButton::OnEnterIdle)
END_MESSAGE_MAP()

// The test dialog: a red background, its buttons subclassed, clicks, commands and menu callbacks
// recorded.
class CButtonsDialog : public CDialog {
public:
    CButtonsDialog() : CDialog(IDD_CTLTEST_BUTTONS) {}

    CProbeButton m_flat, m_default, m_check, m_owner, m_image;
    std::vector<UINT> m_clicks;
    std::vector<UINT> m_commands;
    WPARAM m_callbackMenu = 0;
    LPARAM m_callbackValue = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_flat.SubclassDlgItem(IDC_CTLTEST_FLAT, this);
        m_default.SubclassDlgItem(IDC_CTLTEST_DEFAULT, this);
        m_check.SubclassDlgItem(IDC_CTLTEST_CHECK, this);
        m_owner.SubclassDlgItem(IDC_CTLTEST_OWNER, this);
        m_image.SubclassDlgItem(IDC_CTLTEST_IMAGE, this);
        return TRUE;
    }
    afx_msg void OnButtonClicked(UINT nID) { m_clicks.push_back(nID); }
    afx_msg void OnColour(UINT nID) { m_commands.push_back(nID); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, kDialogBack);
        return TRUE;
    }
    afx_msg LRESULT OnMenuCallback(WPARAM wParam, LPARAM lParam)
    {
        m_callbackMenu = wParam;
        m_callbackValue = lParam;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonsDialog, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CTLTEST_FLAT, IDC_CTLTEST_NEXT, &CButtonsDialog::OnButtonClicked)
    ON_COMMAND_RANGE(ID_CTLTEST_RED, ID_CTLTEST_PLAIN, &CButtonsDialog::OnColour)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_CTLTEST_MENU_CALLBACK, &CButtonsDialog::OnMenuCallback)
END_MESSAGE_MAP()

void MoveMouseTo(POINT ptScreen, DWORD dwButtons = 0)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = ::MulDiv(ptScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(ptScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | dwButtons;
    ::SendInput(1, &input, sizeof(input));
}

CPoint CentreOf(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    return rc.CenterPoint();
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_CTLTEST_BUTTONS));
        m_dialog.SetWindowPos(&CWnd::wndTop, 200, 200, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        m_dialog.SetForegroundWindow();
        m_dialog.UpdateWindow();
        for (CProbeButton* pButton : {&m_dialog.m_flat, &m_dialog.m_check, &m_dialog.m_image}) {
            pButton->SetColor(CButtonST::BTNST_COLOR_BK_OUT, kGreen, FALSE);
            pButton->SetColor(CButtonST::BTNST_COLOR_BK_IN, kBlue, FALSE);
            pButton->SetColor(CButtonST::BTNST_COLOR_BK_FOCUS, kYellow, FALSE);
        }
        m_dialog.GetDlgItem(IDC_CTLTEST_NEXT)->SetFocus();
        // The mouse left the last test's buttons at this place: a late move may still pass.
        PumpUntil([this] { return !m_dialog.m_flat.m_bMouseOnButton && !m_dialog.m_image.m_bMouseOnButton; }, 1000);
    }
    void TearDown() override
    {
        MoveMouseTo(CPoint(5, 5));
        m_dialog.DestroyWindow();
        PumpPending();
    }

    // The button as it paints itself now, through the path a paint takes (WM_DRAWITEM).
    static std::unique_ptr<CDibTarget> Picture(CWnd& button) { return ctltest::Printed(button, kMagenta); }

    // Waits long for a hover to come or go, briefly when a test expects it not to come.
    bool HoverBecomes(CProbeButton& button, BOOL bHot, DWORD waitMs = 2000)
    {
        return PumpUntil([&] { return button.m_bMouseOnButton == bHot; }, waitMs);
    }

    // Enters the button with the mouse from one pixel beside its centre.
    bool Enter(CProbeButton& button, DWORD waitMs = 2000)
    {
        const CPoint centre = CentreOf(button);
        MoveMouseTo(CPoint(centre.x + 1, centre.y));
        PumpPending();
        MoveMouseTo(centre);
        return HoverBecomes(button, TRUE, waitMs);
    }

    CButtonsDialog m_dialog;
};

TEST_F(ButtonTest, SubclassingMakesButtonsOwnerDrawnAndRemembersTheirKind)
{
    for (CProbeButton* pButton : {&m_dialog.m_flat, &m_dialog.m_default, &m_dialog.m_check, &m_dialog.m_owner})
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), pButton->GetStyle() & 0x1F);
    EXPECT_TRUE(m_dialog.m_default.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    EXPECT_TRUE(m_dialog.m_flat.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
    m_dialog.m_default.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(m_dialog.m_default.GetDefault());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), m_dialog.m_default.GetStyle() & 0x1F);
    // An owner-drawn style shares the check-box bit but is a push button.
    m_dialog.m_owner.SendMessage(BM_CLICK);
    EXPECT_EQ(0, m_dialog.m_owner.GetCheck());
}

TEST_F(ButtonTest, EachLookIsDrawnInItsColoursAndBorder)
{
    CProbeButton& button = m_dialog.m_flat;
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    ExpectPixels(*Picture(button), {{0, 0, kGreen}, {3, 3, kGreen}});

    button.SetState(TRUE); // pressed: the pressed background, sunk by the border
    ExpectPixels(*Picture(button), {{0, 0, crShadow}, {3, 3, kBlue}});
    button.SetState(FALSE);

    button.SetFlat(FALSE);
    button.SetFocus();
    ExpectPixels(*Picture(button), {{0, 0, kBlack}, {1, 1, ::GetSysColor(COLOR_BTNHILIGHT)}, {6, 6, kYellow}});
    m_dialog.GetDlgItem(IDC_CTLTEST_NEXT)->SetFocus();
    ExpectPixels(*Picture(button), {{0, 0, ::GetSysColor(COLOR_BTNHILIGHT)}, {6, 6, kGreen}});

    // Disabled: the caption engraved, none of it in the text colour; the focus moved on.
    button.SetFocus();
    button.EnableWindow(FALSE);
    EXPECT_NE(button.m_hWnd, ::GetFocus());
    const auto disabled = Picture(button);
    CRect rc;
    button.GetClientRect(&rc);
    rc.DeflateRect(2, 0);
    EXPECT_GT(ctltest::CountColour(*disabled, rc, ::GetSysColor(COLOR_3DHILIGHT)), 0);
    EXPECT_EQ(0, ctltest::CountColour(*disabled, rc, ::GetSysColor(COLOR_BTNTEXT)));
}

TEST_F(ButtonTest, TransparentButtonsShowTheParentsBackground)
{
    // The cache is filled from the screen under the button when it first paints after the parent.
    CProbeButton& button = m_dialog.m_flat;
    button.DrawTransparent(TRUE);
    m_dialog.RedrawWindow(nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_EQ(static_cast<DWORD>(BTNST_BADPARAM), button.SetBk(nullptr));
    ExpectPixels(*Picture(button), {{1, 1, kDialogBack}, {4, 4, kDialogBack}});

    // A background handed over by the parent (as a skinned dialog does): the part under the button.
    CRect rcDialog;
    m_dialog.GetClientRect(&rcDialog);
    CRect rcButton;
    button.GetWindowRect(&rcButton);
    m_dialog.ScreenToClient(&rcButton);
    CDibTarget background(rcDialog.Width(), rcDialog.Height(), kCyan);
    background.GetDC()->FillSolidRect(rcButton.left + 2, rcButton.top, 3, rcButton.Height(), kYellow);
    EXPECT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBk(background.GetDC()));
    ExpectPixels(*Picture(button), {{1, 1, kCyan}, {3, 1, kYellow}, {6, 6, kCyan}});

    button.DrawTransparent(FALSE);
    EXPECT_EQ(static_cast<DWORD>(BTNST_BADPARAM), button.SetBk(background.GetDC()));
    ExpectPixels(*Picture(button), {{3, 3, kGreen}});
}

TEST_F(ButtonTest, HoverFollowsTheMouseAndEndsOnLeaveFocusCancelDeactivationAndDisabling)
{
    CProbeButton& button = m_dialog.m_flat;
    ASSERT_TRUE(Enter(button));
    ExpectPixels(*Picture(button), {{0, 0, ::GetSysColor(COLOR_BTNHILIGHT)}, {3, 3, kBlue}});
    MoveMouseTo(CentreOf(*m_dialog.GetDlgItem(IDC_CTLTEST_NEXT)) + CPoint(0, 30));
    ASSERT_TRUE(HoverBecomes(button, FALSE)) << "mouse-leave ends the hover";
    ExpectPixels(*Picture(button), {{0, 0, kGreen}, {3, 3, kGreen}});

    const std::pair<const char*, std::function<void()>> endings[] = {
        {"focus loss", [&] { button.SendMessage(WM_KILLFOCUS); }},
        {"cancel mode", [&] { button.SendMessage(WM_CANCELMODE); }},
        {"deactivation", [&] { button.SendMessage(WM_ACTIVATE, WA_INACTIVE); }},
        {"disabling", [&] { button.EnableWindow(FALSE); }},
    };
    for (const auto& ending : endings) {
        ASSERT_TRUE(Enter(button)) << ending.first;
        ending.second();
        EXPECT_FALSE(button.m_bMouseOnButton) << ending.first;
    }
    // Pressing outside and dragging over the button does not make it hot.
    CPoint ptOutside(2, 2);
    m_dialog.ClientToScreen(&ptOutside);
    ASSERT_EQ(m_dialog.m_hWnd, ::WindowFromPoint(ptOutside));
    MoveMouseTo(ptOutside);
    PumpPending();
    button.EnableWindow(TRUE);
    PumpPending();
    ASSERT_FALSE(button.m_bMouseOnButton);
    MoveMouseTo(ptOutside, MOUSEEVENTF_LEFTDOWN);
    PumpPending();
    MoveMouseTo(CentreOf(button));
    EXPECT_FALSE(HoverBecomes(button, TRUE, kColdWaitMs));
    MoveMouseTo(CentreOf(button), MOUSEEVENTF_LEFTUP);
    MoveMouseTo(ptOutside);
    ASSERT_TRUE(HoverBecomes(button, FALSE));

    // A button that is not flat, or one that tracks only the active application, stays cold.
    button.SetFlat(FALSE);
    EXPECT_FALSE(Enter(button, kColdWaitMs));
    button.SetFlat(TRUE);
    button.SetAlwaysTrack(FALSE);
    ::SetActiveWindow(nullptr);
    ASSERT_EQ(nullptr, ::GetActiveWindow());
    EXPECT_FALSE(Enter(button, kColdWaitMs));
}

TEST_F(ButtonTest, CheckBoxesToggleOnEveryPressAndTheParentSeesEachClick)
{
    CProbeButton& check = m_dialog.m_check;
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));
    ExpectPixels(*Picture(check), {{3, 3, kBlue}}); // drawn pressed while checked
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(0, check.GetCheck());
    ExpectPixels(*Picture(check), {{3, 3, kYellow}}); // a click takes the focus
    EXPECT_EQ((std::vector<UINT>{IDC_CTLTEST_CHECK, IDC_CTLTEST_CHECK}), m_dialog.m_clicks);

    check.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(1, check.GetCheck());
    check.SendMessage(BM_SETCHECK, 7);
    EXPECT_EQ(0, check.GetCheck());
    m_dialog.m_flat.SetCheck(1);
    EXPECT_EQ(0, m_dialog.m_flat.GetCheck()) << "only check boxes check";

    // A double-click is two presses.
    m_dialog.m_clicks.clear();
    const CPoint centre = CentreOf(check);
    MoveMouseTo(centre);
    for (DWORD dwButton : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
        MoveMouseTo(centre, dwButton);
    EXPECT_TRUE(PumpUntil([&] { return m_dialog.m_clicks.size() >= 2; }, 2000));
    EXPECT_EQ(0, check.GetCheck());
}

TEST_F(ButtonTest, ClickedMenusPostTheChosenCommandAndAddressesGoToTheShell)
{
    CProbeButton& button = m_dialog.m_flat;
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDRESOURCE), button.SetMenu(0x7DEE, m_dialog.m_hWnd));
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetMenu(IDM_CTLTEST_MENU, m_dialog.m_hWnd, TRUE, IDR_CTLTEST_TOOLBAR,
                                                           CSize(16, 15), RGB(192, 192, 192)));
    button.SetMenuCallback(m_dialog.m_hWnd, WM_CTLTEST_MENU_CALLBACK, 77);
    RunMenuScript(
        [&] {
            button.SendMessage(BM_CLICK);
            return 0;
        },
        [](HWND) { ctltest::TypeKey('R'); });
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_CTLTEST_RED}, m_dialog.m_commands);
    EXPECT_EQ(std::vector<UINT>{IDC_CTLTEST_FLAT}, m_dialog.m_clicks) << "the parent sees the click too";
    EXPECT_EQ(77, m_dialog.m_callbackValue);
    CMenu* pCallbackMenu = reinterpret_cast<CMenu*>(m_dialog.m_callbackMenu);
    ASSERT_NE(nullptr, pCallbackMenu);
    EXPECT_TRUE(BCMenu::IsMenu(pCallbackMenu));

    // A simple menu: its first popup, chosen through the system's own mnemonics.
    CMenu simple;
    ASSERT_TRUE(simple.LoadMenu(IDM_CTLTEST_MENU));
    button.SetMenu(0u, nullptr);
    button.SetMenu(&simple, m_dialog.m_hWnd);
    RunMenuScript(
        [&] {
            button.SendMessage(BM_CLICK);
            return 0;
        },
        [](HWND) { ctltest::TypeKey('G'); });
    PumpPending();
    EXPECT_EQ((std::vector<UINT>{ID_CTLTEST_RED, ID_CTLTEST_GREEN}), m_dialog.m_commands);

    // An address opens through the shell seam: "open", maximised, without error interface.
    ctltest::CShellRecorder shell;
    button.SetMenu(nullptr, nullptr);
    button.SetURL(std::wstring(300, L'u').c_str());
    button.SendMessage(BM_CLICK);
    button.SetURL(L"http://example.invalid/page");
    button.SendMessage(BM_CLICK);
    button.SetURL(nullptr);
    button.SendMessage(BM_CLICK);
    const std::vector<ctltest::ShellCall>& calls = shell.m_calls;
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(std::wstring(259, L'u'), calls[0].file);
    EXPECT_EQ(L"http://example.invalid/page", calls[1].file);
    EXPECT_EQ(L"open", calls[1].verb);
    EXPECT_EQ(SW_SHOWMAXIMIZED, calls[1].nShow);
    EXPECT_TRUE(calls[1].fMask & SEE_MASK_FLAG_NO_UI);
}

TEST_F(ButtonTest, IconsAndBitmapsWithTheirDarkerAndGrayscaleCopies)
{
    CProbeButton& button = m_dialog.m_image;
    CRect rc;
    button.GetClientRect(&rc);
    const CPoint centre = rc.CenterPoint();

    // A grey normal icon from the red one; hovering shows the red one. Without a caption the icon
    // is centred, whether it goes left or right of the caption.
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetIcon(IDI_CTLTEST_RED, BTNST_AUTO_GRAY));
    for (BYTE byAlign : {CButtonST::ST_ALIGN_HORIZ, CButtonST::ST_ALIGN_HORIZ_RIGHT}) {
        button.SetAlign(byAlign);
        ExpectPixels(*Picture(button), {{centre.x, centre.y, RGB(76, 76, 76)}, {centre.x - 7, centre.y, kGreen}});
    }
    ASSERT_TRUE(Enter(button));
    ExpectPixels(*Picture(button), {{centre.x, centre.y, kRed}});
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDRESOURCE), button.SetIcon(0x7DEE, 0));

    // The same icon twice is one icon; passing the held icon again keeps it alive.
    HICON hIcon = static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_CTLTEST_RED), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(nullptr, hIcon);
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetIcon(hIcon, hIcon));
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetIcon(hIcon));
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &info)) << "still alive";
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    button.SetIcon(static_cast<HICON>(nullptr));
    EXPECT_FALSE(::GetIconInfo(hIcon, &info)) << "destroyed with the button's images";

    // A bitmap with magenta transparent and its darker copy for the disabled look.
    auto makeBitmap = [] { return MakePicture(20, 12, [](int x, int) { return x < 3 ? kMagenta : kBlue; }); };
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBitmaps(makeBitmap(), kMagenta, BTNST_AUTO_DARKER_BITMAP));
    const CPoint origin((rc.Width() - 20) / 2, (rc.Height() - 12) / 2);
    ExpectPixels(*Picture(button), {{origin.x + 10, origin.y + 6, kBlue}, {origin.x + 1, origin.y + 6, kBlue}});
    button.EnableWindow(FALSE);
    ExpectPixels(*Picture(button), {{origin.x + 10, origin.y + 6, RGB(0, 0, 191)}});
    button.EnableWindow(TRUE);

    // The same bitmap as first and second, and again as first: deleted once, when released.
    const HBITMAP hBitmap = makeBitmap();
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBitmaps(hBitmap, kMagenta, hBitmap, kMagenta));
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBitmaps(hBitmap, kMagenta));
    EXPECT_TRUE(IsLiveGdiObject(hBitmap));
    button.SetBitmaps(static_cast<HBITMAP>(nullptr), 0);
    EXPECT_FALSE(IsLiveGdiObject(hBitmap));
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDRESOURCE),
              button.SetBitmaps(reinterpret_cast<HBITMAP>(::GetStockObject(BLACK_BRUSH)), 0));

    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBitmaps(IDB_CTLTEST_BLUE, kMagenta));
    button.SizeToContent();
    button.GetClientRect(&rc);
    EXPECT_EQ(CSize(20, 12), rc.Size());
}

TEST_F(ButtonTest, TheBackgroundPictureKeepsItsThirdsAndBlackIsTransparent)
{
    CProbeButton& button = m_dialog.m_image;
    button.SetWindowText(L"");
    CRect rc;
    button.GetClientRect(&rc);
    CBitmap source;
    source.Attach(MakePicture(30, 10, [](int x, int y) {
        if (y == 0)
            return kBlack;
        return x < 10 ? kRed : (x < 20 ? kGreen : kYellow);
    }));
    button.SetBkBmp(&source);
    ExpectPixels(*Picture(button), {{3, rc.Height() / 2, kRed},
                                    {rc.Width() / 2, rc.Height() / 2, kGreen},
                                    {rc.Width() - 4, rc.Height() / 2, kYellow},
                                    {rc.Width() / 2, 0, kGreen} /* black row: the background shows */,
                                    {rc.Width() - 1, 2, kGreen} /* one pixel narrower than the button */});
    button.DrawBkBmp(FALSE);
    ExpectPixels(*Picture(button), {{3, rc.Height() / 2, kGreen}});

    // SetBitmap3 puts a grayscale copy in the background picture's place.
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBitmap3(IDB_CTLTEST_BLUE, kMagenta, TRUE, TRUE));
    button.DrawBkBmp(TRUE);
    EXPECT_GT(ctltest::CountColour(*Picture(button), rc, RGB(29, 29, 29)), 0); // the blue in grey
}

TEST_F(ButtonTest, SettersKeepTheirRangesAndTheCursorAndTooltipAreTheButtons)
{
    CProbeButton& button = m_dialog.m_flat;
    button.SetColor(CButtonST::BTNST_COLOR_FG_OUT, RGB(200, 200, 200));
    EXPECT_EQ(static_cast<DWORD>(BTNST_OK), button.OffsetColor(CButtonST::BTNST_COLOR_FG_OUT, 100));
    COLORREF crColour = 0;
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.GetColor(CButtonST::BTNST_COLOR_FG_OUT, &crColour));
    EXPECT_EQ(kWhite, crColour);
    button.SetColor(CButtonST::BTNST_COLOR_FG_OUT, RGB(10, 100, 200));
    button.OffsetColor(CButtonST::BTNST_COLOR_FG_OUT, -50);
    button.GetColor(CButtonST::BTNST_COLOR_FG_OUT, &crColour);
    EXPECT_EQ(RGB(0, 90, 190), crColour);
    EXPECT_EQ(static_cast<DWORD>(BTNST_BADPARAM), button.OffsetColor(CButtonST::BTNST_COLOR_FG_OUT, -300));
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDINDEX), button.OffsetColor(6, 10));
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDINDEX), button.SetColor(6, kRed));
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDALIGN), button.SetAlign(4));
    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDPRESSEDSTYLE), button.SetPressedStyle(2));

    EXPECT_EQ(static_cast<DWORD>(BTNST_INVALIDRESOURCE), button.SetBtnCursor(0x7DEE));
    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetBtnCursor(IDC_CTLTEST_CROSS));
    button.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(button.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(button.m_hCursor.Get(), ::GetCursor());

    // A new tip text replaces the old in the button's one tool.
    CProbeButton& other = m_dialog.m_default;
    other.EnableBalloonTooltip();
    other.SetTooltipText(L"Old");
    other.SetTooltipText(L"Default button");
    EXPECT_TRUE(other.m_ToolTip.GetStyle() & TTS_BALLOON);
    EXPECT_EQ(1, other.m_ToolTip.GetToolCount());
    CString strTip;
    other.m_ToolTip.GetText(strTip, &other, 1);
    EXPECT_EQ(CString(L"Default button"), strTip);
}

// A sound file with no device to play it on (or a missing one) neither fails nor holds anything.
TEST_F(ButtonTest, SoundsOnHoverAndClickWorkWithoutASoundDevice)
{
    CTempFolder folder;
    const std::string wave =
        std::string("RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0"
                    "data\x08\0\0\0",
                    44) +
        std::string(8, '\x80');
    ASSERT_TRUE(folder.Write(L"click.wav", wave));
    CProbeButton& button = m_dialog.m_flat;
    button.SetSound(folder.Path(L"click.wav").c_str());
    button.SetSound(folder.Path(L"click.wav").c_str(), nullptr, TRUE, FALSE);
    ASSERT_TRUE(Enter(button));
    button.SendMessage(BM_CLICK);
    button.SetSound(L"no such sound", ::GetModuleHandleW(nullptr), TRUE);
    button.SendMessage(BM_CLICK);
    button.SetSound(nullptr, nullptr, TRUE);
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(3u, m_dialog.m_clicks.size());
}

TEST_F(ButtonTest, HoverAndMenuCyclesKeepNoGdiObjects)
{
    CProbeButton& button = m_dialog.m_flat;
    button.SetTooltipText(L"tip");
    ASSERT_TRUE(Enter(button));
    const CPoint ptClient(5, 5);
    const int nHoverKept = GdiObjectsKeptBy(1000, [&] {
        button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptClient.x, ptClient.y));
        button.UpdateWindow();
        button.SendMessage(WM_MOUSELEAVE);
        button.UpdateWindow();
    });
    EXPECT_LE(nHoverKept, kGdiCountSlack);

    ASSERT_EQ(static_cast<DWORD>(BTNST_OK), button.SetMenu(IDM_CTLTEST_MENU, m_dialog.m_hWnd, TRUE, IDR_CTLTEST_TOOLBAR,
                                                           CSize(16, 15), RGB(192, 192, 192)));
    button.m_bCloseMenuWhenIdle = true;
    // Each popup takes the menu loop about 40 ms here; the menus' own test makes 1,000 of them.
    const int nMenuKept = GdiObjectsKeptBy(200, [&] { button.SendMessage(BM_CLICK); });
    EXPECT_LE(nMenuKept, kGdiCountSlack);
    EXPECT_EQ(201u, m_dialog.m_clicks.size());
    std::printf("button: 1,000 hover cycles kept %d GDI objects, 200 menu cycles kept %d\n", nHoverKept, nMenuKept);
}

} // namespace

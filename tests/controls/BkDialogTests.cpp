// Background dialogs on real windows: every drawing mode by pixels (a centred bitmap larger than
// the window included), the window shape cut by a colour (its full width, its holes, no region
// deleted twice or leaked), the mode and repaint rules, ShrinkToFit, the caption press easy move
// posts, and the skinned base handing its CButtonST buttons the background.
#include "ControlsTestSupport.h"

#include <afxlite/AfxScoped.h>

#include <windowsx.h>

#include <algorithm>

#include <vector>

using ctltest::PumpPending;

namespace {

const int kClientWidth = 100;
const int kClientHeight = 80;
const int kPictureWidth = 30;
const int kPictureHeight = 20;

// A picture in four quadrants: red top-left, green top-right, blue bottom-left, yellow
// bottom-right; where a copy of it lands shows by its corners.
HBITMAP MakeQuadrants(int nWidth, int nHeight)
{
    return MakePicture(nWidth, nHeight, [=](int x, int y) {
        const bool bRight = x >= nWidth / 2;
        const bool bBottom = y >= nHeight / 2;
        return bBottom ? (bRight ? kYellow : kBlue) : (bRight ? kGreen : kRed);
    });
}

// A CButtonST whose transparency and background copy the tests read (no run-time class of its
// own, so that the dialog takes it for a CButtonST).
class CBkProbeButton : public CButtonST {
public:
    using CButtonST::m_bDrawTransparent;
    using CButtonST::m_dcBk;
};

class CProbeBkDialog : public CBkDialogBase {
public:
    explicit CProbeBkDialog(UINT nIDTemplate = IDD_CTLTEST_BKDIALOG) : CBkDialogBase(nIDTemplate) {}

    using CBkDialogBase::ResetBackground;
    CBkProbeButton m_button;
    int m_nDraws = 0;
    int m_nPostErases = 0;

protected:
    BOOL OnInitDialog() override
    {
        m_button.SubclassDlgItem(IDC_CTLTEST_BKBUTTON, this);
        return CBkDialogBase::OnInitDialog();
    }
    void Draw(CDC* pDC) override
    {
        ++m_nDraws;
        CBkDialogBase::Draw(pDC);
    }
    void OnPostEraseBkgnd(CDC* pDC) override
    {
        ++m_nPostErases;
        CBkDialogBase::OnPostEraseBkgnd(pDC);
    }
};

class BkDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.Create(IDD_CTLTEST_BKDIALOG));
        m_dialog.SetWindowPos(nullptr, 150, 150, kClientWidth, kClientHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        PumpPending();
    }

    // The client area as an erase composes it.
    std::unique_ptr<CDibTarget> Erase()
    {
        auto target = std::make_unique<CDibTarget>(kClientWidth, kClientHeight, kWhite);
        m_dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target->GetDC()->m_hDC));
        return target;
    }

    // The colour where no copy of the picture lands: the context's background colour after the
    // dialog's default erase.
    COLORREF BareColour()
    {
        m_dialog.SetMode(CBkDialogST::BKDLGST_MODE_TOPLEFT, FALSE);
        return Erase()->Pixel(kClientWidth - 1, kClientHeight - 1);
    }

    CProbeBkDialog m_dialog;
};

struct ModeCase {
    BYTE byMode;
    std::vector<CPoint> copies; // top-left corners of the copies of the picture
    std::vector<CPoint> bare;   // points no copy covers
};

TEST_F(BkDialogTest, EveryModePlacesTheBitmapWhereItsModeSays)
{
    ASSERT_EQ(static_cast<DWORD>(BKDLGST_OK),
              m_dialog.SetBitmap(MakeQuadrants(kPictureWidth, kPictureHeight), 0xFFFFFFFF));
    const COLORREF crBare = BareColour();
    for (COLORREF crPicture : {kRed, kGreen, kBlue, kYellow})
        ASSERT_NE(crPicture, crBare);
    const std::vector<ModeCase> cases = {
        {0, {{0, 0}, {90, 0}, {30, 20}, {90, 60}}, {}},
        {1, {{35, 30}}, {{34, 30}, {0, 0}, {65, 50}}},
        {3, {{0, 0}, {30, 0}, {60, 0}, {90, 0}}, {{0, 20}, {99, 79}}},
        {4, {{0, 60}, {90, 60}}, {{0, 59}, {50, 0}}},
        {5, {{0, 0}, {0, 20}, {0, 60}}, {{30, 0}, {99, 79}}},
        {6, {{70, 0}, {70, 60}}, {{69, 0}, {0, 79}}},
        {7, {{0, 0}}, {{30, 0}, {0, 20}}},
        {8, {{70, 0}}, {{69, 0}, {70, 20}}},
        {9, {{35, 0}}, {{34, 0}, {65, 0}, {35, 20}}},
        {10, {{0, 60}}, {{0, 59}, {30, 60}}},
        {11, {{70, 60}}, {{69, 60}, {70, 59}}},
        {12, {{35, 60}}, {{34, 60}, {65, 60}, {35, 59}}},
    };
    for (const ModeCase& modeCase : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(modeCase.byMode));
        ASSERT_EQ(static_cast<DWORD>(BKDLGST_OK), m_dialog.SetMode(modeCase.byMode, FALSE));
        const auto target = Erase();
        for (const CPoint& pt : modeCase.copies) {
            // A copy may run over the right or bottom edge: only its visible corners count.
            const int xRight = std::min<int>(pt.x + kPictureWidth - 2, kClientWidth - 1);
            const int yBottom = std::min<int>(pt.y + kPictureHeight - 2, kClientHeight - 1);
            ExpectPixels(*target, {{pt.x + 1, pt.y + 1, kRed},
                                   {xRight, pt.y + 1, xRight >= pt.x + kPictureWidth / 2 ? kGreen : kRed},
                                   {pt.x + 1, yBottom, yBottom >= pt.y + kPictureHeight / 2 ? kBlue : kRed}});
        }
        for (const CPoint& pt : modeCase.bare)
            ExpectPixels(*target, {{pt.x, pt.y, crBare}});
    }
    // Stretched: the quadrants cover the whole client area.
    m_dialog.SetMode(CBkDialogST::BKDLGST_MODE_STRETCH, FALSE);
    const auto stretched = Erase();
    ExpectPixels(*stretched, {{0, 0, kRed}, {99, 0, kGreen}, {0, 79, kBlue}, {99, 79, kYellow}, {45, 35, kRed}});
}

TEST_F(BkDialogTest, CentredBitmapLargerThanTheWindowKeepsItsMiddleInTheMiddle)
{
    ASSERT_EQ(static_cast<DWORD>(BKDLGST_OK), m_dialog.SetBitmap(MakeQuadrants(120, 100), 0xFFFFFFFF));
    for (BYTE byMode : {1, 9, 12}) {
        m_dialog.SetMode(byMode, FALSE);
        const auto target = Erase();
        // The picture's vertical middle line (x 60) lands on the window's (x 50); row 5 shows
        // a row of the picture's top half in each mode (its row 15, 5 or 25).
        ExpectPixels(*target, {{49, 5, kRed}, {50, 5, kGreen}});
    }
    m_dialog.SetMode(CBkDialogST::BKDLGST_MODE_CENTER, FALSE);
    const auto target = Erase();
    ExpectPixels(*target, {{49, 39, kRed}, {50, 40, kYellow}, {0, 0, kRed}, {99, 79, kYellow}});
}

TEST_F(BkDialogTest, ModeAndRepaintRules)
{
    m_dialog.SetBitmap(MakeQuadrants(kPictureWidth, kPictureHeight), 0xFFFFFFFF);
    const COLORREF crBare = BareColour(); // mode 7
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_INVALIDMODE), m_dialog.SetMode(13, TRUE));
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_INVALIDMODE), m_dialog.SetMode(255, TRUE));
    ExpectPixels(*Erase(), {{40, 40, crBare}, {1, 1, kRed}}); // still mode 7
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_OK), m_dialog.SetMode(12, FALSE));

    m_dialog.ShowWindow(SW_SHOWNA);
    m_dialog.UpdateWindow();
    m_dialog.SetMode(3, 2); // only exactly TRUE repaints
    EXPECT_FALSE(::GetUpdateRect(m_dialog.m_hWnd, nullptr, FALSE));
    m_dialog.SetMode(3, TRUE);
    EXPECT_TRUE(::GetUpdateRect(m_dialog.m_hWnd, nullptr, FALSE));
}

TEST_F(BkDialogTest, TransparentColourCutsTheWholeShapeAndRefusedBitmapsLeaveNone)
{
    // 101 columns: every column stays part of the shape, only the magenta pixels leave it.
    const HBITMAP hPicture =
        MakePicture(101, 30, [](int x, int y) { return (x == 50 || (x == 100 && y == 10)) ? kMagenta : kRed; });
    ASSERT_EQ(static_cast<DWORD>(BKDLGST_OK), m_dialog.SetBitmap(hPicture, kMagenta));
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(m_dialog.m_hWnd, static_cast<HRGN>(shape.m_hObject)));
    CRect rcBox;
    shape.GetRgnBox(&rcBox);
    EXPECT_EQ(CRect(0, 0, 101, 30), rcBox);
    EXPECT_TRUE(shape.PtInRegion(100, 0));
    EXPECT_TRUE(shape.PtInRegion(49, 10));
    EXPECT_FALSE(shape.PtInRegion(50, 10));
    EXPECT_FALSE(shape.PtInRegion(100, 10));

    // Back to the skin: the window loses its shape (and nothing is deleted twice).
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_OK), m_dialog.SetBitmap(static_cast<HBITMAP>(nullptr)));
    EXPECT_EQ(ERROR, ::GetWindowRgn(m_dialog.m_hWnd, static_cast<HRGN>(shape.m_hObject)));
    EXPECT_FALSE(IsLiveGdiObject(hPicture));

    // No transparent colour: no shape.
    m_dialog.SetBitmap(MakeQuadrants(10, 10), 0xFFFFFFFF);
    EXPECT_EQ(ERROR, ::GetWindowRgn(m_dialog.m_hWnd, static_cast<HRGN>(shape.m_hObject)));

    // Not a bitmap: refused, the handle given away deleted, no bitmap or shape left.
    m_dialog.SetBitmap(MakeQuadrants(20, 20), kRed);
    const HBRUSH hBrush = ::CreateSolidBrush(kRed);
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_INVALIDRESOURCE), m_dialog.SetBitmap(reinterpret_cast<HBITMAP>(hBrush), kRed));
    EXPECT_FALSE(IsLiveGdiObject(hBrush));
    EXPECT_EQ(ERROR, ::GetWindowRgn(m_dialog.m_hWnd, static_cast<HRGN>(shape.m_hObject)));
    // A bitmap resource that does not exist is refused too (not taken for "no bitmap").
    m_dialog.SetBitmap(MakeQuadrants(20, 20), 0xFFFFFFFF);
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_INVALIDRESOURCE), m_dialog.SetBitmap(0x7FFF, kRed));
    // Back on the skin background.
    ExpectPixels(*Erase(), {{1, 1, CSkin::Instance().m_clrNarrowBk}});

    // A dialog without a window has nobody to hand a shape to.
    CBkDialogST windowless(IDD_CTLTEST_BKDIALOG);
    const HBITMAP hUnshaped = MakeQuadrants(10, 10);
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_FAILEDREGION), windowless.SetBitmap(hUnshaped, kRed));
    EXPECT_FALSE(IsLiveGdiObject(hUnshaped));
}

TEST_F(BkDialogTest, ShrinkToFitSizesTheClientAreaToTheBitmapAndCentres)
{
    CBkDialogST framed(IDD_CTLTEST_BKFRAMED);
    ASSERT_TRUE(framed.Create(IDD_CTLTEST_BKFRAMED));
    framed.SetWindowPos(nullptr, 60, 70, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcWindow, rcClient;
    framed.GetWindowRect(&rcWindow);
    framed.GetClientRect(&rcClient);
    const CSize frame(rcWindow.Width() - rcClient.Width(), rcWindow.Height() - rcClient.Height());
    ASSERT_GT(frame.cy, 0);

    framed.SetBitmap(MakeQuadrants(300, 200), 0xFFFFFFFF);
    framed.SetMode(CBkDialogST::BKDLGST_MODE_TOPRIGHT, FALSE);
    EXPECT_EQ(static_cast<DWORD>(BKDLGST_OK), framed.ShrinkToFit(FALSE));
    framed.GetWindowRect(&rcWindow);
    framed.GetClientRect(&rcClient);
    EXPECT_EQ(CRect(60, 70, 60 + 300 + frame.cx, 70 + 200 + frame.cy), rcWindow);
    EXPECT_EQ(CSize(300, 200), rcClient.Size());

    // Centred: in a larger client area the picture stands in the middle.
    framed.SetWindowPos(nullptr, 0, 0, 400 + frame.cx, 300 + frame.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    CDibTarget target(400, 300, kWhite);
    framed.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.GetDC()->m_hDC));
    const COLORREF crBare = target.Pixel(0, 0);
    ASSERT_NE(kRed, crBare);
    ExpectPixels(target, {{49, 49, crBare}, {51, 51, kRed}, {348, 248, kYellow}, {350, 250, crBare}});
    framed.DestroyWindow();
}

TEST_F(BkDialogTest, EasyMoveStartsTheSystemMoveFromTheScreenPositionOfThePress)
{
    m_dialog.ActivateEasyMoveMode(TRUE);
    m_dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    // The caption press is posted; take it from the queue instead of letting it start a move.
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageW(&msg, m_dialog.m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(HTCAPTION), msg.wParam);
    CPoint ptScreen(12, 34);
    m_dialog.ClientToScreen(&ptScreen);
    EXPECT_EQ(ptScreen, CPoint(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)));

    m_dialog.ActivateEasyMoveMode(FALSE);
    m_dialog.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 34));
    EXPECT_FALSE(::PeekMessageW(&msg, m_dialog.m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

TEST_F(BkDialogTest, SkinnedBaseMakesItsButtonsTransparentAndHandsThemTheBackground)
{
    EXPECT_TRUE(m_dialog.m_button.m_bDrawTransparent);
    const COLORREF crSkin = CSkin::Instance().m_clrNarrowBk;
    const auto target = Erase();
    ExpectPixels(*target, {{0, 0, crSkin}, {kClientWidth - 1, kClientHeight - 1, crSkin}});
    EXPECT_EQ(1, m_dialog.m_nDraws);
    EXPECT_EQ(1, m_dialog.m_nPostErases);
    ASSERT_NE(nullptr, m_dialog.m_button.m_dcBk.m_hDC);
    EXPECT_EQ(crSkin, m_dialog.m_button.m_dcBk.GetPixel(2, 2));

    // With a bitmap the button gets the bitmap behind it; Draw is not called.
    m_dialog.SetBitmap(MakePicture(kClientWidth, kClientHeight, [](int, int) { return kBlue; }), 0xFFFFFFFF);
    Erase();
    EXPECT_EQ(1, m_dialog.m_nDraws);
    EXPECT_EQ(2, m_dialog.m_nPostErases);
    EXPECT_EQ(kBlue, m_dialog.m_button.m_dcBk.GetPixel(2, 2));

    SetBtnsTransparent(&m_dialog, FALSE);
    EXPECT_FALSE(m_dialog.m_button.m_bDrawTransparent);
    SetBtnsTransparent(nullptr, TRUE); // nothing to walk
}

TEST_F(BkDialogTest, SkinBackgroundIsComposedOncePerSizeAndSkinAndCopiedOtherwise)
{
    const COLORREF crSkin = CSkin::Instance().m_clrNarrowBk;
    for (int i = 0; i < 2; ++i)
        ExpectPixels(*Erase(), {{0, 0, crSkin}, {kClientWidth - 1, kClientHeight - 1, crSkin}});
    EXPECT_EQ(1, m_dialog.m_nDraws);
    EXPECT_EQ(2, m_dialog.m_nPostErases); // the buttons still get the background every time

    m_dialog.SetWindowPos(nullptr, 0, 0, kClientWidth / 2, kClientHeight / 2,
                          SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    const auto half = Erase();
    EXPECT_EQ(2, m_dialog.m_nDraws);
    ExpectPixels(*half, {{kClientWidth / 2 - 1, 0, crSkin}, {kClientWidth / 2, 0, kWhite}});

    // The same skin loaded again and handed over is a change of skin.
    CSkin reloaded;
    ASSERT_TRUE(reloaded.LoadOne(CSkin::Instance().GetCurrName()));
    CSkin::Instance().Assign(reloaded);
    Erase();
    EXPECT_EQ(3, m_dialog.m_nDraws);
    m_dialog.ResetBackground();
    Erase();
    EXPECT_EQ(4, m_dialog.m_nDraws);
}

TEST(BkDialogLifetime, TenThousandPaintsAtChangingSizesKeepTheGdiObjectsBounded)
{
    CProbeBkDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_CTLTEST_BKDIALOG));
    CDibTarget target(300, 100, kWhite);
    // A new size every ten paints, erased once as the system erases a resized window.
    const auto paints = [&](int nCount) {
        for (int i = 0; i < nCount; ++i) {
            if (i % 10 == 0) {
                dialog.SetWindowPos(nullptr, 0, 0, 60 + i % 70 * 3, 40 + i % 30 * 2,
                                    SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
                dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.GetDC()->m_hDC));
            }
            dialog.SendMessage(WM_PAINT);
        }
    };
    paints(100);
    const int nBefore = CountAvailableGdiHandles();
    const int nComposedBefore = dialog.m_nDraws;
    paints(10000);
    EXPECT_GE(CountAvailableGdiHandles(), nBefore - kGdiCountSlack);
    EXPECT_EQ(nComposedBefore + 1000, dialog.m_nDraws); // composed once per size
    ExpectPixels(target, {{0, 0, CSkin::Instance().m_clrNarrowBk}});
    dialog.DestroyWindow();
}

TEST(BkDialogLifetime, ManySkinnedDialogsWithShapesLeaveNoGdiObjectBehind)
{
    const auto cycle = [] {
        CProbeBkDialog dialog;
        ASSERT_TRUE(dialog.Create(IDD_CTLTEST_BKDIALOG));
        dialog.SetBitmap(MakePicture(40, 30, [](int x, int) { return x < 5 ? kMagenta : kGreen; }), kMagenta);
        dialog.SetBitmap(MakeQuadrants(40, 30), kRed);
        CDibTarget target(40, 30, kWhite);
        dialog.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.GetDC()->m_hDC));
        dialog.DestroyWindow();
    };
    for (int i = 0; i < 20; ++i)
        cycle();
    const int nBefore = CountAvailableGdiHandles();
    for (int i = 0; i < 100; ++i)
        cycle();
    PumpPending();
    EXPECT_GE(CountAvailableGdiHandles(), nBefore - kGdiCountSlack);
}

} // namespace

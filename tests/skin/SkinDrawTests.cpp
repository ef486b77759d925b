// Drawing from a loaded skin into memory device contexts, read back pixel by pixel: nine-cell
// frames, open frames, bands, centre brushes and the control borders.

#include "SkinTestSupport.h"

#include <afxwin.h>

namespace {

const int kBlue = 200;

COLORREF Cell(int nColumn, int nRow)
{
    return CellColour(nColumn, nRow, kBlue);
}

class SkinDrawTest : public SkinFolderTest
{
protected:
    void SetUp() override
    {
        SkinFolderTest::SetUp();
        m_skins.AddSkin(L"default", kBlue, "[style]\r\nctrl_border1x1=00ff00\r\n");
        ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    }

    CTestSkin m_skin;
};

} // namespace

TEST_F(SkinDrawTest, NineCellFrameCopiesCornersAndStretchesEdges)
{
    CDibTarget target(100, 80, kGrey);
    ASSERT_TRUE(target.IsReady());
    CRect rect(0, 0, 100, 80);
    m_skin.Draw(target.GetDC(), rect, DT_NORMALT);
    // Corners unscaled: exactly 10 by 10 pixels each.
    EXPECT_EQ(Cell(0, 0), target.Pixel(0, 0));
    EXPECT_EQ(Cell(0, 0), target.Pixel(9, 9));
    EXPECT_EQ(Cell(2, 0), target.Pixel(90, 0));
    EXPECT_EQ(Cell(0, 2), target.Pixel(0, 79));
    EXPECT_EQ(Cell(2, 2), target.Pixel(99, 70));
    // Edges stretched along the sides.
    EXPECT_EQ(Cell(1, 0), target.Pixel(10, 5));
    EXPECT_EQ(Cell(1, 0), target.Pixel(89, 9));
    EXPECT_EQ(Cell(1, 2), target.Pixel(50, 75));
    EXPECT_EQ(Cell(0, 1), target.Pixel(5, 10));
    EXPECT_EQ(Cell(0, 1), target.Pixel(5, 69));
    EXPECT_EQ(Cell(2, 1), target.Pixel(95, 40));
    // The centre is left alone.
    EXPECT_EQ(kGrey, target.Pixel(10, 10));
    EXPECT_EQ(kGrey, target.Pixel(89, 69));
}

TEST_F(SkinDrawTest, MagentaPixelsLetTheTargetShowThrough)
{
    WriteBmp(m_skins.SkinPath(L"default") + L"\\wide.bmp", kTestPicture, kTestPicture,
             [](int x, int y) { return x == 0 && y == 0 ? kMagenta : Cell(x / kTestCell, y / kTestCell); });
    ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    CDibTarget target(40, 40, kYellow);
    CRect rect(0, 0, 40, 40);
    m_skin.Draw(target.GetDC(), rect, DT_WIDE);
    EXPECT_EQ(kYellow, target.Pixel(0, 0));
    EXPECT_EQ(Cell(0, 0), target.Pixel(1, 0));
}

TEST_F(SkinDrawTest, MainFrameFillsItsCentreWithThePattern)
{
    CDibTarget target(60, 50, kGrey);
    CRect rect(0, 0, 60, 50);
    m_skin.Draw(target.GetDC(), rect, DT_MAIN);
    EXPECT_EQ(Cell(0, 0), target.Pixel(0, 0));
    EXPECT_EQ(Cell(1, 1), target.Pixel(10, 10));
    EXPECT_EQ(Cell(1, 1), target.Pixel(49, 39));
    EXPECT_EQ(Cell(2, 2), target.Pixel(59, 49));
}

TEST_F(SkinDrawTest, DrawTopOnOneCellHighRectangleDrawsNoSideEdges)
{
    CDibTarget target(60, 40, kGrey);
    m_skin.DrawTop(target.GetDC(), CRect(0, 0, 60, kTestCell), DT_MAIN);
    EXPECT_EQ(Cell(0, 0), target.Pixel(0, 0));
    EXPECT_EQ(Cell(1, 0), target.Pixel(30, 9));
    EXPECT_EQ(Cell(2, 0), target.Pixel(59, 9));
    EXPECT_EQ(kGrey, target.Pixel(0, 10));
    EXPECT_EQ(kGrey, target.Pixel(59, 10));

    m_skin.DrawTop(target.GetDC(), CRect(0, 0, 60, 30), DT_MAIN);
    EXPECT_EQ(Cell(0, 1), target.Pixel(0, 29)); // higher: side edges down to the bottom
    EXPECT_EQ(Cell(2, 1), target.Pixel(59, 29));
    EXPECT_EQ(kGrey, target.Pixel(30, 20)); // open at the bottom
}

TEST_F(SkinDrawTest, MyinfoBandSetsTheCallersRectangleToThreeCells)
{
    CDibTarget target(80, 60, kGrey);
    CRect rect(5, 7, 75, 55);
    m_skin.Draw(target.GetDC(), rect, DT_MYINFO);
    EXPECT_EQ(CRect(5, 7, 75, 7 + 3 * kTestCell), rect);
    EXPECT_EQ(Cell(0, 0), target.Pixel(5, 7));
    EXPECT_EQ(Cell(0, 2), target.Pixel(5, 36)); // left cap copied unscaled
    EXPECT_EQ(Cell(1, 1), target.Pixel(40, 20));
    EXPECT_EQ(kGrey, target.Pixel(40, 37));
}

TEST_F(SkinDrawTest, BandsAndPlainCopy)
{
    CDibTarget target(80, 80, kGrey);
    CRect band(0, 0, 30, 80);
    m_skin.Draw(target.GetDC(), band, DT_LBTN);
    EXPECT_EQ(Cell(2, 0), target.Pixel(25, 0));
    EXPECT_EQ(Cell(1, 1), target.Pixel(15, 40));
    EXPECT_EQ(Cell(0, 2), target.Pixel(0, 79));
    CRect copy(40, 40, 55, 55);
    m_skin.Draw(target.GetDC(), copy, DT_LBTN_COPY);
    EXPECT_EQ(Cell(1, 1), target.Pixel(54, 54)); // unscaled: source pixel (14, 14)
    EXPECT_EQ(kGrey, target.Pixel(55, 55));
}

TEST_F(SkinDrawTest, CentreBrushIsMadeOnceAndRemadeForANewSkin)
{
    CDibTarget target(40, 40, kGrey);
    m_skin.FillCenter(target.GetDC(), CRect(0, 0, 40, 40), DT_MAIN);
    const HGDIOBJ hBrush = m_skin.m_main.m_brush.GetSafeHandle();
    ASSERT_NE(nullptr, hBrush);
    EXPECT_EQ(Cell(1, 1), target.Pixel(39, 39));
    m_skin.FillCenter(target.GetDC(), CRect(0, 0, 40, 40), DT_MAIN);
    EXPECT_EQ(hBrush, m_skin.m_main.m_brush.GetSafeHandle());

    m_skins.AddSkin(L"other", 90);
    ASSERT_EQ(1, m_skin.LoadOne(L"other"));
    EXPECT_FALSE(IsLiveGdiObject(hBrush));
    m_skin.FillCenter(target.GetDC(), CRect(0, 0, 40, 40), DT_MAIN);
    EXPECT_EQ(CellColour(1, 1, 90), target.Pixel(20, 20));

    m_skin.FillCenter(target.GetDC(), CRect(0, 0, 10, 10), DT_VIEWLOGO); // solid narrowbk
    EXPECT_EQ(m_skin.m_clrNarrowBk, target.Pixel(5, 5));
}

TEST_F(SkinDrawTest, RichbottomStripIsAPlainCopyOfTheMiddleColumn)
{
    CDibTarget target(50, 30, kGrey);
    m_skin.FillCenter(target.GetDC(), CRect(0, 0, 50, 16), DT_RICHBOTTOM_STRIP);
    EXPECT_EQ(Cell(1, 0), target.Pixel(0, 0));
    EXPECT_EQ(Cell(1, 1), target.Pixel(49, 15));
    EXPECT_EQ(kGrey, target.Pixel(10, 16));
}

TEST_F(SkinDrawTest, NothingIsDrawnForPicturesWithoutHandle)
{
    CTestSkin empty;
    CDibTarget target(60, 60, kGrey);
    for (int type = DT_MAIN; type <= DT_RICHBOTTOM_STRIP; ++type) {
        CRect rect(0, 0, 60, 60);
        if (type == DT_VIEWLOGO)
            continue; // its centre is a solid colour, no picture
        empty.Draw(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.DrawTop(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.DrawLeft(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.FillCenter(target.GetDC(), rect, static_cast<D_TYPE>(type));
    }
    for (int y = 0; y < 60; y += 3)
        for (int x = 0; x < 60; x += 3)
            ASSERT_EQ(kGrey, target.Pixel(x, y)) << x << "," << y;
    CRect rect(0, 0, 60, 60);
    m_skin.Draw(nullptr, rect, DT_MAIN); // no context: nothing, no failure
}

TEST_F(SkinDrawTest, RicheditBorderGrowsAndOutlinesBelowTheTopBar)
{
    CDibTarget target(130, 190, kGrey);
    CRect rect(10, 50, 110, 150);
    m_skin.DrawRicheditBorder(target.GetDC(), nullptr, rect, CT_RICHEDIT, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 151), rect);
    EXPECT_EQ(Cell(0, 0), target.Pixel(9, 26)); // top bar from richtop
    EXPECT_EQ(Cell(1, 2), target.Pixel(60, 48));
    const COLORREF green = RGB(0, 255, 0);
    EXPECT_EQ(green, target.Pixel(9, 49));
    EXPECT_EQ(green, target.Pixel(110, 100));
    EXPECT_EQ(green, target.Pixel(60, 150));
    EXPECT_EQ(kGrey, target.Pixel(111, 100));
    EXPECT_EQ(kGrey, target.Pixel(60, 151));

    CDibTarget second(130, 190, kGrey);
    CRect bars(10, 50, 110, 150);
    m_skin.DrawRicheditBorder(second.GetDC(), nullptr, bars, CT_RICHEDIT_BARS, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 174), bars);
    EXPECT_EQ(Cell(1, 0), second.Pixel(60, 150)); // bottom bar rows 150 to 173
    EXPECT_EQ(Cell(1, 2), second.Pixel(60, 173));
    EXPECT_EQ(kGrey, second.Pixel(60, 174));
    EXPECT_EQ(green, second.Pixel(60, 149)); // the outline ends above row 150
    EXPECT_EQ(green, second.Pixel(9, 149));
}

TEST_F(SkinDrawTest, UserListAndTwoBarBordersGrowAsTheyDraw)
{
    CDibTarget target(130, 200, kGrey);
    CRect list(10, 50, 110, 150);
    m_skin.DrawUserListBorder(target.GetDC(), nullptr, list, L"Users");
    EXPECT_EQ(CRect(9, 26, 111, 151), list);
    CRect ex(10, 50, 110, 150);
    m_skin.DrawRicheditBorderEx(target.GetDC(), nullptr, ex, CT_RICHEDIT, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 174), ex);
    EXPECT_EQ(RGB(0, 255, 0), target.Pixel(60, 149));
}

TEST_F(SkinDrawTest, CtrlRectIsTheRectangleTheBorderDrawsInto)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"parent", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(20, 40, 120, 140), &parent, 100));
    const CTRL_TYPE types[] = {CT_RICHEDIT, CT_RICHEDIT_BARS, CT_USERLIST, static_cast<CTRL_TYPE>(7)};
    for (CTRL_TYPE type : types) {
        CRect got;
        m_skin.GetCtrlRect(&child, &parent, type, got);
        CRect drawn(20, 40, 120, 140);
        CDibTarget target(300, 300, kGrey);
        m_skin.DrawCtrlBorder(target.GetDC(), drawn, &parent, type, L"t");
        EXPECT_EQ(drawn, got) << type;
    }
    CRect other;
    m_skin.GetCtrlRect(&child, &parent, static_cast<CTRL_TYPE>(7), other);
    EXPECT_EQ(CRect(20, 40, 120, 140), other); // other types do not grow
    child.DestroyWindow();
    parent.DestroyWindow();
}

TEST_F(SkinDrawTest, VideoPaneEndsALongTitleWithAnEllipsis)
{
    CWnd pane;
    ASSERT_TRUE(pane.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 120, 100), nullptr, 0));
    const CRect picture(10, 10, 110, 70);
    const CRect textRect(9, 70, 111, 99);
    const wchar_t kLong[] = L"A very long title that cannot fit into the caption strip";

    CDibTarget target(120, 100, kGrey);
    m_skin.DrawVideoOne(target.GetDC(), &pane, picture, kLong, CM_CHAT);
    EXPECT_EQ(m_skin.m_clrChatVideoBk, target.Pixel(0, 0));
    EXPECT_EQ(RGB(0, 255, 0), target.Pixel(9, 9)); // outline around the picture
    EXPECT_EQ(RGB(0, 255, 0), target.Pixel(110, 99));

    // The same strip drawn by hand with the platform's end ellipsis gives the same pixels.
    CDibTarget expected(120, 100, kGrey);
    m_skin.DrawVideoOne(expected.GetDC(), &pane, picture, nullptr, CM_CHAT);
    CRect ellipsisRect = textRect;
    expected.GetDC()->SetBkMode(TRANSPARENT);
    expected.GetDC()->DrawText(kLong, -1, &ellipsisRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    CDibTarget clipped(120, 100, kGrey);
    m_skin.DrawVideoOne(clipped.GetDC(), &pane, picture, nullptr, CM_CHAT);
    CRect clipRect = textRect;
    clipped.GetDC()->SetBkMode(TRANSPARENT);
    clipped.GetDC()->DrawText(kLong, -1, &clipRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    bool bSame = true;
    bool bDiffersFromClipped = false;
    for (int y = textRect.top; y < textRect.bottom; ++y)
        for (int x = textRect.left; x < textRect.right; ++x) {
            bSame = bSame && target.Pixel(x, y) == expected.Pixel(x, y);
            bDiffersFromClipped = bDiffersFromClipped || target.Pixel(x, y) != clipped.Pixel(x, y);
        }
    EXPECT_TRUE(bSame);
    EXPECT_TRUE(bDiffersFromClipped);

    CDibTarget normal(120, 100, kGrey);
    m_skin.DrawVideoOne(normal.GetDC(), &pane, picture, L"", CM_NORMAL);
    EXPECT_EQ(m_skin.m_clrVideoBk, normal.Pixel(0, 0));
    EXPECT_EQ(Cell(1, 0), normal.Pixel(60, 70)); // caption strip from richbottom
    pane.DestroyWindow();
}

// Drawing from a loaded skin into memory device contexts, read back pixel by pixel: nine-cell
// frames, open frames, bands, centre brushes and the control borders.
#include "SkinTestSupport.h"

#include <afxwin.h>

namespace {

const int kSkinBlue = 200;
const COLORREF kOutline = RGB(0, 255, 0); // ctrl_border1x1 of the test skin

COLORREF Cell(int nColumn, int nRow)
{
    return CellColour(nColumn, nRow, kSkinBlue);
}

class SkinDrawTest : public SkinFolderTest {
protected:
    void SetUp() override
    {
        SkinFolderTest::SetUp();
        m_skins.AddSkin(L"default", kSkinBlue, "[style]\r\nctrl_border1x1=00ff00\r\n");
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
    ExpectPixels(target, {// corners unscaled: exactly 10 by 10 pixels each
                          {0, 0, Cell(0, 0)},
                          {9, 9, Cell(0, 0)},
                          {90, 0, Cell(2, 0)},
                          {0, 79, Cell(0, 2)},
                          {99, 70, Cell(2, 2)},
                          // edges stretched along the sides
                          {10, 5, Cell(1, 0)},
                          {89, 9, Cell(1, 0)},
                          {50, 75, Cell(1, 2)},
                          {5, 10, Cell(0, 1)},
                          {5, 69, Cell(0, 1)},
                          {95, 40, Cell(2, 1)},
                          // the centre left alone
                          {10, 10, kGrey},
                          {89, 69, kGrey}});

    CDibTarget main(60, 50, kGrey);
    CRect mainRect(0, 0, 60, 50);
    m_skin.Draw(main.GetDC(), mainRect, DT_MAIN);
    ExpectPixels(main, {{0, 0, Cell(0, 0)}, {10, 10, Cell(1, 1)}, {49, 39, Cell(1, 1)}, {59, 49, Cell(2, 2)}});
}

TEST_F(SkinDrawTest, MagentaPixelsLetTheTargetShowThrough)
{
    WriteBmp(m_skins.Path(L"default\\wide.bmp"), kTestPicture, kTestPicture,
             [](int x, int y) { return x == 0 && y == 0 ? kMagenta : Cell(x / kTestCell, y / kTestCell); });
    ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    CDibTarget target(40, 40, kYellow);
    CRect rect(0, 0, 40, 40);
    m_skin.Draw(target.GetDC(), rect, DT_WIDE);
    ExpectPixels(target, {{0, 0, kYellow}, {1, 0, Cell(0, 0)}});
}

TEST_F(SkinDrawTest, DrawTopOnOneCellHighRectangleDrawsNoSideEdges)
{
    CDibTarget target(60, 40, kGrey);
    m_skin.DrawTop(target.GetDC(), CRect(0, 0, 60, kTestCell), DT_MAIN);
    ExpectPixels(target,
                 {{0, 0, Cell(0, 0)}, {30, 9, Cell(1, 0)}, {59, 9, Cell(2, 0)}, {0, 10, kGrey}, {59, 10, kGrey}});
    m_skin.DrawTop(target.GetDC(), CRect(0, 0, 60, 30), DT_MAIN);
    // Higher: side edges down to the bottom, open at the bottom.
    ExpectPixels(target, {{0, 29, Cell(0, 1)}, {59, 29, Cell(2, 1)}, {30, 20, kGrey}});
}

TEST_F(SkinDrawTest, MyinfoBandSetsTheCallersRectangleAndCopyTypesDoNotScale)
{
    CDibTarget target(80, 60, kGrey);
    CRect rect(5, 7, 75, 55);
    m_skin.Draw(target.GetDC(), rect, DT_MYINFO);
    EXPECT_EQ(CRect(5, 7, 75, 7 + 3 * kTestCell), rect);
    ExpectPixels(target, {{5, 7, Cell(0, 0)}, {5, 36, Cell(0, 2)}, {40, 20, Cell(1, 1)}, {40, 37, kGrey}});

    CDibTarget band(80, 80, kGrey);
    CRect left(0, 0, 30, 80);
    m_skin.Draw(band.GetDC(), left, DT_LBTN);
    CRect copy(40, 40, 55, 55);
    m_skin.Draw(band.GetDC(), copy, DT_LBTN_COPY);
    ExpectPixels(band, {{25, 0, Cell(2, 0)},
                        {15, 40, Cell(1, 1)},
                        {0, 79, Cell(0, 2)},
                        {54, 54, Cell(1, 1)},
                        {55, 55, kGrey}}); // the copy: source pixel (14, 14)
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

TEST_F(SkinDrawTest, NothingIsDrawnForPicturesWithoutHandle)
{
    CTestSkin empty;
    CDibTarget target(60, 60, kGrey);
    for (int type = DT_MAIN; type <= DT_RICHBOTTOM_STRIP; ++type) {
        if (type == DT_VIEWLOGO)
            continue; // its centre is a solid colour, no picture
        CRect rect(0, 0, 60, 60);
        empty.Draw(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.DrawTop(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.DrawLeft(target.GetDC(), rect, static_cast<D_TYPE>(type));
        empty.FillCenter(target.GetDC(), rect, static_cast<D_TYPE>(type));
    }
    ExpectUniform(target, 60, 60, kGrey);
    CRect rect(0, 0, 60, 60);
    m_skin.Draw(nullptr, rect, DT_MAIN); // no context: nothing, no failure
}

TEST_F(SkinDrawTest, RicheditBordersGrowAndOutlineBelowTheTopBar)
{
    CDibTarget target(130, 190, kGrey);
    CRect rect(10, 50, 110, 150);
    m_skin.DrawRicheditBorder(target.GetDC(), nullptr, rect, CT_RICHEDIT, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 151), rect);
    ExpectPixels(target, {{9, 26, Cell(0, 0)},
                          {60, 48, Cell(1, 2)}, // top bar from richtop
                          {9, 49, kOutline},
                          {110, 100, kOutline},
                          {60, 150, kOutline},
                          {111, 100, kGrey},
                          {60, 151, kGrey}});

    CDibTarget bars(130, 190, kGrey);
    CRect barsRect(10, 50, 110, 150);
    m_skin.DrawRicheditBorder(bars.GetDC(), nullptr, barsRect, CT_RICHEDIT_BARS, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 174), barsRect);
    ExpectPixels(bars, {{60, 150, Cell(1, 0)},
                        {60, 173, Cell(1, 2)},
                        {60, 174, kGrey}, // bottom bar rows 150-173
                        {60, 149, kOutline},
                        {9, 149, kOutline}}); // the outline ends above it

    CRect list(10, 50, 110, 150);
    m_skin.DrawUserListBorder(target.GetDC(), nullptr, list, L"Users");
    EXPECT_EQ(CRect(9, 26, 111, 151), list);
    CRect ex(10, 50, 110, 150);
    m_skin.DrawRicheditBorderEx(target.GetDC(), nullptr, ex, CT_RICHEDIT, nullptr);
    EXPECT_EQ(CRect(9, 26, 111, 174), ex);
}

TEST_F(SkinDrawTest, CtrlRectIsTheRectangleTheBorderDrawsInto)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, L"STATIC", L"parent", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(20, 40, 120, 140), &parent, 100));
    for (CTRL_TYPE type : {CT_RICHEDIT, CT_RICHEDIT_BARS, CT_USERLIST, static_cast<CTRL_TYPE>(7)}) {
        CRect got;
        m_skin.GetCtrlRect(&child, &parent, type, got);
        CRect drawn(20, 40, 120, 140);
        CDibTarget target(300, 300, kGrey);
        m_skin.DrawCtrlBorder(target.GetDC(), drawn, &parent, type, L"t");
        EXPECT_EQ(drawn, got) << type;
        if (type == 7) {
            EXPECT_EQ(CRect(20, 40, 120, 140), got) << "other types do not grow";
        }
    }
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
    ExpectPixels(target, {{0, 0, m_skin.m_clrChatVideoBk}, {9, 9, kOutline}, {110, 99, kOutline}});

    // The pane without title, with the title drawn by hand over the caption strip: the long
    // title overflows the strip, so only an ending ellipsis gives the same pixels.
    CDibTarget expected(120, 100, kGrey);
    m_skin.DrawVideoOne(expected.GetDC(), &pane, picture, nullptr, CM_CHAT);
    CRect ellipsisRect = textRect;
    expected.GetDC()->SetBkMode(TRANSPARENT);
    expected.GetDC()->DrawText(kLong, -1, &ellipsisRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    for (int y = textRect.top; y < textRect.bottom; ++y)
        for (int x = textRect.left; x < textRect.right; ++x)
            ASSERT_EQ(expected.Pixel(x, y), target.Pixel(x, y)) << "at " << x << "," << y;

    CDibTarget normal(120, 100, kGrey);
    m_skin.DrawVideoOne(normal.GetDC(), &pane, picture, L"", CM_NORMAL);
    ExpectPixels(normal, {{0, 0, m_skin.m_clrVideoBk}, {60, 70, Cell(1, 0)}}); // caption strip from richbottom
    pane.DestroyWindow();
}

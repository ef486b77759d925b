// GDI wrappers drawn into memory device contexts and read back pixel by pixel: geometry,
// selection and its guards, fonts sized in points, regions, bitmaps from resources, and the
// ownership of every handle (deleted by its owner only).
#include <afxgdi.h>

#include <gtest/gtest.h>

namespace {

const UINT kStripBitmapId = 0x7A10;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// A 32-bit top-down DIB section owned by the returned wrapper.
bool CreateDib(CBitmap& bitmap, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    return bitmap.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)) != FALSE;
}

// A memory DC with a 64 x 64 white bitmap selected; the original bitmap goes back at the end.
class MemoryDcTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        ASSERT_TRUE(CreateDib(m_bitmap, kSize, kSize));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        ASSERT_NE(nullptr, m_pOldBitmap);
        m_dc.FillSolidRect(0, 0, kSize, kSize, kWhite);
    }
    void TearDown() override
    {
        m_dc.SelectObject(m_pOldBitmap);
        AfxDeleteTempMaps();
    }

    static constexpr int kSize = 64;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};

TEST(GeometryTest, RectArithmeticFollowsGdiRules)
{
    CRect rect(10, 20, 50, 80);
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(60, rect.Height());
    EXPECT_EQ(CSize(40, 60), rect.Size());
    EXPECT_EQ(CPoint(30, 50), rect.CenterPoint());
    EXPECT_EQ(CPoint(10, 20), rect.TopLeft());
    rect.BottomRight() = CPoint(60, 90);
    EXPECT_EQ(CRect(10, 20, 60, 90), rect);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(60, 50)));

    rect.InflateRect(1, 2);
    EXPECT_EQ(CRect(9, 18, 61, 92), rect);
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(10, 20, 58, 88), rect);
    rect.OffsetRect(CPoint(-10, -20));
    EXPECT_EQ(CRect(0, 0, 48, 68), rect);

    CRect reversed(30, 40, 10, 20);
    EXPECT_TRUE(reversed.IsRectEmpty());
    reversed.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), reversed);

    CRect both;
    EXPECT_TRUE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(CRect(5, 5, 10, 10), both);
    EXPECT_FALSE(both.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(both.IsRectEmpty());
    EXPECT_EQ(CRect(5, 5, 10, 10), CRect(0, 0, 10, 10) & CRect(5, 5, 20, 20));
    EXPECT_EQ(CRect(0, 0, 20, 20), CRect(0, 0, 10, 10) | CRect(5, 5, 20, 20));
    EXPECT_EQ(CRect(1, 2, 11, 12), CRect(0, 0, 10, 10) + CPoint(1, 2));
    EXPECT_EQ(CRect(-1, -1, 11, 11), CRect(0, 0, 10, 10) + CRect(1, 1, 1, 1));
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(0, 0, 0, 1).IsRectNull());
}

TEST(GeometryTest, PointsAndSizesCombine)
{
    EXPECT_EQ(CSize(3, 4), CPoint(5, 7) - CPoint(2, 3));
    EXPECT_EQ(CPoint(7, 10), CPoint(5, 7) + CSize(2, 3));
    EXPECT_EQ(CPoint(7, 10), CSize(2, 3) + CPoint(5, 7));
    EXPECT_EQ(CPoint(-5, -7), -CPoint(5, 7));
    CPoint point(1, 1);
    point += CSize(2, 2);
    point -= CPoint(1, 0);
    EXPECT_EQ(CPoint(2, 3), point);
    // Mouse messages pack signed 16-bit coordinates.
    EXPECT_EQ(CPoint(-2, 300), CPoint(MAKELPARAM(-2, 300)));
    EXPECT_EQ(CSize(-1, 2), CSize(static_cast<DWORD>(MAKELONG(-1, 2))));
}

TEST_F(MemoryDcTest, FillsRectanglesAndFramesIn3d)
{
    m_dc.FillSolidRect(CRect(10, 10, 20, 20), kRed);
    EXPECT_EQ(kRed, m_dc.GetPixel(10, 10));
    EXPECT_EQ(kRed, m_dc.GetPixel(19, 19));
    EXPECT_EQ(kWhite, m_dc.GetPixel(20, 20));
    EXPECT_EQ(kRed, m_dc.GetBkColor());

    m_dc.Draw3dRect(CRect(30, 30, 40, 40), kGreen, kBlue);
    EXPECT_EQ(kGreen, m_dc.GetPixel(30, 30));
    EXPECT_EQ(kGreen, m_dc.GetPixel(38, 30));
    EXPECT_EQ(kGreen, m_dc.GetPixel(30, 38));
    EXPECT_EQ(kBlue, m_dc.GetPixel(39, 30));
    EXPECT_EQ(kBlue, m_dc.GetPixel(30, 39));
    EXPECT_EQ(kBlue, m_dc.GetPixel(39, 39));
    EXPECT_EQ(kWhite, m_dc.GetPixel(35, 35));
    EXPECT_EQ(kWhite, m_dc.GetPixel(40, 40));

    CBrush brush(kBlue);
    m_dc.FillRect(CRect(0, 50, 5, 55), &brush);
    EXPECT_EQ(kBlue, m_dc.GetPixel(4, 54));
}

TEST_F(MemoryDcTest, SelectObjectReturnsThePreviousObjectAndRestoresIt)
{
    CPen pen(PS_SOLID, 1, kRed);
    CPen* oldPen = m_dc.SelectObject(&pen);
    ASSERT_NE(nullptr, oldPen);
    EXPECT_EQ(pen.m_hObject, GetCurrentObject(m_dc, OBJ_PEN));
    m_dc.MoveTo(0, 5);
    m_dc.LineTo(10, 5);
    EXPECT_EQ(kRed, m_dc.GetPixel(9, 5));
    // Selecting the previous pen back hands out our own object, not a temporary twin.
    EXPECT_EQ(&pen, m_dc.SelectObject(oldPen));
    EXPECT_NE(pen.m_hObject, GetCurrentObject(m_dc, OBJ_PEN));

    CGdiObject* oldBrush = m_dc.SelectStockObject(BLACK_BRUSH);
    ASSERT_NE(nullptr, oldBrush);
    m_dc.SelectStockObject(NULL_PEN);
    m_dc.Rectangle(20, 20, 30, 30);
    EXPECT_EQ(kBlack, m_dc.GetPixel(25, 25));
    m_dc.SelectObject(oldBrush);
}

TEST_F(MemoryDcTest, GuardsPutBackSelectionAndState)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Tahoma"));
    const HGDIOBJ before = GetCurrentObject(m_dc, OBJ_FONT);
    {
        CDCSelect select(&m_dc, &font);
        EXPECT_TRUE(select.IsSelected());
        EXPECT_EQ(font.m_hObject, GetCurrentObject(m_dc, OBJ_FONT));
    }
    EXPECT_EQ(before, GetCurrentObject(m_dc, OBJ_FONT));

    {
        CDCSaveState saved(&m_dc);
        EXPECT_TRUE(saved.IsSaved());
        m_dc.IntersectClipRect(0, 0, 10, 10);
        m_dc.SetTextColor(kRed);
        m_dc.FillSolidRect(0, 0, kSize, kSize, kGreen);
        EXPECT_EQ(kGreen, m_dc.GetPixel(5, 5));
        EXPECT_EQ(kWhite, m_dc.GetPixel(20, 20));
    }
    EXPECT_NE(kRed, m_dc.GetTextColor());
    m_dc.FillSolidRect(0, 0, kSize, kSize, kBlue);
    EXPECT_EQ(kBlue, m_dc.GetPixel(20, 20));
}

TEST_F(MemoryDcTest, BlitsBetweenMemoryContexts)
{
    CDC source;
    ASSERT_TRUE(source.CreateCompatibleDC(&m_dc));
    CBitmap sourceBitmap;
    ASSERT_TRUE(CreateDib(sourceBitmap, 8, 8));
    CDCSelect select(&source, &sourceBitmap);
    source.FillSolidRect(0, 0, 8, 8, kRed);
    source.SetPixel(1, 1, kBlue);

    EXPECT_TRUE(m_dc.BitBlt(40, 40, 8, 8, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(kRed, m_dc.GetPixel(40, 40));
    EXPECT_EQ(kBlue, m_dc.GetPixel(41, 41));
    EXPECT_EQ(kWhite, m_dc.GetPixel(48, 48));

    EXPECT_TRUE(m_dc.StretchBlt(0, 0, 16, 16, &source, 0, 0, 8, 8, SRCCOPY));
    EXPECT_EQ(kBlue, m_dc.GetPixel(2, 2));
    EXPECT_EQ(kRed, m_dc.GetPixel(15, 15));

    EXPECT_TRUE(m_dc.TransparentBlt(20, 0, 8, 8, &source, 0, 0, 8, 8, kRed));
    EXPECT_EQ(kWhite, m_dc.GetPixel(20, 0));
    EXPECT_EQ(kBlue, m_dc.GetPixel(21, 1));
}

TEST_F(MemoryDcTest, DrawsTextWithTheSelectedColours)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, L"Tahoma", &m_dc));
    CDCSelect select(&m_dc, &font);
    m_dc.SetBkMode(OPAQUE);
    m_dc.SetBkColor(kGreen);
    m_dc.SetTextColor(kBlack);
    const CString text(L"WW");
    const CSize extent = m_dc.GetTextExtent(text);
    EXPECT_GT(extent.cx, 0);
    ASSERT_LT(extent.cx + 1, kSize);
    EXPECT_GT(extent.cy, 0);
    CRect box(0, 0, kSize, kSize);
    EXPECT_EQ(extent.cy, m_dc.DrawText(text, &box, DT_LEFT | DT_TOP | DT_SINGLELINE));
    EXPECT_EQ(kGreen, m_dc.GetPixel(0, 0));
    EXPECT_EQ(kWhite, m_dc.GetPixel(extent.cx + 1, 1));
    TEXTMETRIC metrics = {};
    ASSERT_TRUE(m_dc.GetTextMetrics(&metrics));
    EXPECT_EQ(extent.cy, metrics.tmHeight);
}

TEST(CFontTest, PointFontHeightFollowsTheDeviceResolutionAndMapping)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    ASSERT_GT(dpi, 0);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, L"Tahoma", &dc));
    LOGFONT logFont = {};
    ASSERT_GT(font.GetLogFont(&logFont), 0);
    EXPECT_EQ(-MulDiv(dpi, 90, 720), logFont.lfHeight);
    EXPECT_STREQ(L"Tahoma", logFont.lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, logFont.lfCharSet);

    // Two logical units per device pixel double the logical height.
    dc.SetMapMode(MM_ANISOTROPIC);
    SetWindowExtEx(dc, 200, 200, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    CFont mapped;
    ASSERT_TRUE(mapped.CreatePointFont(90, L"Tahoma", &dc));
    ASSERT_GT(mapped.GetLogFont(&logFont), 0);
    EXPECT_EQ(-2 * MulDiv(dpi, 90, 720), logFont.lfHeight);

    CFont screen;
    ASSERT_TRUE(screen.CreatePointFont(90, L"Tahoma"));
    ASSERT_GT(screen.GetLogFont(&logFont), 0);
    EXPECT_LT(logFont.lfHeight, 0);
}

TEST(CRgnTest, CombinesRegionsAndHitTests)
{
    CRgn left, right, both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgnIndirect(CRect(5, 0, 20, 10)));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&left, &right, RGN_OR));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, both.GetRgnBox(&box));
    EXPECT_EQ(CRect(0, 0, 20, 10), box);
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&left, &right, RGN_DIFF));
    EXPECT_TRUE(both.PtInRegion(4, 4));
    EXPECT_FALSE(both.PtInRegion(5, 4));

    CRgn round;
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 20, 20, 10, 10));
    EXPECT_FALSE(round.PtInRegion(0, 0));
    EXPECT_TRUE(round.PtInRegion(10, 10));
}

TEST_F(MemoryDcTest, ClipRegionLimitsDrawing)
{
    CRgn clip;
    ASSERT_TRUE(clip.CreateRectRgn(0, 0, 8, 8));
    EXPECT_NE(ERROR, m_dc.SelectClipRgn(&clip));
    m_dc.FillSolidRect(0, 0, kSize, kSize, kRed);
    EXPECT_EQ(kRed, m_dc.GetPixel(7, 7));
    EXPECT_EQ(kWhite, m_dc.GetPixel(8, 8));
    CRect box;
    m_dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 8, 8), box);
    EXPECT_NE(ERROR, m_dc.SelectClipRgn(nullptr));
    m_dc.FillSolidRect(0, 0, kSize, kSize, kBlue);
    EXPECT_EQ(kBlue, m_dc.GetPixel(8, 8));
}

TEST_F(MemoryDcTest, LoadsBitmapResourcesThroughTheResourceChain)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(kStripBitmapId));
    BITMAP info = {};
    ASSERT_TRUE(strip.GetBitmap(&info));
    EXPECT_EQ(12, info.bmWidth);
    EXPECT_EQ(4, info.bmHeight);
    EXPECT_EQ(CSize(0, 0), strip.GetBitmapDimension());

    CDC source;
    ASSERT_TRUE(source.CreateCompatibleDC(&m_dc));
    CDCSelect select(&source, &strip);
    EXPECT_EQ(RGB(255, 0, 255), source.GetPixel(0, 0));
    EXPECT_EQ(kRed, source.GetPixel(1, 1));
    EXPECT_EQ(kGreen, source.GetPixel(5, 1));
    EXPECT_EQ(kBlue, source.GetPixel(9, 1));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(0x7A1F));
}

TEST(GdiOwnershipTest, WrappersDeleteWhatTheyOwnAndNothingElse)
{
    HGDIOBJ pen = nullptr;
    {
        CPen owner(PS_SOLID, 2, kRed);
        pen = owner.m_hObject;
        EXPECT_EQ(&owner, CGdiObject::FromHandle(pen));
        EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), GetObjectType(pen));
    }
    EXPECT_EQ(0u, GetObjectType(pen));

    HBRUSH raw = CreateSolidBrush(kGreen);
    CBrush* temporary = CBrush::FromHandle(raw);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(temporary, CBrush::FromHandle(raw));
    AfxDeleteTempMaps();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(raw)) << "a temporary wrapper deleted the brush";

    CBrush adopted;
    EXPECT_TRUE(adopted.Attach(raw));
    EXPECT_EQ(raw, adopted.Detach());
    EXPECT_EQ(nullptr, adopted.m_hObject);
    EXPECT_FALSE(adopted.DeleteObject());
    EXPECT_TRUE(DeleteObject(raw));

    HDC memory = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        memory = dc.m_hDC;
        EXPECT_EQ(&dc, CDC::FromHandle(memory));
    }
    EXPECT_EQ(0u, GetObjectType(memory));
}

TEST(GdiOwnershipTest, ScreenDcIsReleasedByItsOwner)
{
    HDC screen = nullptr;
    const CDC* owner = nullptr;
    {
        CClientDC dc(nullptr);
        screen = dc.m_hDC;
        owner = &dc;
        EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSY), 0);
        EXPECT_EQ(owner, CDC::FromHandle(screen));
    }
    // Released: the handle no longer leads to the destroyed owner.
    EXPECT_NE(owner, CDC::FromHandle(screen));
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
    AfxDeleteTempMaps();
}

} // namespace

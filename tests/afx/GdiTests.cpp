// GDI wrappers and image lists drawn into memory device contexts and read back pixel by pixel:
// selection and its guards, fonts sized in points, bitmaps from resources,
// masked images, and the ownership of every handle (deleted by its owner only).
#include <afxgdi.h>
#include <afxlite/CImageList.h>

#include "../common/GdiTestSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT kStripBitmapId = 0x7A10; // three 4x4 images: red, green, blue; top-left pixel magenta

// A memory DC with a 64 x 64 white bitmap selected; the temporary wrappers go at the end.
class MemoryDcTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_target.IsReady()); }
    void TearDown() override { AfxDeleteTempMaps(); }

    static constexpr int kSize = 64;
    CDibTarget m_target{kSize, kSize, kWhite};
    CDC& m_dc = *m_target.GetDC();
};

TEST_F(MemoryDcTest, SelectionReturnsThePreviousObjectAndGuardsPutItBack)
{
    CPen pen(PS_SOLID, 1, kRed);
    CPen* oldPen = m_dc.SelectObject(&pen);
    ASSERT_NE(nullptr, oldPen);
    m_dc.MoveTo(0, 5);
    m_dc.LineTo(10, 5);
    EXPECT_EQ(kRed, m_dc.GetPixel(9, 5));
    // Selecting the previous pen back hands out our own object, not a temporary twin.
    EXPECT_EQ(&pen, m_dc.SelectObject(oldPen));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, L"Tahoma"));
    const HGDIOBJ before = GetCurrentObject(m_dc, OBJ_FONT);
    {
        CDCSelect select(&m_dc, &font);
        EXPECT_EQ(font.m_hObject, GetCurrentObject(m_dc, OBJ_FONT));
    }
    EXPECT_EQ(before, GetCurrentObject(m_dc, OBJ_FONT));
    {
        CDCSaveState saved(&m_dc);
        m_dc.IntersectClipRect(0, 0, 10, 10);
        m_dc.SetTextColor(kRed);
    }
    EXPECT_NE(kRed, m_dc.GetTextColor());
    m_dc.FillSolidRect(0, 0, kSize, kSize, kBlue);
    EXPECT_EQ(kBlue, m_dc.GetPixel(20, 20)) << "the clip region was not restored";
}

TEST(CFontTest, PointFontHeightFollowsTheDeviceResolutionAndMappingAndWrappersDeleteOnlyWhatTheyOwn)
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

    // Two logical units per device pixel double the logical height.
    dc.SetMapMode(MM_ANISOTROPIC);
    SetWindowExtEx(dc, 200, 200, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    CFont mapped;
    ASSERT_TRUE(mapped.CreatePointFont(90, L"Tahoma", &dc));
    ASSERT_GT(mapped.GetLogFont(&logFont), 0);
    EXPECT_EQ(-2 * MulDiv(dpi, 90, 720), logFont.lfHeight);

    // Wrappers delete what they own and nothing else.
    HGDIOBJ pen = nullptr;
    {
        CPen owner(PS_SOLID, 2, kRed);
        pen = owner.m_hObject;
        EXPECT_EQ(&owner, CGdiObject::FromHandle(pen));
    }
    EXPECT_EQ(0u, GetObjectType(pen));

    HBRUSH raw = CreateSolidBrush(kGreen);
    CBrush* temporary = CBrush::FromHandle(raw);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(temporary, CBrush::FromHandle(raw));
    AfxDeleteTempMaps();
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), GetObjectType(raw)) << "a temporary wrapper deleted the brush";
    EXPECT_TRUE(DeleteObject(raw));

    HDC memory = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        memory = dc.m_hDC;
    }
    EXPECT_EQ(0u, GetObjectType(memory));

    HDC screen = nullptr;
    const CDC* owner = nullptr;
    {
        CClientDC dc(nullptr);
        screen = dc.m_hDC;
        owner = &dc;
        EXPECT_EQ(owner, CDC::FromHandle(screen));
    }
    EXPECT_NE(owner, CDC::FromHandle(screen)) << "the released screen DC still leads to its owner";
    AfxDeleteTempMaps();
}

TEST_F(MemoryDcTest, BitmapResourceInImageListsDrawsWithItsMaskColourAndListsOwnTheirHandles)
{
    CBitmap strip;
    ASSERT_TRUE(strip.LoadBitmap(kStripBitmapId));
    EXPECT_FALSE(CBitmap().LoadBitmap(0x7A1F));
    CImageList added;
    ASSERT_TRUE(added.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, added.Add(&strip, kMagenta));
    CImageList loaded;
    ASSERT_TRUE(loaded.Create(kStripBitmapId, 4, 1, kMagenta));
    for (CImageList* list : {&added, &loaded}) {
        EXPECT_EQ(3, list->GetImageCount());
        EXPECT_TRUE(list->Draw(&m_dc, 2, CPoint(10, 2), ILD_TRANSPARENT));
        EXPECT_EQ(kWhite, m_dc.GetPixel(10, 2)) << "mask pixel drawn";
        EXPECT_EQ(kBlue, m_dc.GetPixel(13, 5));
        EXPECT_EQ(kWhite, m_dc.GetPixel(14, 6));
        m_dc.FillSolidRect(0, 0, kSize, kSize, kWhite);
    }
    EXPECT_EQ(CLR_NONE, loaded.SetBkColor(kGreen));
    loaded.Draw(&m_dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(kGreen, m_dc.GetPixel(0, 0));
    EXPECT_EQ(kRed, m_dc.GetPixel(1, 1));
    CImageList missing;
    EXPECT_FALSE(missing.Create(0x7A1F, 4, 1, kMagenta));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());

    CImageList original;
    ASSERT_TRUE(original.Create(kStripBitmapId, 4, 1, kMagenta));
    CImageList copy;
    ASSERT_TRUE(copy.Create(&original));
    EXPECT_TRUE(copy.Remove(-1));
    EXPECT_EQ(0, copy.GetImageCount());
    EXPECT_EQ(3, original.GetImageCount()) << "the copy shares the original's handle";

    HIMAGELIST raw = original.Detach();
    CImageList* temporary = CImageList::FromHandle(raw);
    ASSERT_NE(nullptr, temporary);
    AfxDeleteTempMaps();
    EXPECT_EQ(3, ImageList_GetImageCount(raw)) << "a temporary wrapper destroyed the list";
    EXPECT_TRUE(original.Attach(raw));
    EXPECT_TRUE(original.DeleteImageList());
    EXPECT_FALSE(original.DeleteImageList());
}

} // namespace

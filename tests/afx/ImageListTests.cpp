// CImageList: images added with a mask colour or a mask bitmap draw transparently over a
// coloured background; lists load from bitmap resources, copy, and own their handle.
#include <afxgdi.h>
#include <afxlite/CImageList.h>

#include <gtest/gtest.h>

namespace {

const UINT kStripBitmapId = 0x7A10; // three 4x4 images: red, green, blue; top-left pixel magenta
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

// A memory DC over a 32-bit 32 x 32 bitmap filled with yellow.
class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 32;
        info.bmiHeader.biHeight = -32;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        ASSERT_TRUE(m_target.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)));
        m_hOld = SelectObject(m_dc, m_target);
        m_dc.FillSolidRect(0, 0, 32, 32, kYellow);
    }
    void TearDown() override
    {
        SelectObject(m_dc, m_hOld);
        AfxDeleteTempMaps();
    }

    // The strip as a screen-compatible bitmap, as callers usually have it.
    void LoadStrip(CBitmap& bitmap) { ASSERT_TRUE(bitmap.LoadBitmap(kStripBitmapId)); }

    CDC m_dc;
    CBitmap m_target;
    HGDIOBJ m_hOld = nullptr;
};

TEST_F(ImageListTest, MaskColourBecomesTransparentWhenDrawn)
{
    CBitmap strip;
    LoadStrip(strip);
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, list.Add(&strip, kMagenta));
    EXPECT_EQ(3, list.GetImageCount());
    int cx = 0, cy = 0;
    ASSERT_TRUE(list.GetIconSize(&cx, &cy));
    EXPECT_EQ(4, cx);
    EXPECT_EQ(4, cy);

    EXPECT_TRUE(list.Draw(&m_dc, 0, CPoint(2, 2), ILD_TRANSPARENT));
    EXPECT_TRUE(list.Draw(&m_dc, 2, CPoint(10, 2), ILD_TRANSPARENT));
    EXPECT_EQ(kYellow, m_dc.GetPixel(2, 2)) << "mask pixel drawn";
    EXPECT_EQ(kRed, m_dc.GetPixel(3, 3));
    EXPECT_EQ(kRed, m_dc.GetPixel(5, 5));
    EXPECT_EQ(kYellow, m_dc.GetPixel(6, 6));
    EXPECT_EQ(kYellow, m_dc.GetPixel(10, 2));
    EXPECT_EQ(kBlue, m_dc.GetPixel(11, 3));
}

TEST_F(ImageListTest, LoadsFromBitmapResourceWithMask)
{
    CImageList list;
    ASSERT_TRUE(list.Create(kStripBitmapId, 4, 1, kMagenta));
    EXPECT_EQ(3, list.GetImageCount());
    EXPECT_TRUE(list.Draw(&m_dc, 1, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(kYellow, m_dc.GetPixel(0, 0));
    EXPECT_EQ(kGreen, m_dc.GetPixel(1, 1));
    IMAGEINFO info = {};
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(4, info.rcImage.right - info.rcImage.left);
    EXPECT_NE(nullptr, info.hbmMask);

    CImageList missing;
    EXPECT_FALSE(missing.Create(0x7A1F, 4, 1, kMagenta));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());
}

TEST_F(ImageListTest, EditsImagesAndExtractsIcons)
{
    CBitmap strip;
    LoadStrip(strip);
    CImageList list;
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 3, 1));
    ASSERT_EQ(0, list.Add(&strip, kMagenta));

    HICON icon = list.ExtractIcon(2);
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(3, list.Add(icon));
    EXPECT_EQ(0, list.Replace(0, icon));
    DestroyIcon(icon);
    EXPECT_EQ(4, list.GetImageCount());
    list.Draw(&m_dc, 0, CPoint(20, 20), ILD_TRANSPARENT);
    EXPECT_EQ(kBlue, m_dc.GetPixel(21, 21));

    EXPECT_TRUE(list.Remove(3));
    EXPECT_EQ(3, list.GetImageCount());
    EXPECT_TRUE(list.SetImageCount(5));
    EXPECT_EQ(5, list.GetImageCount());
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(0, list.GetImageCount());
}

TEST_F(ImageListTest, BackgroundColourFillsMaskedPixels)
{
    CImageList list;
    ASSERT_TRUE(list.Create(kStripBitmapId, 4, 1, kMagenta));
    EXPECT_EQ(CLR_NONE, list.SetBkColor(kGreen));
    EXPECT_EQ(kGreen, list.GetBkColor());
    list.Draw(&m_dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(kGreen, m_dc.GetPixel(0, 0));
    EXPECT_EQ(kRed, m_dc.GetPixel(1, 1));
}

TEST_F(ImageListTest, CopiesAndOwnsItsHandle)
{
    CImageList original;
    ASSERT_TRUE(original.Create(kStripBitmapId, 4, 1, kMagenta));
    CImageList copy;
    ASSERT_TRUE(copy.Create(&original));
    EXPECT_NE(original.GetSafeHandle(), copy.GetSafeHandle());
    EXPECT_EQ(3, copy.GetImageCount());
    EXPECT_EQ(&copy, CImageList::FromHandlePermanent(copy));

    HIMAGELIST raw = original.Detach();
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(raw));
    CImageList* temporary = CImageList::FromHandle(raw);
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(3, temporary->GetImageCount());
    AfxDeleteTempMaps();
    EXPECT_EQ(3, ImageList_GetImageCount(raw)) << "a temporary wrapper destroyed the list";
    EXPECT_TRUE(original.Attach(raw));
    EXPECT_TRUE(original.DeleteImageList());
    EXPECT_FALSE(original.DeleteImageList());
}

} // namespace

// CMemDC: an off-screen context with a white bitmap of the asked size, whose bitmap and
// context are released with it.
#include <MemDC.h>

#include "GdiTestSupport.h"

#include <gtest/gtest.h>

TEST(MemDC, HasWhiteBitmapOfTheAskedSize)
{
    CDibTarget target(4, 4, kYellow);
    CMemDC memDC(target.GetDC(), 10, 6);
    ASSERT_NE(nullptr, memDC.m_hDC);
    ASSERT_NE(nullptr, memDC.m_bitmap.m_hObject);
    EXPECT_EQ(memDC.m_bitmap.m_hObject, ::GetCurrentObject(memDC, OBJ_BITMAP));
    BITMAP info = {};
    ASSERT_TRUE(memDC.m_bitmap.GetBitmap(&info));
    EXPECT_EQ(10, info.bmWidth);
    EXPECT_EQ(6, info.bmHeight);
    EXPECT_EQ(kWhite, memDC.GetPixel(0, 0));
    EXPECT_EQ(kWhite, memDC.GetPixel(9, 5));
}

TEST(MemDC, DrawingReachesTargetOnlyWhenCopied)
{
    CDibTarget target(10, 10, kYellow);
    CMemDC memDC(target.GetDC(), 10, 10);
    memDC.FillSolidRect(0, 0, 5, 5, kRed);
    EXPECT_EQ(kYellow, target.Pixel(1, 1));
    target.GetDC()->BitBlt(0, 0, 10, 10, &memDC, 0, 0, SRCCOPY);
    EXPECT_EQ(kRed, target.Pixel(1, 1));
    EXPECT_EQ(kWhite, target.Pixel(7, 7));
}

TEST(MemDC, ReleasesBitmapAndContext)
{
    CDibTarget target(4, 4, kYellow);
    HGDIOBJ bitmap = nullptr;
    HDC dc = nullptr;
    {
        CMemDC memDC(target.GetDC(), 8, 8);
        bitmap = memDC.m_bitmap.m_hObject;
        dc = memDC.m_hDC;
        ASSERT_TRUE(IsLiveGdiObject(bitmap));
    }
    EXPECT_FALSE(IsLiveGdiObject(bitmap));
    EXPECT_FALSE(IsLiveGdiObject(dc));
}

TEST(MemDC, WithoutTargetStaysEmpty)
{
    CMemDC memDC(nullptr, 8, 8);
    EXPECT_EQ(nullptr, memDC.m_hDC);
    EXPECT_EQ(nullptr, memDC.m_bitmap.m_hObject);
}

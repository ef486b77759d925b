// CWBitmap: the recorded size follows every handle that comes in or goes out, a replaced
// bitmap is released, and handles that are no bitmaps are refused.
#include <WBitmap.h>

#include "GdiTestSupport.h"
#include "SkinTestIds.h"

#include <gtest/gtest.h>

namespace {

const UINT kMissingBitmapId = 0x7BFF;

HBITMAP MakeBitmap(int nWidth, int nHeight)
{
    return MakePicture(nWidth, nHeight, [](int, int) { return kRed; });
}

} // namespace

TEST(WBitmap, StartsEmpty)
{
    CWBitmap bitmap;
    EXPECT_EQ(nullptr, bitmap.m_hObject);
    EXPECT_EQ(0, bitmap.m_nWidth);
    EXPECT_EQ(0, bitmap.m_nHeight);
}

TEST(WBitmap, LoadsResourceFromChainWithItsSize)
{
    CWBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    EXPECT_NE(nullptr, bitmap.m_hObject);
    EXPECT_EQ(96, bitmap.m_nWidth);
    EXPECT_EQ(16, bitmap.m_nHeight);
    EXPECT_EQ(kMagenta, BitmapPixel(bitmap, 0, 0));
    EXPECT_EQ(kGrey, BitmapPixel(bitmap, 95, 15));
}

TEST(WBitmap, FailedLoadKeepsWhatWasThere)
{
    CWBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    HGDIOBJ held = bitmap.m_hObject;
    EXPECT_FALSE(bitmap.LoadBitmap(kMissingBitmapId));
    EXPECT_EQ(held, bitmap.m_hObject);
    EXPECT_EQ(96, bitmap.m_nWidth);
    EXPECT_TRUE(IsLiveGdiObject(held));
}

TEST(WBitmap, NewBitmapReleasesThePreviousOne)
{
    CWBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    HGDIOBJ loaded = bitmap.m_hObject;
    HBITMAP attached = MakeBitmap(5, 7);
    ASSERT_TRUE(bitmap.Attach(attached));
    EXPECT_FALSE(IsLiveGdiObject(loaded));
    EXPECT_EQ(attached, bitmap.m_hObject);
    EXPECT_EQ(5, bitmap.m_nWidth);
    EXPECT_EQ(7, bitmap.m_nHeight);

    ASSERT_TRUE(bitmap.Attach(attached)) << "attaching the held handle again keeps it";
    EXPECT_TRUE(IsLiveGdiObject(attached));

    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    EXPECT_FALSE(IsLiveGdiObject(attached));
}

TEST(WBitmap, RefusesHandlesThatAreNoBitmaps)
{
    CWBitmap bitmap;
    EXPECT_FALSE(bitmap.Attach(nullptr));
    HBRUSH brush = ::CreateSolidBrush(kBlue);
    EXPECT_FALSE(bitmap.Attach(brush));
    EXPECT_EQ(nullptr, bitmap.m_hObject);
    EXPECT_EQ(0, bitmap.m_nWidth);
    EXPECT_TRUE(IsLiveGdiObject(brush)) << "a refused handle stays the caller's";
    ::DeleteObject(brush);
}

TEST(WBitmap, DetachAndDeleteClearTheSize)
{
    CWBitmap bitmap;
    HBITMAP handle = MakeBitmap(3, 4);
    ASSERT_TRUE(bitmap.Attach(handle));
    EXPECT_EQ(handle, bitmap.Detach());
    EXPECT_EQ(0, bitmap.m_nWidth);
    EXPECT_EQ(0, bitmap.m_nHeight);
    EXPECT_TRUE(IsLiveGdiObject(handle));

    ASSERT_TRUE(bitmap.Attach(handle));
    EXPECT_TRUE(bitmap.DeleteObject());
    EXPECT_EQ(0, bitmap.m_nWidth);
    EXPECT_FALSE(IsLiveGdiObject(handle));
}

TEST(WBitmap, DestructorReleasesTheBitmap)
{
    HBITMAP handle = MakeBitmap(2, 2);
    {
        CWBitmap bitmap;
        ASSERT_TRUE(bitmap.Attach(handle));
    }
    EXPECT_FALSE(IsLiveGdiObject(handle));
}

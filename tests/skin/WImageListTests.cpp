// CWImageList: a strip becomes square images or one image, with the mask colour transparent.
#include <WImageList.h>

#include <WBitmap.h>

#include "GdiTestSupport.h"
#include "SkinTestIds.h"

#include <gtest/gtest.h>

namespace {

class WImageListTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_strip.LoadBitmap(IDB_TEST_SQUARE_STRIP)); }

    CWBitmap m_strip; // 96 by 16
};

} // namespace

TEST_F(WImageListTest, SquareFlagCutsStripIntoSquares)
{
    CWImageList list;
    ASSERT_TRUE(list.Create(&m_strip, kMagenta, TRUE));
    EXPECT_EQ(6, list.GetImageCount());
    int cx = 0, cy = 0;
    ASSERT_TRUE(list.GetIconSize(&cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    EXPECT_EQ(kMagenta, list.GetBkColor());
}

TEST_F(WImageListTest, WithoutSquareFlagMakesOneImageOfTheWholeBitmap)
{
    CWImageList list;
    ASSERT_TRUE(list.Create(&m_strip, kMagenta, FALSE));
    EXPECT_EQ(1, list.GetImageCount());
    int cx = 0, cy = 0;
    ASSERT_TRUE(list.GetIconSize(&cx, &cy));
    EXPECT_EQ(96, cx);
    EXPECT_EQ(16, cy);
}

TEST_F(WImageListTest, MaskColourIsTransparentWhenDrawn)
{
    CWImageList list;
    ASSERT_TRUE(list.Create(&m_strip, kMagenta, TRUE));
    CDibTarget target(20, 20, kWhite);
    ASSERT_TRUE(list.Draw(target.GetDC(), 2, CPoint(2, 2), ILD_TRANSPARENT));
    EXPECT_EQ(kWhite, target.Pixel(2, 2)) << "magenta corner";
    EXPECT_EQ(kWhite, target.Pixel(5, 5));
    EXPECT_EQ(kBlue, target.Pixel(6, 6));
    EXPECT_EQ(kBlue, target.Pixel(17, 17));
    EXPECT_EQ(kWhite, target.Pixel(18, 18));
}

TEST_F(WImageListTest, SecondCreateReplacesTheList)
{
    CWImageList list;
    ASSERT_TRUE(list.Create(&m_strip, kMagenta, FALSE));
    ASSERT_TRUE(list.Create(&m_strip, kMagenta, TRUE));
    EXPECT_EQ(6, list.GetImageCount());
}

TEST_F(WImageListTest, EmptyBitmapMakesNoList)
{
    CWBitmap empty;
    CWImageList list;
    EXPECT_FALSE(list.Create(&empty, kMagenta, TRUE));
    EXPECT_FALSE(list.Create(nullptr, kMagenta, TRUE));
    EXPECT_EQ(nullptr, list.m_hImageList);
}

// No GDI helper keeps an object: masks, transparent copies, rounded rectangles, bitmaps, image
// lists and off-screen contexts, repeated, leave the process's count of GDI objects as it was.
#include <MaskDraw.h>
#include <MemDC.h>
#include <WBitmap.h>
#include <WImageList.h>

#include "GdiTestSupport.h"
#include "SkinTestIds.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Objects the platform may create for itself between two counts (caches).
const int kGdiCountSlack = 8;

} // namespace

TEST(GdiHandleCount, SeesObjectsThatAreKept)
{
    const int kKept = 50;
    int before = CountAvailableGdiHandles();
    std::vector<CBrush> brushes(kKept);
    for (CBrush& brush : brushes)
        ASSERT_TRUE(brush.CreateSolidBrush(kRed));
    int after = CountAvailableGdiHandles();
    EXPECT_GE(before - after, kKept);
    EXPECT_LE(before - after, kKept + kGdiCountSlack);
}

TEST(GdiHelperResources, RepeatedMasksCopiesAndListsLeaveNoObjectBehind)
{
    const int kRounds = 200;
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(8, 8, [](int x, int) { return x < 4 ? kMagenta : kGreen; })));
    CDibTarget target(8, 8, kYellow);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(target.GetDC()));
    auto round = [&]() {
        CBitmap mask;
        ASSERT_TRUE(mask.Attach(CreateBitmapMask(picture, 0, 0, kMagenta)));
        StretchTrans(target.GetDC(), picture, mask, CRect(0, 0, 8, 8), &memDC, CRect(0, 0, 4, 4));
        DrawTrans(target.GetDC(), picture, mask, CRect(0, 0, 8, 8), &memDC, CPoint(0, 0));
        FillRoundRect(target.GetDC(), CRect(0, 0, 4, 4), kRed, kBlue, 1, 2);
        CWBitmap strip;
        ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_SQUARE_STRIP));
        ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_SQUARE_STRIP));
        CWImageList list;
        ASSERT_TRUE(list.Create(&strip, kMagenta, TRUE));
        ASSERT_TRUE(list.Create(&strip, kMagenta, FALSE));
        CMemDC offScreen(target.GetDC(), 8, 8);
        ASSERT_NE(nullptr, offScreen.m_hDC);
    };
    round();
    int before = CountAvailableGdiHandles();
    for (int i = 0; i < kRounds; ++i)
        round();
    int after = CountAvailableGdiHandles();
    EXPECT_LE(before - after, kGdiCountSlack) << "objects kept by " << kRounds << " rounds";
    EXPECT_EQ(kGreen, target.Pixel(6, 6)) << "the copies still draw";
}

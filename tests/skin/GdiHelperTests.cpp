// CWBitmap, CWImageList and CMemDC over real GDI objects, and no GDI helper keeping an object.
#include <MaskDraw.h>
#include <MemDC.h>
#include <WBitmap.h>
#include <WImageList.h>

#include "../common/GdiTestSupport.h"
#include "SkinTestIds.h"

#include <gtest/gtest.h>

#include <deque>

TEST(WBitmap, SizeFollowsEveryBitmapHandleAndALoadReplacesTheBitmapHeld)
{
    CWBitmap bitmap;
    HBITMAP first = MakePicture(5, 7, [](int, int) { return kRed; });
    ASSERT_TRUE(bitmap.Attach(first));
    EXPECT_EQ(CSize(5, 7), CSize(bitmap.m_nWidth, bitmap.m_nHeight));
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    EXPECT_FALSE(IsLiveGdiObject(first)) << "the bitmap held before a load is released";
    EXPECT_EQ(CSize(96, 16), CSize(bitmap.m_nWidth, bitmap.m_nHeight));
    EXPECT_EQ(kGrey, BitmapPixel(bitmap, 95, 15));
    HGDIOBJ loaded = bitmap.m_hObject;
    EXPECT_FALSE(bitmap.LoadBitmap(0x7BFF)) << "no such resource";
    EXPECT_EQ(loaded, bitmap.m_hObject) << "a failed load keeps what was there";
    EXPECT_EQ(96, bitmap.m_nWidth);

    EXPECT_EQ(loaded, bitmap.Detach());
    EXPECT_EQ(CSize(0, 0), CSize(bitmap.m_nWidth, bitmap.m_nHeight));
    EXPECT_TRUE(IsLiveGdiObject(loaded));
    CGdiObject& asBase = bitmap; // the size follows through the base class too
    ASSERT_TRUE(asBase.Attach(loaded));
    EXPECT_EQ(16, bitmap.m_nHeight);
    EXPECT_TRUE(asBase.DeleteObject());
    EXPECT_EQ(0, bitmap.m_nWidth);
    EXPECT_FALSE(IsLiveGdiObject(loaded));

    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(kBlue));
    ASSERT_TRUE(bitmap.Attach(brush.Detach()));
    EXPECT_EQ(CSize(0, 0), CSize(bitmap.m_nWidth, bitmap.m_nHeight)) << "not a bitmap: no size";
}

TEST(WBitmapDeathTest, AttachOverAHeldBitmapEndsTheProcess)
{
    EXPECT_DEATH(
        {
            CWBitmap bitmap;
            bitmap.Attach(MakePicture(2, 2, [](int, int) { return kRed; }));
            bitmap.Attach(MakePicture(3, 3, [](int, int) { return kRed; }));
        },
        "Assertion failed");
}

TEST(WImageList, StripBecomesSquaresWithTheFlagAndOneImageWithout)
{
    CWBitmap strip; // 96 by 16: six squares with a magenta 4 by 4 top-left block
    ASSERT_TRUE(strip.LoadBitmap(IDB_TEST_SQUARE_STRIP));
    CWImageList list;
    auto iconSize = [&list]() {
        int cx = 0, cy = 0;
        return list.GetIconSize(&cx, &cy) ? CSize(cx, cy) : CSize(0, 0);
    };
    ASSERT_TRUE(list.Create(&strip, kMagenta, TRUE));
    EXPECT_EQ(6, list.GetImageCount());
    EXPECT_EQ(CSize(16, 16), iconSize());
    CDibTarget target(20, 20, kWhite); // the third (blue) square, its magenta corner transparent
    ASSERT_TRUE(list.Draw(target.GetDC(), 2, CPoint(2, 2), ILD_TRANSPARENT));
    ExpectPixels(target, {{2, 2, kWhite}, {5, 5, kWhite}, {6, 6, kBlue}, {17, 17, kBlue}, {18, 18, kWhite}});

    ASSERT_TRUE(list.Create(&strip, kMagenta, FALSE)) << "a second Create replaces the list";
    EXPECT_EQ(1, list.GetImageCount());
    EXPECT_EQ(CSize(96, 16), iconSize());

    CWBitmap empty;
    CWImageList none;
    EXPECT_FALSE(none.Create(&empty, kMagenta, TRUE));
    EXPECT_FALSE(none.Create(nullptr, kMagenta, TRUE));
    EXPECT_EQ(nullptr, none.m_hImageList);
}

TEST(MemDC, WhiteBitmapOfTheAskedSizeReleasedWithItOrOnRequest)
{
    CDibTarget target(10, 10, kYellow);
    HGDIOBJ bitmap = nullptr;
    HDC dc = nullptr;
    {
        CMemDC memDC(target.GetDC(), 10, 6);
        ASSERT_NE(nullptr, memDC.m_hDC);
        bitmap = memDC.m_bitmap.m_hObject;
        dc = memDC.m_hDC;
        EXPECT_EQ(bitmap, ::GetCurrentObject(memDC, OBJ_BITMAP));
        BITMAP info = {};
        ASSERT_TRUE(memDC.m_bitmap.GetBitmap(&info));
        EXPECT_EQ(CSize(10, 6), CSize(info.bmWidth, info.bmHeight));
        memDC.FillSolidRect(0, 0, 5, 5, kRed);
        EXPECT_EQ(kYellow, target.Pixel(1, 1)) << "nothing reaches the target before the copy";
        target.GetDC()->BitBlt(0, 0, 10, 6, &memDC, 0, 0, SRCCOPY);
        ExpectPixels(target, {{1, 1, kRed}, {9, 5, kWhite}});
    }
    EXPECT_FALSE(IsLiveGdiObject(bitmap));
    EXPECT_FALSE(IsLiveGdiObject(dc));
    CMemDC noTarget(nullptr, 8, 8);
    EXPECT_EQ(nullptr, noTarget.m_hDC);
    EXPECT_EQ(nullptr, noTarget.m_bitmap.m_hObject);

    // A kept context is made again at another size and freed on request.
    CMemDC kept;
    EXPECT_FALSE(kept.IsReady());
    EXPECT_EQ(CSize(0, 0), kept.GetSize());
    ASSERT_TRUE(kept.Create(target.GetDC(), 4, 3));
    const HGDIOBJ hFirst = kept.m_bitmap.m_hObject;
    ASSERT_TRUE(kept.Create(target.GetDC(), 7, 5));
    EXPECT_FALSE(IsLiveGdiObject(hFirst)) << "the first bitmap goes with its remake";
    EXPECT_EQ(CSize(7, 5), kept.GetSize());
    EXPECT_EQ(kWhite, kept.GetPixel(6, 4));
    const HGDIOBJ hSecond = kept.m_bitmap.m_hObject;
    kept.Free();
    EXPECT_FALSE(kept.IsReady());
    EXPECT_FALSE(IsLiveGdiObject(hSecond));
    EXPECT_FALSE(kept.Create(nullptr, 7, 5));
    EXPECT_EQ(CSize(0, 0), kept.GetSize());
}

TEST(GdiHelperResources, RepeatedMasksCopiesAndListsLeaveNoObjectBehind)
{
    std::deque<CBrush> kept; // the count sees objects that are kept, or the check below proves nothing
    EXPECT_GE(GdiObjectsKeptBy(20, [&] { kept.emplace_back().CreateSolidBrush(kRed); }), 20);
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(8, 8, [](int x, int) { return x < 4 ? kMagenta : kGreen; })));
    CDibTarget target(8, 8, kYellow);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(target.GetDC()));
    const int nKept = GdiObjectsKeptBy(200, [&]() {
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
    });
    EXPECT_LE(nKept, kGdiCountSlack);
    EXPECT_EQ(kGreen, target.Pixel(6, 6)) << "the copies still draw";
}

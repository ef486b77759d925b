// Masks and transparent copies at the pixel level: CreateBitmapMask, DrawTrans, StretchTrans
// and FillRoundRect over real bitmaps and memory contexts.
#include <MaskDraw.h>

#include "GdiTestSupport.h"

#include <gtest/gtest.h>

namespace {

// 8 by 6: magenta where (x + y) is a multiple of 3, else red, green or blue by column.
COLORREF PatternColour(int x, int y)
{
    if ((x + y) % 3 == 0)
        return kMagenta;
    const COLORREF colours[] = {kRed, kGreen, kBlue};
    return colours[x % 3];
}

// 8 by 8: the left half magenta, the right half red above green.
COLORREF HalfColour(int x, int y)
{
    if (x < 4)
        return kMagenta;
    return y < 4 ? kRed : kGreen;
}

// A picture with its mask built as the skin builds it.
struct MaskedPicture
{
    MaskedPicture(int nWidth, int nHeight, COLORREF (*colourAt)(int, int))
    {
        picture.Attach(MakePicture(nWidth, nHeight, colourAt));
        mask.Attach(CreateBitmapMask(picture, 0, 0, kMagenta));
    }
    CBitmap picture;
    CBitmap mask;
};

} // namespace

TEST(CreateBitmapMask, MagentaPixelsBecomeWhiteInMaskAndBlackInPicture)
{
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(8, 6, PatternColour)));
    CBitmap mask;
    ASSERT_TRUE(mask.Attach(CreateBitmapMask(picture, 0, 0, kMagenta)));

    BITMAP info = {};
    ASSERT_TRUE(mask.GetBitmap(&info));
    EXPECT_EQ(8, info.bmWidth) << "width 0 takes the size from the picture";
    EXPECT_EQ(6, info.bmHeight);
    EXPECT_EQ(1, info.bmBitsPixel);
    EXPECT_EQ(1, info.bmPlanes);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            bool transparent = PatternColour(x, y) == kMagenta;
            EXPECT_EQ(transparent ? kWhite : kBlack, BitmapPixel(mask, x, y)) << x << "," << y;
            EXPECT_EQ(transparent ? kBlack : PatternColour(x, y), BitmapPixel(picture, x, y)) << x << "," << y;
        }
    }
}

TEST(CreateBitmapMask, GivenSizeCoversOnlyThatPartOfThePicture)
{
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(8, 6, PatternColour)));
    CBitmap mask;
    ASSERT_TRUE(mask.Attach(CreateBitmapMask(picture, 4, 3, kMagenta)));
    BITMAP info = {};
    ASSERT_TRUE(mask.GetBitmap(&info));
    EXPECT_EQ(4, info.bmWidth);
    EXPECT_EQ(3, info.bmHeight);
    EXPECT_EQ(kWhite, BitmapPixel(mask, 1, 2));
    EXPECT_EQ(kBlack, BitmapPixel(picture, 1, 2));
    EXPECT_EQ(kMagenta, BitmapPixel(picture, 6, 0)) << "outside the mask the picture stays";
    EXPECT_EQ(kMagenta, BitmapPixel(picture, 0, 3));
}

TEST(CreateBitmapMask, PictureWithoutTransparentColourGivesBlackMaskAndStaysUnchanged)
{
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(4, 4, [](int x, int) { return x < 2 ? kRed : kYellow; })));
    CBitmap mask;
    ASSERT_TRUE(mask.Attach(CreateBitmapMask(picture, 0, 0, kMagenta)));
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(kBlack, BitmapPixel(mask, x, 1));
        EXPECT_EQ(x < 2 ? kRed : kYellow, BitmapPixel(picture, x, 1));
    }
}

TEST(CreateBitmapMask, MissingPictureGivesNoMask)
{
    EXPECT_EQ(nullptr, CreateBitmapMask(nullptr, 0, 0, kMagenta));
    EXPECT_EQ(nullptr, CreateBitmapMask(nullptr, 4, 4, kMagenta));
    CBrush notABitmap;
    ASSERT_TRUE(notABitmap.CreateSolidBrush(kRed));
    EXPECT_EQ(nullptr, CreateBitmapMask(static_cast<HBITMAP>(notABitmap.m_hObject), 0, 0, kMagenta));
}

TEST(DrawTrans, ShowsTargetWhereMagentaAndPictureElsewhere)
{
    MaskedPicture source(8, 8, HalfColour);
    ASSERT_TRUE(source.mask.m_hObject);
    CDibTarget target(16, 16, kYellow);
    ASSERT_TRUE(target.IsReady());
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(target.GetDC()));
    HGDIOBJ memBitmap = ::GetCurrentObject(memDC, OBJ_BITMAP);

    DrawTrans(target.GetDC(), source.picture, source.mask, CRect(2, 2, 10, 10), &memDC, CPoint(0, 0));

    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool inside = x >= 2 && x < 10 && y >= 2 && y < 10;
            COLORREF expected = inside ? HalfColour(x - 2, y - 2) : kYellow;
            EXPECT_EQ(expected == kMagenta ? kYellow : expected, target.Pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(memBitmap, ::GetCurrentObject(memDC, OBJ_BITMAP)) << "the memory context's selection is restored";
}

TEST(DrawTrans, CopiesFromTheSourcePoint)
{
    MaskedPicture source(8, 8, HalfColour);
    CDibTarget target(8, 8, kCyan);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(target.GetDC()));

    DrawTrans(target.GetDC(), source.picture, source.mask, CRect(0, 0, 4, 4), &memDC, CPoint(4, 4));

    EXPECT_EQ(kGreen, target.Pixel(0, 0));
    EXPECT_EQ(kGreen, target.Pixel(3, 3));
    EXPECT_EQ(kCyan, target.Pixel(4, 4));
}

TEST(DrawTrans, MaskWorksWhateverTextColoursTheTargetHas)
{
    MaskedPicture source(8, 8, HalfColour);
    CDibTarget target(8, 8, kYellow);
    CDC* dc = target.GetDC();
    dc->SetTextColor(kWhite);
    dc->SetBkColor(kBlue);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(dc));

    DrawTrans(dc, source.picture, source.mask, CRect(0, 0, 8, 8), &memDC, CPoint(0, 0));

    EXPECT_EQ(kYellow, target.Pixel(1, 1));
    EXPECT_EQ(kRed, target.Pixel(5, 1));
    EXPECT_EQ(kGreen, target.Pixel(5, 6));
    EXPECT_EQ(kWhite, dc->GetTextColor()) << "the caller's colours are restored";
    EXPECT_EQ(kBlue, dc->GetBkColor());
}

TEST(DrawTrans, WithoutMaskOrPictureLeavesTargetAsItWas)
{
    CBitmap picture;
    ASSERT_TRUE(picture.Attach(MakePicture(8, 8, HalfColour)));
    CBitmap noMask;
    CBitmap noPicture;
    MaskedPicture masked(8, 8, HalfColour);
    CDibTarget target(8, 8, kYellow);
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(target.GetDC()));

    DrawTrans(target.GetDC(), picture, noMask, CRect(0, 0, 8, 8), &memDC, CPoint(0, 0));
    DrawTrans(target.GetDC(), noPicture, masked.mask, CRect(0, 0, 8, 8), &memDC, CPoint(0, 0));
    StretchTrans(target.GetDC(), picture, noMask, CRect(0, 0, 8, 8), &memDC, CRect(0, 0, 4, 4));

    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(kYellow, target.Pixel(x, y)) << x << "," << y;
}

TEST(StretchTrans, StretchesSourceRectangleThroughMask)
{
    // 2 by 2: magenta, red / green, blue, stretched to 8 by 8 quadrants.
    MaskedPicture source(2, 2, [](int x, int y) {
        const COLORREF colours[2][2] = {{kMagenta, kRed}, {kGreen, kBlue}};
        return colours[y][x];
    });
    CDibTarget target(10, 10, kYellow);
    CDC* dc = target.GetDC();
    int stretchMode = dc->GetStretchBltMode();
    CDC memDC;
    ASSERT_TRUE(memDC.CreateCompatibleDC(dc));

    StretchTrans(dc, source.picture, source.mask, CRect(1, 1, 9, 9), &memDC, CRect(0, 0, 2, 2));

    EXPECT_EQ(kYellow, target.Pixel(0, 0));
    EXPECT_EQ(kYellow, target.Pixel(1, 1));
    EXPECT_EQ(kYellow, target.Pixel(4, 4));
    EXPECT_EQ(kRed, target.Pixel(5, 1));
    EXPECT_EQ(kRed, target.Pixel(8, 4));
    EXPECT_EQ(kGreen, target.Pixel(1, 5));
    EXPECT_EQ(kBlue, target.Pixel(8, 8));
    EXPECT_EQ(kYellow, target.Pixel(9, 9));
    EXPECT_EQ(stretchMode, dc->GetStretchBltMode());
}

TEST(FillRoundRect, FillsInsideBorderAndLeavesCornersAndSelection)
{
    CDibTarget target(24, 24, kWhite);
    CDC* dc = target.GetDC();
    HGDIOBJ pen = ::GetCurrentObject(*dc, OBJ_PEN);
    HGDIOBJ brush = ::GetCurrentObject(*dc, OBJ_BRUSH);

    FillRoundRect(dc, CRect(2, 2, 22, 22), kRed, kBlue, 3, 10);

    EXPECT_EQ(kRed, target.Pixel(12, 2)) << "top border";
    EXPECT_EQ(kRed, target.Pixel(12, 3)) << "pen 3 pixels wide";
    EXPECT_EQ(kRed, target.Pixel(2, 12)) << "left border";
    EXPECT_EQ(kBlue, target.Pixel(12, 12)) << "fill";
    EXPECT_EQ(kWhite, target.Pixel(2, 2)) << "rounded corner";
    EXPECT_EQ(kWhite, target.Pixel(23, 12)) << "outside";
    EXPECT_EQ(pen, ::GetCurrentObject(*dc, OBJ_PEN));
    EXPECT_EQ(brush, ::GetCurrentObject(*dc, OBJ_BRUSH));
}

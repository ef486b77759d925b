// Masks and transparent copies at the pixel level: CreateBitmapMask, DrawTrans, StretchTrans
// and FillRoundRect over real bitmaps and memory contexts.
#include <MaskDraw.h>

#include "../common/GdiTestSupport.h"

#include <gtest/gtest.h>

namespace {

// 8 by 6: magenta where (x + y) is a multiple of 3, else red, green or blue by column.
COLORREF PatternColour(int x, int y)
{
    const COLORREF colours[] = {kRed, kGreen, kBlue};
    return (x + y) % 3 == 0 ? kMagenta : colours[x % 3];
}

// 8 by 8: the left half magenta, the right half red above green.
COLORREF HalfColour(int x, int y)
{
    return x < 4 ? kMagenta : y < 4 ? kRed : kGreen;
}

// A picture with its mask built as the skin builds it, and a memory context to draw through.
struct MaskedPicture {
    MaskedPicture(int nWidth, int nHeight, COLORREF (*colourAt)(int, int))
    {
        picture.Attach(MakePicture(nWidth, nHeight, colourAt));
        mask.Attach(CreateBitmapMask(picture, 0, 0, kMagenta));
        memDC.CreateCompatibleDC(nullptr);
    }
    CBitmap picture;
    CBitmap mask;
    CDC memDC;
};

} // namespace

// Width 0 takes the size from the picture; a given size covers only that part.
TEST(CreateBitmapMask, MagentaPixelsBecomeWhiteInMaskAndBlackInPicture)
{
    for (const CSize size : {CSize(0, 0), CSize(4, 3)}) {
        SCOPED_TRACE(testing::Message() << "size " << size.cx << "x" << size.cy);
        CBitmap picture;
        ASSERT_TRUE(picture.Attach(MakePicture(8, 6, PatternColour)));
        CBitmap mask;
        ASSERT_TRUE(mask.Attach(CreateBitmapMask(picture, size.cx, size.cy, kMagenta)));
        const CSize covered = size.cx ? size : CSize(8, 6);
        BITMAP info = {};
        ASSERT_TRUE(mask.GetBitmap(&info));
        EXPECT_EQ(covered, CSize(info.bmWidth, info.bmHeight));
        EXPECT_EQ(1, info.bmBitsPixel);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool bInside = x < covered.cx && y < covered.cy;
                const bool bTransparent = PatternColour(x, y) == kMagenta;
                if (bInside) {
                    EXPECT_EQ(bTransparent ? kWhite : kBlack, BitmapPixel(mask, x, y)) << x << "," << y;
                }
                EXPECT_EQ(bTransparent && bInside ? kBlack : PatternColour(x, y), BitmapPixel(picture, x, y))
                    << x << "," << y;
            }
    }
    EXPECT_EQ(nullptr, CreateBitmapMask(nullptr, 4, 4, kMagenta));
    CBrush notABitmap;
    ASSERT_TRUE(notABitmap.CreateSolidBrush(kRed));
    EXPECT_EQ(nullptr, CreateBitmapMask(static_cast<HBITMAP>(notABitmap.m_hObject), 0, 0, kMagenta));
}

// The target's own text and background colours must not tint the copy, and come back after it.
TEST(DrawTrans, ShowsTargetWhereMagentaPictureElsewhereAndNothingWithoutMask)
{
    MaskedPicture source(8, 8, HalfColour);
    ASSERT_TRUE(source.mask.m_hObject);
    CDibTarget target(16, 16, kYellow);
    ASSERT_TRUE(target.IsReady());
    target.GetDC()->SetTextColor(kWhite);
    target.GetDC()->SetBkColor(kBlue);
    HGDIOBJ memBitmap = ::GetCurrentObject(source.memDC, OBJ_BITMAP);

    DrawTrans(target.GetDC(), source.picture, source.mask, CRect(2, 2, 10, 10), &source.memDC, CPoint(0, 0));

    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool bInside = x >= 2 && x < 10 && y >= 2 && y < 10;
            const COLORREF expected = bInside ? HalfColour(x - 2, y - 2) : kYellow;
            EXPECT_EQ(expected == kMagenta ? kYellow : expected, target.Pixel(x, y)) << x << "," << y;
        }
    EXPECT_EQ(memBitmap, ::GetCurrentObject(source.memDC, OBJ_BITMAP)) << "the memory context's selection";
    EXPECT_EQ(kWhite, target.GetDC()->GetTextColor());
    EXPECT_EQ(kBlue, target.GetDC()->GetBkColor());

    CDibTarget offset(8, 8, kCyan); // copied from the source point (4, 4)
    DrawTrans(offset.GetDC(), source.picture, source.mask, CRect(0, 0, 4, 4), &source.memDC, CPoint(4, 4));
    ExpectPixels(offset, {{0, 0, kGreen}, {3, 3, kGreen}, {4, 4, kCyan}});

    CBitmap none; // without mask or picture the target stays as it was
    DrawTrans(offset.GetDC(), source.picture, none, CRect(4, 4, 8, 8), &source.memDC, CPoint(0, 0));
    DrawTrans(offset.GetDC(), none, source.mask, CRect(4, 4, 8, 8), &source.memDC, CPoint(0, 0));
    StretchTrans(offset.GetDC(), source.picture, none, CRect(4, 4, 8, 8), &source.memDC, CRect(0, 0, 4, 4));
    ExpectPixels(offset, {{4, 4, kCyan}, {5, 5, kCyan}, {7, 7, kCyan}, {6, 4, kCyan}});
}

TEST(StretchTrans, StretchesSourceRectangleThroughMask)
{
    // 2 by 2: magenta, red / green, blue, stretched to 8 by 8 quadrants at (1, 1).
    MaskedPicture source(2, 2,
                         [](int x, int y) { return y == 0 ? (x == 0 ? kMagenta : kRed) : (x == 0 ? kGreen : kBlue); });
    CDibTarget target(10, 10, kYellow);
    const int nStretchMode = target.GetDC()->GetStretchBltMode();

    StretchTrans(target.GetDC(), source.picture, source.mask, CRect(1, 1, 9, 9), &source.memDC, CRect(0, 0, 2, 2));

    ExpectPixels(target, {{0, 0, kYellow},
                          {1, 1, kYellow},
                          {4, 4, kYellow},
                          {5, 1, kRed},
                          {8, 4, kRed},
                          {1, 5, kGreen},
                          {8, 8, kBlue},
                          {9, 9, kYellow}});
    EXPECT_EQ(nStretchMode, target.GetDC()->GetStretchBltMode());
}

TEST(FillRoundRect, FillsInsideBorderAndLeavesCornersAndSelection)
{
    CDibTarget target(24, 24, kWhite);
    CDC* dc = target.GetDC();
    HGDIOBJ pen = ::GetCurrentObject(*dc, OBJ_PEN);
    HGDIOBJ brush = ::GetCurrentObject(*dc, OBJ_BRUSH);

    FillRoundRect(dc, CRect(2, 2, 22, 22), kRed, kBlue, 3, 10);

    // Top border 3 pixels wide, left border, fill, rounded corner, outside.
    ExpectPixels(target,
                 {{12, 2, kRed}, {12, 3, kRed}, {2, 12, kRed}, {12, 12, kBlue}, {2, 2, kWhite}, {23, 12, kWhite}});
    EXPECT_EQ(pen, ::GetCurrentObject(*dc, OBJ_PEN));
    EXPECT_EQ(brush, ::GetCurrentObject(*dc, OBJ_BRUSH));
}

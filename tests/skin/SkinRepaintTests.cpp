// Repainting from a loaded skin, whose pieces are kept stretched between paints: the pixels are
// those of the uncached transfers (which a 24-bit target still gets), the pieces kept stay
// bounded and go with the skin, and long runs of paints keep no GDI object and no memory.
#include "SkinTestSupport.h"

#include "../common/HeapUsage.h"

#include <afxwin.h>

namespace {

const int kSkinBlue = 150;

// Nine-cell pictures with a scattered transparent pixel pattern, so that stretched pieces hold
// opaque, transparent and mixed parts.
COLORREF SpeckledCell(int x, int y, int nHeight)
{
    if ((x * 7 + y * 3) % 5 == 0 || (x < 10 && y < nHeight / 3))
        return kMagenta;
    return RGB(40 + 7 * x, 40 + 5 * y, kSkinBlue);
}

class SkinRepaintTest : public SkinFolderTest {
protected:
    void SetUp() override
    {
        SkinFolderTest::SetUp();
        m_skins.AddSkin(L"default", kSkinBlue, "[style]\r\nctrl_border1x1=00ff00\r\n");
        for (const wchar_t* name : {L"wide", L"main", L"lbtn", L"tbtn", L"richtop", L"richbottom"}) {
            const int nHeight = name[0] == L'r' ? kTestBarPicture : kTestPicture;
            WriteBmp(m_skins.Path(L"default\\") + name + L".bmp", kTestPicture, nHeight,
                     [=](int x, int y) { return SpeckledCell(x, y, nHeight); });
        }
        ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    }

    CTestSkin m_skin;
};

// Every drawing operation on one rectangle, over a striped background.
void PaintAll(CSkin& skin, CDC* pDC, int nWidth, int nHeight)
{
    for (int x = 0; x < nWidth; x += 6)
        pDC->FillSolidRect(x, 0, 3, nHeight, kYellow);
    for (int type = DT_MAIN; type <= DT_RICHBOTTOM_STRIP; ++type) {
        CRect rect(2, 3, nWidth - 2, nHeight - 1);
        skin.Draw(pDC, rect, static_cast<D_TYPE>(type));
        skin.DrawTop(pDC, rect, static_cast<D_TYPE>(type));
        skin.DrawLeft(pDC, rect, static_cast<D_TYPE>(type));
        if (type != DT_MAIN && type != DT_VIEWPAGE && type != DT_LBTN)
            skin.FillCenter(pDC, CRect(4, 5, nWidth - 4, nHeight - 6), static_cast<D_TYPE>(type));
    }
    CRect view(3, 30, nWidth - 3, nHeight - 30);
    skin.DrawRicheditBorderEx(pDC, nullptr, view, CT_RICHEDIT_BARS, nullptr);
}

} // namespace

TEST_F(SkinRepaintTest, PiecesKeptBetweenPaintsDrawThePixelsOfTheUncachedTransfers)
{
    const CSize sizes[] = {{100, 80}, {25, 23}, {31, 17}, {200, 90}, {64, 120}};
    for (int nMode : {BLACKONWHITE, COLORONCOLOR}) {
        for (const CSize& size : sizes) {
            CDibTarget cached(size.cx, size.cy, kGrey);
            CDibTarget uncached(size.cx, size.cy, kGrey, 24); // the cache takes 32-bit targets only
            cached.GetDC()->SetStretchBltMode(nMode);
            uncached.GetDC()->SetStretchBltMode(nMode);
            PaintAll(m_skin, uncached.GetDC(), size.cx, size.cy);
            PaintAll(m_skin, cached.GetDC(), size.cx, size.cy); // makes the pieces
            PaintAll(m_skin, cached.GetDC(), size.cx, size.cy); // draws them again
            int nDiffering = 0;
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x)
                    nDiffering += cached.Pixel(x, y) != uncached.Pixel(x, y) ? 1 : 0;
            EXPECT_EQ(0, nDiffering) << size.cx << " by " << size.cy << ", stretch mode " << nMode;
        }
    }
}

TEST_F(SkinRepaintTest, PiecesKeptStayBoundedGoWithTheSkinAndLongRunsKeepNothing)
{
    CDibTarget target(260, 200, kGrey);
    int nPaint = 0;
    // A window resized now and then among a few sizes it keeps: every tenth paint is at a size
    // never painted before.
    auto paintAtChangingSizes = [&](int nPaints) {
        for (int i = 0; i < nPaints; ++i, ++nPaint) {
            const int nStep = nPaint % 10 == 0 ? nPaint / 10 : nPaint % 5;
            CRect rect(0, 0, 40 + nStep % 211, 30 + nStep % 163);
            m_skin.Draw(target.GetDC(), rect, DT_WIDE);
        }
    };
    paintAtChangingSizes(1); // lets the platform fill its own caches
    ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    const int nFree = CountAvailableGdiHandles();
    paintAtChangingSizes(1000);
    const int nKeptByFew = nFree - CountAvailableGdiHandles();
    EXPECT_GT(nKeptByFew, kGdiCountSlack) << "the pieces are kept, and counted";
    paintAtChangingSizes(10000);
    EXPECT_LE(nFree - CountAvailableGdiHandles(), nKeptByFew + kGdiCountSlack) << "more paints keep no more";

    // Loading a skin, and taking over another, release the pieces of the skin before.
    ASSERT_EQ(1, m_skin.LoadOne(L"default"));
    EXPECT_LE(nFree - CountAvailableGdiHandles(), kGdiCountSlack);
    paintAtChangingSizes(100);
    CTestSkin other;
    ASSERT_EQ(1, other.LoadOne(L"default"));
    m_skin.Assign(other);
    EXPECT_LE(nFree - CountAvailableGdiHandles(), kGdiCountSlack);

    // A window repaints for as long as the program runs: once every size was painted, whole
    // paints with their titles keep nothing.
    const auto paintAll = [&] {
        PaintAll(m_skin, target.GetDC(), 160 + nPaint % 2 * 70, 120 + nPaint % 3 * 30);
        ++nPaint;
        CRect border(10, 40, 150, 110);
        m_skin.DrawRicheditBorder(target.GetDC(), nullptr, border, CT_RICHEDIT_BARS, L"Chat");
        CRect list(10, 40, 150, 110);
        m_skin.DrawUserListBorder(target.GetDC(), nullptr, list, L"Users");
    };
    for (int i = 0; i < 6; ++i)
        paintAll();
    const size_t nHeapBefore = BusyHeapBytes();
    EXPECT_LE(GdiObjectsKeptBy(150, paintAll), kGdiCountSlack);
    EXPECT_LT(BusyHeapBytes(), nHeapBefore + 256 * 1024);
}

// CImageShow: JPEG, BMP and GIF files of known size load and draw (scaled, or over the window
// colour when transparent); missing and damaged files load nothing and draw nothing; a new load
// releases the picture held before; copies share the picture safely; nothing leaks.
#include <ImageShow.h>

#include "../common/GdiTestSupport.h"
#include "PictureTest.h"

#include <cstdlib>

namespace {

// Exposes the picture for reference counting.
class CImageShowProbe : public CImageShow {
public:
    using CImageShow::CImageShow;
    IPicture* Picture() const { return m_pPicture; }
};

CSize PixelSize(const CImageShow& image)
{
    int width = -1, height = -1;
    image.GetImagePix(width, height);
    return CSize(width, height);
}

// Lossy pictures come back within a small distance per channel.
bool Near(COLORREF expected, COLORREF actual)
{
    const int kTolerance = 24;
    return std::abs(GetRValue(expected) - GetRValue(actual)) <= kTolerance &&
           std::abs(GetGValue(expected) - GetGValue(actual)) <= kTolerance &&
           std::abs(GetBValue(expected) - GetBValue(actual)) <= kTolerance;
}

class ImageShowTest : public PictureTest {
protected:
    void SetUp() override
    {
        PictureTest::SetUp();
        const std::string bmp = ResourceBytes(IDR_TEST_QUADRANTS_BMP);
        std::string huge = bmp;
        huge[18] = '\xFF'; // width 0x7FFF00xx: far more pixels than the file holds
        huge[21] = '\x7F';
        ASSERT_TRUE(m_folder.Write(L"huge.bmp", huge));
        ASSERT_TRUE(m_folder.Write(L"garbage.jpg", std::string(300, '\x5A')));
        ASSERT_TRUE(m_folder.Write(L"text.gif", "GIF? no, just some text"));
        ASSERT_TRUE(m_folder.Write(L"empty.bmp", ""));
        ASSERT_TRUE(m_folder.Write(L"inch.wmf", PlaceableMetafile(1440, 1440)));
        ASSERT_TRUE(m_folder.Write(L"absurd.wmf", PlaceableMetafile(32767, 1)));
    }

    // A placeable metafile of one empty record whose frame is nUnits square at nUnitsPerInch.
    static std::string PlaceableMetafile(int nUnits, int nUnitsPerInch)
    {
        const WORD placeable[] = {0xCDD7, 0x9AC6, 0, 0, 0, WORD(nUnits), WORD(nUnits), WORD(nUnitsPerInch), 0, 0};
        WORD checksum = 0;
        for (WORD word : placeable)
            checksum ^= word;
        const WORD metafile[] = {1, 9, 0x0300, 12, 0, 0, 3, 0, 0, // header: 12 words, largest record 3
                                 3, 0, 0};                        // the end record
        std::string bytes(reinterpret_cast<const char*>(placeable), sizeof(placeable));
        bytes.append(reinterpret_cast<const char*>(&checksum), sizeof(checksum));
        return bytes.append(reinterpret_cast<const char*>(metafile), sizeof(metafile));
    }

    static void ExpectEmpty(const CImageShow& image)
    {
        EXPECT_EQ(CSize(0, 0), PixelSize(image));
        CDibTarget target(32, 32, kCyan);
        image.Draw(*target.GetDC(), RECT{0, 0, 32, 32});
        ExpectUniform(target, 32, 32, kCyan);
    }
};

} // namespace

TEST_F(ImageShowTest, LoadsBmpJpegAndAnimatedGifOfKnownSizeAndDrawsThemAtTheirSizeAndScaled)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp").c_str()));
    EXPECT_EQ(CSize(20, 12), PixelSize(image));
    CDibTarget target(44, 28, kCyan);
    image.Draw(*target.GetDC(), RECT{2, 2, 22, 14});
    ExpectPixels(target,
                 {{2, 2, kRed}, {21, 2, kGreen}, {2, 13, kBlue}, {21, 13, kYellow}, {22, 14, kCyan}, {1, 1, kCyan}});
    CDibTarget scaled(44, 28, kCyan);
    image.Draw(*scaled.GetDC(), RECT{2, 2, 42, 26});
    ExpectPixels(scaled, {{20, 12, kRed}, {23, 12, kGreen}, {20, 15, kBlue}, {41, 25, kYellow}, {42, 26, kCyan}});

    CImageShow jpeg(Path(L"quadrants.jpg").c_str());
    ASSERT_EQ(CSize(32, 16), PixelSize(jpeg));
    jpeg.Draw(*target.GetDC(), RECT{0, 0, 32, 16});
    for (const PixelCheck& check : {PixelCheck{4, 4, kRed}, {27, 4, kGreen}, {4, 11, kBlue}, {27, 11, kYellow}})
        EXPECT_PRED2(Near, check.colour, target.Pixel(check.x, check.y)) << check.x << "," << check.y;

    CImageShow frames(Path(L"frames.gif").c_str());
    ASSERT_EQ(CSize(12, 12), PixelSize(frames));
    frames.Draw(*target.GetDC(), RECT{0, 0, 12, 12});
    EXPECT_EQ(kRed, target.Pixel(6, 6)) << "the first frame";
}

TEST_F(ImageShowTest, TransparentGifDrawsAtOwnSizeOverWindowColourClippedToRect)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(Path(L"disc.gif").c_str()));
    EXPECT_EQ(CSize(24, 20), PixelSize(image));
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    // The disc at (14, 12), the transparent corners over the window colour, nothing beyond.
    CDibTarget target(40, 40, kCyan);
    image.Draw(*target.GetDC(), RECT{2, 2, 38, 38});
    ExpectPixels(target, {{14, 12, kGreen}, {2, 2, window}, {25, 21, window}, {26, 12, kCyan}, {14, 22, kCyan}});
    CDibTarget clipped(40, 40, kCyan);
    image.Draw(*clipped.GetDC(), RECT{2, 2, 12, 12});
    ExpectPixels(clipped, {{11, 11, kGreen}, {12, 11, kCyan}, {11, 12, kCyan}});
}

TEST_F(ImageShowTest, MissingOrDamagedFilesLoadNothingAndDrawNothing)
{
    for (const wchar_t* name :
         {L"missing.bmp", L"huge.bmp", L"garbage.jpg", L"text.gif", L"empty.bmp", L"absurd.wmf"}) {
        SCOPED_TRACE(testing::Message() << name);
        CImageShow image;
        EXPECT_EQ(0, image.LoadFile(Path(name).c_str()));
        ExpectEmpty(image);
    }
    CImageShow image;
    EXPECT_EQ(0, image.LoadFile(nullptr));
    EXPECT_EQ(0, image.LoadFile(L""));
    ExpectEmpty(image);
    ExpectEmpty(CImageShow(Path(L"missing.bmp").c_str()));
    const CScopedGetDC screen(nullptr);
    EXPECT_EQ(CSize(::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY)),
              PixelSize(CImageShow(Path(L"inch.wmf").c_str())))
        << "a metafile of one inch is as many pixels as the screen has per inch";
}

TEST_F(ImageShowTest, NewLoadAndFailedLoadReleaseThePictureAndCopiesHoldTheirOwn)
{
    CImageShowProbe image;
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp").c_str()));
    IPicture* first = image.Picture();
    first->AddRef();
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.jpg").c_str()));
    EXPECT_EQ(0u, first->Release()) << "the object kept a reference to the first picture";

    IPicture* second = image.Picture();
    second->AddRef();
    EXPECT_EQ(0, image.LoadFile(Path(L"missing.bmp").c_str()));
    EXPECT_EQ(0u, second->Release()) << "a failed load also releases what was there";
    ExpectEmpty(image);
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp").c_str()));
    image.UnloadFile();
    EXPECT_EQ(nullptr, image.Picture());
    ExpectEmpty(image);

    // Copies hold their own reference.
    CImageShowProbe original(Path(L"quadrants.bmp").c_str());
    ASSERT_NE(nullptr, original.Picture());
    CImageShowProbe copy(original);
    CImageShowProbe assigned;
    assigned = original;
    assigned = assigned;
    EXPECT_EQ(original.Picture(), copy.Picture());
    original.UnloadFile();
    for (CImageShowProbe* image : {&copy, &assigned}) {
        EXPECT_EQ(CSize(20, 12), PixelSize(*image));
        CDibTarget target(20, 12, kCyan);
        image->Draw(*target.GetDC(), RECT{0, 0, 20, 12});
        EXPECT_EQ(kYellow, target.Pixel(15, 9));
    }
    copy = original;
    ExpectEmpty(copy);
}

TEST_F(ImageShowTest, RepeatedLoadsAndDrawsLeaveNoGdiObjectBehind)
{
    CImageShow image;
    const int nKept = GdiObjectsKeptBy(60, [&]() {
        CDibTarget target(40, 40, kCyan);
        for (const wchar_t* name : {L"quadrants.bmp", L"quadrants.jpg", L"disc.gif", L"huge.bmp", L"garbage.jpg"}) {
            image.LoadFile(Path(name).c_str());
            image.Draw(*target.GetDC(), RECT{0, 0, 40, 40});
        }
        image = CImageShow(Path(L"frames.gif").c_str());
        image.UnloadFile();
    });
    EXPECT_LE(nKept, kGdiCountSlack);
}

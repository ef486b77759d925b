// CImageShow: JPEG, BMP and GIF files of known size load and draw (scaled, or over the window
// colour when transparent); missing and damaged files load nothing and draw nothing; a new load
// releases the picture held before; copies share the picture safely; nothing leaks.
#include <ImageShow.h>

#include "../skin/GdiTestSupport.h"
#include "FacesTestIds.h"
#include "PictureFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Lossy pictures come back within this distance per channel.
const int kJpegTolerance = 24;
const int kGdiCountSlack = 8;

// Exposes the picture for reference counting.
class CImageShowProbe : public CImageShow
{
public:
    using CImageShow::CImageShow;
    IPicture* Picture() const { return m_pPicture; }
};

bool Near(COLORREF expected, COLORREF actual)
{
    return std::abs(GetRValue(expected) - GetRValue(actual)) <= kJpegTolerance
           && std::abs(GetGValue(expected) - GetGValue(actual)) <= kJpegTolerance
           && std::abs(GetBValue(expected) - GetBValue(actual)) <= kJpegTolerance;
}

class ImageShowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        ASSERT_TRUE(m_folder.IsReady());
        ASSERT_TRUE(m_folder.WriteResource(L"quadrants.bmp", IDR_TEST_QUADRANTS_BMP));
        ASSERT_TRUE(m_folder.WriteResource(L"quadrants.jpg", IDR_TEST_QUADRANTS_JPG));
        ASSERT_TRUE(m_folder.WriteResource(L"disc.gif", IDR_TEST_DISC_GIF));
        ASSERT_TRUE(m_folder.WriteResource(L"frames.gif", IDR_TEST_FRAMES_GIF));
        std::string bmp = CPictureFolder::ResourceBytes(IDR_TEST_QUADRANTS_BMP);
        ASSERT_TRUE(m_folder.WriteBytes(L"truncated.bmp", bmp.substr(0, bmp.size() / 2)));
        std::string huge = bmp;
        huge[18] = '\xFF'; // width 0x7FFF00xx: far more pixels than the file holds
        huge[21] = '\x7F';
        ASSERT_TRUE(m_folder.WriteBytes(L"huge.bmp", huge));
        ASSERT_TRUE(m_folder.WriteBytes(L"garbage.jpg", std::string(300, '\x5A')));
        ASSERT_TRUE(m_folder.WriteBytes(L"text.gif", "GIF? no, just some text"));
        ASSERT_TRUE(m_folder.WriteBytes(L"empty.bmp", ""));
    }
    void TearDown() override { ::CoUninitialize(); }

    CString Path(const wchar_t* name) const { return m_folder.Path(name); }

    static void ExpectNothingDrawn(const CImageShow& image)
    {
        CDibTarget target(32, 32, kCyan);
        image.Draw(*target.GetDC(), RECT{0, 0, 32, 32});
        for (int y = 0; y < 32; y += 3)
            for (int x = 0; x < 32; x += 3)
                ASSERT_EQ(kCyan, target.Pixel(x, y)) << x << "," << y;
    }

    static void ExpectEmpty(const CImageShow& image)
    {
        int width = -1, height = -1;
        image.GetImagePix(width, height);
        EXPECT_EQ(0, width);
        EXPECT_EQ(0, height);
        ExpectNothingDrawn(image);
    }

    CPictureFolder m_folder;
};

} // namespace

TEST_F(ImageShowTest, LoadsBmpOfKnownSizeAndDrawsItAtItsSizeAndScaled)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp")));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(20, width);
    EXPECT_EQ(12, height);

    CDibTarget target(44, 28, kCyan);
    image.Draw(*target.GetDC(), RECT{2, 2, 22, 14});
    EXPECT_EQ(kRed, target.Pixel(2, 2));
    EXPECT_EQ(kGreen, target.Pixel(21, 2));
    EXPECT_EQ(kBlue, target.Pixel(2, 13));
    EXPECT_EQ(kYellow, target.Pixel(21, 13));
    EXPECT_EQ(kCyan, target.Pixel(22, 14));
    EXPECT_EQ(kCyan, target.Pixel(1, 1));

    CDibTarget scaled(44, 28, kCyan);
    image.Draw(*scaled.GetDC(), RECT{2, 2, 42, 26});
    EXPECT_EQ(kRed, scaled.Pixel(20, 12));
    EXPECT_EQ(kGreen, scaled.Pixel(23, 12));
    EXPECT_EQ(kBlue, scaled.Pixel(20, 15));
    EXPECT_EQ(kYellow, scaled.Pixel(41, 25));
    EXPECT_EQ(kCyan, scaled.Pixel(42, 26));
}

TEST_F(ImageShowTest, LoadsJpegOfKnownSizeAndDrawsIt)
{
    CImageShow image(Path(L"quadrants.jpg"));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    ASSERT_EQ(32, width);
    EXPECT_EQ(16, height);

    CDibTarget target(32, 16, kCyan);
    image.Draw(*target.GetDC(), RECT{0, 0, 32, 16});
    EXPECT_PRED2(Near, kRed, target.Pixel(4, 4));
    EXPECT_PRED2(Near, kGreen, target.Pixel(27, 4));
    EXPECT_PRED2(Near, kBlue, target.Pixel(4, 11));
    EXPECT_PRED2(Near, kYellow, target.Pixel(27, 11));
}

TEST_F(ImageShowTest, TransparentGifDrawsAtOwnSizeOverWindowColourClippedToRect)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(Path(L"disc.gif")));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(24, width);
    EXPECT_EQ(20, height);
    COLORREF window = ::GetSysColor(COLOR_WINDOW);

    CDibTarget target(40, 40, kCyan);
    image.Draw(*target.GetDC(), RECT{2, 2, 38, 38});
    EXPECT_EQ(kGreen, target.Pixel(2 + 12, 2 + 10)) << "disc";
    EXPECT_EQ(window, target.Pixel(2, 2)) << "transparent corner over the window colour";
    EXPECT_EQ(window, target.Pixel(2 + 23, 2 + 19));
    EXPECT_EQ(kCyan, target.Pixel(2 + 24, 2 + 10)) << "not stretched to the rectangle";
    EXPECT_EQ(kCyan, target.Pixel(2 + 12, 2 + 20));

    CDibTarget clipped(40, 40, kCyan);
    image.Draw(*clipped.GetDC(), RECT{2, 2, 12, 12});
    EXPECT_EQ(kGreen, clipped.Pixel(11, 11));
    EXPECT_EQ(kCyan, clipped.Pixel(12, 11)) << "clipped to the rectangle";
    EXPECT_EQ(kCyan, clipped.Pixel(11, 12));
}

TEST_F(ImageShowTest, AnimatedGifShowsItsFirstFrame)
{
    CImageShow image;
    ASSERT_EQ(1, image.LoadFile(Path(L"frames.gif")));
    int width = 0, height = 0;
    image.GetImagePix(width, height);
    EXPECT_EQ(12, width);
    EXPECT_EQ(12, height);
    CDibTarget target(12, 12, kCyan);
    image.Draw(*target.GetDC(), RECT{0, 0, 12, 12});
    EXPECT_EQ(kRed, target.Pixel(6, 6));
}

TEST_F(ImageShowTest, MissingOrDamagedFilesLoadNothingAndDrawNothing)
{
    const wchar_t* names[] = {L"missing.bmp", L"huge.bmp", L"garbage.jpg", L"text.gif", L"empty.bmp"};
    for (const wchar_t* name : names) {
        SCOPED_TRACE(testing::Message() << name);
        CImageShow image;
        EXPECT_EQ(0, image.LoadFile(Path(name)));
        ExpectEmpty(image);
    }
    CImageShow image;
    EXPECT_EQ(0, image.LoadFile(nullptr));
    EXPECT_EQ(0, image.LoadFile(L""));
    ExpectEmpty(image);
    CImageShow missing(Path(L"missing.bmp"));
    ExpectEmpty(missing);
}

// Whether a bitmap whose pixel rows stop half-way loads is the platform loader's choice (this
// one accepts it); either way the object is consistent and draws only inside the rectangle.
TEST_F(ImageShowTest, TruncatedBitmapLoadsConsistentlyAndDrawsInsideItsRectangle)
{
    CImageShow image;
    int loaded = image.LoadFile(Path(L"truncated.bmp"));
    int width = -1, height = -1;
    image.GetImagePix(width, height);
    if (!loaded) {
        ExpectEmpty(image);
        return;
    }
    EXPECT_EQ(20, width);
    EXPECT_EQ(12, height);
    CDibTarget target(30, 20, kCyan);
    image.Draw(*target.GetDC(), RECT{0, 0, 20, 12});
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            if (x >= 20 || y >= 12) {
                ASSERT_EQ(kCyan, target.Pixel(x, y)) << x << "," << y;
            }
        }
    }
}

TEST_F(ImageShowTest, SecondLoadReleasesTheFirstPicture)
{
    CImageShowProbe image;
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.bmp")));
    IPicture* first = image.Picture();
    first->AddRef();
    ASSERT_EQ(1, image.LoadFile(Path(L"quadrants.jpg")));
    EXPECT_EQ(0u, first->Release()) << "the object kept a reference to the first picture";

    IPicture* second = image.Picture();
    second->AddRef();
    EXPECT_EQ(0, image.LoadFile(Path(L"missing.bmp")));
    EXPECT_EQ(0u, second->Release()) << "a failed load also releases what was there";
    ExpectEmpty(image);
}

TEST_F(ImageShowTest, UnloadClearsEverything)
{
    CImageShowProbe image(Path(L"quadrants.bmp"));
    ASSERT_NE(nullptr, image.Picture());
    image.UnloadFile();
    EXPECT_EQ(nullptr, image.Picture());
    ExpectEmpty(image);
    image.UnloadFile();
}

TEST_F(ImageShowTest, CopiesHoldTheirOwnReference)
{
    CImageShowProbe original(Path(L"quadrants.bmp"));
    ASSERT_NE(nullptr, original.Picture());
    CImageShowProbe copy(original);
    CImageShowProbe assigned;
    assigned = original;
    assigned = assigned;
    EXPECT_EQ(original.Picture(), copy.Picture());
    original.UnloadFile();

    for (CImageShowProbe* image : {&copy, &assigned}) {
        int width = 0, height = 0;
        image->GetImagePix(width, height);
        EXPECT_EQ(20, width);
        CDibTarget target(20, 12, kCyan);
        image->Draw(*target.GetDC(), RECT{0, 0, 20, 12});
        EXPECT_EQ(kYellow, target.Pixel(15, 9));
    }
    copy = original;
    ExpectEmpty(copy);
}

TEST_F(ImageShowTest, RepeatedLoadsAndDrawsLeaveNoGdiObjectBehind)
{
    const int kRounds = 60;
    CImageShow image;
    auto round = [&]() {
        CDibTarget target(40, 40, kCyan);
        for (const wchar_t* name : {L"quadrants.bmp", L"quadrants.jpg", L"disc.gif", L"huge.bmp", L"garbage.jpg"}) {
            image.LoadFile(Path(name));
            image.Draw(*target.GetDC(), RECT{0, 0, 40, 40});
        }
        CImageShow copy(Path(L"frames.gif"));
        image = copy;
    };
    round();
    int before = CountAvailableGdiHandles();
    for (int i = 0; i < kRounds; ++i)
        round();
    image.UnloadFile();
    int after = CountAvailableGdiHandles();
    EXPECT_LE(before - after, kGdiCountSlack) << "objects kept by " << kRounds << " rounds";
}

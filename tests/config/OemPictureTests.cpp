// COem's pictures: icons and bitmaps from CONFIG\OEM\ with the library's resources as
// fallback, the logo image lists drawn transparently, FriendImageAdd's mask colour, and every
// handle released with its object.
#include "OemTestSupport.h"

#include <vector>

namespace {

using configtest::BitmapPixel;
using configtest::IconSize;
using configtest::MakeBmpFile;
using configtest::MakeIcoFile;
using configtest::OemFolder;
using configtest::PixelCanvas;

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlack = RGB(0, 0, 0);

// A logo of 40 by 20 pixels: blue with a magenta (transparent) left half.
std::vector<unsigned char> HalfMagentaBmp(int width, int height)
{
    return MakeBmpFile(width, height, [width](int x, int) { return x < width / 2 ? kMagenta : kBlue; });
}

SIZE ResourceBitmapSize(UINT id)
{
    CWBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadBitmap(id)) << "bitmap resource " << id << " of the library";
    return {bitmap.m_nWidth, bitmap.m_nHeight};
}

SIZE ImageSize(CImageList& list)
{
    int cx = 0;
    int cy = 0;
    list.GetIconSize(&cx, &cy);
    return {cx, cy};
}

void ExpectSize(SIZE expected, SIZE actual, const char* what)
{
    EXPECT_EQ(expected.cx, actual.cx) << what;
    EXPECT_EQ(expected.cy, actual.cy) << what;
}

// Keeps the class-wide mask colour of FriendImageAdd from leaking into other tests.
class ScopedFriendMask
{
public:
    explicit ScopedFriendMask(unsigned int colour) : m_previous(COem::m_nFriendImage)
    {
        COem::m_nFriendImage = colour;
    }
    ~ScopedFriendMask() { COem::m_nFriendImage = m_previous; }

private:
    unsigned int m_previous;
};

TEST_F(OemFolder, PicturesOfTheEditionAreLoadedFromItsFolder)
{
    WritePicture(L"main.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"chat.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"hist.ico", MakeIcoFile(20, kBlue));
    WritePicture(L"srchhead.bmp", HalfMagentaBmp(50, 10));
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    WritePicture(L"frdface.bmp", HalfMagentaBmp(32, 16));
    COem oem;
    oem.load();

    ExpectSize({32, 32}, IconSize(oem.m_hMainIcon32), "main icon 32");
    ExpectSize({48, 48}, IconSize(oem.m_hMainIcon), "main icon at its own size");
    ExpectSize({28, 28}, IconSize(oem.m_hChatIcon), "chat icon");
    ExpectSize({20, 20}, IconSize(oem.m_hHistIcon), "history icon at its own size");
    EXPECT_EQ(50, oem.m_bmpSearchHead.m_nWidth);
    EXPECT_EQ(10, oem.m_bmpSearchHead.m_nHeight);
    EXPECT_EQ(40, oem.m_bmpLogo.m_nWidth);
    EXPECT_EQ(20, oem.m_bmpLogo.m_nHeight);
    BITMAP friendFace = {};
    ASSERT_TRUE(oem.m_bmpFriendFace.GetBitmap(&friendFace));
    EXPECT_EQ(32, friendFace.bmWidth);

    // The logo's list holds one image of the logo's size; the missing logos come from the
    // library's resources and have lists of their own size.
    EXPECT_EQ(1, oem.GetImageList()->GetImageCount());
    ExpectSize({40, 20}, ImageSize(oem.m_imageList), "logo list");
    ExpectSize(ResourceBitmapSize(6323), ImageSize(oem.m_imageList2), "second logo list");
    ExpectSize(ResourceBitmapSize(6359), ImageSize(oem.m_imageList3), "third logo list");
    EXPECT_EQ(1, oem.GetImageList2()->GetImageCount());
    EXPECT_EQ(1, oem.GetImageList3()->GetImageCount());
}

TEST_F(OemFolder, LogoIsDrawnWithItsMagentaTransparent)
{
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    COem oem;
    oem.load();
    PixelCanvas canvas(60, 30, kGreen);
    oem.DrawLogo(canvas.Dc(), CPoint(10, 5));
    EXPECT_EQ(kGreen, canvas.Pixel(15, 10)) << "magenta half shows the background";
    EXPECT_EQ(kBlue, canvas.Pixel(40, 10)) << "the rest shows the logo";
    EXPECT_EQ(kGreen, canvas.Pixel(55, 10)) << "nothing is drawn beside the logo";
    EXPECT_EQ(kGreen, canvas.Pixel(5, 2));
}

TEST(OemLogo, UnloadedEditionDrawsNothing)
{
    COem oem;
    PixelCanvas canvas(20, 20, kGreen);
    oem.DrawLogo(canvas.Dc(), CPoint(0, 0));
    oem.DrawLogo2(canvas.Dc(), CPoint(0, 0));
    oem.DrawLogo3(canvas.Dc(), CPoint(0, 0));
    oem.DrawLogo(nullptr, CPoint(0, 0));
    for (int x = 0; x < 20; x += 5)
        EXPECT_EQ(kGreen, canvas.Pixel(x, x));
}

TEST_F(OemFolder, MissingOrCorruptPicturesFallBackToTheLibraryResources)
{
    const std::vector<unsigned char> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    std::vector<unsigned char> badDepth = HalfMagentaBmp(40, 20);
    badDepth[28] = 13; // bits per pixel of the picture header: no such format
    std::vector<unsigned char> truncated = HalfMagentaBmp(40, 20);
    truncated.resize(30); // the picture header is cut short
    std::vector<unsigned char> badIcon = MakeIcoFile(32, kBlue);
    badIcon.resize(30);
    WritePicture(L"main.ico", badIcon);
    WritePicture(L"chat.ico", garbage);
    WritePicture(L"logo.bmp", badDepth);
    WritePicture(L"logo2.bmp", garbage);
    WritePicture(L"frdface.bmp", garbage);
    WritePicture(L"srchhead.bmp", truncated);
    // hist.ico and logo3.bmp are missing.
    COem oem;
    oem.load();

    ExpectSize({32, 32}, IconSize(oem.m_hMainIcon32), "main icon from the library");
    EXPECT_NE(nullptr, oem.m_hMainIcon);
    EXPECT_NE(oem.m_hMainIcon32, oem.m_hMainIcon);
    ExpectSize({28, 28}, IconSize(oem.m_hChatIcon), "chat icon from the library");
    EXPECT_NE(nullptr, oem.m_hHistIcon);
    ExpectSize(ResourceBitmapSize(6004), {oem.m_bmpLogo.m_nWidth, oem.m_bmpLogo.m_nHeight}, "logo");
    ExpectSize(ResourceBitmapSize(6323), {oem.m_bmpLogo2.m_nWidth, oem.m_bmpLogo2.m_nHeight}, "second logo");
    ExpectSize(ResourceBitmapSize(6359), {oem.m_bmpLogo3.m_nWidth, oem.m_bmpLogo3.m_nHeight}, "third logo");
    ExpectSize(ResourceBitmapSize(6355), {oem.m_bmpSearchHead.m_nWidth, oem.m_bmpSearchHead.m_nHeight},
               "search header");
    BITMAP friendFace = {};
    ASSERT_TRUE(oem.m_bmpFriendFace.GetBitmap(&friendFace));
    ExpectSize(ResourceBitmapSize(6019), {friendFace.bmWidth, friendFace.bmHeight}, "friend faces");
    EXPECT_EQ(1, oem.GetImageList()->GetImageCount());
}

TEST_F(OemFolder, FriendFacesUseMagentaFirstThenBlack)
{
    WritePicture(L"frdface.bmp", HalfMagentaBmp(32, 16));
    const ScopedFriendMask mask(kMagenta);
    COem oem;
    oem.load();

    CImageList first;
    ASSERT_TRUE(first.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 1));
    oem.FriendImageAdd(&first);
    EXPECT_EQ(2, first.GetImageCount());
    EXPECT_EQ(0u, COem::m_nFriendImage);
    EXPECT_EQ(kBlack, BitmapPixel(oem.m_bmpFriendFace, 3, 3)) << "the masked add blackens the strip's magenta";
    EXPECT_EQ(kBlue, BitmapPixel(oem.m_bmpFriendFace, 20, 3));

    // The second list masks the now black pixels, so both lists draw alike.
    CImageList second;
    ASSERT_TRUE(second.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 1));
    oem.FriendImageAdd(&second);
    EXPECT_EQ(0u, COem::m_nFriendImage);
    for (CImageList* list : {&first, &second}) {
        PixelCanvas canvas(32, 16, kGreen);
        list->Draw(canvas.Dc(), 0, CPoint(0, 0), ILD_TRANSPARENT);
        list->Draw(canvas.Dc(), 1, CPoint(16, 0), ILD_TRANSPARENT);
        EXPECT_EQ(kGreen, canvas.Pixel(3, 3));
        EXPECT_EQ(kBlue, canvas.Pixel(20, 3));
    }
}

TEST(OemFriendFaces, FailedAddKeepsTheMaskColour)
{
    const ScopedFriendMask mask(kMagenta);
    COem unloaded;
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    unloaded.FriendImageAdd(&list);
    unloaded.FriendImageAdd(nullptr);
    EXPECT_EQ(0, list.GetImageCount());
    EXPECT_EQ(static_cast<unsigned int>(kMagenta), COem::m_nFriendImage);
}

// The handles a loaded COem owns, taken before it goes.
struct OwnedHandles
{
    std::vector<HGDIOBJ> gdiObjects;
    std::vector<HICON> icons;
    std::vector<HIMAGELIST> imageLists;
};

OwnedHandles HandlesOf(COem& oem)
{
    OwnedHandles handles;
    for (CGdiObject* object : std::vector<CGdiObject*>{&oem.m_fontSmall, &oem.m_fontMedium, &oem.m_fontBig,
                                                       &oem.m_bmpSearchHead, &oem.m_bmpLogo, &oem.m_bmpLogo2,
                                                       &oem.m_bmpLogo3, &oem.m_bmpFriendFace})
        handles.gdiObjects.push_back(object->GetSafeHandle());
    handles.icons = {oem.m_hMainIcon32, oem.m_hMainIcon, oem.m_hChatIcon, oem.m_hHistIcon};
    handles.imageLists = {oem.m_imageList.GetSafeHandle(), oem.m_imageList2.GetSafeHandle(),
                          oem.m_imageList3.GetSafeHandle()};
    return handles;
}

TEST_F(OemFolder, EveryHandleGoesWithItsObject)
{
    WritePicture(L"main.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    WriteOemIni(L"fontbig=\r\n");
    OwnedHandles handles;
    {
        COem oem;
        oem.load();
        handles = HandlesOf(oem);
        for (HGDIOBJ object : handles.gdiObjects)
            ASSERT_NE(0u, GetObjectType(object));
        for (HICON icon : handles.icons)
            ASSERT_NE(0, IconSize(icon).cx);
        for (HIMAGELIST list : handles.imageLists)
            ASSERT_EQ(1, ImageList_GetImageCount(list));
    }
    for (HGDIOBJ object : handles.gdiObjects)
        EXPECT_EQ(0u, GetObjectType(object));
    for (HICON icon : handles.icons)
        EXPECT_EQ(0, IconSize(icon).cx);
    int cx = 0;
    int cy = 0;
    for (HIMAGELIST list : handles.imageLists)
        EXPECT_FALSE(ImageList_GetIconSize(list, &cx, &cy));
}

TEST_F(OemFolder, RepeatedLoadsLeaveNoObjectsBehind)
{
    WritePicture(L"main.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"chat.ico", MakeIcoFile(8, kBlue));
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    WritePicture(L"logo2.bmp", {'b', 'a', 'd'});
    WriteOemIni(L"fontsmall=Tahoma\r\nfontbig=\r\n");
    const auto loadOnce = [] {
        COem oem;
        oem.load();
    };
    loadOnce(); // first-use allocations of the system stay out of the count
    const int freeBefore = configtest::CountFreeGdiHandles();
    for (int i = 0; i < 50; ++i)
        loadOnce();
    // Icons hold bitmaps of their own, so icons kept would show here too.
    const int kSlack = 8; // caches the platform may fill between the counts
    EXPECT_LE(freeBefore - configtest::CountFreeGdiHandles(), kSlack);
}

} // namespace

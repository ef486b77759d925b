// COem's pictures: icons and bitmaps from CONFIG\OEM\ with the library's resources as fallback,
// the logos drawn transparently, FriendImageAdd's mask colour, and no handle kept after a load.
#include "ConfigTestSupport.h"

namespace {

using configtest::IconSize;
using configtest::OemFolder;

// A picture of width by height pixels: blue with a magenta (transparent) left half.
std::string HalfMagentaBmp(int width, int height)
{
    return MakeBmpFile(width, height, [width](int x, int) { return x < width / 2 ? kMagenta : kBlue; });
}

CSize ResourceBitmapSize(UINT id)
{
    CWBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadBitmap(id)) << "bitmap resource " << id << " of the library";
    return {bitmap.m_nWidth, bitmap.m_nHeight};
}

CSize ImageSize(CImageList& list)
{
    int cx = 0;
    int cy = 0;
    list.GetIconSize(&cx, &cy);
    return {cx, cy};
}

CSize SizeOf(CWBitmap& bitmap)
{
    return {bitmap.m_nWidth, bitmap.m_nHeight};
}

TEST_F(OemFolder, PicturesOfTheEditionAreLoadedFromItsFolderAndTheLogoDrawnTransparently)
{
    WritePicture(L"main.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"chat.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"hist.ico", MakeIcoFile(20, kBlue));
    WritePicture(L"srchhead.bmp", HalfMagentaBmp(50, 10));
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    WritePicture(L"frdface.bmp", HalfMagentaBmp(32, 16));
    COem oem;
    oem.load();
    EXPECT_EQ(CSize(32, 32), IconSize(oem.m_hMainIcon32)) << "main icon 32";
    EXPECT_EQ(CSize(48, 48), IconSize(oem.m_hMainIcon)) << "main icon at its own size";
    EXPECT_EQ(CSize(28, 28), IconSize(oem.m_hChatIcon)) << "chat icon";
    EXPECT_EQ(CSize(20, 20), IconSize(oem.m_hHistIcon)) << "history icon at its own size";
    EXPECT_EQ(CSize(50, 10), SizeOf(oem.m_bmpSearchHead)) << "search header";
    EXPECT_EQ(CSize(40, 20), SizeOf(oem.m_bmpLogo)) << "logo";
    // Each logo list holds one image of its logo's size; missing logos come from the library.
    for (CImageList* list : {oem.GetImageList(), oem.GetImageList2(), oem.GetImageList3()})
        EXPECT_EQ(1, list->GetImageCount());
    EXPECT_EQ(CSize(40, 20), ImageSize(oem.m_imageList)) << "logo list";
    EXPECT_EQ(ResourceBitmapSize(6323), ImageSize(oem.m_imageList2)) << "second logo list";
    EXPECT_EQ(ResourceBitmapSize(6359), ImageSize(oem.m_imageList3)) << "third logo list";

    CDibTarget canvas(60, 30, kGreen);
    oem.DrawLogo(canvas.GetDC(), CPoint(10, 5));
    EXPECT_EQ(kGreen, canvas.Pixel(15, 10)) << "magenta half shows the background";
    EXPECT_EQ(kBlue, canvas.Pixel(40, 10)) << "the rest shows the logo";
    EXPECT_EQ(kGreen, canvas.Pixel(55, 10)) << "nothing is drawn beside the logo";
    EXPECT_EQ(kGreen, canvas.Pixel(5, 2));
}

TEST_F(OemFolder, MissingOrCorruptPicturesFallBackToTheLibraryResources)
{
    const std::string garbage = "not a picture";
    std::string badDepth = HalfMagentaBmp(40, 20);
    badDepth[28] = 13; // bits per pixel of the picture header: no such format
    WritePicture(L"main.ico", MakeIcoFile(32, kBlue).substr(0, 30));
    WritePicture(L"chat.ico", garbage);
    WritePicture(L"logo.bmp", badDepth);
    WritePicture(L"logo2.bmp", garbage);
    WritePicture(L"frdface.bmp", garbage);
    WritePicture(L"srchhead.bmp", HalfMagentaBmp(40, 20).substr(0, 30)); // header cut short
    // hist.ico and logo3.bmp are missing.
    COem oem;
    oem.load();
    EXPECT_EQ(CSize(32, 32), IconSize(oem.m_hMainIcon32)) << "main icon from the library";
    EXPECT_NE(nullptr, oem.m_hMainIcon);
    EXPECT_NE(oem.m_hMainIcon32, oem.m_hMainIcon);
    EXPECT_EQ(CSize(28, 28), IconSize(oem.m_hChatIcon)) << "chat icon from the library";
    EXPECT_NE(nullptr, oem.m_hHistIcon);
    EXPECT_EQ(ResourceBitmapSize(6004), SizeOf(oem.m_bmpLogo)) << "logo";
    EXPECT_EQ(ResourceBitmapSize(6323), SizeOf(oem.m_bmpLogo2)) << "second logo";
    EXPECT_EQ(ResourceBitmapSize(6359), SizeOf(oem.m_bmpLogo3)) << "third logo";
    EXPECT_EQ(ResourceBitmapSize(6355), SizeOf(oem.m_bmpSearchHead)) << "search header";
    BITMAP friendFace = {};
    ASSERT_TRUE(oem.m_bmpFriendFace.GetBitmap(&friendFace));
    EXPECT_EQ(ResourceBitmapSize(6019), CSize(friendFace.bmWidth, friendFace.bmHeight)) << "friend faces";
    EXPECT_EQ(1, oem.GetImageList()->GetImageCount());
}

TEST_F(OemFolder, FriendFacesUseMagentaFirstThenBlackAndIconsOutliveTheirObject)
{
    WritePicture(L"frdface.bmp", HalfMagentaBmp(32, 16));
    const unsigned int previous = COem::m_nFriendImage;
    COem::m_nFriendImage = kMagenta;
    CImageList lists[3];
    for (CImageList& list : lists)
        ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 1));
    COem unloaded;
    unloaded.FriendImageAdd(&lists[2]);
    unloaded.FriendImageAdd(nullptr);
    EXPECT_EQ(0, lists[2].GetImageCount());
    EXPECT_EQ(static_cast<unsigned int>(kMagenta), COem::m_nFriendImage);

    COem oem;
    oem.load();
    oem.FriendImageAdd(&lists[0]);
    EXPECT_EQ(2, lists[0].GetImageCount());
    EXPECT_EQ(0u, COem::m_nFriendImage);
    EXPECT_EQ(kBlack, BitmapPixel(oem.m_bmpFriendFace, 3, 3)) << "the masked add blackens the strip's magenta";
    EXPECT_EQ(kBlue, BitmapPixel(oem.m_bmpFriendFace, 20, 3));
    // The second list masks the now black pixels, so both lists draw alike.
    oem.FriendImageAdd(&lists[1]);
    EXPECT_EQ(0u, COem::m_nFriendImage);
    for (int i = 0; i < 2; ++i) {
        CDibTarget canvas(32, 16, kGreen);
        lists[i].Draw(canvas.GetDC(), 0, CPoint(0, 0), ILD_TRANSPARENT);
        lists[i].Draw(canvas.GetDC(), 1, CPoint(16, 0), ILD_TRANSPARENT);
        EXPECT_EQ(kGreen, canvas.Pixel(3, 3)) << "list " << i;
        EXPECT_EQ(kBlue, canvas.Pixel(20, 3)) << "list " << i;
    }
    COem::m_nFriendImage = previous;

    // The icons outlive their object for the host's windows.
    HICON icon = nullptr;
    {
        COem owner;
        owner.load();
        icon = owner.m_hChatIcon;
    }
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << "a window icon of the host went with the COem";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(OemFolder, RepeatedLoadsLeaveNoObjectsBehind)
{
    WritePicture(L"main.ico", MakeIcoFile(48, kBlue));
    WritePicture(L"chat.ico", MakeIcoFile(8, kBlue));
    WritePicture(L"logo.bmp", HalfMagentaBmp(40, 20));
    WritePicture(L"logo2.bmp", "bad");
    WriteOemIni(L"fontsmall=Tahoma\r\nfontbig=\r\n");
    // Fonts, bitmaps and image lists all count here. The icons outlive their COem on purpose
    // (hosts keep them as window icons); the round destroys them as a host done with them would.
    EXPECT_LE(
        GdiObjectsKeptBy(50,
                         [] {
                             COem oem;
                             oem.load();
                             for (HICON icon : {oem.m_hMainIcon32, oem.m_hMainIcon, oem.m_hChatIcon, oem.m_hHistIcon})
                                 DestroyIcon(icon);
                         }),
        kGdiCountSlack);
}

} // namespace

// The library's branding resources: every icon has the sizes its users ask for, the bitmaps
// have their documented sizes with magenta where they are transparent, and the texts are the
// Corvala edition's defaults.
#include <afxgdi.h>

#include <gtest/gtest.h>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);

// The library, loaded once for the whole run (the program need not import from it).
HMODULE Library()
{
    static HMODULE library = ::LoadLibraryW(L"vo_share.dll");
    return library;
}

// Whether icon resource id has an entry of exactly size by size pixels.
bool HasIconEntry(UINT id, int size)
{
    HMODULE module = Library();
    HRSRC group = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_GROUP_ICON);
    HGLOBAL data = group ? ::LoadResource(module, group) : nullptr;
    auto* directory = data ? static_cast<PBYTE>(::LockResource(data)) : nullptr;
    if (!directory)
        return false;
    int entry = ::LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
    HRSRC icon = entry ? ::FindResourceW(module, MAKEINTRESOURCEW(entry), RT_ICON) : nullptr;
    HGLOBAL bits = icon ? ::LoadResource(module, icon) : nullptr;
    auto* header = bits ? static_cast<const BITMAPINFOHEADER*>(::LockResource(bits)) : nullptr;
    return header && header->biWidth == size && header->biHeight == 2 * size;
}

struct LoadedBitmap
{
    explicit LoadedBitmap(UINT id) { bitmap.Attach(::LoadBitmapW(Library(), MAKEINTRESOURCEW(id))); }
    CSize Size() const
    {
        BITMAP info = {};
        return bitmap.GetBitmap(&info) ? CSize(info.bmWidth, info.bmHeight) : CSize(0, 0);
    }
    COLORREF Pixel(int x, int y) const
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CDCSelect select(&dc, const_cast<CBitmap*>(&bitmap));
        return dc.GetPixel(x, y);
    }
    CBitmap bitmap;
};

CString LibraryString(UINT id)
{
    wchar_t text[256] = {};
    ::LoadStringW(Library(), id, text, 256);
    return text;
}

} // namespace

TEST(BrandingResources, IconsHaveTheSizesTheirUsersLoad)
{
    ASSERT_NE(nullptr, Library());
    EXPECT_TRUE(HasIconEntry(6128, 32)) << "main icon";
    EXPECT_TRUE(HasIconEntry(6128, 16));
    EXPECT_TRUE(HasIconEntry(6129, 28)) << "chat icon";
    EXPECT_TRUE(HasIconEntry(6129, 32));
    EXPECT_TRUE(HasIconEntry(6129, 16));
    EXPECT_TRUE(HasIconEntry(6253, 32)) << "history icon";
    EXPECT_TRUE(HasIconEntry(6253, 16));
    HICON chat = static_cast<HICON>(::LoadImageW(Library(), MAKEINTRESOURCEW(6129), IMAGE_ICON, 28, 28, 0));
    EXPECT_NE(nullptr, chat);
    ::DestroyIcon(chat);
}

TEST(BrandingResources, BitmapsHaveTheirSizesAndMagentaWhereTransparent)
{
    struct Expected
    {
        UINT id;
        CSize size;
        bool masked;
    };
    const Expected bitmaps[] = {
        {6019, CSize(128, 16), true},  // friends' head images, 16 by 16 each
        {6355, CSize(320, 48), false}, // search window header
        {6004, CSize(112, 32), true},  // logo
        {6323, CSize(48, 48), true},   // second logo
        {6359, CSize(96, 24), true},   // third logo
    };
    for (const Expected& expected : bitmaps) {
        SCOPED_TRACE(testing::Message() << "bitmap " << expected.id);
        LoadedBitmap bitmap(expected.id);
        ASSERT_NE(nullptr, bitmap.bitmap.m_hObject);
        EXPECT_EQ(expected.size, bitmap.Size());
        EXPECT_EQ(expected.masked, bitmap.Pixel(0, 0) == kMagenta);
    }
    LoadedBitmap faces(6019);
    EXPECT_NE(kMagenta, faces.Pixel(8, 7)) << "a face in the middle of the first cell";
}

TEST(BrandingResources, TextsOfTheCorvalaEdition)
{
    EXPECT_STREQ(L"Corvala", LibraryString(6128));
    EXPECT_STREQ(L"Corvala: voice and video calls, instant messages and file sharing over the Internet",
                 LibraryString(6015));
    EXPECT_STREQ(L"www.corvala.net", LibraryString(6016));
    EXPECT_STREQ(L"Ostrel", LibraryString(6017));
    EXPECT_STREQ(L"Copyright \u00A9 Ostrel. All rights reserved.", LibraryString(6018));
    EXPECT_STREQ(L"Corvala Credits", LibraryString(171));
}

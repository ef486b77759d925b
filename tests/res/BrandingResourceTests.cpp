// The library's branding resources: every icon has the sizes its users ask for, and the bitmaps
// have the sizes their users cut them by, with magenta where they are transparent.
#include "../common/GdiTestSupport.h"

namespace {

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

} // namespace

TEST(BrandingResources, IconsHaveTheSizesTheirUsersLoad)
{
    ASSERT_NE(nullptr, Library());
    // Main icon, chat icon (also 28 pixels), history icon.
    const struct {
        UINT id;
        int size;
    } entries[] = {{6128, 32}, {6128, 16}, {6129, 28}, {6129, 32}, {6129, 16}, {6253, 32}, {6253, 16}};
    for (const auto& entry : entries)
        EXPECT_TRUE(HasIconEntry(entry.id, entry.size)) << "icon " << entry.id << ", " << entry.size << " pixels";
}

TEST(BrandingResources, BitmapsHaveTheirSizesAndMagentaWhereTransparent)
{
    const struct {
        UINT id;
        CSize size;
        bool masked;
    } bitmaps[] = {
        {6019, CSize(128, 16), true},  // friends' head images, 16 by 16 each
        {6355, CSize(320, 48), false}, // search window header
        {6004, CSize(112, 32), true},  // logo
        {6323, CSize(48, 48), true},   // second logo
        {6359, CSize(96, 24), true},   // third logo
    };
    for (const auto& expected : bitmaps) {
        SCOPED_TRACE(testing::Message() << "bitmap " << expected.id);
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.Attach(::LoadBitmapW(Library(), MAKEINTRESOURCEW(expected.id))));
        BITMAP info = {};
        ASSERT_TRUE(bitmap.GetBitmap(&info));
        EXPECT_EQ(expected.size, CSize(info.bmWidth, info.bmHeight));
        EXPECT_EQ(expected.masked, BitmapPixel(bitmap, 0, 0) == kMagenta);
    }
    CBitmap faces;
    ASSERT_TRUE(faces.Attach(::LoadBitmapW(Library(), MAKEINTRESOURCEW(6019))));
    EXPECT_NE(kMagenta, BitmapPixel(faces, 8, 7)) << "a face in the middle of the first cell";
}

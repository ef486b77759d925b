// Owner-drawn menus: building from resources (damaged templates refused) and by calls, lookup and
// removal, accelerator alignment, keyboard mnemonics, toolbar and global images, the OEM edition,
// item measures, colours, the draw mode on a later NT and the theme lookup.
#include "ControlsTestSupport.h"

#include "controls/MenuTextPadding.h"

#include <afxlite/AfxScoped.h>

using ctltest::ItemData;
using ctltest::MenuSettingsScope;
using ctltest::MenuTextWidth;

namespace {

// The loaded test menu's popup "&Colours": Red, Green (checked), separator, Blue (grayed), the
// popup More (Yellow), Plain.
const int kRedPos = 0;
const int kGreenPos = 1;
const int kSeparatorPos = 2;
const int kBluePos = 3;
const int kMorePos = 4;
const int kPlainPos = 5;

BCMenu* Popup(BCMenu& menu, int nPos)
{
    CMenu* pSub = menu.GetSubMenu(nPos);
    return pSub && pSub->IsKindOf(RUNTIME_CLASS(BCMenu)) ? static_cast<BCMenu*>(pSub) : nullptr;
}

CString LeftOfTab(const CString& strText)
{
    const int nTab = strText.Find(L'\t');
    return nTab < 0 ? strText : strText.Left(nTab);
}

TEST(MenuLoadTest, EveryItemIsOwnerDrawnWithItsTextFlagsAndPopups)
{
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    ASSERT_EQ(1, menu.GetMenuItemCount());
    BCMenu* pColours = Popup(menu, 0);
    ASSERT_NE(nullptr, pColours);
    EXPECT_TRUE(BCMenu::IsMenu(pColours));
    ASSERT_EQ(6, pColours->GetMenuItemCount());
    for (int i = 0; i < 6; ++i)
        EXPECT_NE(nullptr, ItemData(pColours->m_hMenu, i)) << "item " << i;
    EXPECT_EQ(CString(L"&Green"), ItemData(pColours->m_hMenu, kGreenPos)->GetString());
    EXPECT_TRUE(pColours->GetMenuState(kGreenPos, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_TRUE(pColours->GetMenuState(kBluePos, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(static_cast<UINT>(MF_SEPARATOR | MF_OWNERDRAW), ItemData(pColours->m_hMenu, kSeparatorPos)->nFlags);

    // Lookup by command reaches into nested popups, by text too.
    int nLoc = -1;
    BCMenu* pMore = menu.FindMenuOption(ID_CTLTEST_YELLOW, nLoc);
    ASSERT_NE(nullptr, pMore);
    EXPECT_EQ(0, nLoc);
    EXPECT_EQ(pMore, menu.GetSubBCMenu(L"&More"));
    EXPECT_EQ(pMore, Popup(*pColours, kMorePos));
    EXPECT_EQ(kPlainPos, pColours->GetMenuPosition(L"&Plain"));
    CString strText;
    EXPECT_TRUE(menu.GetMenuText(ID_CTLTEST_YELLOW, strText, MF_BYCOMMAND));
    EXPECT_EQ(CString(L"&Yellow"), strText);
    EXPECT_EQ(nullptr, menu.FindMenuItem(0x7DFF));

    // The parts before the tabs are padded to one width: the widest part plus a space.
    const CString strRed = ItemData(pColours->m_hMenu, kRedPos)->GetString();
    const CString strBlue = ItemData(pColours->m_hMenu, kBluePos)->GetString();
    EXPECT_EQ(0, strRed.Find(L"&Red  "));
    EXPECT_EQ(CString(L"\tCtrl+R"), strRed.Mid(strRed.Find(L'\t')));
    EXPECT_EQ(0, strBlue.Find(L"&Blue and more "));
    const int nWidest = MenuTextWidth(L"&Blue and more ");
    EXPECT_GE(MenuTextWidth(LeftOfTab(strRed)), nWidest);
    EXPECT_LT(MenuTextWidth(LeftOfTab(strRed).Left(LeftOfTab(strRed).GetLength() - 1)), nWidest);

    const HMENU hMore = pMore->m_hMenu;
    menu.DestroyMenu();
    EXPECT_EQ(nullptr, menu.m_hMenu);
    EXPECT_FALSE(BCMenu::IsMenu(hMore));
}

// Padding stops when measuring fails or stops growing, instead of adding spaces for ever.
TEST(MenuLoadTest, AcceleratorPaddingEndsWhateverTheMeasureAnswers)
{
    const std::vector<CString> texts = {L"&Open\tCtrl+O", L"&Save as...\tF12", L"E&xit"};
    struct Case {
        const char* name;
        int (*measure)(const CString&);
        const wchar_t* expectedOpen;
    };
    const Case cases[] = {
        {"seven pixels a character", [](const CString& s) { return 7 * s.GetLength(); }, L"&Open       \tCtrl+O"},
        {"measuring fails", [](const CString&) { return 0; }, L"&Open\tCtrl+O"},
        {"stops growing", [](const CString& s) { return std::min(7 * s.GetLength(), 40); }, L"&Open \tCtrl+O"},
        {"grows far too little", [](const CString& s) { return s == L"&Save as... " ? 100000 : s.GetLength(); },
         nullptr},
    };
    for (const Case& c : cases) {
        std::vector<CString> padded = texts;
        PadAcceleratorTexts(padded, c.measure);
        if (c.expectedOpen != nullptr) {
            EXPECT_EQ(CString(c.expectedOpen), padded[0]) << c.name;
        }
        EXPECT_LE(padded[0].GetLength(), texts[0].GetLength() + kMaxAcceleratorPadding) << c.name;
        EXPECT_EQ(0, padded[0].Find(L"&Open")) << c.name;
        EXPECT_EQ(CString(L"E&xit"), padded[2]) << c.name;
    }
}

TEST(MenuLoadTest, DamagedTemplatesFailAndLeaveNoMenu)
{
    const UINT damaged[] = {IDM_CTLTEST_TRUNCATED, IDM_CTLTEST_UNENDED,  IDM_CTLTEST_DEEP,
                            IDM_CTLTEST_HEADER,    IDM_CTLTEST_EXTENDED, 0x7DEE};
    for (UINT nID : damaged) {
        BCMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
        EXPECT_FALSE(menu.LoadMenu(static_cast<int>(nID))) << "menu " << nID;
        EXPECT_EQ(nullptr, menu.m_hMenu) << "menu " << nID;
    }
}

TEST(MenuBuildTest, ItemsAreAppendedInsertedChangedAndRemoved)
{
    BCMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendODMenuW(L"&One", MF_OWNERDRAW, 101));
    ASSERT_TRUE(menu.AppendODMenuW(L"ignored", MF_CHECKED | MF_BYPOSITION, 0)); // a separator
    ASSERT_TRUE(menu.AppendMenuA(MF_STRING, 102, "&Two"));
    BCMenu* pSub = menu.AppendODPopupMenuA("&Sub");
    ASSERT_NE(nullptr, pSub);
    ASSERT_TRUE(pSub->AppendODMenuW(L"&Deep", MF_OWNERDRAW, 103));
    EXPECT_EQ(static_cast<UINT>(MF_BYPOSITION | MF_SEPARATOR | MF_OWNERDRAW), ItemData(menu.m_hMenu, 1)->nFlags);
    EXPECT_EQ(CString(L"&Two"), ItemData(menu.m_hMenu, 2)->GetString());

    // Inserting before a command lands in the popup that holds it.
    ASSERT_TRUE(menu.InsertODMenuA(103, "&Before deep", MF_OWNERDRAW, 104));
    EXPECT_EQ(2, pSub->GetMenuItemCount());
    EXPECT_EQ(CString(L"&Before deep"), ItemData(pSub->m_hMenu, 0)->GetString());
    EXPECT_FALSE(menu.InsertODMenuW(0x7FFF, L"nowhere", MF_OWNERDRAW, 105));
    ASSERT_TRUE(menu.InsertODMenuW(99, L"&Last", MF_BYPOSITION | MF_OWNERDRAW, 106));
    EXPECT_EQ(5, menu.GetMenuItemCount());

    EXPECT_TRUE(menu.ModifyODMenuA("&Renamed", 103));
    EXPECT_EQ(CString(L"&Renamed"), menu.FindMenuItem(103)->GetString());
    EXPECT_TRUE(menu.SetMenuText(0, L"&First"));
    EXPECT_FALSE(menu.SetMenuText(40, L"none"));

    // Removing "&Two" with the separator before it.
    EXPECT_TRUE(menu.RemoveMenu(L"&Two", BCMENU_HEAD));
    ASSERT_EQ(3, menu.GetMenuItemCount());
    EXPECT_EQ(CString(L"&Sub"), ItemData(menu.m_hMenu, 1)->GetString());
    const HMENU hSub = pSub->m_hMenu;
    EXPECT_TRUE(BCMenu::IsMenu(hSub));
    EXPECT_TRUE(menu.DeleteMenu(1, MF_BYPOSITION));
    EXPECT_FALSE(BCMenu::IsMenu(hSub));
    EXPECT_FALSE(::IsMenu(hSub));
    EXPECT_TRUE(menu.RemoveMenu(106, MF_BYCOMMAND));
    EXPECT_EQ(1, menu.GetMenuItemCount());
}

TEST(MenuShortcutTest, TheMnemonicOfAnOwnerDrawnItemFindsItsPosition)
{
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    BCMenu* pColours = Popup(menu, 0);
    ASSERT_NE(nullptr, pColours);
    EXPECT_EQ(MAKELRESULT(kBluePos, MNC_EXECUTE), BCMenu::FindKeyboardShortcut(L'b', MF_POPUP, pColours));
    EXPECT_EQ(MAKELRESULT(kGreenPos, MNC_EXECUTE), BCMenu::FindKeyboardShortcut(L'G', MF_POPUP, pColours));
    EXPECT_EQ(0, BCMenu::FindKeyboardShortcut(L'z', MF_POPUP, pColours));
    EXPECT_EQ(0, BCMenu::FindKeyboardShortcut(L'b', 0, pColours));
    EXPECT_EQ(0, BCMenu::FindKeyboardShortcut(L'b', MF_POPUP, nullptr));
    CMenu plain;
    ASSERT_TRUE(plain.CreatePopupMenu());
    ASSERT_TRUE(plain.AppendMenu(MF_STRING, 1, L"&Zero"));
    EXPECT_EQ(0, BCMenu::FindKeyboardShortcut(L'z', MF_POPUP, &plain));

    // An item added behind the class's back is taken in (and made owner-drawn) on the next search.
    ASSERT_TRUE(::AppendMenuW(pColours->m_hMenu, MF_STRING, 0x7D0F, L"&Zebra"));
    EXPECT_EQ(MAKELRESULT(6, MNC_EXECUTE), BCMenu::FindKeyboardShortcut(L'z', MF_POPUP, pColours));
    ASSERT_NE(nullptr, ItemData(pColours->m_hMenu, 6));
    EXPECT_EQ(CString(L"&Zebra"), ItemData(pColours->m_hMenu, 6)->GetString());
}

TEST(MenuImageTest, ToolbarImagesGoToTheItemsWithTheirCommands)
{
    MenuSettingsScope settings;
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    BCMenu::SetXPBitmap3D(TRUE);
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    ASSERT_TRUE(menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    EXPECT_EQ(-1, BCMenu::GlobalImageListOffset(ID_CTLTEST_PLAIN));
    const int nBlue = BCMenu::GlobalImageListOffset(ID_CTLTEST_BLUE);
    ASSERT_GE(nBlue, 0);
    EXPECT_TRUE(BCMenu::CanDraw3DImageList(nBlue));
    EXPECT_EQ(nBlue, menu.FindMenuItem(ID_CTLTEST_BLUE)->global_offset);
    EXPECT_GE(menu.FindMenuItem(ID_CTLTEST_YELLOW)->global_offset, 0) << "nested popups get images too";

    // Loading again replaces the command's images in place.
    const int nCount = BCMenu::m_AllImages.GetImageCount();
    ASSERT_TRUE(menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    EXPECT_EQ(nCount, BCMenu::m_AllImages.GetImageCount());
    EXPECT_EQ(nBlue, BCMenu::GlobalImageListOffset(ID_CTLTEST_BLUE));
    EXPECT_FALSE(menu.LoadToolbar(0x7DEE));

    // In the classic style a command gets one image only.
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_ORIGINAL);
    ASSERT_TRUE(menu.ModifyODMenuW(nullptr, ID_CTLTEST_PLAIN, kRed, kBlack));
    const int nPlain = BCMenu::GlobalImageListOffset(ID_CTLTEST_PLAIN);
    ASSERT_GE(nPlain, 0);
    EXPECT_FALSE(BCMenu::CanDraw3DImageList(nPlain));
    EXPECT_EQ(nCount + 1, BCMenu::m_AllImages.GetImageCount());
}

TEST(MenuImageTest, AnOemEditionLoadsNoImagesAndNoCheckMarks)
{
    const CString strEdition = OEM.m_strAppName;
    CVoMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    const int nCount = BCMenu::m_AllImages.GetImageCount();
    OEM.m_strAppName = L"Partner";
    EXPECT_TRUE(menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    EXPECT_FALSE(menu.LoadCheckmarkBitmap(IDR_CTLTEST_TOOLBAR, IDR_CTLTEST_TOOLBAR));
    EXPECT_EQ(nCount, BCMenu::m_AllImages.GetImageCount());
    for (UINT nID : {ID_CTLTEST_RED, ID_CTLTEST_BLUE, ID_CTLTEST_YELLOW})
        EXPECT_EQ(-1, menu.FindMenuItem(nID)->global_offset) << "command " << nID;

    OEM.m_strAppName = L"Corvala";
    EXPECT_TRUE(menu.LoadCheckmarkBitmap(0, IDR_CTLTEST_TOOLBAR));
    EXPECT_TRUE(menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    EXPECT_GE(menu.FindMenuItem(ID_CTLTEST_RED)->global_offset, 0);
    OEM.m_strAppName = strEdition;
}

TEST(MenuMeasureTest, ItemsMeasureTheirTextThePictureColumnAndTheMargin)
{
    MenuSettingsScope settings;
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    BCMenu* pColours = Popup(menu, 0);
    ASSERT_NE(nullptr, pColours);
    const int nMenuHeight = ::GetSystemMetrics(SM_CYMENU);
    auto measure = [pColours](int nPos) {
        MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(ItemData(pColours->m_hMenu, nPos))};
        pColours->MeasureItem(&mis);
        return mis;
    };
    const int nTextWidth = MenuTextWidth(ItemData(pColours->m_hMenu, kRedPos)->GetString());
    ASSERT_GT(nTextWidth, 0);
    struct Case {
        UINT nMode;
        BOOL b3D;
        int nMargin;
        int nWidth;
    };
    const Case cases[] = {{BCMENU_DRAWMODE_XP, TRUE, 7, 16 + nTextWidth + 7 + 8},
                          {BCMENU_DRAWMODE_XP, FALSE, 4, 16 + nTextWidth + 4 + 8},
                          {BCMENU_DRAWMODE_ORIGINAL, TRUE, 4, nTextWidth + 2 * 16 + 1}};
    for (const Case& c : cases) {
        BCMenu::SetMenuDrawMode(c.nMode);
        BCMenu::SetXPBitmap3D(c.b3D);
        const MEASUREITEMSTRUCT separator = measure(kSeparatorPos);
        EXPECT_EQ(0u, separator.itemWidth);
        EXPECT_EQ(static_cast<UINT>(std::max((15 + c.nMargin) / 2, nMenuHeight / 2)), separator.itemHeight);
        EXPECT_GE(separator.itemHeight, 9u);
        const MEASUREITEMSTRUCT red = measure(kRedPos);
        EXPECT_EQ(static_cast<UINT>(c.nWidth), red.itemWidth) << "mode " << c.nMode << " 3D " << c.b3D;
        EXPECT_EQ(static_cast<UINT>(std::max(nMenuHeight, 15 + c.nMargin)), red.itemHeight);
    }
    // Data that is not one of the menu's items is left alone.
    BCMenuData foreign;
    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 0, 77, 77, reinterpret_cast<ULONG_PTR>(&foreign)};
    pColours->MeasureItem(&mis);
    EXPECT_EQ(77u, mis.itemWidth);
}

TEST(MenuSettingsTest, ColoursKeepTheirRangeAndALaterNtDrawsClassicMenusUnlessTheHostAsks)
{
    EXPECT_EQ(RGB(177, 127, 227), BCMenu::LightenColor(RGB(100, 0, 200), 0.5));
    EXPECT_EQ(RGB(150, 75, 0), BCMenu::DarkenColor(RGB(200, 100, 0), 0.25));
    for (double factor : {-0.1, 1.5}) {
        EXPECT_EQ(RGB(1, 2, 3), BCMenu::LightenColor(RGB(1, 2, 3), factor));
        EXPECT_EQ(RGB(1, 2, 3), BCMenu::DarkenColor(RGB(1, 2, 3), factor));
    }

    // Wine reports a later NT: the classic style unless the host sets original_drawmode.
    MenuSettingsScope settings;
    EXPECT_EQ(1, BCMenu::m_nSystemClass);
    EXPECT_FALSE(BCMenu::IsNewShell());
    EXPECT_FALSE(BCMenu::IsWinXPLuna());
    BCMenu::xp_drawmode = BCMENU_DRAWMODE_XP;
    BCMenu::original_drawmode = BCMENU_DRAWMODE_ORIGINAL;
    EXPECT_EQ(static_cast<UINT>(BCMENU_DRAWMODE_ORIGINAL), BCMenu::GetMenuDrawMode());
    EXPECT_TRUE(BCMenu::GetSelectDisableMode());
    BCMenu::original_drawmode = BCMENU_DRAWMODE_XP;
    EXPECT_TRUE(BCMenu::IsLunaMenuStyle());
    EXPECT_FALSE(BCMenu::GetSelectDisableMode());
}

TEST(MenuSettingsTest, TheClassicThemeIsReadFromTheCurrentThemeFile)
{
    const wchar_t kKey[] = L"Software\\Microsoft\\Plus!\\Themes\\Current";
    auto setTheme = [&kKey](const CString& strValue) {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr));
        const CRegKeyHandle key(hKey);
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(hKey, nullptr, 0, REG_SZ,
                                                  reinterpret_cast<const BYTE*>(static_cast<LPCWSTR>(strValue)),
                                                  (strValue.GetLength() + 1) * sizeof(wchar_t)));
    };
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
    EXPECT_FALSE(BCMenu::ReadWindowsClassicTheme());
    setTheme(L"C:\\WINDOWS\\Resources\\Themes\\WINDOWS CLASSIC.THEME");
    EXPECT_TRUE(BCMenu::ReadWindowsClassicTheme());
    setTheme(L"C:\\WINDOWS\\Resources\\Themes\\Luna.theme");
    EXPECT_FALSE(BCMenu::ReadWindowsClassicTheme());
    setTheme(CString(L'x', 5000) + L"\\Windows Classic.theme"); // longer than any path the system writes
    EXPECT_FALSE(BCMenu::ReadWindowsClassicTheme());
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
}

} // namespace

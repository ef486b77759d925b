// Pixels of owner-drawn menu items in the XP and the classic style, real popups answered through
// their mnemonics by a timer script, and the GDI objects of many open and close cycles.
#include "ControlsTestSupport.h"

using ctltest::ItemData;
using ctltest::MenuSettingsScope;

namespace {

const int kItemWidth = 120;
const int kItemHeight = 22;
const int kColumnWidth = 16 + 2 * 3; // icon width and the gaps beside the image

// Draws one item of the loaded test menu's popup into a fresh canvas.
class MenuDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_menu.LoadMenu(IDM_CTLTEST_MENU));
        m_pPopup = static_cast<BCMenu*>(m_menu.GetSubMenu(0));
        ASSERT_NE(nullptr, m_pPopup);
    }

    void Draw(int nPos, UINT nState)
    {
        m_canvas.GetDC()->FillSolidRect(0, 0, kItemWidth, kItemHeight, kMagenta);
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = m_pPopup->GetMenuItemID(nPos);
        dis.itemState = nState;
        dis.hwndItem = reinterpret_cast<HWND>(m_pPopup->m_hMenu);
        dis.hDC = m_canvas.GetDC()->m_hDC;
        dis.rcItem = CRect(0, 0, kItemWidth, kItemHeight);
        dis.itemData = reinterpret_cast<ULONG_PTR>(ItemData(m_pPopup->m_hMenu, nPos));
        m_pPopup->DrawItem(&dis);
    }

    int CountPixels(const CRect& rc, COLORREF colour) const { return ctltest::CountColour(m_canvas, rc, colour); }

    MenuSettingsScope m_settings;
    BCMenu m_menu;
    BCMenu* m_pPopup = nullptr;
    CDibTarget m_canvas{kItemWidth, kItemHeight, kMagenta};
};

const int kRedPos = 0;
const int kGreenPos = 1;
const int kSeparatorPos = 2;
const int kBluePos = 3;
const int kPlainPos = 5;

TEST_F(MenuDrawTest, XPStyleDrawsALightColumnATintedSelectionAndCheckBoxes)
{
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF crFace = BCMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25);
    const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);

    Draw(kPlainPos, 0);
    ExpectPixels(m_canvas, {{2, 2, crFace}, {kColumnWidth - 1, 20, crFace}, {kItemWidth - 2, 2, crBack}});

    Draw(kPlainPos, ODS_SELECTED);
    ExpectPixels(m_canvas, {{0, 0, crHighlight},
                            {kItemWidth - 1, kItemHeight - 1, crHighlight},
                            {2, 2, BCMenu::LightenColor(crHighlight, 0.85)},
                            {kItemWidth - 3, 3, BCMenu::LightenColor(crHighlight, 0.85)}});

    Draw(kGreenPos, ODS_CHECKED);
    const COLORREF crCheckBox = BCMenu::LightenColor(crHighlight, 0.85);
    ExpectPixels(m_canvas, {{1, 1, crHighlight}, {2, 2, crCheckBox}, {kColumnWidth + 2, 2, crBack}});
    EXPECT_GT(CountPixels(CRect(2, 2, kColumnWidth - 2, kItemHeight - 2), ::GetSysColor(COLOR_MENUTEXT)), 4)
        << "a check mark in the box";

    // A disabled item is not highlighted (select-disabled is off in XP style); its text is light.
    Draw(kBluePos, ODS_SELECTED | ODS_GRAYED);
    ExpectPixels(m_canvas, {{2, 2, crFace}, {kItemWidth - 2, 2, crBack}});
    const CRect rcText(kColumnWidth, 0, kItemWidth, kItemHeight);
    EXPECT_GT(CountPixels(rcText, BCMenu::LightenColor(::GetSysColor(COLOR_GRAYTEXT), 0.4)), 0);
    EXPECT_EQ(0, CountPixels(rcText, ::GetSysColor(COLOR_MENUTEXT)));

    Draw(kSeparatorPos, 0);
    ExpectPixels(m_canvas,
                 {{2, kItemHeight / 2, crFace}, {kItemWidth - 4, kItemHeight / 2, ::GetSysColor(COLOR_3DSHADOW)}});
}

TEST_F(MenuDrawTest, XPStyleImagesAreFadedAtRestAndRaisedWithAShadowWhenSelected)
{
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    BCMenu::SetXPBitmap3D(TRUE);
    ASSERT_TRUE(m_menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    const CPoint image(3, (kItemHeight - 15) / 2); // where the 16x15 image goes

    Draw(kRedPos, 0); // the toolbar's grey around the image is transparent
    ExpectPixels(m_canvas, {{image.x + 8, image.y + 7, BCMenu::LightenColor(kRed, 0.3)},
                            {image.x, image.y, BCMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25)}});

    // Raised: the image one pixel up-left, its shadow one pixel down-right.
    Draw(kRedPos, ODS_SELECTED);
    const COLORREF crShadow = BCMenu::LightenColor(::GetSysColor(COLOR_3DSHADOW), 0.49);
    ExpectPixels(
        m_canvas,
        {{image.x + 8, image.y + 7, kRed}, {image.x + 2, image.y + 2, kRed}, {image.x + 13, image.y + 12, crShadow}});
}

TEST_F(MenuDrawTest, ClassicStyleUsesTheMenuColoursFramedImagesAndEtchedSeparators)
{
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_ORIGINAL);
    const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
    Draw(kPlainPos, 0);
    ExpectPixels(m_canvas, {{2, 2, crMenu}, {kItemWidth - 2, 2, crMenu}});
    EXPECT_GT(CountPixels(CRect(kColumnWidth, 0, kItemWidth, kItemHeight), ::GetSysColor(COLOR_MENUTEXT)), 0);

    Draw(kPlainPos, ODS_SELECTED);
    ExpectPixels(m_canvas,
                 {{2, 2, ::GetSysColor(COLOR_HIGHLIGHT)}, {kItemWidth - 2, 2, ::GetSysColor(COLOR_HIGHLIGHT)}});
    EXPECT_GT(CountPixels(CRect(kColumnWidth, 0, kItemWidth, kItemHeight), ::GetSysColor(COLOR_HIGHLIGHTTEXT)), 0);

    // A disabled item is highlighted under the mouse in the classic style, and engraved at rest.
    Draw(kBluePos, ODS_SELECTED | ODS_GRAYED);
    ExpectPixels(m_canvas, {{kItemWidth - 2, 2, ::GetSysColor(COLOR_HIGHLIGHT)}});
    Draw(kBluePos, ODS_GRAYED);
    EXPECT_GT(CountPixels(CRect(kColumnWidth, 0, kItemWidth, kItemHeight), ::GetSysColor(COLOR_3DHILIGHT)), 0);

    Draw(kSeparatorPos, 0);
    ExpectPixels(m_canvas,
                 {{10, 0, ::GetSysColor(COLOR_3DSHADOW)}, {10, 1, ::GetSysColor(COLOR_3DHILIGHT)}, {10, 5, crMenu}});

    // An image raised in a frame when selected, the highlight beside it.
    ASSERT_TRUE(m_menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    Draw(kRedPos, ODS_SELECTED);
    const int nTop = 1;
    ExpectPixels(m_canvas, {{1, nTop, ::GetSysColor(COLOR_3DHILIGHT)},
                            {3 + 8, (kItemHeight - 15) / 2 + 7, kRed},
                            {kColumnWidth + 2, 2, ::GetSysColor(COLOR_HIGHLIGHT)}});
}

// A real popup: the script reads the open menu's pixels and types a mnemonic, which the menu loop
// hands to the owner as WM_MENUCHAR.
TEST(MenuPopupTest, AnOpenMenuIsDrawnByTheMenuAndAnsweredThroughItsMnemonics)
{
    MenuSettingsScope settings;
    BCMenu::SetMenuDrawMode(BCMENU_DRAWMODE_XP);
    ctltest::CMenuOwner owner;
    ASSERT_TRUE(owner.CreateOwner());
    CVoMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDM_CTLTEST_MENU));
    CMenu* pPopup = menu.GetSubMenu(0);
    COLORREF crColumn = 0;
    COLORREF crText = 0;
    const UINT nFlags = TPM_LEFTALIGN | TPM_RETURNCMD;
    const BOOL nCommand = RunMenuScript([&] { return pPopup->TrackPopupMenu(nFlags, 150, 150, &owner); },
                                        [&](HWND hMenuWindow) {
                                            ::UpdateWindow(hMenuWindow);
                                            const CScopedGetDC dc(hMenuWindow);
                                            crColumn = ::GetPixel(dc, 6, 6);
                                            crText = ::GetPixel(dc, 100, 6);
                                            ctltest::TypeKey('P');
                                        });
    EXPECT_EQ(static_cast<BOOL>(ID_CTLTEST_PLAIN), nCommand);
    EXPECT_EQ(BCMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25), crColumn);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), crText);

    // A character that is no item's mnemonic gets the system's handling: the menu stays open.
    const BOOL nNone = RunMenuScript([&] { return pPopup->TrackPopupMenu(nFlags, 150, 150, &owner); },
                                     [&](HWND) { ctltest::TypeKey('Q'); });
    EXPECT_EQ(FALSE, nNone);
}

// Counts what a popup keeps across many openings: each opening measures and draws every item.
class CCountingMenu : public CVoMenu {
public:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_nDrawn;
        CVoMenu::DrawItem(lpDIS);
    }
    int m_nDrawn = 0;
};

TEST(MenuPopupTest, OpeningAndClosingAThousandTimesKeepsNoGdiObjects)
{
    MenuSettingsScope settings;
    ctltest::CMenuOwner owner;
    ASSERT_TRUE(owner.CreateOwner());
    owner.m_bCloseWhenIdle = true;
    CCountingMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendODMenuW(L"&Red\tCtrl+R", MF_OWNERDRAW, ID_CTLTEST_RED));
    ASSERT_TRUE(menu.AppendODMenuW(nullptr, MF_OWNERDRAW, 0));
    ASSERT_TRUE(menu.AppendODMenuW(L"&Green", MF_OWNERDRAW | MF_CHECKED, ID_CTLTEST_GREEN));
    ASSERT_TRUE(menu.AppendODMenuW(L"&Blue", MF_OWNERDRAW | MF_GRAYED, ID_CTLTEST_BLUE));
    ASSERT_TRUE(menu.LoadToolbar(IDR_CTLTEST_TOOLBAR));
    int nRound = 0;
    const int nKept = GdiObjectsKeptBy(1000, [&] {
        BCMenu::SetMenuDrawMode(++nRound % 2 == 0 ? BCMENU_DRAWMODE_XP : BCMENU_DRAWMODE_ORIGINAL);
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 150, 150, &owner);
    });
    EXPECT_GE(menu.m_nDrawn, 1001 * 4) << "every opening drew the items";
    EXPECT_LE(nKept, kGdiCountSlack);
    std::printf("menu open/close: %d rounds, %d items drawn, %d GDI objects kept\n", nRound, menu.m_nDrawn, nKept);
}

} // namespace

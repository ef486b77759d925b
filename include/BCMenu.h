// BCMenu: a menu whose items are all owner-drawn, so that each can show a small image beside its
// text, taken from toolbar bitmaps or image lists. Items are drawn in the flat XP style (light
// image column, tinted selection box) or the classic style (raised images, system colours); the
// style follows the system and its theme through process-wide settings the host may change.
//
// The owner window hands its WM_MEASUREITEM and WM_DRAWITEM for menu items to the menu (the
// framework's CWnd does this for menus with an object) and answers WM_MENUCHAR with
// FindKeyboardShortcut, because owner-drawn items lose the system's mnemonic handling.
#pragma once

#include "BCMenuData.h"
#include "VoDef.h"

#include <afxtempl.h>
#include <afxwin.h>
#include <afxlite/CImageList.h>

class CToolBar;

// Which separator RemoveMenu and DeleteMenu by text also remove (name kept as the hosts know it).
enum BCMENU_SEPERATOR {
    BCMENU_NONE = 0, // only the item
    BCMENU_HEAD = 1, // and the separator before it
    BCMENU_TAIL = 2, // and the separator after it
    BCMENU_BOTH = 3, // and both
};

// Classifications of the running system (BCMenu::m_nSystemClass).
enum BCMENU_SYSTEM {
    BCMENU_SYSTEM_OLD = 0,   // Windows 9x family below version 4
    BCMENU_SYSTEM_NT = 1,    // NT family, every version not listed (5.2 and later too)
    BCMENU_SYSTEM_WIN95 = 2, // Windows 95, the 9x family's default
    BCMENU_SYSTEM_WIN98 = 3,
    BCMENU_SYSTEM_WINME = 4,
    BCMENU_SYSTEM_NT4 = 5,
    BCMENU_SYSTEM_WIN2000 = 6,
    BCMENU_SYSTEM_WINXP = 7,
};

// Drawing styles of GetMenuDrawMode.
#define BCMENU_DRAWMODE_ORIGINAL 0
#define BCMENU_DRAWMODE_XP 1

class VO_API BCMenu : public CMenu {
    DECLARE_DYNAMIC(BCMenu)
public:
    BCMenu();
    // Frees the items' data and images and the popup menus, and destroys the menu.
    ~BCMenu() override;

    // ---- Process-wide settings ----
    // Sets the drawing mode on XP with a visual theme and everywhere else alike.
    static void SetMenuDrawMode(UINT mode);
    // Whether disabled items are highlighted under the mouse, in both drawing modes.
    static void SetSelectDisableMode(BOOL mode);
    static void SetXPBitmap3D(BOOL val) { xp_draw_3D_bitmaps = val; }
    static BOOL GetXPBitmap3D() { return xp_draw_3D_bitmaps; }
    // The effective drawing mode: xp_drawmode on XP with a visual theme, else original_drawmode.
    static UINT GetMenuDrawMode();
    static BOOL GetSelectDisableMode();
    // Whether the system is of the Windows 95 family or later (classification 2 or more).
    static BOOL IsNewShell();
    static BOOL IsWinXPLuna();
    static BOOL IsLunaMenuStyle();
    // Whether the user's theme is the classic one: ReadWindowsClassicTheme's first answer.
    static BOOL IsWindowsClassicTheme();
    // Reads the registry now: whether the current user's theme file (the default value of the key
    // Software\Microsoft\Plus!\Themes\Current) ends with "Windows Classic.theme", any case.
    static BOOL ReadWindowsClassicTheme();
    // Whether the handle is one of the popups ever appended to a BCMenu and not destroyed since.
    static BOOL IsMenu(CMenu* submenu);
    static BOOL IsMenu(HMENU submenu);
    // Makes the items of a BCMenu that were added behind its back owner-drawn.
    static void UpdateMenu(CMenu* pmenu);
    // The answer to WM_MENUCHAR: the position of the item whose mnemonic is nChar with
    // MNC_EXECUTE in the high word, or 0 (the system's default handling).
    static LRESULT FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu);

    // Each colour channel v moved to v + (255 - v) * factor / v - v * factor; a factor outside
    // 0 to 1 leaves the colour unchanged.
    static COLORREF LightenColor(COLORREF col, double factor);
    static COLORREF DarkenColor(COLORREF col, double factor);

    // ---- Per-menu settings ----
    void SetIconSize(int width, int height);
    // The transparent colour of toolbar bitmaps added by AddBitmapToImageList (light grey when
    // none is set).
    void SetBitmapBackground(COLORREF color);
    void UnSetBitmapBackground();
    void SetDisableOldStyle() { disable_old_style = TRUE; }
    void UnSetDisableOldStyle() { disable_old_style = FALSE; }
    BOOL GetDisableOldStyle() const { return disable_old_style; }
    // Bitmaps shown for checked items that have no image: the first unchecked, the second
    // checked (0 or less for none).
    BOOL LoadCheckmarkBitmap(int unselect, int select);

    // ---- Building ----
    // Replace the menu with a popup built from a menu resource (resource chain first, then the
    // executable); every item owner-drawn and accelerator texts aligned. FALSE for a missing or
    // malformed resource (cut short, claiming more than it holds, nested too deeply), which
    // leaves no menu.
    virtual BOOL LoadMenu(int nResource);
    virtual BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL LoadMenuA(const char* lpszResourceName);

    // Append an owner-drawn item; an identifier of 0 appends a separator. An image given here is
    // copied into the item. MF_POPUP items take the popup's handle as identifier.
    BOOL AppendODMenuW(const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, CImageList* il = nullptr,
                       int xoffset = -1);
    BOOL AppendODMenuA(const char* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0, CImageList* il = nullptr,
                       int xoffset = -1);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const wchar_t* lpszNewItem = nullptr,
                    CImageList* il = nullptr, int xoffset = -1);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp);
    BOOL AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr, CImageList* il = nullptr,
                     int xoffset = -1);
    // Append an owner-drawn popup and return it; null on failure. The popups this menu makes are
    // its own (m_SubMenus); a popup handle appended by the caller stays the caller's.
    BCMenu* AppendODPopupMenuW(const wchar_t* lpstrText);
    BCMenu* AppendODPopupMenuA(const char* lpstrText);

    // Insert an owner-drawn item at nPosition: a position with MF_BYPOSITION, else before the
    // item with that command, in whichever popup holds it. An image given here goes to the
    // global image list under nID.
    BOOL InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0,
                       CImageList* il = nullptr, int xoffset = -1);
    BOOL InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags = MF_OWNERDRAW, UINT_PTR nID = 0,
                       CImageList* il = nullptr, int xoffset = -1);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, const wchar_t* lpszNewItem = nullptr,
                    CImageList* il = nullptr, int xoffset = -1);
    BOOL InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr,
                     CImageList* il = nullptr, int xoffset = -1);

    // Change the text (null keeps it) and the image of the item with command nID (in any popup)
    // or with the text lpstrOption. The image goes to the global image list under nID.
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID = 0, CImageList* il = nullptr, int xoffset = -1);
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CBitmap* bmp);
    // The image is a rectangle of colour fill framed in border, sized by pSize (the icon size
    // when null).
    BOOL ModifyODMenuW(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, CSize* pSize = nullptr);
    BOOL ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* lpstrOption, CImageList* il = nullptr,
                       int xoffset = -1);
    BOOL ModifyODMenuA(const char* lpstrText, UINT nID = 0, CImageList* il = nullptr, int xoffset = -1);
    BOOL ModifyODMenuA(const char* lpstrText, UINT nID, CBitmap* bmp);
    BOOL ModifyODMenuA(const char* lpstrText, UINT nID, COLORREF fill, COLORREF border, CSize* pSize = nullptr);
    BOOL ModifyODMenuA(const char* lpstrText, const char* lpstrOption, CImageList* il = nullptr, int xoffset = -1);

    // ---- Images ----
    // Gives each item whose command is a button of the toolbar resource that button's image.
    // FALSE when the toolbar or its bitmap cannot be loaded.
    virtual BOOL LoadToolbar(UINT nToolBar);
    // LoadToolbar for each of nSize toolbars; FALSE when one failed.
    BOOL LoadToolbars(const UINT* arID, int n);
    // As LoadToolbar with a toolbar the caller made and loaded; nResourceId names its bitmap.
    BOOL AddFromToolBar(CToolBar* pToolBar, int nResourceId);
    // The image index of the button with command nID in toolbar resource nToolBar, into xoffset.
    BOOL LoadFromToolBar(UINT nID, UINT nToolBar, int& xoffset);
    // Adds a bitmap resource to an image list, its background colour transparent.
    virtual BOOL AddBitmapToImageList(CImageList* list, UINT nResourceID);
    // Files image xoffset of il in the global image list under command nID (with a faded and a
    // shadow copy in XP style with raised images) and returns its offset, or -1.
    int AddToGlobalImageList(CImageList* il, int xoffset, int nID);
    // The first offset of command nID in the global image list, or -1.
    static int GlobalImageListOffset(int nID);
    // Whether offset, offset + 1 and offset + 2 exist and belong to one command.
    static BOOL CanDraw3DImageList(int offset);

    // ---- Lookup and removal ----
    // The popup at a position or with a text; a BCMenu for popups this menu made.
    CMenu* GetSubMenu(int nPos) const;
    CMenu* GetSubMenu(const wchar_t* lpszSubMenuName) const;
    BCMenu* GetSubBCMenu(const wchar_t* lpszSubMenuName) const;
    // The position of the item or popup with that text, or -1.
    int GetMenuPosition(const wchar_t* pText) const;
    // The menu (this or a popup below it) holding command nId, with its position in nLoc.
    BCMenu* FindMenuOption(int nId, int& nLoc);
    // The data of the item with command nId anywhere below, or null.
    BCMenuData* FindMenuItem(UINT nId);
    // The menu holding the next item with command nId after the ones in bcsubs/bclocs.
    BCMenu* FindAnotherMenuOption(int nId, int& nLoc, CArray<BCMenu*, BCMenu*>& bcsubs, CArray<int, int>& bclocs);
    BOOL GetMenuText(UINT id, CString& string, UINT nFlags = MF_BYPOSITION);
    BOOL SetMenuText(UINT id, CString string, UINT nFlags = MF_BYPOSITION);
    BOOL RemoveMenu(UINT uiId, UINT nFlags);
    BOOL DeleteMenu(UINT uiId, UINT nFlags);
    BOOL RemoveMenu(const wchar_t* pText, BCMENU_SEPERATOR sPos = BCMENU_NONE);
    BOOL DeleteMenu(const wchar_t* pText, BCMENU_SEPERATOR sPos = BCMENU_NONE);
    virtual BOOL DestroyMenu();

    // ---- Owner drawing ----
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

    // ---- Process-wide state ----
    static UINT xp_drawmode;
    static UINT original_drawmode;
    static BOOL xp_select_disabled;
    static BOOL original_select_disabled;
    static BOOL xp_draw_3D_bitmaps;
    static CImageList m_AllImages;
    static CArray<int, int> m_AllImagesID;
    static CTypedPtrArray<CPtrArray, HMENU> m_AllSubMenus;
    // Classification of the running system (0 to 7), fixed when the library loads.
    static int m_nSystemClass;
    // -1 until IsWindowsClassicTheme first reads the registry, then 0 or 1.
    static int m_nClassicTheme;

    // Classification of a system by its version numbers (VER_PLATFORM_xxx, major, minor).
    static int ClassifySystem(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor);
    // Classification of the running system.
    static int ClassifyRunningSystem();

protected:
    CTypedPtrArray<CPtrArray, BCMenuData*> m_MenuList; // the items' data, in menu order
    CTypedPtrArray<CPtrArray, BCMenu*> m_SubMenus;     // popups this menu made and owns
    int m_iconX;
    int m_iconY;
    COLORREF m_bitmapBackground;
    BOOL m_bitmapBackgroundFlag;
    BOOL disable_old_style;
    CImageList* checkmaps; // check-mark images, owned; null until LoadCheckmarkBitmap
    BOOL checkmapsshare;
    int m_selectcheck; // resource of the checked mark
    int m_unselectcheck;
    BOOL m_bDynIcons;
    BOOL m_bReserved;

private:
    friend class BCMenuPainter;

    static BCMenuData* NewODMenu(UINT nFlags, UINT_PTR nID, const wchar_t* string);
    BOOL InsertAt(UINT nPosition, BCMenuData* pData);
    BCMenu* OwnedPopup(HMENU hMenu) const;
    void RegisterPopup(HMENU hMenu);
    void ForgetPopup(HMENU hMenu);
    BCMenuData* FindItemByText(const wchar_t* pText, BCMenu*& pMenu, int& nPos);
    BOOL RemoveAt(int nPos, BOOL bDestroyPopup);
    BOOL RemoveByText(const wchar_t* pText, BCMENU_SEPERATOR sPos, BOOL bDestroyPopup);
    BOOL SetItemImage(BCMenuData* pData, UINT nID, CImageList* il, int xoffset);
    BOOL IsOwnItem(const BCMenuData* pData) const;
    void ReleaseItems();
    void SynchronizeMenu();
    void AlignAccelerators();
};

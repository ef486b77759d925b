// Owner-drawn menus: the process-wide settings, building menus from resources and calls, item
// lookup and removal, keyboard mnemonics. Drawing and measuring are in BCMenuPainter; toolbar and
// global images in BCMenuImages.cpp.
#include <BCMenu.h>

#include "controls/AnsiText.h"
#include "controls/BCMenuPainter.h"
#include "controls/MenuTemplateReader.h"
#include "controls/MenuTextPadding.h"

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>

#include <cwctype>
#include <vector>

IMPLEMENT_DYNAMIC(BCMenu, CMenu)

namespace {

const int kDefaultIconWidth = 16;
const int kDefaultIconHeight = 15;
const COLORREF kDefaultBitmapBackground = RGB(192, 192, 192);

const wchar_t kThemeKey[] = L"Software\\Microsoft\\Plus!\\Themes\\Current";
const wchar_t kClassicThemeFile[] = L"windows classic.theme";
// A theme file name longer than this is not a path the system wrote.
const DWORD kMaxThemeValueBytes = 4096;

// A text argument of a narrow form: null stays null.
struct WideArg {
    explicit WideArg(const char* psz) : m_bNull(psz == nullptr), m_str(WideFromAnsi(psz)) {}
    operator const wchar_t*() const { return m_bNull ? nullptr : static_cast<LPCWSTR>(m_str); }
    bool m_bNull;
    CString m_str;
};

BCMenu* BCMenuOf(HMENU hMenu)
{
    CMenu* pMenu = CMenu::FromHandlePermanent(hMenu);
    return pMenu && pMenu->IsKindOf(RUNTIME_CLASS(BCMenu)) ? static_cast<BCMenu*>(pMenu) : nullptr;
}

// The flags an item read back from a menu had when it was added.
UINT FlagsOf(const MENUITEMINFOW& info)
{
    UINT nFlags = MF_OWNERDRAW;
    if (info.fType & MFT_SEPARATOR)
        nFlags |= MF_SEPARATOR;
    if (info.fType & MFT_RADIOCHECK)
        nFlags |= MFT_RADIOCHECK;
    if (info.fState & MFS_CHECKED)
        nFlags |= MF_CHECKED;
    if (info.fState & MFS_DISABLED)
        nFlags |= MF_GRAYED;
    if (info.hSubMenu)
        nFlags |= MF_POPUP;
    return nFlags;
}

bool IsSeparatorData(const BCMenuData* pData)
{
    return pData && (pData->nFlags & MF_SEPARATOR);
}

} // namespace

// ---- Construction ----

BCMenu::BCMenu()
    : m_iconX(kDefaultIconWidth), m_iconY(kDefaultIconHeight), m_bitmapBackground(kDefaultBitmapBackground),
      m_bitmapBackgroundFlag(FALSE), disable_old_style(FALSE), checkmaps(nullptr), checkmapsshare(FALSE),
      m_selectcheck(-1), m_unselectcheck(-1), m_bDynIcons(FALSE), m_bReserved(FALSE)
{
}

BCMenu::~BCMenu()
{
    DestroyMenu();
    delete checkmaps;
}

// ---- Process-wide settings ----

int BCMenu::ClassifySystem(DWORD dwPlatformId, DWORD dwMajor, DWORD dwMinor)
{
    if (dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        if (dwMajor < 4)
            return BCMENU_SYSTEM_OLD;
        if (dwMajor == 4 && dwMinor == 10)
            return BCMENU_SYSTEM_WIN98;
        if (dwMajor == 4 && dwMinor == 90)
            return BCMENU_SYSTEM_WINME;
        return BCMENU_SYSTEM_WIN95;
    }
    if (dwPlatformId != VER_PLATFORM_WIN32_NT)
        return BCMENU_SYSTEM_OLD;
    if (dwMajor == 4)
        return BCMENU_SYSTEM_NT4;
    if (dwMajor == 5 && dwMinor == 0)
        return BCMENU_SYSTEM_WIN2000;
    if (dwMajor == 5 && dwMinor == 1)
        return BCMENU_SYSTEM_WINXP;
    return BCMENU_SYSTEM_NT;
}

int BCMenu::ClassifyRunningSystem()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!::GetVersionExW(&version))
        return BCMENU_SYSTEM_NT;
#pragma GCC diagnostic pop
    return ClassifySystem(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

void BCMenu::SetMenuDrawMode(UINT mode)
{
    xp_drawmode = mode;
    original_drawmode = mode;
}

void BCMenu::SetSelectDisableMode(BOOL mode)
{
    xp_select_disabled = mode;
    original_select_disabled = mode;
}

UINT BCMenu::GetMenuDrawMode()
{
    return IsWinXPLuna() ? xp_drawmode : original_drawmode;
}

BOOL BCMenu::GetSelectDisableMode()
{
    return GetMenuDrawMode() == BCMENU_DRAWMODE_XP ? xp_select_disabled : original_select_disabled;
}

BOOL BCMenu::IsNewShell()
{
    return m_nSystemClass >= BCMENU_SYSTEM_WIN95;
}

BOOL BCMenu::IsWinXPLuna()
{
    return m_nSystemClass == BCMENU_SYSTEM_WINXP && !IsWindowsClassicTheme();
}

BOOL BCMenu::IsLunaMenuStyle()
{
    return GetMenuDrawMode() == BCMENU_DRAWMODE_XP;
}

BOOL BCMenu::IsWindowsClassicTheme()
{
    if (m_nClassicTheme < 0)
        m_nClassicTheme = ReadWindowsClassicTheme() ? 1 : 0;
    return m_nClassicTheme;
}

BOOL BCMenu::ReadWindowsClassicTheme()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kThemeKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return FALSE;
    const CRegKeyHandle key(hKey);
    DWORD dwType = 0;
    DWORD cbData = 0;
    if (::RegQueryValueExW(hKey, nullptr, nullptr, &dwType, nullptr, &cbData) != ERROR_SUCCESS ||
        (dwType != REG_SZ && dwType != REG_EXPAND_SZ) || cbData > kMaxThemeValueBytes)
        return FALSE;
    std::vector<wchar_t> value(cbData / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(hKey, nullptr, nullptr, &dwType, reinterpret_cast<BYTE*>(value.data()), &cbData) !=
        ERROR_SUCCESS)
        return FALSE;
    value.back() = L'\0'; // a stored value need not end with a null
    CString strTheme(value.data());
    strTheme.MakeLower();
    const int nSuffix = static_cast<int>(wcslen(kClassicThemeFile));
    return strTheme.GetLength() >= nSuffix && strTheme.Right(nSuffix) == kClassicThemeFile;
}

BOOL BCMenu::IsMenu(CMenu* submenu)
{
    return submenu != nullptr && IsMenu(submenu->m_hMenu);
}

BOOL BCMenu::IsMenu(HMENU submenu)
{
    if (submenu == nullptr)
        return FALSE;
    for (INT_PTR i = 0; i < m_AllSubMenus.GetSize(); ++i) {
        if (m_AllSubMenus[i] == submenu)
            return TRUE;
    }
    return FALSE;
}

void BCMenu::UpdateMenu(CMenu* pmenu)
{
    if (BCMenu* pMenu = pmenu ? BCMenuOf(pmenu->m_hMenu) : nullptr)
        pMenu->SynchronizeMenu();
}

LRESULT BCMenu::FindKeyboardShortcut(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    BCMenu* pBCMenu = pMenu ? BCMenuOf(pMenu->m_hMenu) : nullptr;
    if (pBCMenu == nullptr || !(nFlags & MF_POPUP))
        return 0;
    if (pBCMenu->GetMenuItemCount() != pBCMenu->m_MenuList.GetSize())
        pBCMenu->SynchronizeMenu();
    CString strPattern(L'&');
    strPattern += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(nChar)));
    for (INT_PTR i = 0; i < pBCMenu->m_MenuList.GetSize(); ++i) {
        CString strText = pBCMenu->m_MenuList[i]->GetString();
        strText.MakeLower();
        if (strText.Find(strPattern) >= 0)
            return MAKELRESULT(i, MNC_EXECUTE);
    }
    return 0;
}

COLORREF BCMenu::LightenColor(COLORREF col, double factor)
{
    if (factor < 0.0 || factor > 1.0)
        return col;
    auto lighten = [factor](BYTE v) { return static_cast<BYTE>(v + (255 - v) * factor); };
    return RGB(lighten(GetRValue(col)), lighten(GetGValue(col)), lighten(GetBValue(col)));
}

COLORREF BCMenu::DarkenColor(COLORREF col, double factor)
{
    if (factor < 0.0 || factor > 1.0)
        return col;
    auto darken = [factor](BYTE v) { return static_cast<BYTE>(v - v * factor); };
    return RGB(darken(GetRValue(col)), darken(GetGValue(col)), darken(GetBValue(col)));
}

// ---- Per-menu settings ----

void BCMenu::SetIconSize(int width, int height)
{
    ASSERT(width > 0 && height > 0);
    m_iconX = width;
    m_iconY = height;
}

void BCMenu::SetBitmapBackground(COLORREF color)
{
    m_bitmapBackground = color;
    m_bitmapBackgroundFlag = TRUE;
}

void BCMenu::UnSetBitmapBackground()
{
    m_bitmapBackgroundFlag = FALSE;
}

BOOL BCMenu::LoadCheckmarkBitmap(int unselect, int select)
{
    delete checkmaps;
    checkmaps = nullptr;
    m_selectcheck = select;
    m_unselectcheck = unselect;
    if (select <= 0)
        return FALSE;
    CImageList* pMarks = new CImageList;
    const BOOL bLoaded = pMarks->Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 2, 1) &&
                         AddBitmapToImageList(pMarks, static_cast<UINT>(select)) &&
                         (unselect <= 0 || AddBitmapToImageList(pMarks, static_cast<UINT>(unselect)));
    if (!bLoaded) {
        delete pMarks;
        return FALSE;
    }
    checkmaps = pMarks;
    return TRUE;
}

// ---- Building ----

BOOL BCMenu::LoadMenu(int nResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nResource));
}

BOOL BCMenu::LoadMenuA(const char* lpszResourceName)
{
    if (IS_INTRESOURCE(lpszResourceName))
        return LoadMenu(MAKEINTRESOURCEW(reinterpret_cast<UINT_PTR>(lpszResourceName)));
    return LoadMenu(WideFromAnsi(lpszResourceName));
}

namespace {

// The menu template of a resource: the resource chain first, then the executable.
bool FindMenuTemplate(LPCTSTR lpszResourceName, const BYTE*& pData, DWORD& cbData)
{
    const HINSTANCE candidates[] = {AfxFindResourceHandle(lpszResourceName, RT_MENU), ::GetModuleHandleW(nullptr)};
    for (HINSTANCE hInst : candidates) {
        HRSRC hResource = hInst ? ::FindResourceW(hInst, lpszResourceName, RT_MENU) : nullptr;
        HGLOBAL hData = hResource ? ::LoadResource(hInst, hResource) : nullptr;
        if (hData == nullptr)
            continue;
        pData = static_cast<const BYTE*>(::LockResource(hData));
        cbData = ::SizeofResource(hInst, hResource);
        return pData != nullptr;
    }
    return false;
}

bool AppendTemplateItems(BCMenu& menu, const std::vector<MenuTemplateItem>& items)
{
    for (const MenuTemplateItem& item : items) {
        if (item.nFlags & MF_POPUP) {
            BCMenu* pPopup = menu.AppendODPopupMenuW(item.strText);
            if (pPopup == nullptr || !AppendTemplateItems(*pPopup, item.children))
                return false;
            continue;
        }
        if (!menu.AppendODMenuW(item.strText, item.nFlags, item.nID))
            return false;
    }
    return true;
}

} // namespace

BOOL BCMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    DestroyMenu();
    const BYTE* pData = nullptr;
    DWORD cbData = 0;
    std::vector<MenuTemplateItem> items;
    if (!FindMenuTemplate(lpszResourceName, pData, cbData) || !MenuTemplateReader(pData, cbData).Read(items))
        return FALSE;
    if (!CreatePopupMenu() || !AppendTemplateItems(*this, items)) {
        DestroyMenu();
        return FALSE;
    }
    AlignAccelerators();
    return TRUE;
}

BCMenuData* BCMenu::NewODMenu(UINT nFlags, UINT_PTR nID, const wchar_t* string)
{
    BCMenuData* pData = new BCMenuData;
    pData->nFlags = nFlags | MF_OWNERDRAW;
    pData->nID = nID;
    if (nID == 0 && !(nFlags & MF_POPUP))
        pData->nFlags = (nFlags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
    pData->SetWideString(string);
    return pData;
}

BOOL BCMenu::AppendODMenuW(const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset)
{
    ASSERT(m_hMenu != nullptr); // create or load the menu first
    if (m_hMenu == nullptr)
        return FALSE;
    BCMenuData* pData = NewODMenu(nFlags, nID, lpstrText);
    if (il != nullptr)
        pData->SetOwnImage(il, xoffset);
    if (!::AppendMenuW(m_hMenu, pData->nFlags & ~MF_BYPOSITION, nID, reinterpret_cast<LPCWSTR>(pData))) {
        delete pData;
        return FALSE;
    }
    m_MenuList.Add(pData);
    if (pData->nFlags & MF_POPUP)
        RegisterPopup(reinterpret_cast<HMENU>(nID));
    return TRUE;
}

BOOL BCMenu::AppendODMenuA(const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il, int xoffset)
{
    return AppendODMenuW(WideArg(lpstrText), nFlags, nID, il, xoffset);
}

BOOL BCMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il, int xoffset)
{
    return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem, il, xoffset);
}

BOOL BCMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CBitmap* bmp)
{
    if (bmp == nullptr)
        return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem);
    CImageList images;
    if (!images.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        images.Add(bmp, m_bitmapBackgroundFlag ? m_bitmapBackground : kDefaultBitmapBackground) < 0)
        return FALSE;
    return AppendODMenuW(lpszNewItem, nFlags, nIDNewItem, &images, 0);
}

BOOL BCMenu::AppendMenuA(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il, int xoffset)
{
    return AppendODMenuW(WideArg(lpszNewItem), nFlags, nIDNewItem, il, xoffset);
}

BCMenu* BCMenu::AppendODPopupMenuW(const wchar_t* lpstrText)
{
    BCMenu* pPopup = new BCMenu;
    pPopup->SetIconSize(m_iconX, m_iconY);
    pPopup->m_bitmapBackground = m_bitmapBackground;
    pPopup->m_bitmapBackgroundFlag = m_bitmapBackgroundFlag;
    if (!pPopup->CreatePopupMenu() ||
        !AppendODMenuW(lpstrText, MF_POPUP, reinterpret_cast<UINT_PTR>(pPopup->m_hMenu))) {
        delete pPopup;
        return nullptr;
    }
    m_SubMenus.Add(pPopup);
    return pPopup;
}

BCMenu* BCMenu::AppendODPopupMenuA(const char* lpstrText)
{
    return AppendODPopupMenuW(WideArg(lpstrText));
}

BOOL BCMenu::InsertODMenuW(UINT nPosition, const wchar_t* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il,
                           int xoffset)
{
    if (!(nFlags & MF_BYPOSITION)) {
        int nLoc = -1;
        BCMenu* pMenu = FindMenuOption(static_cast<int>(nPosition), nLoc);
        if (pMenu == nullptr)
            return FALSE;
        return pMenu->InsertODMenuW(static_cast<UINT>(nLoc), lpstrText, nFlags | MF_BYPOSITION, nID, il, xoffset);
    }
    if (m_hMenu == nullptr)
        return FALSE;
    BCMenuData* pData = NewODMenu(nFlags, nID, lpstrText);
    if (il != nullptr && nID != 0)
        pData->global_offset = AddToGlobalImageList(il, xoffset, static_cast<int>(nID));
    if (!InsertAt(nPosition, pData)) {
        delete pData;
        return FALSE;
    }
    return TRUE;
}

BOOL BCMenu::InsertAt(UINT nPosition, BCMenuData* pData)
{
    const UINT nCount = static_cast<UINT>(m_MenuList.GetSize());
    const UINT nPos = nPosition > nCount ? nCount : nPosition;
    if (!::InsertMenuW(m_hMenu, nPos, (pData->nFlags & ~MF_BYPOSITION) | MF_BYPOSITION, pData->nID,
                       reinterpret_cast<LPCWSTR>(pData)))
        return FALSE;
    m_MenuList.InsertAt(nPos, pData);
    if (pData->nFlags & MF_POPUP)
        RegisterPopup(reinterpret_cast<HMENU>(pData->nID));
    return TRUE;
}

BOOL BCMenu::InsertODMenuA(UINT nPosition, const char* lpstrText, UINT nFlags, UINT_PTR nID, CImageList* il,
                           int xoffset)
{
    return InsertODMenuW(nPosition, WideArg(lpstrText), nFlags, nID, il, xoffset);
}

BOOL BCMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const wchar_t* lpszNewItem, CImageList* il,
                        int xoffset)
{
    return InsertODMenuW(nPosition, lpszNewItem, nFlags, nIDNewItem, il, xoffset);
}

BOOL BCMenu::InsertMenuA(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem, CImageList* il,
                         int xoffset)
{
    return InsertODMenuW(nPosition, WideArg(lpszNewItem), nFlags, nIDNewItem, il, xoffset);
}

// ---- Changing items ----

BOOL BCMenu::SetItemImage(BCMenuData* pData, UINT nID, CImageList* il, int xoffset)
{
    if (il == nullptr)
        return TRUE;
    const int nOffset = AddToGlobalImageList(il, xoffset, static_cast<int>(nID));
    if (nOffset < 0)
        return FALSE;
    pData->SetOwnImage(nullptr, -1);
    pData->global_offset = nOffset;
    return TRUE;
}

BOOL BCMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CImageList* il, int xoffset)
{
    CArray<BCMenu*, BCMenu*> menus;
    CArray<int, int> locations;
    int nLoc = -1;
    while (BCMenu* pMenu = FindAnotherMenuOption(static_cast<int>(nID), nLoc, menus, locations)) {
        menus.Add(pMenu);
        locations.Add(nLoc);
    }
    BOOL bDone = !menus.IsEmpty();
    for (INT_PTR i = 0; i < menus.GetSize(); ++i) {
        BCMenuData* pData = menus[i]->m_MenuList[locations[i]];
        if (lpstrText != nullptr)
            pData->SetWideString(lpstrText);
        bDone = SetItemImage(pData, nID, il, xoffset) && bDone;
    }
    return bDone;
}

BOOL BCMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, CBitmap* bmp)
{
    if (bmp == nullptr)
        return ModifyODMenuW(lpstrText, nID);
    BITMAP info = {};
    if (!bmp->GetBitmap(&info))
        return FALSE;
    CImageList images;
    if (!images.Create(info.bmWidth, info.bmHeight, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        images.Add(bmp, m_bitmapBackgroundFlag ? m_bitmapBackground : kDefaultBitmapBackground) < 0)
        return FALSE;
    return ModifyODMenuW(lpstrText, nID, &images, 0);
}

BOOL BCMenu::ModifyODMenuW(const wchar_t* lpstrText, UINT nID, COLORREF fill, COLORREF border, CSize* pSize)
{
    const CSize size = pSize ? *pSize : CSize(m_iconX, m_iconY);
    if (size.cx <= 0 || size.cy <= 0)
        return FALSE;
    CBitmap swatch;
    {
        const CScopedGetDC screen(nullptr);
        if (!swatch.CreateCompatibleBitmap(CDC::FromHandle(screen), size.cx, size.cy))
            return FALSE;
        const CScopedCreateDC dc(screen);
        const CDCSelect select(dc, swatch.m_hObject);
        CDC* pDC = CDC::FromHandle(dc);
        pDC->FillSolidRect(0, 0, size.cx, size.cy, fill);
        pDC->Draw3dRect(0, 0, size.cx, size.cy, border, border);
    }
    CImageList images;
    if (!images.Create(size.cx, size.cy, ILC_COLORDDB | ILC_MASK, 1, 1) ||
        images.Add(&swatch, static_cast<CBitmap*>(nullptr)) < 0)
        return FALSE;
    return ModifyODMenuW(lpstrText, nID, &images, 0);
}

BOOL BCMenu::ModifyODMenuW(const wchar_t* lpstrText, const wchar_t* lpstrOption, CImageList* il, int xoffset)
{
    BCMenu* pMenu = nullptr;
    int nPos = -1;
    BCMenuData* pData = FindItemByText(lpstrOption, pMenu, nPos);
    if (pData == nullptr)
        return FALSE;
    if (lpstrText != nullptr)
        pData->SetWideString(lpstrText);
    return SetItemImage(pData, static_cast<UINT>(pData->nID), il, xoffset);
}

BOOL BCMenu::ModifyODMenuA(const char* lpstrText, UINT nID, CImageList* il, int xoffset)
{
    return ModifyODMenuW(WideArg(lpstrText), nID, il, xoffset);
}

BOOL BCMenu::ModifyODMenuA(const char* lpstrText, UINT nID, CBitmap* bmp)
{
    return ModifyODMenuW(WideArg(lpstrText), nID, bmp);
}

BOOL BCMenu::ModifyODMenuA(const char* lpstrText, UINT nID, COLORREF fill, COLORREF border, CSize* pSize)
{
    return ModifyODMenuW(WideArg(lpstrText), nID, fill, border, pSize);
}

BOOL BCMenu::ModifyODMenuA(const char* lpstrText, const char* lpstrOption, CImageList* il, int xoffset)
{
    return ModifyODMenuW(WideArg(lpstrText), WideArg(lpstrOption), il, xoffset);
}

// ---- Lookup ----

CMenu* BCMenu::GetSubMenu(int nPos) const
{
    return CMenu::FromHandle(::GetSubMenu(m_hMenu, nPos));
}

CMenu* BCMenu::GetSubMenu(const wchar_t* lpszSubMenuName) const
{
    const int nPos = GetMenuPosition(lpszSubMenuName);
    return nPos < 0 ? nullptr : GetSubMenu(nPos);
}

BCMenu* BCMenu::GetSubBCMenu(const wchar_t* lpszSubMenuName) const
{
    const int nPos = GetMenuPosition(lpszSubMenuName);
    if (nPos >= 0)
        return BCMenuOf(::GetSubMenu(m_hMenu, nPos));
    for (INT_PTR i = 0; i < m_SubMenus.GetSize(); ++i) {
        if (BCMenu* pFound = m_SubMenus[i]->GetSubBCMenu(lpszSubMenuName))
            return pFound;
    }
    return nullptr;
}

int BCMenu::GetMenuPosition(const wchar_t* pText) const
{
    if (pText == nullptr)
        return -1;
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        if (m_MenuList[i]->GetString() == pText)
            return static_cast<int>(i);
    }
    return -1;
}

BCMenu* BCMenu::FindMenuOption(int nId, int& nLoc)
{
    CArray<BCMenu*, BCMenu*> none;
    CArray<int, int> noLocations;
    return FindAnotherMenuOption(nId, nLoc, none, noLocations);
}

BCMenuData* BCMenu::FindMenuItem(UINT nId)
{
    int nLoc = -1;
    BCMenu* pMenu = FindMenuOption(static_cast<int>(nId), nLoc);
    return pMenu ? pMenu->m_MenuList[nLoc] : nullptr;
}

BCMenu* BCMenu::FindAnotherMenuOption(int nId, int& nLoc, CArray<BCMenu*, BCMenu*>& bcsubs, CArray<int, int>& bclocs)
{
    nLoc = -1;
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        const BCMenuData* pData = m_MenuList[i];
        if ((pData->nFlags & MF_POPUP) || (pData->nFlags & MF_SEPARATOR) || pData->nID != static_cast<UINT>(nId))
            continue;
        bool bListed = false;
        for (INT_PTR j = 0; j < bcsubs.GetSize() && !bListed; ++j)
            bListed = bcsubs[j] == this && bclocs[j] == i;
        if (!bListed) {
            nLoc = static_cast<int>(i);
            return this;
        }
    }
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        BCMenu* pPopup =
            (m_MenuList[i]->nFlags & MF_POPUP) ? BCMenuOf(reinterpret_cast<HMENU>(m_MenuList[i]->nID)) : nullptr;
        if (pPopup == nullptr)
            continue;
        if (BCMenu* pFound = pPopup->FindAnotherMenuOption(nId, nLoc, bcsubs, bclocs))
            return pFound;
    }
    return nullptr;
}

BCMenuData* BCMenu::FindItemByText(const wchar_t* pText, BCMenu*& pMenu, int& nPos)
{
    nPos = GetMenuPosition(pText);
    if (nPos >= 0) {
        pMenu = this;
        return m_MenuList[nPos];
    }
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        BCMenu* pPopup =
            (m_MenuList[i]->nFlags & MF_POPUP) ? BCMenuOf(reinterpret_cast<HMENU>(m_MenuList[i]->nID)) : nullptr;
        if (BCMenuData* pFound = pPopup ? pPopup->FindItemByText(pText, pMenu, nPos) : nullptr)
            return pFound;
    }
    pMenu = nullptr;
    return nullptr;
}

BOOL BCMenu::GetMenuText(UINT id, CString& string, UINT nFlags)
{
    string.Empty();
    const BCMenuData* pData = nullptr;
    if (nFlags & MF_BYPOSITION)
        pData = id < static_cast<UINT>(m_MenuList.GetSize()) ? m_MenuList[id] : nullptr;
    else
        pData = FindMenuItem(id);
    if (pData == nullptr)
        return FALSE;
    string = pData->GetString();
    return TRUE;
}

BOOL BCMenu::SetMenuText(UINT id, CString string, UINT nFlags)
{
    BCMenuData* pData = nullptr;
    if (nFlags & MF_BYPOSITION)
        pData = id < static_cast<UINT>(m_MenuList.GetSize()) ? m_MenuList[id] : nullptr;
    else
        pData = FindMenuItem(id);
    if (pData == nullptr)
        return FALSE;
    pData->SetWideString(string);
    return TRUE;
}

BOOL BCMenu::IsOwnItem(const BCMenuData* pData) const
{
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        if (m_MenuList[i] == pData)
            return TRUE;
    }
    return FALSE;
}

// ---- Removal ----

BCMenu* BCMenu::OwnedPopup(HMENU hMenu) const
{
    for (INT_PTR i = 0; i < m_SubMenus.GetSize(); ++i) {
        if (m_SubMenus[i]->m_hMenu == hMenu)
            return m_SubMenus[i];
    }
    return nullptr;
}

void BCMenu::RegisterPopup(HMENU hMenu)
{
    if (!IsMenu(hMenu))
        m_AllSubMenus.Add(hMenu);
}

void BCMenu::ForgetPopup(HMENU hMenu)
{
    for (INT_PTR i = m_AllSubMenus.GetSize() - 1; i >= 0; --i) {
        if (m_AllSubMenus[i] == hMenu)
            m_AllSubMenus.RemoveAt(i);
    }
}

// Removes the item at nPos. A popup this menu made goes with it (nobody else holds its object);
// another popup is destroyed only when bDestroyPopup is set, as DeleteMenu does.
BOOL BCMenu::RemoveAt(int nPos, BOOL bDestroyPopup)
{
    if (nPos < 0 || nPos >= m_MenuList.GetSize())
        return FALSE;
    BCMenuData* pData = m_MenuList[nPos];
    const HMENU hPopup = (pData->nFlags & MF_POPUP) ? reinterpret_cast<HMENU>(pData->nID) : nullptr;
    BCMenu* pOwned = hPopup ? OwnedPopup(hPopup) : nullptr;
    const BOOL bRemoved = (bDestroyPopup && !pOwned) ? ::DeleteMenu(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION)
                                                     : ::RemoveMenu(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    if (!bRemoved)
        return FALSE;
    m_MenuList.RemoveAt(nPos);
    delete pData;
    if (hPopup == nullptr)
        return TRUE;
    ForgetPopup(hPopup);
    if (pOwned != nullptr) {
        for (INT_PTR i = 0; i < m_SubMenus.GetSize(); ++i) {
            if (m_SubMenus[i] == pOwned)
                m_SubMenus.RemoveAt(i);
        }
        delete pOwned; // destroys its handle, which no menu holds now
    }
    return TRUE;
}

BOOL BCMenu::RemoveMenu(UINT uiId, UINT nFlags)
{
    if (nFlags & MF_BYPOSITION)
        return RemoveAt(static_cast<int>(uiId), FALSE);
    int nLoc = -1;
    BCMenu* pMenu = FindMenuOption(static_cast<int>(uiId), nLoc);
    return pMenu ? pMenu->RemoveAt(nLoc, FALSE) : FALSE;
}

BOOL BCMenu::DeleteMenu(UINT uiId, UINT nFlags)
{
    if (nFlags & MF_BYPOSITION)
        return RemoveAt(static_cast<int>(uiId), TRUE);
    int nLoc = -1;
    BCMenu* pMenu = FindMenuOption(static_cast<int>(uiId), nLoc);
    return pMenu ? pMenu->RemoveAt(nLoc, TRUE) : FALSE;
}

BOOL BCMenu::RemoveByText(const wchar_t* pText, BCMENU_SEPERATOR sPos, BOOL bDestroyPopup)
{
    BCMenu* pMenu = nullptr;
    int nPos = -1;
    if (FindItemByText(pText, pMenu, nPos) == nullptr || !pMenu->RemoveAt(nPos, bDestroyPopup))
        return FALSE;
    const bool bTail = sPos == BCMENU_TAIL || sPos == BCMENU_BOTH;
    const bool bHead = sPos == BCMENU_HEAD || sPos == BCMENU_BOTH;
    if (bTail && nPos < pMenu->m_MenuList.GetSize() && IsSeparatorData(pMenu->m_MenuList[nPos]))
        pMenu->RemoveAt(nPos, bDestroyPopup);
    if (bHead && nPos > 0 && IsSeparatorData(pMenu->m_MenuList[nPos - 1]))
        pMenu->RemoveAt(nPos - 1, bDestroyPopup);
    return TRUE;
}

BOOL BCMenu::RemoveMenu(const wchar_t* pText, BCMENU_SEPERATOR sPos)
{
    return RemoveByText(pText, sPos, FALSE);
}

BOOL BCMenu::DeleteMenu(const wchar_t* pText, BCMENU_SEPERATOR sPos)
{
    return RemoveByText(pText, sPos, TRUE);
}

// Frees the items' data and the popups this menu made. The popups are taken out of the menu
// before they are destroyed, so that no menu is left holding a destroyed submenu.
void BCMenu::ReleaseItems()
{
    for (int nPos = GetMenuItemCount() - 1; nPos >= 0; --nPos) {
        HMENU hSub = ::GetSubMenu(m_hMenu, nPos);
        if (hSub && OwnedPopup(hSub))
            ::RemoveMenu(m_hMenu, static_cast<UINT>(nPos), MF_BYPOSITION);
    }
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        if (m_MenuList[i]->nFlags & MF_POPUP)
            ForgetPopup(reinterpret_cast<HMENU>(m_MenuList[i]->nID));
        delete m_MenuList[i];
    }
    m_MenuList.RemoveAll();
    for (INT_PTR i = 0; i < m_SubMenus.GetSize(); ++i)
        delete m_SubMenus[i];
    m_SubMenus.RemoveAll();
}

BOOL BCMenu::DestroyMenu()
{
    ReleaseItems();
    return CMenu::DestroyMenu();
}

// ---- Keeping up with the menu ----

// Rebuilds the item list from the menu itself: items added behind the class's back become
// owner-drawn with data of their own, data of items that are gone is freed.
void BCMenu::SynchronizeMenu()
{
    CTypedPtrArray<CPtrArray, BCMenuData*> items;
    const int nCount = GetMenuItemCount();
    for (int nPos = 0; nPos < nCount; ++nPos) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
        if (!::GetMenuItemInfoW(m_hMenu, static_cast<UINT>(nPos), TRUE, &info))
            continue;
        BCMenuData* pData = reinterpret_cast<BCMenuData*>(info.dwItemData);
        if ((info.fType & MFT_OWNERDRAW) && IsOwnItem(pData)) {
            items.Add(pData);
            continue;
        }
        CString strText;
        CMenu::GetMenuString(static_cast<UINT>(nPos), strText, MF_BYPOSITION);
        const UINT_PTR nID = info.hSubMenu ? reinterpret_cast<UINT_PTR>(info.hSubMenu) : info.wID;
        pData = NewODMenu(FlagsOf(info), nID, strText);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType |= MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(pData);
        ::SetMenuItemInfoW(m_hMenu, static_cast<UINT>(nPos), TRUE, &info);
        if (info.hSubMenu)
            RegisterPopup(info.hSubMenu);
        items.Add(pData);
    }
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        bool bKept = false;
        for (INT_PTR j = 0; j < items.GetSize() && !bKept; ++j)
            bKept = items[j] == m_MenuList[i];
        if (!bKept)
            delete m_MenuList[i];
    }
    m_MenuList.Copy(items);
}

void BCMenu::AlignAccelerators()
{
    std::vector<CString> texts;
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i)
        texts.push_back(m_MenuList[i]->GetString());
    const BCMenuPainter::TextMeasure measure;
    PadAcceleratorTexts(texts, [&measure](const CString& strText) { return measure.Width(strText); });
    for (INT_PTR i = 0; i < m_MenuList.GetSize(); ++i) {
        if (texts[static_cast<size_t>(i)].Find(L'\t') >= 0)
            m_MenuList[i]->SetWideString(texts[static_cast<size_t>(i)]);
    }
    for (INT_PTR i = 0; i < m_SubMenus.GetSize(); ++i)
        m_SubMenus[i]->AlignAccelerators();
}

// ---- Owner drawing ----

void BCMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    const BCMenuData* pData = reinterpret_cast<const BCMenuData*>(lpMIS->itemData);
    if (!IsOwnItem(pData))
        return;
    BCMenuPainter::Measure(*this, *pData, *lpMIS);
}

void BCMenu::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    const BCMenuData* pData = reinterpret_cast<const BCMenuData*>(lpDIS->itemData);
    if (lpDIS->CtlType != ODT_MENU || !IsOwnItem(pData))
        return;
    BCMenuPainter(*this, *pData, *lpDIS).Draw();
}

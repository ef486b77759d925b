// Menu objects: the handle map of menus, loading through the resource chain, tracking.
#include "afxlite/CMenu.h"

#include "AfxThreadState.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

CMenu* CreateTempMenu(HANDLE h)
{
    CMenu* pMenu = new CMenu;
    pMenu->m_hMenu = static_cast<HMENU>(h);
    return pMenu;
}

void DeleteTempMenu(CMenu* pMenu)
{
    pMenu->m_hMenu = nullptr;
    delete pMenu;
}

CHandleMap<CMenu>& MenuMap()
{
    // Never destroyed: menus may be detached during the unload of other modules.
    static auto* map = new CHandleMap<CMenu>(&CreateTempMenu, &DeleteTempMenu);
    return *map;
}

} // namespace

CMenu::CMenu() : m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* AFXAPI CMenu::FromHandle(HMENU hMenu)
{
    return MenuMap().FromHandle(hMenu);
}

CMenu* AFXAPI CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu ? MenuMap().LookupPermanent(hMenu) : nullptr;
}

BOOL CMenu::Attach(HMENU hNewMenu)
{
    ASSERT(m_hMenu == nullptr);
    if (m_hMenu || !hNewMenu || FromHandlePermanent(hNewMenu))
        return FALSE;
    m_hMenu = hNewMenu;
    MenuMap().SetPermanent(hNewMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu && FromHandlePermanent(hMenu) == this)
        MenuMap().RemoveHandle(hMenu);
    m_hMenu = nullptr;
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    HMENU hMenu = ::CreateMenu();
    if (hMenu && Attach(hMenu))
        return TRUE;
    if (hMenu)
        ::DestroyMenu(hMenu);
    return FALSE;
}

BOOL CMenu::CreatePopupMenu()
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu && Attach(hMenu))
        return TRUE;
    if (hMenu)
        ::DestroyMenu(hMenu);
    return FALSE;
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    HMENU hMenu = ::LoadMenuW(hInst, lpszResourceName);
    if (hMenu && Attach(hMenu))
        return TRUE;
    if (hMenu)
        ::DestroyMenu(hMenu);
    return FALSE;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    rString.Empty();
    const int length = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (length <= 0)
        return 0;
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBufferSetLength(length), length + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    const HWND hPreviousWindow = state->hTrackingWindow;
    const HMENU hPreviousMenu = state->hTrackingMenu;
    state->hTrackingWindow = AfxGetSafeHwnd(pWnd);
    state->hTrackingMenu = m_hMenu;
    const BOOL result = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, AfxGetSafeHwnd(pWnd), lpRect);
    state->hTrackingWindow = hPreviousWindow;
    state->hTrackingMenu = hPreviousMenu;
    return result;
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

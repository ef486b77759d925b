// Menu objects: the handle map of menus, loading through the resource chain, tracking.
#include "afxlite/CMenu.h"

#include "AfxThreadState.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CWnd.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

AFX_IMPLEMENT_HANDLE_MAP(CMenu, HMENU, MenuMap, &CMenu::m_hMenu)
AFX_IMPLEMENT_HANDLE_OWNERSHIP(CMenu, HMENU, MenuMap)

CMenu::CMenu() : m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreateMenu()
{
    return MenuMap().AttachCreated(*this, ::CreateMenu(), &::DestroyMenu);
}

BOOL CMenu::CreatePopupMenu()
{
    return MenuMap().AttachCreated(*this, ::CreatePopupMenu(), &::DestroyMenu);
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return MenuMap().AttachCreated(*this, ::LoadMenuW(hInst, lpszResourceName), &::DestroyMenu);
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

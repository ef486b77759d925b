// Wrappers for the handles that window messages carry, handed to message handlers.
#include "afxlite/AfxWinMsg.h"

#include "afxlite/CDC.h"
#include "afxlite/CMenu.h"
#include "afxlite/CScrollBar.h"

CDC* AFXAPI AfxDCFromHandle(HDC hDC)
{
    return CDC::FromHandle(hDC);
}

CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu)
{
    return CMenu::FromHandle(hMenu);
}

CScrollBar* AFXAPI AfxScrollBarFromHandle(HWND hWnd)
{
    // The sender may be any scrolling control; callers use CWnd members on it (as MFC's do).
    return static_cast<CScrollBar*>(CWnd::FromHandle(hWnd));
}

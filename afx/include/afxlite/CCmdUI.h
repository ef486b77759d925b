// CCmdUI: the state of one menu item (or control) handed to ON_UPDATE_COMMAND_UI handlers,
// which enable, check or rename it before the user sees it. Windows run the handlers of a
// popup menu's items when the popup opens (WM_INITMENUPOPUP).
#pragma once

#include "afxlite/AfxDef.h"

class CCmdTarget;
class CMenu;
class CWnd;

class AFX_API CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    UINT m_nID;       // command ID of the item
    UINT m_nIndex;    // position of the item in m_pMenu
    UINT m_nIndexMax; // item count of m_pMenu
    CMenu* m_pMenu;   // menu holding the item, or null for a control
    CWnd* m_pOther;   // control standing for the command, or null for a menu item
    BOOL m_bEnableChanged;

    virtual void Enable(BOOL bOn = TRUE);
    // 0 unchecked, 1 checked (2, indeterminate, for controls only).
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Runs pTarget's update handler for m_nID; TRUE when there was one.
    BOOL DoUpdate(CCmdTarget* pTarget);

    // Runs pTarget's update handlers for every command item of pMenu.
    static void AFXAPI UpdateMenu(CMenu* pMenu, CCmdTarget* pTarget);
};

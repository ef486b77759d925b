// Helpers of the controls tests: menu item data, text widths in the menu font, typed keys, a
// frame window that owns menus, and the process-wide menu settings restored after a test.
#pragma once

#include "ControlsTestIds.h"

#include "../common/DialogScript.h"
#include "../common/GdiTestSupport.h"
#include "../common/MessagePump.h"

#include <vo_share.h>

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ctltest {

// The owner-drawn data of the item at nPos of hMenu (null for an item that is not owner-drawn).
inline BCMenuData* ItemData(HMENU hMenu, int nPos)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!::GetMenuItemInfoW(hMenu, static_cast<UINT>(nPos), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
        return nullptr;
    return reinterpret_cast<BCMenuData*>(info.dwItemData);
}

// Width of a menu text in the system menu font, as a menu measures it.
inline int MenuTextWidth(const CString& strText)
{
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    CFont font;
    font.CreateFontIndirect(&metrics.lfMenuFont);
    const CScopedGetDC dc(nullptr);
    const CDCSelect select(dc, font.m_hObject);
    CRect rc(0, 0, 0, 0);
    CString strCopy = strText;
    ::DrawTextW(dc, strCopy, strCopy.GetLength(), &rc, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_CALCRECT);
    return rc.Width();
}

using testpump::PumpPending;
using testpump::PumpUntil;

// The control as it paints itself (WM_PRINTCLIENT) over crBack.
inline std::unique_ptr<CDibTarget> Printed(CWnd& control, COLORREF crBack)
{
    CRect rc;
    control.GetClientRect(&rc);
    auto target = std::make_unique<CDibTarget>(rc.Width(), rc.Height(), crBack);
    control.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target->GetDC()->m_hDC), PRF_CLIENT);
    return target;
}

// The pixels of colour inside rc.
inline int CountColour(const CDibTarget& target, const CRect& rc, COLORREF colour)
{
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            nCount += target.Pixel(x, y) == colour ? 1 : 0;
    return nCount;
}

inline CString TextOf(HWND hWnd)
{
    CString strText;
    const int nLength = ::GetWindowTextLengthW(hWnd);
    ::GetWindowTextW(hWnd, strText.GetBuffer(nLength + 1), nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}

// What the shell was asked to open.
struct ShellCall {
    std::wstring verb;
    std::wstring file;
    int nShow;
    ULONG fMask;
};

// Stands in for the shell while it lives: records what it is asked to open instead of opening it,
// and answers with m_bResult and m_nInstApp.
class CShellRecorder {
public:
    CShellRecorder() : m_pfnPrevious(VoSetShellExecuteEx(&Record)) { Current() = this; }
    ~CShellRecorder()
    {
        VoSetShellExecuteEx(m_pfnPrevious);
        Current() = nullptr;
    }
    CShellRecorder(const CShellRecorder&) = delete;
    CShellRecorder& operator=(const CShellRecorder&) = delete;

    std::vector<ShellCall> m_calls;
    BOOL m_bResult = TRUE;
    INT_PTR m_nInstApp = 42;

private:
    static CShellRecorder*& Current()
    {
        static CShellRecorder* pCurrent = nullptr;
        return pCurrent;
    }
    static BOOL WINAPI Record(SHELLEXECUTEINFOW* pInfo)
    {
        CShellRecorder& self = *Current();
        self.m_calls.push_back(
            {pInfo->lpVerb ? pInfo->lpVerb : L"", pInfo->lpFile ? pInfo->lpFile : L"", pInfo->nShow, pInfo->fMask});
        pInfo->hInstApp = reinterpret_cast<HINSTANCE>(self.m_nInstApp);
        return self.m_bResult;
    }

    VO_SHELLEXECUTEEX m_pfnPrevious;
};

// Presses and releases a key, as the keyboard would.
inline void TypeKey(WORD wVirtualKey)
{
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = wVirtualKey;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// A visible top-level window that owns menus: it answers WM_MENUCHAR with the menus' keyboard
// shortcuts, records the commands it receives and, when asked, closes every menu as soon as the
// menu loop goes idle (the menu has been shown and drawn by then).
class CMenuOwner : public CWnd {
public:
    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)), L"menus",
                        WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr);
    }

    bool m_bCloseWhenIdle = false;
    UINT m_nLastCommand = 0;
    int m_nIdle = 0;

protected:
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
    {
        const LRESULT result = BCMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
        return result != 0 ? result : CWnd::OnMenuChar(nChar, nFlags, pMenu);
    }
    afx_msg LRESULT OnEnterIdle(WPARAM, LPARAM)
    {
        ++m_nIdle;
        if (m_bCloseWhenIdle)
            ::EndMenu();
        return 0;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_nLastCommand = LOWORD(wParam);
        return CWnd::OnCommand(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

// Puts the process-wide menu settings back as they were.
class MenuSettingsScope {
public:
    MenuSettingsScope()
        : m_xp(BCMenu::xp_drawmode), m_original(BCMenu::original_drawmode), m_b3D(BCMenu::xp_draw_3D_bitmaps),
          m_xpSelect(BCMenu::xp_select_disabled), m_originalSelect(BCMenu::original_select_disabled)
    {
    }
    ~MenuSettingsScope()
    {
        BCMenu::xp_drawmode = m_xp;
        BCMenu::original_drawmode = m_original;
        BCMenu::xp_draw_3D_bitmaps = m_b3D;
        BCMenu::xp_select_disabled = m_xpSelect;
        BCMenu::original_select_disabled = m_originalSelect;
    }
    MenuSettingsScope(const MenuSettingsScope&) = delete;
    MenuSettingsScope& operator=(const MenuSettingsScope&) = delete;

private:
    UINT m_xp;
    UINT m_original;
    BOOL m_b3D;
    BOOL m_xpSelect;
    BOOL m_originalSelect;
};

} // namespace ctltest

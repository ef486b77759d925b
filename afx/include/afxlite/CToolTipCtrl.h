// CToolTipCtrl: the common tooltip control. It shows a tip for tools (windows or rectangles of
// them) when the mouse rests over one; the owner relays its mouse messages with RelayEvent. Each
// method is one message of the control.
#pragma once

#include "afxlite/CString.h"
#include "afxlite/CWnd.h"

#include <commctrl.h>

class AFX_API CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;

    // A tooltip window owned by pParentWnd; dwStyle adds TTS_xxx styles (TTS_BALLOON ...) to
    // TTS_ALWAYSTIP | TTS_NOPREFIX.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(bActivate), 0); }
    // Adds the tool nIDTool of pWnd: the rectangle lpRectTool of its client area, or the whole
    // window (identified by its handle) when lpRectTool is null and nIDTool 0.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKW, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    // As above with the text of a string resource.
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT, 0, 0)); }
    BOOL GetToolInfo(TOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    // Tips wider than this many pixels wrap; -1 allows any width. Returns the previous width.
    int SetMaxTipWidth(int iWidth) { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth)); }
    int GetMaxTipWidth() const { return static_cast<int>(SendMessage(TTM_GETMAXTIPWIDTH, 0, 0)); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay)); }
    void SetDelayTime(DWORD dwDuration, int iTime) { SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
    // Hands a mouse message of a tool's window to the tooltip, which times its showing from it.
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg)); }
    void Pop() { SendMessage(TTM_POP, 0, 0); }

private:
    // A tool record of the size every common-controls version accepts.
    static TOOLINFOW MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};

// Tooltip controls: creation and the tool records the messages take.
#include "afxlite/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The record without the reserved field of newer versions, which older ones refuse.
#ifdef TTTOOLINFOW_V2_SIZE
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;
#else
const UINT kToolInfoSize = sizeof(TOOLINFOW);
#endif

} // namespace

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    if (!::InitCommonControlsEx(&controls))
        return FALSE;
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | dwStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, AfxGetSafeHwnd(pParentWnd), nullptr);
}

TOOLINFOW CToolTipCtrl::MakeToolInfo(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW info = {};
    info.cbSize = kToolInfoSize;
    info.hwnd = AfxGetSafeHwnd(pWnd);
    info.uId = nIDTool;
    if (nIDTool == 0) {
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(info.hwnd);
    }
    return info;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(pWnd != nullptr);
    ASSERT(lpRectTool == nullptr || nIDTool != 0); // a rectangle tool needs an identifier of its own
    if (pWnd == nullptr)
        return FALSE;
    TOOLINFOW info = MakeToolInfo(pWnd, nIDTool);
    if (lpRectTool != nullptr)
        info.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&info.rect);
    info.lpszText = const_cast<LPWSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString strText;
    if (!strText.LoadString(nIDText))
        return FALSE;
    return AddTool(pWnd, strText, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW info = MakeToolInfo(pWnd, nIDTool);
    SendMessage(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    toolInfo = MakeToolInfo(pWnd, nIDTool);
    return static_cast<BOOL>(SendMessage(TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&toolInfo)));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The buffer's length goes with the message; controls that ignore it copy at most 80.
    const int kBufferLength = 1024;
    TOOLINFOW info = MakeToolInfo(pWnd, nIDTool);
    info.lpszText = str.GetBufferSetLength(kBufferLength);
    info.lpszText[0] = L'\0';
    SendMessage(TTM_GETTEXTW, kBufferLength, reinterpret_cast<LPARAM>(&info));
    str.ReleaseBuffer();
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOW info = MakeToolInfo(pWnd, nIDTool);
    info.lpszText = const_cast<LPWSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    ASSERT(nIDTool != 0 && lpRect != nullptr); // a whole-window tool has no rectangle of its own
    TOOLINFOW info = MakeToolInfo(pWnd, nIDTool);
    info.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

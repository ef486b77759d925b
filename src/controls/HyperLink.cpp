// The hyperlink static: colours and underlining through the reflected control-colour message,
// fitting to its text, the tooltip, and opening the address through the shell seam.
#include <HyperLink.h>

#include "OpenWithShell.h"

#include <afxlite/AfxGdiScoped.h>
#include <afxlite/AfxScoped.h>

IMPLEMENT_DYNAMIC(CHyperLink, CStatic)

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_CONTROL_REFLECT(STN_CLICKED, &CHyperLink::OnClicked)
END_MESSAGE_MAP()

namespace {

const UINT_PTR kToolId = 1;
const DWORD kRegValueBytes = 260;

LPCTSTR ErrorText(int nError)
{
    switch (nError) {
    case 0:
        return L"The operating system is out\nof memory or resources.";
    case SE_ERR_FNF:
        return L"The specified file was not found.";
    case SE_ERR_PNF:
        return L"The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
        return L"The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
        return L"There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
        return L"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
        return L"A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
        return L"The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return L"The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
        return L"The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return L"The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC:
        return L"There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
        return L"The specified dynamic-link library was not found.";
    default:
        return nullptr;
    }
}

} // namespace

CHyperLink::CHyperLink()
    : m_crLinkColour(RGB(0, 0, 238)), m_crVisitedColour(RGB(85, 26, 139)), m_bVisited(FALSE), m_bUnderline(TRUE),
      m_bAdjustToFit(TRUE), m_hLinkCursor(nullptr), m_hPlainFont(nullptr)
{
}

CHyperLink::~CHyperLink() = default;

void CHyperLink::PreSubclassWindow()
{
    ModifyStyle(0, SS_NOTIFY);
    CString strText;
    GetWindowText(strText);
    if (m_strURL.IsEmpty())
        m_strURL = strText;
    if (strText.IsEmpty())
        SetWindowText(m_strURL);
    ApplyFont();
    PositionWindow();
    m_hLinkCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_ToolTip.Create(this))
        m_ToolTip.AddTool(this, m_strURL, &rcClient, kToolId);
    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

void CHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (!::IsWindow(m_hWnd))
        return;
    PositionWindow();
    if (m_ToolTip.m_hWnd != nullptr)
        m_ToolTip.UpdateTipText(m_strURL, this, kToolId);
}

void CHyperLink::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour)
{
    m_crLinkColour = crLinkColour;
    m_crVisitedColour = crVisitedColour;
    Repaint();
}

void CHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    Repaint();
}

void CHyperLink::SetUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    ApplyFont();
    Repaint();
}

// The underline goes through the control's own font: a static selects that font after it has
// asked its parent for colours, so a font selected while answering would never show.
void CHyperLink::ApplyFont()
{
    if (!::IsWindow(m_hWnd))
        return;
    if (m_UnderlineFont.m_hObject == nullptr) {
        CFont* pFont = GetFont();
        LOGFONTW logFont = {};
        if (pFont == nullptr || pFont->GetLogFont(&logFont) == 0)
            return;
        m_hPlainFont = static_cast<HFONT>(pFont->m_hObject);
        logFont.lfUnderline = TRUE;
        if (!m_UnderlineFont.CreateFontIndirect(&logFont))
            return;
    }
    const HGDIOBJ hFont = m_bUnderline ? m_UnderlineFont.m_hObject : m_hPlainFont;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
}

void CHyperLink::SetAutoSize(BOOL bAutoSize)
{
    m_bAdjustToFit = bAutoSize;
    if (::IsWindow(m_hWnd))
        PositionWindow();
}

void CHyperLink::Repaint()
{
    if (::IsWindow(m_hWnd))
        Invalidate();
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT)
{
    pDC->SetTextColor(m_bVisited ? m_crVisitedColour : m_crLinkColour);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

BOOL CHyperLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hLinkCursor != nullptr)
        ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CHyperLink::OnClicked()
{
    const int nResult = static_cast<int>(reinterpret_cast<INT_PTR>(GotoURL(m_strURL, SW_SHOW)));
    if (nResult > 32) {
        SetVisited(TRUE);
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ReportError(nResult);
}

HINSTANCE CHyperLink::GotoURL(LPCTSTR lpszURL, int nShowCmd)
{
    HINSTANCE hInstApp = nullptr;
    const BOOL bOpened = OpenWithShell(m_hWnd, lpszURL, nShowCmd, &hInstApp);
    // A failure that left no code of its own counts as an address without an application.
    if (!bOpened && reinterpret_cast<INT_PTR>(hInstApp) > 32)
        return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_NOASSOC));
    return hInstApp;
}

void CHyperLink::ReportError(int nError)
{
    CString strMessage = L"Unable to open hyperlink:\n\n";
    if (LPCTSTR lpszText = ErrorText(nError)) {
        strMessage += lpszText;
    } else {
        CString strUnknown;
        strUnknown.Format(L"Unknown Error (%d) occurred.", nError);
        strMessage += strUnknown;
    }
    ::MessageBoxW(m_hWnd, strMessage, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

LONG CHyperLink::GetRegKey(HKEY hKey, LPCTSTR lpszSubKey, LPTSTR lpszValue)
{
    HKEY hOpened = nullptr;
    const LONG nOpen = ::RegOpenKeyExW(hKey, lpszSubKey, 0, KEY_QUERY_VALUE, &hOpened);
    if (nOpen != ERROR_SUCCESS)
        return nOpen;
    const CRegKeyHandle key(hOpened);
    wchar_t szData[kRegValueBytes / sizeof(wchar_t)] = {};
    DWORD dwType = 0;
    DWORD dwBytes = sizeof(szData) - sizeof(wchar_t); // room for the terminating null
    const LONG nQuery =
        ::RegQueryValueExW(hOpened, nullptr, nullptr, &dwType, reinterpret_cast<BYTE*>(szData), &dwBytes);
    if (nQuery != ERROR_SUCCESS)
        return nQuery;
    if (dwType != REG_SZ && dwType != REG_EXPAND_SZ)
        return ERROR_INVALID_DATA;
    lstrcpynW(lpszValue, szData, static_cast<int>(sizeof(szData) / sizeof(wchar_t)));
    return ERROR_SUCCESS;
}

void CHyperLink::PositionWindow()
{
    if (!::IsWindow(m_hWnd) || !m_bAdjustToFit)
        return;
    CString strText;
    GetWindowText(strText);
    CSize sizeText;
    {
        const CScopedGetDC dc(m_hWnd, CScopedGetDC::WholeWindow);
        CFont* pFont = GetFont();
        const CDCSelect font(dc, pFont != nullptr ? pFont->m_hObject : nullptr);
        ::GetTextExtentPoint32W(dc, strText, strText.GetLength(), &sizeText);
    }
    CRect rc;
    GetWindowRect(&rc);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rc);
    const DWORD dwStyle = GetStyle();
    if (dwStyle & SS_CENTERIMAGE)
        rc.DeflateRect(0, (rc.Height() - sizeText.cy) / 2);
    else
        rc.bottom = rc.top + sizeText.cy;
    switch (dwStyle & SS_TYPEMASK) {
    case SS_CENTER:
        rc.DeflateRect((rc.Width() - sizeText.cx) / 2, 0);
        break;
    case SS_RIGHT:
        rc.left = rc.right - sizeText.cx;
        break;
    default:
        rc.right = rc.left + sizeText.cx;
        break;
    }
    SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

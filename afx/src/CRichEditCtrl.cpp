// Rich-edit controls: loading the control's library, creation, and the messages that take
// structures or buffers.
#include "afxlite/CRichEditCtrl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL AFXAPI CRichEditCtrl::InitRichEdit2()
{
    // Loaded once and never freed: windows of the class may live until the process ends, and
    // freeing a library from a DLL's detach is not safe.
    static const HMODULE s_hRichEdit = ::LoadLibraryW(L"riched20.dll");
    return s_hRichEdit != nullptr;
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!InitRichEdit2())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range = {};
    GetSel(range);
    CString text;
    GetTextRange(range.cpMin, range.cpMax, text);
    return text;
}

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT uCodePage) const
{
    GETTEXTLENGTHEX request = {dwFlags, uCodePage};
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request), 0));
}

int CRichEditCtrl::GetTextRange(long nFirst, long nLast, CString& rString) const
{
    rString.Empty();
    const long nLength = GetCharCount();
    if (nLast < 0 || nLast > nLength)
        nLast = nLength;
    if (nFirst < 0 || nFirst >= nLast)
        return 0;
    TEXTRANGEW range = {};
    range.chrg.cpMin = nFirst;
    range.chrg.cpMax = nLast;
    range.lpstrText = rString.GetBuffer(nLast - nFirst + 1);
    const int nCopied = static_cast<int>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
    rString.ReleaseBuffer(nCopied);
    return rString.GetLength();
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
    POINTL position = {};
    SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&position), lChar);
    return CPoint(position.x, position.y);
}

IRichEditOle* CRichEditCtrl::GetIRichEditOle() const
{
    IRichEditOle* pRichEditOle = nullptr;
    SendMessage(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRichEditOle));
    return pRichEditOle;
}

DWORD CRichEditCtrl::GetCharFormat(DWORD dwWhich, CHARFORMATW& cf, UINT cbSize) const
{
    cf.cbSize = cbSize;
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, dwWhich, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetCharFormat(DWORD dwWhich, CHARFORMATW& cf, UINT cbSize)
{
    cf.cbSize = cbSize;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, dwWhich, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf, UINT cbSize) const
{
    pf.cbSize = cbSize;
    return static_cast<DWORD>(SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf, UINT cbSize)
{
    pf.cbSize = cbSize;
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}

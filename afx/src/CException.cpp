// CException and the message helpers its subclasses share.
#include "afxlite/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CopyErrorMessage(CString(), lpszError, nMaxError, pnHelpContext);
    return FALSE;
}

BOOL CException::CopyErrorMessage(const CString& text, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    const UINT length =
        static_cast<UINT>(text.GetLength()) < nMaxError - 1 ? static_cast<UINT>(text.GetLength()) : nMaxError - 1;
    wmemcpy(lpszError, text.GetString(), length);
    lpszError[length] = L'\0';
    return !text.IsEmpty();
}

CString CException::FormatErrorText(DWORD code, HMODULE hModule)
{
    const DWORD source = hModule ? FORMAT_MESSAGE_FROM_HMODULE : FORMAT_MESSAGE_FROM_SYSTEM;
    LPWSTR buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | source,
                                        hModule, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    CString text;
    if (length > 0 && buffer)
        text = CString(buffer, static_cast<int>(length));
    LocalFree(buffer);
    return text.TrimRight();
}

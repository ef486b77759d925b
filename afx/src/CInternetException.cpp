// CInternetException: error texts come from WinInet's message table.
#include "afxlite/CInternetException.h"

#include <wininet.h>

IMPLEMENT_DYNAMIC(CInternetException, CException)

namespace {

CString ExtendedErrorText()
{
    DWORD code = 0;
    DWORD length = 0;
    InternetGetLastResponseInfoW(&code, nullptr, &length);
    if (length == 0)
        return CString();
    CString text;
    ++length; // room for the terminating null
    const BOOL ok = InternetGetLastResponseInfoW(&code, text.GetBuffer(static_cast<int>(length)), &length);
    text.ReleaseBuffer(ok ? static_cast<int>(length) : 0);
    return text.TrimRight();
}

} // namespace

CInternetException::CInternetException(DWORD dwError) : m_dwError(dwError), m_dwContext(0)
{
}

BOOL CInternetException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CString text = FormatErrorText(m_dwError, GetModuleHandleW(L"wininet.dll"));
    if (text.IsEmpty())
        text = FormatErrorText(m_dwError);
    if (text.IsEmpty())
        text.Format(L"Internet error %lu.", static_cast<unsigned long>(m_dwError));
    if (m_dwError == ERROR_INTERNET_EXTENDED_ERROR) {
        const CString response = ExtendedErrorText();
        if (!response.IsEmpty())
            text += L"\r\n" + response;
    }
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError)
{
    const DWORD error = dwError != 0 ? dwError : GetLastError(); // before anything can change it
    auto* exception = new CInternetException(error);
    exception->m_dwContext = dwContext;
    throw exception;
}

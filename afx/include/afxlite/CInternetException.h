// CInternetException: a WinInet call failed; m_dwError is its error code (ERROR_INTERNET_...
// or a system code) and m_dwContext the context value of the session or connection.
#pragma once

#include "afxlite/CException.h"

class AFX_API CInternetException : public CException {
    DECLARE_DYNAMIC(CInternetException)
public:
    explicit CInternetException(DWORD dwError);

    // WinInet's own text for the code (the system's when WinInet has none), followed by the
    // server's response text for ERROR_INTERNET_EXTENDED_ERROR.
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;
};

// Throws a CInternetException for dwError, or for GetLastError() when dwError is 0.
[[noreturn]] AFX_API void AFXAPI AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError = 0);

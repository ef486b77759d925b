// CMemoryException: thrown by AfxThrowMemoryException when memory runs out.
#pragma once

#include "afxlite/CException.h"

class AFX_API CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] AFX_API void AFXAPI AfxThrowMemoryException();

// CResourceException: a Windows resource (GDI object, device context, loaded resource) could not
// be created or found; thrown by constructors that create one.
#pragma once

#include "afxlite/CException.h"

class AFX_API CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException() = default;
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] AFX_API void AFXAPI AfxThrowResourceException();

// CResourceException.
#include "afxlite/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    return CopyErrorMessage(L"A required resource was unavailable.", lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowResourceException()
{
    throw new CResourceException();
}

// COleException: an OLE / COM failure carrying its status code (m_sc).
#pragma once

#include "afxlite/CException.h"

class AFX_API COleException : public CException {
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = E_FAIL);

    // The status an exception stands for: m_sc of an OLE exception, E_OUTOFMEMORY for a memory
    // exception, E_UNEXPECTED for anything else.
    static SCODE AFXAPI Process(const CException* pAnyException);

    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

    SCODE m_sc;
};

[[noreturn]] AFX_API void AFXAPI AfxThrowOleException(SCODE sc);

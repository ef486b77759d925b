// COleException.
#include "afxlite/COleException.h"
#include "afxlite/CMemoryException.h"

IMPLEMENT_DYNAMIC(COleException, CException)

COleException::COleException(SCODE sc) : m_sc(sc)
{
}

SCODE AFXAPI COleException::Process(const CException* pAnyException)
{
    if (pAnyException && pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
        return static_cast<const COleException*>(pAnyException)->m_sc;
    if (pAnyException && pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        return E_OUTOFMEMORY;
    return E_UNEXPECTED;
}

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CString text = FormatErrorText(static_cast<DWORD>(m_sc));
    if (text.IsEmpty())
        text.Format(L"OLE error 0x%08lX.", static_cast<unsigned long>(m_sc));
    return CopyErrorMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowOleException(SCODE sc)
{
    throw new COleException(sc);
}

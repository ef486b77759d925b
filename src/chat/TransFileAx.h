// CTransFileAx: one file-transfer component of the chat view, reached through its dispatch
// members, with the transfer's full id kept beside it: the component holds ids as 16-bit
// values, so two transfers 65536 apart, or any id above 32767, would not be told apart by the
// component's own property.
#pragma once

#include <TransFile.h>

#include <comdef.h>

class CTransFileAx {
public:
    // Takes over one reference of pAx.
    CTransFileAx(ITransFile* pAx, int nTransferId) : m_pAx(pAx), m_nTransferId(nTransferId) {}
    ~CTransFileAx();
    CTransFileAx(const CTransFileAx&) = delete;
    CTransFileAx& operator=(const CTransFileAx&) = delete;

    int GetTransferId() const { return m_nTransferId; }

    // The component's members: property 1 and methods 2 to 4.
    static HRESULT PutTransferId(ITransFile* pAx, short nId);
    static HRESULT GetTransferId(ITransFile* pAx, short& nId);
    static HRESULT SetFileInfo(ITransFile* pAx, const wchar_t* pszName, double dSize);
    static HRESULT SetProgress(ITransFile* pAx, short nValue);
    static HRESULT SetStatus(ITransFile* pAx, const wchar_t* pszText, BOOL bFinal);

    HRESULT SetProgress(short nValue) { return SetProgress(m_pAx, nValue); }
    HRESULT SetStatus(const wchar_t* pszText, BOOL bFinal) { return SetStatus(m_pAx, pszText, bFinal); }

private:
    ITransFile* m_pAx;
    int m_nTransferId;
};

// The chat view's file-transfer components and their dispatch members.
#include "chat/TransFileAx.h"

namespace {

// Calls member dispId with args given first to last.
HRESULT Call(ITransFile* pAx, DISPID dispId, WORD wFlags, VARIANT* pArgs, UINT nArgs, VARIANT* pResult = nullptr)
{
    if (pAx == nullptr)
        return E_POINTER;
    VARIANT reversed[2];
    for (UINT i = 0; i < nArgs; ++i)
        reversed[i] = pArgs[nArgs - 1 - i];
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed, nullptr, nArgs, 0};
    if (wFlags == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    return pAx->Invoke(dispId, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, nullptr, nullptr);
}

} // namespace

CTransFileAx::~CTransFileAx()
{
    m_pAx->Release();
}

HRESULT CTransFileAx::PutTransferId(ITransFile* pAx, short nId)
{
    _variant_t id(nId);
    return Call(pAx, DISPID_TRANSFILE_TRANSFERID, DISPATCH_PROPERTYPUT, &id, 1);
}

HRESULT CTransFileAx::GetTransferId(ITransFile* pAx, short& nId)
{
    _variant_t result;
    HRESULT hr = Call(pAx, DISPID_TRANSFILE_TRANSFERID, DISPATCH_PROPERTYGET, nullptr, 0, &result);
    if (FAILED(hr) || FAILED(hr = ::VariantChangeType(&result, &result, 0, VT_I2)))
        return hr;
    nId = result.iVal;
    return S_OK;
}

HRESULT CTransFileAx::SetFileInfo(ITransFile* pAx, const wchar_t* pszName, double dSize)
{
    _variant_t args[2] = {_variant_t(pszName != nullptr ? pszName : L""), _variant_t(dSize)};
    return Call(pAx, DISPID_TRANSFILE_SETFILEINFO, DISPATCH_METHOD, args, 2);
}

HRESULT CTransFileAx::SetProgress(ITransFile* pAx, short nValue)
{
    _variant_t value(nValue);
    return Call(pAx, DISPID_TRANSFILE_SETPROGRESS, DISPATCH_METHOD, &value, 1);
}

HRESULT CTransFileAx::SetStatus(ITransFile* pAx, const wchar_t* pszText, BOOL bFinal)
{
    _variant_t args[2] = {_variant_t(pszText != nullptr ? pszText : L""), _variant_t(bFinal != FALSE)};
    return Call(pAx, DISPID_TRANSFILE_SETSTATUS, DISPATCH_METHOD, args, 2);
}

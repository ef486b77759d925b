// CTransFileObject: the file-transfer OLE object.

#include "TransFileObject.h"

#include "../common/InprocServer.h"

#include <comdef.h>

namespace {

// The member names GetIDsOfNames knows, by member id.
const struct {
    const wchar_t* pszName;
    DISPID dispId;
} kMembers[] = {{L"TransferId", DISPID_TRANSFILE_TRANSFERID},
                {L"SetFileInfo", DISPID_TRANSFILE_SETFILEINFO},
                {L"SetProgress", DISPID_TRANSFILE_SETPROGRESS},
                {L"SetStatus", DISPID_TRANSFILE_SETSTATUS},
                {L"Status", DISPID_TRANSFILE_STATUS},
                {L"Progress", DISPID_TRANSFILE_PROGRESS},
                {L"Final", DISPID_TRANSFILE_FINAL}};

// Argument nArg in the caller's order (the array holds them last first) converted to vt.
HRESULT Argument(const DISPPARAMS& params, UINT nArg, VARTYPE vt, _variant_t& value)
{
    if (nArg >= params.cArgs)
        return DISP_E_BADPARAMCOUNT;
    return ::VariantChangeType(&value, &params.rgvarg[params.cArgs - 1 - nArg], 0, vt);
}

// A read-only property's value.
HRESULT Read(WORD wFlags, VARIANT* pResult, _variant_t value)
{
    if ((wFlags & DISPATCH_PROPERTYGET) == 0 || pResult == nullptr)
        return DISP_E_MEMBERNOTFOUND;
    ::VariantInit(pResult);
    return ::VariantCopy(pResult, &value);
}

} // namespace

HRESULT CTransFileObject::Create(REFIID riid, void** ppv)
{
    CTransFileObject* pObject = new CTransFileObject();
    const HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

CTransFileObject::CTransFileObject() : COleEmbeddedObject(CLSID_TransFile), m_nRef(1)
{
    InprocServerAddRef();
}

CTransFileObject::~CTransFileObject()
{
    InprocServerRelease();
}

// ---- IUnknown ----

STDMETHODIMP CTransFileObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (!::IsEqualIID(riid, IID_IUnknown) && !::IsEqualIID(riid, IID_IDispatch) && !::IsEqualIID(riid, DIID_ITransFile))
        return QueryEmbedded(riid, ppv);
    *ppv = static_cast<ITransFile*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CTransFileObject::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CTransFileObject::Release()
{
    const LONG nRef = ::InterlockedDecrement(&m_nRef);
    if (nRef == 0)
        delete this;
    return static_cast<ULONG>(nRef);
}

// ---- IDispatch (ITransFile) ----

STDMETHODIMP CTransFileObject::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CTransFileObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != nullptr)
        *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
}

STDMETHODIMP CTransFileObject::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId)
{
    if (rgszNames == nullptr || rgDispId == nullptr || cNames == 0)
        return E_POINTER;
    for (UINT i = 0; i < cNames; ++i)
        rgDispId[i] = DISPID_UNKNOWN;
    for (const auto& member : kMembers)
        if (rgszNames[0] != nullptr && ::lstrcmpiW(rgszNames[0], member.pszName) == 0)
            rgDispId[0] = member.dispId;
    // The members take no named arguments.
    return rgDispId[0] == DISPID_UNKNOWN || cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;
}

STDMETHODIMP CTransFileObject::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                      VARIANT* pVarResult, EXCEPINFO*, UINT* puArgErr)
{
    if (pDispParams == nullptr)
        return E_POINTER;
    if (puArgErr != nullptr)
        *puArgErr = 0;
    const HRESULT hr = InvokeMember(dispIdMember, wFlags, *pDispParams, pVarResult);
    if (SUCCEEDED(hr) && (wFlags & DISPATCH_PROPERTYGET) == 0)
        Changed();
    return hr;
}

HRESULT CTransFileObject::InvokeMember(DISPID dispId, WORD wFlags, DISPPARAMS& params, VARIANT* pResult)
{
    _variant_t first, second;
    HRESULT hr = S_OK;
    switch (dispId) {
    case DISPID_TRANSFILE_TRANSFERID:
        if (wFlags & DISPATCH_PROPERTYPUT) {
            if (FAILED(hr = Argument(params, 0, VT_I2, first)))
                return hr;
            m_view.m_nTransferId = first.iVal;
            return S_OK;
        }
        return Read(wFlags, pResult, _variant_t(m_view.m_nTransferId));
    case DISPID_TRANSFILE_SETFILEINFO:
        if (FAILED(hr = Argument(params, 0, VT_BSTR, first)) || FAILED(hr = Argument(params, 1, VT_R8, second)))
            return hr;
        m_view.m_strFileName = first.bstrVal != nullptr ? first.bstrVal : L"";
        m_view.m_dSize = second.dblVal;
        return S_OK;
    case DISPID_TRANSFILE_SETPROGRESS:
        if (FAILED(hr = Argument(params, 0, VT_I2, first)))
            return hr;
        m_view.SetProgress(first.iVal);
        return S_OK;
    case DISPID_TRANSFILE_SETSTATUS:
        if (FAILED(hr = Argument(params, 0, VT_BSTR, first)) || FAILED(hr = Argument(params, 1, VT_BOOL, second)))
            return hr;
        m_view.m_strStatus = first.bstrVal != nullptr ? first.bstrVal : L"";
        m_view.m_bFinal = second.boolVal != VARIANT_FALSE;
        return S_OK;
    case DISPID_TRANSFILE_STATUS:
        return Read(wFlags, pResult, _variant_t(m_view.m_strStatus.c_str()));
    case DISPID_TRANSFILE_PROGRESS:
        return Read(wFlags, pResult, _variant_t(static_cast<short>(m_view.m_nPercent)));
    case DISPID_TRANSFILE_FINAL:
        return Read(wFlags, pResult, _variant_t(m_view.m_bFinal));
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT CTransFileObject::GetPixelSize(SIZE& size) const
{
    size = {CTransFileView::kWidth, CTransFileView::kHeight};
    return S_OK;
}

// The host is told to draw again: its view sink (Windows) and its window (Wine's rich edit,
// which asks for the bitmap at every paint).
void CTransFileObject::Changed()
{
    if (m_pViewSink != nullptr)
        m_pViewSink->OnViewChange(DVASPECT_CONTENT, -1);
    if (m_hwndHost != nullptr)
        ::InvalidateRect(m_hwndHost, nullptr, FALSE);
}

// ---- IViewObject2 ----

STDMETHODIMP CTransFileObject::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                                    LPCRECTL lprcBounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (hdcDraw == nullptr || lprcBounds == nullptr)
        return E_INVALIDARG;
    m_view.Draw(hdcDraw, {lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom}, m_clrBack);
    return S_OK;
}

// ---- IDataObject ----

STDMETHODIMP CTransFileObject::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium)
{
    if (pmedium == nullptr)
        return E_POINTER;
    if (!IsContentBitmap(pformatetcIn))
        return DV_E_FORMATETC;
    const HBITMAP hBitmap = m_view.CreateBitmap(m_clrBack);
    if (hBitmap == nullptr)
        return E_OUTOFMEMORY;
    pmedium->tymed = TYMED_GDI;
    pmedium->hBitmap = hBitmap;
    pmedium->pUnkForRelease = nullptr;
    return S_OK;
}

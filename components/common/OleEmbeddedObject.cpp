// COleEmbeddedObject: the shared part of the client's embedded OLE objects.

#include "OleEmbeddedObject.h"

#include "OleHost.h"

#include <afxlite/AfxGdiScoped.h>

namespace {

const long kHimetricPerInch = 2540;

int ScreenDpi(int nIndex)
{
    const CScopedGetDC screen(nullptr);
    return ::GetDeviceCaps(screen, nIndex);
}

} // namespace

COleEmbeddedObject::COleEmbeddedObject(REFCLSID clsid)
    : m_hwndHost(nullptr), m_clrBack(::GetSysColor(COLOR_WINDOW)), m_pClientSite(nullptr), m_pViewSink(nullptr),
      m_pAdviseHolder(nullptr), m_clsid(clsid)
{
}

COleEmbeddedObject::~COleEmbeddedObject()
{
    ReleaseAndClear(m_pClientSite);
    ReleaseAndClear(m_pViewSink);
    ReleaseAndClear(m_pAdviseHolder);
}

HRESULT COleEmbeddedObject::QueryEmbedded(REFIID riid, void** ppv)
{
    if (::IsEqualIID(riid, IID_IOleObject))
        *ppv = static_cast<IOleObject*>(this);
    else if (::IsEqualIID(riid, IID_IPersistStorage) || ::IsEqualIID(riid, IID_IPersist))
        *ppv = static_cast<IPersistStorage*>(this);
    else if (::IsEqualIID(riid, IID_IViewObject2) || ::IsEqualIID(riid, IID_IViewObject))
        *ppv = static_cast<IViewObject2*>(this);
    else if (::IsEqualIID(riid, IID_IDataObject))
        *ppv = static_cast<IDataObject*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IOleObject*>(this)->AddRef();
    return S_OK;
}

bool COleEmbeddedObject::IsContentBitmap(const FORMATETC* pFormat)
{
    return pFormat != nullptr && pFormat->cfFormat == CF_BITMAP && (pFormat->tymed & TYMED_GDI) != 0 &&
           pFormat->dwAspect == DVASPECT_CONTENT;
}

// ---- IOleObject ----

STDMETHODIMP COleEmbeddedObject::SetClientSite(IOleClientSite* pClientSite)
{
    if (pClientSite != nullptr)
        pClientSite->AddRef();
    ReleaseAndClear(m_pClientSite);
    m_pClientSite = pClientSite;
    SetHost(OleSiteWindow(pClientSite));
    return S_OK;
}

void COleEmbeddedObject::SetHost(HWND hWnd)
{
    if (hWnd == nullptr || hWnd == m_hwndHost)
        return;
    m_hwndHost = hWnd;
    m_clrBack = OleHostBackground(hWnd);
    OnHostChanged();
}

STDMETHODIMP COleEmbeddedObject::GetClientSite(IOleClientSite** ppClientSite)
{
    if (ppClientSite == nullptr)
        return E_POINTER;
    *ppClientSite = m_pClientSite;
    if (m_pClientSite != nullptr)
        m_pClientSite->AddRef();
    return S_OK;
}

STDMETHODIMP COleEmbeddedObject::Close(DWORD)
{
    OnClose();
    if (m_pAdviseHolder != nullptr)
        m_pAdviseHolder->SendOnClose();
    return S_OK;
}

STDMETHODIMP COleEmbeddedObject::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleEmbeddedObject::GetClipboardData(DWORD, IDataObject** ppDataObject)
{
    if (ppDataObject != nullptr)
        *ppDataObject = nullptr;
    return E_NOTIMPL;
}

// Showing and activating need nothing beyond knowing the window the object lives in.
STDMETHODIMP COleEmbeddedObject::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent, LPCRECT)
{
    SetHost(hwndParent != nullptr ? hwndParent : OleSiteWindow(pActiveSite));
    switch (iVerb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_OPEN:
    case OLEIVERB_UIACTIVATE:
    case OLEIVERB_INPLACEACTIVATE:
        return S_OK;
    default:
        return iVerb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP COleEmbeddedObject::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    if (ppEnumOleVerb != nullptr)
        *ppEnumOleVerb = nullptr;
    return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP COleEmbeddedObject::GetUserType(DWORD, LPOLESTR* pszUserType)
{
    if (pszUserType != nullptr)
        *pszUserType = nullptr;
    return OLE_S_USEREG;
}

STDMETHODIMP COleEmbeddedObject::GetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (psizel == nullptr)
        return E_POINTER;
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    SIZE size = {};
    const HRESULT hr = GetPixelSize(size);
    if (FAILED(hr))
        return hr;
    *psizel = {::MulDiv(size.cx, kHimetricPerInch, ScreenDpi(LOGPIXELSX)),
               ::MulDiv(size.cy, kHimetricPerInch, ScreenDpi(LOGPIXELSY))};
    return S_OK;
}

STDMETHODIMP COleEmbeddedObject::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection)
{
    if (m_pAdviseHolder == nullptr && FAILED(::CreateOleAdviseHolder(&m_pAdviseHolder)))
        return E_OUTOFMEMORY;
    return m_pAdviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP COleEmbeddedObject::Unadvise(DWORD dwConnection)
{
    return m_pAdviseHolder ? m_pAdviseHolder->Unadvise(dwConnection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP COleEmbeddedObject::EnumAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return m_pAdviseHolder ? m_pAdviseHolder->EnumAdvise(ppenumAdvise) : E_FAIL;
}

STDMETHODIMP COleEmbeddedObject::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE;
    return S_OK;
}

// ---- IPersistStorage ----

STDMETHODIMP COleEmbeddedObject::GetClassID(CLSID* pClassID)
{
    if (pClassID == nullptr)
        return E_POINTER;
    *pClassID = m_clsid;
    return S_OK;
}

// ---- IViewObject2 ----

STDMETHODIMP COleEmbeddedObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet)
{
    if (ppColorSet != nullptr)
        *ppColorSet = nullptr;
    return S_FALSE; // no palette
}

STDMETHODIMP COleEmbeddedObject::Freeze(DWORD, LONG, void*, DWORD* pdwFreeze)
{
    if (pdwFreeze != nullptr)
        *pdwFreeze = 0;
    return E_NOTIMPL;
}

STDMETHODIMP COleEmbeddedObject::SetAdvise(DWORD, DWORD, IAdviseSink* pAdvSink)
{
    if (pAdvSink != nullptr)
        pAdvSink->AddRef();
    ReleaseAndClear(m_pViewSink);
    m_pViewSink = pAdvSink;
    return S_OK;
}

STDMETHODIMP COleEmbeddedObject::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink)
{
    if (pAspects != nullptr)
        *pAspects = DVASPECT_CONTENT;
    if (pAdvf != nullptr)
        *pAdvf = 0;
    if (ppAdvSink != nullptr) {
        *ppAdvSink = m_pViewSink;
        if (m_pViewSink != nullptr)
            m_pViewSink->AddRef();
    }
    return S_OK;
}

STDMETHODIMP COleEmbeddedObject::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel)
{
    return GetExtent(dwDrawAspect, lpsizel);
}

// ---- IDataObject ----

STDMETHODIMP COleEmbeddedObject::QueryGetData(FORMATETC* pformatetc)
{
    return IsContentBitmap(pformatetc) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP COleEmbeddedObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut)
{
    if (pformatetcOut != nullptr)
        pformatetcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP COleEmbeddedObject::EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc)
{
    if (ppenumFormatEtc != nullptr)
        *ppenumFormatEtc = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP COleEmbeddedObject::EnumDAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

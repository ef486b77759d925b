// CFaceAnimObject: the emoticon OLE object.

#include "FaceAnimObject.h"

#include "FaceAnimModule.h"

#include <richedit.h>

#include <afxlite/AfxGdiScoped.h>

#include <algorithm>

namespace {

const wchar_t kPathStream[] = L"FacePath";
// A stored path longer than this is refused: storages come from documents, hostile too.
const ULONG kMaxStoredPathChars = 32767;
const long kHimetricPerInch = 2540;

template <class T>
void ReleaseAndClear(T*& pInterface)
{
    if (pInterface != nullptr)
        pInterface->Release();
    pInterface = nullptr;
}

int ScreenDpi(int nIndex)
{
    const CScopedGetDC screen(nullptr);
    return ::GetDeviceCaps(screen, nIndex);
}

// The background colour of a rich-edit control: setting the system colour answers the colour it
// had, which is then put back. Other windows draw on the window colour.
COLORREF HostBackground(HWND hWnd)
{
    IUnknown* pRichEdit = nullptr;
    if (!::SendMessageW(hWnd, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pRichEdit)) || pRichEdit == nullptr)
        return ::GetSysColor(COLOR_WINDOW);
    pRichEdit->Release();
    const COLORREF clrBack = static_cast<COLORREF>(::SendMessageW(hWnd, EM_SETBKGNDCOLOR, TRUE, 0));
    if (clrBack != ::GetSysColor(COLOR_WINDOW))
        ::SendMessageW(hWnd, EM_SETBKGNDCOLOR, FALSE, clrBack);
    return clrBack;
}

} // namespace

CFaceAnimObject::CFaceAnimObject()
    : m_nRef(1), m_nFrame(0), m_bPlaying(false), m_bDrawn(false), m_hwndHost(nullptr),
      m_clrBack(::GetSysColor(COLOR_WINDOW)), m_nCanvasFrame(SIZE_MAX), m_pClock(nullptr), m_pClientSite(nullptr),
      m_pViewSink(nullptr), m_pAdviseHolder(nullptr)
{
    FaceAnimAddRef();
    m_pClock = CAnimationClock::Join(this);
}

CFaceAnimObject::~CFaceAnimObject()
{
    if (m_pClock != nullptr)
        m_pClock->Leave(this);
    ReleaseAndClear(m_pClientSite);
    ReleaseAndClear(m_pViewSink);
    ReleaseAndClear(m_pAdviseHolder);
    FaceAnimRelease();
}

// ---- IUnknown ----

STDMETHODIMP CFaceAnimObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (::IsEqualIID(riid, IID_IUnknown) || ::IsEqualIID(riid, IID_IFaceAnimator))
        *ppv = static_cast<IFaceAnimator*>(this);
    else if (::IsEqualIID(riid, IID_IOleObject))
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
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CFaceAnimObject::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRef));
}

STDMETHODIMP_(ULONG) CFaceAnimObject::Release()
{
    const LONG nRef = ::InterlockedDecrement(&m_nRef);
    if (nRef == 0)
        delete this;
    return static_cast<ULONG>(nRef);
}

// ---- IFaceAnimator ----

STDMETHODIMP CFaceAnimObject::LoadFromFile(BSTR bstrFileName)
{
    Stop();
    m_nFrame = 0;
    m_nCanvasFrame = SIZE_MAX;
    m_bstrPath = bstrFileName;
    if (bstrFileName == nullptr || *bstrFileName == L'\0')
        return E_INVALIDARG;
    return m_animation.LoadFile(bstrFileName);
}

STDMETHODIMP CFaceAnimObject::Play(VARIANT_BOOL* pbPlaying)
{
    const bool bAnimated = m_animation.FrameCount() > 1 && m_pClock != nullptr;
    if (pbPlaying != nullptr)
        *pbPlaying = bAnimated ? VARIANT_TRUE : VARIANT_FALSE;
    if (m_animation.IsEmpty())
        return OLE_E_BLANK;
    m_bPlaying = true;
    // Counted as drawn: a host that never draws it parks it after one frame.
    m_bDrawn = true;
    if (bAnimated && !m_pClock->IsArmed(this))
        ArmAfter(CAnimationClock::Now());
    return S_OK;
}

void CFaceAnimObject::Stop()
{
    m_bPlaying = false;
    if (m_pClock != nullptr)
        m_pClock->Disarm(this);
}

void CFaceAnimObject::ArmAfter(ULONGLONG ullNow)
{
    m_pClock->Arm(this, ullNow + m_animation.GetFrame(m_nFrame).dwMilliseconds);
}

void CFaceAnimObject::OnClockTick(ULONGLONG ullNow, CHostRedraw& redraw)
{
    if (!m_bPlaying || !m_bDrawn)
        return; // parked until drawn again
    m_nFrame = (m_nFrame + 1) % m_animation.FrameCount();
    m_bDrawn = false;
    ArmAfter(ullNow);
    redraw.Add(m_hwndHost, static_cast<IOleObject*>(this), m_animation.Width());
    if (m_pViewSink != nullptr)
        m_pViewSink->OnViewChange(DVASPECT_CONTENT, -1);
}

void CFaceAnimObject::NoteDrawn()
{
    m_bDrawn = true;
    if (m_bPlaying && m_animation.FrameCount() > 1 && m_pClock != nullptr && !m_pClock->IsArmed(this))
        ArmAfter(CAnimationClock::Now());
}

// ---- IOleObject ----

HWND CFaceAnimObject::SiteWindow(IOleClientSite* pSite) const
{
    IOleWindow* pWindow = nullptr;
    HWND hWnd = nullptr;
    if (pSite != nullptr && SUCCEEDED(pSite->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&pWindow)))) {
        if (FAILED(pWindow->GetWindow(&hWnd)))
            hWnd = nullptr;
        pWindow->Release();
    }
    return hWnd;
}

STDMETHODIMP CFaceAnimObject::SetClientSite(IOleClientSite* pClientSite)
{
    if (pClientSite != nullptr)
        pClientSite->AddRef();
    ReleaseAndClear(m_pClientSite);
    m_pClientSite = pClientSite;
    SetHost(SiteWindow(pClientSite));
    return S_OK;
}

void CFaceAnimObject::SetHost(HWND hWnd)
{
    if (hWnd == nullptr || hWnd == m_hwndHost)
        return;
    m_hwndHost = hWnd;
    m_clrBack = HostBackground(hWnd);
    m_nCanvasFrame = SIZE_MAX;
}

STDMETHODIMP CFaceAnimObject::GetClientSite(IOleClientSite** ppClientSite)
{
    if (ppClientSite == nullptr)
        return E_POINTER;
    *ppClientSite = m_pClientSite;
    if (m_pClientSite != nullptr)
        m_pClientSite->AddRef();
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::SetHostNames(LPCOLESTR, LPCOLESTR)
{
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::Close(DWORD)
{
    Stop();
    if (m_pAdviseHolder != nullptr)
        m_pAdviseHolder->SendOnClose();
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::SetMoniker(DWORD, IMoniker*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::GetMoniker(DWORD, DWORD, IMoniker** ppmk)
{
    if (ppmk != nullptr)
        *ppmk = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::InitFromData(IDataObject*, BOOL, DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::GetClipboardData(DWORD, IDataObject** ppDataObject)
{
    if (ppDataObject != nullptr)
        *ppDataObject = nullptr;
    return E_NOTIMPL;
}

// Showing and activating need nothing beyond knowing the window the object lives in.
STDMETHODIMP CFaceAnimObject::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent, LPCRECT)
{
    SetHost(hwndParent != nullptr ? hwndParent : SiteWindow(pActiveSite));
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

STDMETHODIMP CFaceAnimObject::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb)
{
    if (ppEnumOleVerb != nullptr)
        *ppEnumOleVerb = nullptr;
    return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP CFaceAnimObject::Update()
{
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::IsUpToDate()
{
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::GetUserClassID(CLSID* pClsid)
{
    return GetClassID(pClsid);
}

STDMETHODIMP CFaceAnimObject::GetUserType(DWORD, LPOLESTR* pszUserType)
{
    if (pszUserType != nullptr)
        *pszUserType = nullptr;
    return OLE_S_USEREG;
}

STDMETHODIMP CFaceAnimObject::SetExtent(DWORD, SIZEL*)
{
    return E_FAIL; // the picture's size is fixed
}

SIZEL CFaceAnimObject::HimetricSize() const
{
    return {::MulDiv(m_animation.Width(), kHimetricPerInch, ScreenDpi(LOGPIXELSX)),
            ::MulDiv(m_animation.Height(), kHimetricPerInch, ScreenDpi(LOGPIXELSY))};
}

STDMETHODIMP CFaceAnimObject::GetExtent(DWORD dwDrawAspect, SIZEL* psizel)
{
    if (psizel == nullptr)
        return E_POINTER;
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (m_animation.IsEmpty())
        return OLE_E_BLANK;
    *psizel = HimetricSize();
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection)
{
    if (m_pAdviseHolder == nullptr && FAILED(::CreateOleAdviseHolder(&m_pAdviseHolder)))
        return E_OUTOFMEMORY;
    return m_pAdviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP CFaceAnimObject::Unadvise(DWORD dwConnection)
{
    return m_pAdviseHolder ? m_pAdviseHolder->Unadvise(dwConnection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP CFaceAnimObject::EnumAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return m_pAdviseHolder ? m_pAdviseHolder->EnumAdvise(ppenumAdvise) : E_FAIL;
}

STDMETHODIMP CFaceAnimObject::GetMiscStatus(DWORD, DWORD* pdwStatus)
{
    if (pdwStatus == nullptr)
        return E_POINTER;
    *pdwStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE;
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::SetColorScheme(LOGPALETTE*)
{
    return E_NOTIMPL;
}

// ---- IPersistStorage ----

STDMETHODIMP CFaceAnimObject::GetClassID(CLSID* pClassID)
{
    if (pClassID == nullptr)
        return E_POINTER;
    *pClassID = CLSID_FaceAnimator;
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::IsDirty()
{
    return S_FALSE;
}

STDMETHODIMP CFaceAnimObject::InitNew(IStorage*)
{
    return S_OK;
}

// A stored object holds its picture's path: a length, then the characters.
STDMETHODIMP CFaceAnimObject::Load(IStorage* pStorage)
{
    if (pStorage == nullptr)
        return E_POINTER;
    IStream* pStream = nullptr;
    HRESULT hr = pStorage->OpenStream(kPathStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream);
    if (FAILED(hr))
        return hr;
    ULONG nChars = 0, nRead = 0;
    hr = pStream->Read(&nChars, sizeof(nChars), &nRead);
    std::wstring path;
    if (SUCCEEDED(hr) && (nRead != sizeof(nChars) || nChars == 0 || nChars > kMaxStoredPathChars))
        hr = STG_E_READFAULT;
    if (SUCCEEDED(hr)) {
        path.resize(nChars);
        hr = pStream->Read(&path[0], nChars * sizeof(wchar_t), &nRead);
        if (SUCCEEDED(hr) && nRead != nChars * sizeof(wchar_t))
            hr = STG_E_READFAULT;
    }
    pStream->Release();
    if (FAILED(hr))
        return hr;
    return LoadFromFile(_bstr_t(path.c_str()));
}

STDMETHODIMP CFaceAnimObject::Save(IStorage* pStorage, BOOL)
{
    if (pStorage == nullptr)
        return E_POINTER;
    IStream* pStream = nullptr;
    HRESULT hr = pStorage->CreateStream(kPathStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStream);
    if (FAILED(hr))
        return hr;
    const ULONG nChars = m_bstrPath.length();
    hr = pStream->Write(&nChars, sizeof(nChars), nullptr);
    if (SUCCEEDED(hr) && nChars != 0)
        hr = pStream->Write(static_cast<const wchar_t*>(m_bstrPath), nChars * sizeof(wchar_t), nullptr);
    pStream->Release();
    return hr;
}

STDMETHODIMP CFaceAnimObject::SaveCompleted(IStorage*)
{
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::HandsOffStorage()
{
    return S_OK;
}

// ---- IViewObject2 ----

STDMETHODIMP CFaceAnimObject::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                                   LPCRECTL lprcBounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (hdcDraw == nullptr || lprcBounds == nullptr)
        return E_INVALIDARG;
    if (m_animation.IsEmpty())
        return OLE_E_BLANK;
    if (!UpdateCanvas())
        return E_OUTOFMEMORY;
    const RECT rcTarget = {lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom};
    if (!m_canvas.Draw(hdcDraw, rcTarget))
        return E_FAIL;
    NoteDrawn();
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet)
{
    if (ppColorSet != nullptr)
        *ppColorSet = nullptr;
    return S_FALSE; // no palette
}

STDMETHODIMP CFaceAnimObject::Freeze(DWORD, LONG, void*, DWORD* pdwFreeze)
{
    if (pdwFreeze != nullptr)
        *pdwFreeze = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::Unfreeze(DWORD)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::SetAdvise(DWORD, DWORD, IAdviseSink* pAdvSink)
{
    if (pAdvSink != nullptr)
        pAdvSink->AddRef();
    ReleaseAndClear(m_pViewSink);
    m_pViewSink = pAdvSink;
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink)
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

STDMETHODIMP CFaceAnimObject::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel)
{
    return GetExtent(dwDrawAspect, lpsizel);
}

// ---- IDataObject ----

bool CFaceAnimObject::IsSupported(const FORMATETC* pFormat) const
{
    return pFormat != nullptr && pFormat->cfFormat == CF_BITMAP && (pFormat->tymed & TYMED_GDI) != 0 &&
           pFormat->dwAspect == DVASPECT_CONTENT;
}

bool CFaceAnimObject::UpdateCanvas()
{
    if (m_nCanvasFrame == m_nFrame)
        return true;
    if (!m_canvas.Update(m_animation.GetFrame(m_nFrame).pixels, m_animation.Width(), m_animation.Height(), m_clrBack))
        return false;
    m_nCanvasFrame = m_nFrame;
    return true;
}

STDMETHODIMP CFaceAnimObject::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium)
{
    if (pmedium == nullptr)
        return E_POINTER;
    if (!IsSupported(pformatetcIn))
        return DV_E_FORMATETC;
    if (m_animation.IsEmpty())
        return OLE_E_BLANK;
    const HBITMAP hBitmap = CFrameCanvas::CreateBitmap(m_animation.GetFrame(m_nFrame).pixels, m_animation.Width(),
                                                       m_animation.Height(), m_clrBack);
    if (hBitmap == nullptr)
        return E_OUTOFMEMORY;
    pmedium->tymed = TYMED_GDI;
    pmedium->hBitmap = hBitmap;
    pmedium->pUnkForRelease = nullptr;
    NoteDrawn();
    return S_OK;
}

STDMETHODIMP CFaceAnimObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::QueryGetData(FORMATETC* pformatetc)
{
    return IsSupported(pformatetc) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP CFaceAnimObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut)
{
    if (pformatetcOut != nullptr)
        pformatetcOut->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP CFaceAnimObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc)
{
    if (ppenumFormatEtc != nullptr)
        *ppenumFormatEtc = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CFaceAnimObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CFaceAnimObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CFaceAnimObject::EnumDAdvise(IEnumSTATDATA** ppenumAdvise)
{
    if (ppenumAdvise != nullptr)
        *ppenumAdvise = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

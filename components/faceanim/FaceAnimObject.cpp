// CFaceAnimObject: the emoticon OLE object.

#include "FaceAnimObject.h"

#include "FaceAnimModule.h"

#include <afxlite/AfxGdiScoped.h>

#include <algorithm>

namespace {

const wchar_t kPathStream[] = L"FacePath";
// A stored path longer than this is refused: storages come from documents, hostile too.
const ULONG kMaxStoredPathChars = 32767;
} // namespace

CFaceAnimObject::CFaceAnimObject()
    : COleEmbeddedObject(CLSID_FaceAnimator), m_nRef(1), m_nFrame(0), m_bPlaying(false), m_bDrawn(false),
      m_nCanvasFrame(SIZE_MAX), m_pClock(nullptr)
{
    FaceAnimAddRef();
    m_pClock = CAnimationClock::Join(this);
}

HRESULT CFaceAnimObject::Create(REFIID riid, void** ppv)
{
    CFaceAnimObject* pObject = new CFaceAnimObject();
    const HRESULT hr = pObject->QueryInterface(riid, ppv);
    pObject->Release();
    return hr;
}

CFaceAnimObject::~CFaceAnimObject()
{
    if (m_pClock != nullptr)
        m_pClock->Leave(this);
    FaceAnimRelease();
}

// ---- IUnknown ----

STDMETHODIMP CFaceAnimObject::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (!::IsEqualIID(riid, IID_IUnknown) && !::IsEqualIID(riid, IID_IFaceAnimator))
        return QueryEmbedded(riid, ppv);
    *ppv = static_cast<IFaceAnimator*>(this);
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

// ---- COleEmbeddedObject ----

HRESULT CFaceAnimObject::GetPixelSize(SIZE& size) const
{
    if (m_animation.IsEmpty())
        return OLE_E_BLANK;
    size = {m_animation.Width(), m_animation.Height()};
    return S_OK;
}

void CFaceAnimObject::OnHostChanged()
{
    m_nCanvasFrame = SIZE_MAX;
}

void CFaceAnimObject::OnClose()
{
    Stop();
}

// ---- IPersistStorage ----

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

// ---- IDataObject ----

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
    if (!IsContentBitmap(pformatetcIn))
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

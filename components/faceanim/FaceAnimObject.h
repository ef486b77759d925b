// CFaceAnimObject: one emoticon as an OLE object a rich-edit control embeds. It plays a
// CGifAnimation on the thread's shared CAnimationClock, draws its current frame through
// IViewObject2 and hands it out as a CF_BITMAP through IDataObject (some rich-edit versions draw
// embedded objects only that way). Frames are laid over the host control's background colour:
// an opaque copy draws without reading the screen back, which blending would need on every
// draw. The frame shown is kept as pixels in a CFrameCanvas, no GDI object per emoticon. It
// advances a frame only after the host has drawn the previous one: an emoticon that is not drawn
// (scrolled out of view, in a hidden or minimised window, or in a control that is gone) parks,
// costing nothing, until it is drawn again.
#pragma once

#include "AnimationClock.h"
#include "FaceAnimator.h"
#include "FrameCanvas.h"
#include "GifAnimation.h"

#include <afxlite/AfxGdiScoped.h>

#include <ole2.h>

#include <comdef.h>

class CFaceAnimObject final : public IFaceAnimator,
                              public IOleObject,
                              public IPersistStorage,
                              public IViewObject2,
                              public IDataObject,
                              private CAnimationClock::Client {
public:
    CFaceAnimObject();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IFaceAnimator
    STDMETHODIMP LoadFromFile(BSTR bstrFileName) override;
    STDMETHODIMP Play(VARIANT_BOOL* pbPlaying) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override;
    STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override;
    STDMETHODIMP Close(DWORD dwSaveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override;
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override;
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** ppDataObject) override;
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent, LPCRECT) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override;
    STDMETHODIMP GetUserType(DWORD, LPOLESTR* pszUserType) override;
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHODIMP Unadvise(DWORD dwConnection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* pdwStatus) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override;

    // IPersistStorage (IPersist)
    STDMETHODIMP GetClassID(CLSID* pClassID) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP InitNew(IStorage*) override;
    STDMETHODIMP Load(IStorage* pStorage) override;
    STDMETHODIMP Save(IStorage* pStorage, BOOL) override;
    STDMETHODIMP SaveCompleted(IStorage*) override;
    STDMETHODIMP HandsOffStorage() override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet) override;
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD* pdwFreeze) override;
    STDMETHODIMP Unfreeze(DWORD) override;
    STDMETHODIMP SetAdvise(DWORD, DWORD, IAdviseSink* pAdvSink) override;
    STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel) override;

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override;
    STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) override;
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override;
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc) override;
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    STDMETHODIMP DUnadvise(DWORD) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppenumAdvise) override;

private:
    ~CFaceAnimObject();

    volatile LONG m_nRef;
    CGifAnimation m_animation;
    _bstr_t m_bstrPath;    // the file played, kept for storage
    size_t m_nFrame;       // the frame shown
    bool m_bPlaying;       // Play was called
    bool m_bDrawn;         // the host drew the frame shown since it was put up
    HWND m_hwndHost;       // the window the object is drawn in
    COLORREF m_clrBack;    // its background colour
    CFrameCanvas m_canvas; // the frame m_nCanvasFrame over m_clrBack, made when first drawn
    size_t m_nCanvasFrame; // SIZE_MAX: m_canvas is out of date
    CAnimationClock* m_pClock;
    IOleClientSite* m_pClientSite;
    IAdviseSink* m_pViewSink;
    IOleAdviseHolder* m_pAdviseHolder;

    void OnClockTick(ULONGLONG ullNow, CHostRedraw& redraw) override;
    // The host drew the current frame: a parked animation starts again.
    void NoteDrawn();
    void ArmAfter(ULONGLONG ullNow);
    void Stop();
    HWND SiteWindow(IOleClientSite* pSite) const;
    // Takes hWnd as the host window and its background colour.
    void SetHost(HWND hWnd);
    // A DC holding the current frame over the background; null when it cannot be made.
    bool UpdateCanvas(); // brings m_canvas to the current frame
    bool IsSupported(const FORMATETC* pFormat) const;
    SIZEL HimetricSize() const;
};

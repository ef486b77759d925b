// CFaceAnimObject: one emoticon as an OLE object a rich-edit control embeds. It plays a
// CGifAnimation on the thread's shared CAnimationClock, draws its current frame through
// IViewObject2 and hands it out as a CF_BITMAP through IDataObject (some rich-edit versions draw
// embedded objects only that way); the rest of its OLE object is COleEmbeddedObject's. Frames
// are laid over the host control's background colour: an opaque copy draws without reading the
// screen back, which blending would need on every draw. The frame shown is kept as pixels in a
// CFrameCanvas, no GDI object per emoticon. It advances a frame only after the host has drawn
// the previous one: an emoticon that is not drawn (scrolled out of view, in a hidden or
// minimised window, or in a control that is gone) parks, costing nothing, until it is drawn again.
#pragma once

#include "../common/OleEmbeddedObject.h"
#include "AnimationClock.h"
#include "FaceAnimator.h"
#include "FrameCanvas.h"
#include "GifAnimation.h"

#include <afxlite/AfxGdiScoped.h>

#include <comdef.h>

class CFaceAnimObject final : public IFaceAnimator, public COleEmbeddedObject, private CAnimationClock::Client {
public:
    CFaceAnimObject();
    // The class factory's creation function.
    static HRESULT Create(REFIID riid, void** ppv);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IFaceAnimator
    STDMETHODIMP LoadFromFile(BSTR bstrFileName) override;
    STDMETHODIMP Play(VARIANT_BOOL* pbPlaying) override;

    // IPersistStorage: the picture's path
    STDMETHODIMP Load(IStorage* pStorage) override;
    STDMETHODIMP Save(IStorage* pStorage, BOOL) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;

private:
    ~CFaceAnimObject() override;

    volatile LONG m_nRef;
    CGifAnimation m_animation;
    _bstr_t m_bstrPath;    // the file played, kept for storage
    size_t m_nFrame;       // the frame shown
    bool m_bPlaying;       // Play was called
    bool m_bDrawn;         // the host drew the frame shown since it was put up
    CFrameCanvas m_canvas; // the frame m_nCanvasFrame over m_clrBack, made when first drawn
    size_t m_nCanvasFrame; // SIZE_MAX: m_canvas is out of date
    CAnimationClock* m_pClock;

    HRESULT GetPixelSize(SIZE& size) const override;
    void OnHostChanged() override;
    void OnClose() override;
    void OnClockTick(ULONGLONG ullNow, CHostRedraw& redraw) override;
    // The host drew the current frame: a parked animation starts again.
    void NoteDrawn();
    void ArmAfter(ULONGLONG ullNow);
    void Stop();
    // Brings m_canvas to the current frame; false when it cannot be made.
    bool UpdateCanvas();
};

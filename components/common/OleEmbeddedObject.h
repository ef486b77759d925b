// COleEmbeddedObject: what the client's OLE objects embedded in a rich-edit control share: the
// client site and the host window with its background colour, the advise connections, the
// verbs that only show the object, a fixed extent from the object's pixel size, no storage of
// its own, and the stubs of the members no host of theirs calls. A derived object answers
// IUnknown (QueryEmbedded gives these interfaces), draws itself (IViewObject::Draw) and hands
// itself out as a CF_BITMAP (IDataObject::GetData): some rich-edit versions draw embedded
// objects only that way.
#pragma once

#include <ole2.h>

class COleEmbeddedObject : public IOleObject, public IPersistStorage, public IViewObject2, public IDataObject {
public:
    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override;
    STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override;
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD dwSaveOption) override;
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** ppmk) override;
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject** ppDataObject) override;
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND hwndParent, LPCRECT) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override { return GetClassID(pClsid); }
    STDMETHODIMP GetUserType(DWORD, LPOLESTR* pszUserType) override;
    STDMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_FAIL; } // the size is fixed
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHODIMP Unadvise(DWORD dwConnection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
    STDMETHODIMP GetMiscStatus(DWORD, DWORD* pdwStatus) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IPersistStorage (IPersist): nothing stored unless the derived object stores something.
    STDMETHODIMP GetClassID(CLSID* pClassID) override;
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP InitNew(IStorage*) override { return S_OK; }
    STDMETHODIMP Load(IStorage*) override { return S_OK; }
    STDMETHODIMP Save(IStorage*, BOOL) override { return S_OK; }
    STDMETHODIMP SaveCompleted(IStorage*) override { return S_OK; }
    STDMETHODIMP HandsOffStorage() override { return S_OK; }

    // IViewObject2 (Draw is the derived object's)
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet) override;
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD* pdwFreeze) override;
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD, DWORD, IAdviseSink* pAdvSink) override;
    STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel) override;

    // IDataObject (GetData is the derived object's): CF_BITMAP of the content only.
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) override;
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc) override;
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppenumAdvise) override;

protected:
    explicit COleEmbeddedObject(REFCLSID clsid);
    virtual ~COleEmbeddedObject();

    // The interfaces above for riid (with a reference added), else E_NOINTERFACE.
    HRESULT QueryEmbedded(REFIID riid, void** ppv);
    // The object's size in pixels; an error (OLE_E_BLANK) while it has nothing to show.
    virtual HRESULT GetPixelSize(SIZE& size) const = 0;
    // The host window changed (its background colour is in m_clrBack).
    virtual void OnHostChanged() {}
    // The container closes the object.
    virtual void OnClose() {}
    static bool IsContentBitmap(const FORMATETC* pFormat);

    HWND m_hwndHost;    // the window the object is drawn in
    COLORREF m_clrBack; // its background colour
    IOleClientSite* m_pClientSite;
    IAdviseSink* m_pViewSink;
    IOleAdviseHolder* m_pAdviseHolder;

private:
    const CLSID m_clsid;

    void SetHost(HWND hWnd);
};

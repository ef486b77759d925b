// CImageDataObject: a minimal OLE data object offering one bitmap (CF_BITMAP on a GDI medium),
// from which the chat view makes static pictures in its rich-edit control (InsertBitmap).
// Reference counted; deletes itself when the last reference goes.
#pragma once

#include "VoDef.h"

#include <windows.h>
#include <ole2.h>
#include <richole.h>

class VO_API CImageDataObject : public IDataObject {
public:
    // Inserts a copy of hBitmap as a static picture at the insertion point of the control
    // behind pRichEditOle, with user value nUserValue. 1 on success, 0 on failure. The caller
    // keeps hBitmap.
    static int InsertBitmap(IRichEditOle* pRichEditOle, HBITMAP hBitmap, int nUserValue);

    CImageDataObject();

    // ---- IUnknown: IUnknown and IDataObject only ----
    STDMETHOD(QueryInterface)(REFIID iid, void** ppvObject) override;
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;

    // ---- IDataObject ----
    // A copy of the bitmap (GDI medium, no release object); E_HANDLE when it cannot be copied,
    // DV_E_FORMATETC when asked for anything but CF_BITMAP on a GDI medium.
    STDMETHOD(GetData)(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
    // Keeps the format and medium; with fRelease the object owns the medium from then on and
    // frees it when replaced or destroyed. A medium owned before is freed first.
    STDMETHOD(SetData)(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) override;
    STDMETHOD(GetDataHere)(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHOD(QueryGetData)(FORMATETC*) override { return E_NOTIMPL; }
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHOD(EnumFormatEtc)(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    STDMETHOD(DAdvise)(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
    STDMETHOD(DUnadvise)(DWORD) override { return E_NOTIMPL; }
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA**) override { return E_NOTIMPL; }

    // Offers hBitmap (not owned: the caller keeps it alive while the object is used).
    void SetBitmap(HBITMAP hBitmap);
    // A static OLE object made from the bitmap (OleCreateStaticFromData, OLERENDER_FORMAT), with
    // a reference the caller releases. Throws the OLE error (COleException*) when that fails.
    IOleObject* GetOleObject(IOleClientSite* pOleClientSite, IStorage* pStorage);

private:
    virtual ~CImageDataObject();

    ULONG m_ulRefCnt;
    BOOL m_bRelease;
    STGMEDIUM m_stgmed;
    FORMATETC m_format;
};

// CTransFileObject: one file transfer as an OLE object a rich-edit control embeds. It shows a
// status line, the file's name and size and a progress bar (CTransFileView) at a fixed size.
// Its owner drives it through the dispatch interface ITransFile; every change invalidates the
// host window, which then draws it again. Apartment-threaded: the chat view calls it on its
// window's thread.
#pragma once

#include "../common/OleEmbeddedObject.h"
#include "TransFile.h"
#include "TransFileView.h"

class CTransFileObject final : public ITransFile, public COleEmbeddedObject {
public:
    // The class factory's creation function.
    static HRESULT Create(REFIID riid, void** ppv);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch (ITransFile): members by id only, no type information.
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                        EXCEPINFO*, UINT* puArgErr) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;

private:
    CTransFileObject();
    ~CTransFileObject() override;

    volatile LONG m_nRef;
    CTransFileView m_view;

    HRESULT GetPixelSize(SIZE& size) const override;
    HRESULT InvokeMember(DISPID dispId, WORD wFlags, DISPPARAMS& params, VARIANT* pResult);
    // The content changed: the host draws it again.
    void Changed();
};

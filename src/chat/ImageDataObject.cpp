// A data object of one bitmap, and static pictures made from it in a rich-edit control.
#include <ImageDataObject.h>

#include "chat/RichEditOle.h"

#include <afx.h>

int CImageDataObject::InsertBitmap(IRichEditOle* pRichEditOle, HBITMAP hBitmap, int nUserValue)
{
    if (pRichEditOle == nullptr || hBitmap == nullptr)
        return 0;
    IDataObjectPtr dataObject;
    CImageDataObject* pData = new CImageDataObject;
    dataObject.Attach(pData, true);
    pData->SetBitmap(hBitmap);

    IOleClientSitePtr site;
    IStoragePtr storage;
    if (FAILED(pRichEditOle->GetClientSite(&site)) || FAILED(CreateMemoryStorage(storage)))
        return 0;
    IOleObjectPtr object;
    try {
        object.Attach(pData->GetOleObject(site, storage));
    } catch (CException* e) {
        e->Delete();
        return 0;
    }
    const CRichEditInsert insert = {object, storage, site, 0, static_cast<DWORD>(nUserValue)};
    return SUCCEEDED(InsertRichEditObject(pRichEditOle, insert)) ? 1 : 0;
}

CImageDataObject::CImageDataObject() : m_ulRefCnt(0), m_bRelease(FALSE), m_stgmed(), m_format()
{
}

CImageDataObject::~CImageDataObject()
{
    if (m_bRelease)
        ::ReleaseStgMedium(&m_stgmed);
}

STDMETHODIMP CImageDataObject::QueryInterface(REFIID iid, void** ppvObject)
{
    if (ppvObject == nullptr)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDataObject) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    *ppvObject = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CImageDataObject::AddRef()
{
    return ::InterlockedIncrement(reinterpret_cast<LONG*>(&m_ulRefCnt));
}

STDMETHODIMP_(ULONG) CImageDataObject::Release()
{
    const ULONG ulCount = ::InterlockedDecrement(reinterpret_cast<LONG*>(&m_ulRefCnt));
    if (ulCount == 0)
        delete this;
    return ulCount;
}

STDMETHODIMP CImageDataObject::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium)
{
    if (pformatetcIn == nullptr || pmedium == nullptr)
        return E_POINTER;
    // Any other format would get a bitmap handle in a medium that claims something else.
    if (pformatetcIn->cfFormat != CF_BITMAP || (pformatetcIn->tymed & TYMED_GDI) == 0)
        return DV_E_FORMATETC;
    HANDLE hCopy = ::OleDuplicateData(m_stgmed.hBitmap, CF_BITMAP, 0);
    if (hCopy == nullptr)
        return E_HANDLE;
    pmedium->tymed = TYMED_GDI;
    pmedium->hBitmap = static_cast<HBITMAP>(hCopy);
    pmedium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP CImageDataObject::SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease)
{
    if (pformatetc == nullptr || pmedium == nullptr)
        return E_POINTER;
    if (m_bRelease)
        ::ReleaseStgMedium(&m_stgmed);
    m_format = *pformatetc;
    m_stgmed = *pmedium;
    m_bRelease = fRelease;
    return S_OK;
}

void CImageDataObject::SetBitmap(HBITMAP hBitmap)
{
    FORMATETC format = {CF_BITMAP, nullptr, DVASPECT_CONTENT, -1, TYMED_GDI};
    STGMEDIUM medium = {};
    medium.tymed = TYMED_GDI;
    medium.hBitmap = hBitmap;
    SetData(&format, &medium, FALSE);
}

IOleObject* CImageDataObject::GetOleObject(IOleClientSite* pOleClientSite, IStorage* pStorage)
{
    IOleObject* pObject = nullptr;
    const HRESULT hr = ::OleCreateStaticFromData(this, IID_IOleObject, OLERENDER_FORMAT, &m_format, pOleClientSite,
                                                 pStorage, reinterpret_cast<void**>(&pObject));
    if (FAILED(hr))
        AfxThrowOleException(hr);
    return pObject;
}

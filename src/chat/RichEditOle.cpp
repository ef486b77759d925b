// Storages on memory and insertion of OLE objects into the chat view's rich-edit control.
#include "chat/RichEditOle.h"

HRESULT CreateMemoryStorage(IStoragePtr& storage)
{
    ILockBytesPtr bytes;
    HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
    if (FAILED(hr))
        return hr;
    return ::StgCreateDocfileOnILockBytes(bytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0, &storage);
}

HRESULT InsertRichEditObject(IRichEditOle* pRichEditOle, const CRichEditInsert& insert)
{
    if (pRichEditOle == nullptr || insert.pObject == nullptr)
        return E_POINTER;
    HRESULT hr = ::OleSetContainedObject(insert.pObject, TRUE);
    if (FAILED(hr))
        return hr;
    REOBJECT reobject = {};
    reobject.cbStruct = sizeof(reobject);
    if (FAILED(insert.pObject->GetUserClassID(&reobject.clsid)))
        reobject.clsid = CLSID_NULL;
    reobject.cp = REO_CP_SELECTION;
    reobject.dvaspect = DVASPECT_CONTENT;
    reobject.poleobj = insert.pObject;
    reobject.pstg = insert.pStorage;
    reobject.polesite = insert.pSite;
    reobject.dwFlags = insert.dwFlags;
    reobject.dwUser = insert.dwUser;
    return pRichEditOle->InsertObject(&reobject);
}

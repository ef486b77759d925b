// What every object the chat view embeds needs from OLE: a storage on memory and the insertion
// through the control's IRichEditOle at the insertion point.
#pragma once

#include <comdef.h>
#include <richole.h>

_COM_SMARTPTR_TYPEDEF(IRichEditOle, IID_IRichEditOle);
_COM_SMARTPTR_TYPEDEF(ILockBytes, IID_ILockBytes);
_COM_SMARTPTR_TYPEDEF(IStorage, IID_IStorage);
_COM_SMARTPTR_TYPEDEF(IOleClientSite, IID_IOleClientSite);
_COM_SMARTPTR_TYPEDEF(IOleObject, IID_IOleObject);
_COM_SMARTPTR_TYPEDEF(IDataObject, IID_IDataObject);

// A compound file on an ILockBytes on global memory (read-write, exclusive, created anew).
HRESULT CreateMemoryStorage(IStoragePtr& storage);

// The object's place in the control: the insertion point, content aspect, the flags and the
// user value. Marks the object as contained first.
struct CRichEditInsert {
    IOleObject* pObject;
    IStorage* pStorage;
    IOleClientSite* pSite;
    DWORD dwFlags;
    DWORD dwUser;
};
// S_OK when the control took the object (its class identifier is read, the null identifier
// when the object cannot name it).
HRESULT InsertRichEditObject(IRichEditOle* pRichEditOle, const CRichEditInsert& insert);

// CGdiObject: owner of one GDI object handle (pen, brush, font, bitmap, region, palette). The
// object is deleted with the wrapper; Attach/Detach hand ownership in and out under the
// framework's ownership rules (CHandleMap.h). FromHandle gives the wrapper of any handle: the
// attached C++ object, or a temporary one that lives until AfxDeleteTempMaps.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"

class AFX_API CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    // Must be called on an object; for a pointer that may be null use AfxGetSafeHandle.
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    AFX_DECLARE_HANDLE_WRAPPER(CGdiObject, HGDIOBJ)
    // Deletes the GDI object now; FALSE when there was none.
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const { return ::GetObjectW(m_hObject, nCount, lpObject); }
    UINT GetObjectType() const { return ::GetObjectType(m_hObject); }
    // Holds a stock object. Stock objects are shared by the whole system: any number of
    // wrappers may hold the same one, and deleting one does nothing.
    BOOL CreateStockObject(int nIndex) { return AttachShared(::GetStockObject(nIndex)); }
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

    bool operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    bool operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }

protected:
    // Attaches an object just made by a creation function; one that cannot be attached is
    // deleted again, so a failed Create leaks nothing.
    BOOL AttachCreated(HGDIOBJ hObject);
    // Holds a handle the system shares (stock objects, system colour brushes) without entering
    // it in the handle map, so that several wrappers may hold it at once.
    BOOL AttachShared(HGDIOBJ hObject);
    // Called after every change of m_hObject through Attach, Detach and DeleteObject; a class
    // that keeps facts about its object (a bitmap's size) refreshes them here. Not called while
    // the base destructor releases the object.
    virtual void OnHandleChanged() {}
};

inline HGDIOBJ AfxGetSafeHandle(const CGdiObject* pObject)
{
    return pObject ? pObject->m_hObject : nullptr;
}

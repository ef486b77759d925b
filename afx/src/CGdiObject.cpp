// CGdiObject and the handle map shared by all GDI wrappers. Temporary wrappers are plain
// CGdiObjects; the typed FromHandle functions (CPen::FromHandle ...) return them as the typed
// class, which adds no data of its own.
#include "afxlite/CGdiObject.h"
#include "afxlite/CHandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

AFX_IMPLEMENT_HANDLE_MAP(CGdiObject, HGDIOBJ, GdiMap, &CGdiObject::m_hObject)

CGdiObject::~CGdiObject()
{
    if (m_hObject)
        ::DeleteObject(GdiMap().Detach(*this));
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (!GdiMap().Attach(*this, hObject))
        return FALSE;
    OnHandleChanged();
    return TRUE;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (!GdiMap().AttachCreated(*this, hObject, &::DeleteObject))
        return FALSE;
    OnHandleChanged();
    return TRUE;
}

BOOL CGdiObject::AttachShared(HGDIOBJ hObject)
{
    if (!GdiMap().AttachShared(*this, hObject))
        return FALSE;
    OnHandleChanged();
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = GdiMap().Detach(*this);
    OnHandleChanged();
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    return m_hObject ? ::DeleteObject(Detach()) : FALSE;
}

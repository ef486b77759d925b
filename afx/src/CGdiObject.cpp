// CGdiObject and the handle map shared by all GDI wrappers. Temporary wrappers are plain
// CGdiObjects; the typed FromHandle functions (CPen::FromHandle ...) return them as the typed
// class, which adds no data of its own.
#include "afxlite/CGdiObject.h"
#include "afxlite/CHandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

CGdiObject* MakeTemporary(HANDLE h)
{
    auto* object = new CGdiObject;
    object->m_hObject = h;
    return object;
}

void DeleteTemporary(CGdiObject* object)
{
    object->m_hObject = nullptr;
    delete object;
}

CHandleMap<CGdiObject>& GdiMap()
{
    static CHandleMap<CGdiObject> map(&MakeTemporary, &DeleteTemporary);
    return map;
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* AFXAPI CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiMap().FromHandle(hObject);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    ASSERT(m_hObject == nullptr);
    if (!hObject)
        return FALSE;
    m_hObject = hObject;
    GdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject) {
        if (GdiMap().LookupPermanent(hObject) == this)
            GdiMap().RemoveHandle(hObject);
        m_hObject = nullptr;
    }
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ hObject = Detach();
    return hObject ? ::DeleteObject(hObject) : FALSE;
}

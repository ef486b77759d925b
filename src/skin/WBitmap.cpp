// CWBitmap: a bitmap with its size recorded whenever a handle comes in.

#include <WBitmap.h>

#include <afxlite/AfxModule.h>

CWBitmap::CWBitmap()
    : m_nWidth(0), m_nHeight(0)
{
}

CWBitmap::~CWBitmap()
{
    DeleteObject();
}

BOOL CWBitmap::LoadBitmap(UINT nIDResource)
{
    LPCTSTR name = MAKEINTRESOURCE(nIDResource);
    HBITMAP hBitmap = ::LoadBitmapW(AfxFindResourceHandle(name, RT_BITMAP), name);
    if (!hBitmap)
        return FALSE;
    if (Attach(hBitmap))
        return TRUE;
    ::DeleteObject(hBitmap);
    return FALSE;
}

BOOL CWBitmap::Attach(HGDIOBJ hObject)
{
    BITMAP info = {};
    if (!hObject || ::GetObjectW(hObject, sizeof(info), &info) != sizeof(info))
        return FALSE;
    // Re-attaching the handle already held must not delete it.
    if (hObject != m_hObject) {
        DeleteObject();
        if (!CBitmap::Attach(hObject))
            return FALSE;
    }
    m_nWidth = info.bmWidth;
    m_nHeight = info.bmHeight;
    return TRUE;
}

HGDIOBJ CWBitmap::Detach()
{
    m_nWidth = 0;
    m_nHeight = 0;
    return CBitmap::Detach();
}

BOOL CWBitmap::DeleteObject()
{
    m_nWidth = 0;
    m_nHeight = 0;
    return CBitmap::DeleteObject();
}

// CBitmap.
#include "afxlite/CBitmap.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CDC.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hBitmap = ::LoadBitmapW(module, lpszResourceName);
    if (!hBitmap)
        return FALSE;
    DeleteObject();
    return AttachCreated(hBitmap);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    ASSERT(pDC != nullptr);
    return pDC ? AttachCreated(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight)) : FALSE;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {0, 0};
    ::GetBitmapDimensionEx(*this, &size);
    return size;
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE previous = {0, 0};
    ::SetBitmapDimensionEx(*this, nWidth, nHeight, &previous);
    return previous;
}

// CImageList: ownership, the handle map of image-list wrappers, creation from the resource chain.
#include "afxlite/CImageList.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CBitmap.h"
#include "afxlite/CDC.h"
#include "afxlite/CHandleMap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

AFX_IMPLEMENT_HANDLE_MAP(CImageList, HIMAGELIST, ImageListMap, &CImageList::m_hImageList)
AFX_IMPLEMENT_HANDLE_OWNERSHIP(CImageList, HIMAGELIST, ImageListMap)

namespace {

HBITMAP BitmapOf(const CBitmap* pBitmap)
{
    return static_cast<HBITMAP>(AfxGetSafeHandle(pBitmap));
}

} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::DeleteImageList()
{
    return m_hImageList ? ImageList_Destroy(Detach()) : FALSE;
}

BOOL CImageList::AttachCreated(HIMAGELIST hImageList)
{
    return ImageListMap().AttachCreated(*this, hImageList, &ImageList_Destroy);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return AttachCreated(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE module = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return AttachCreated(
        ImageList_LoadImageW(module, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    ASSERT(pImageList != nullptr);
    HIMAGELIST source = AfxGetSafeHandle(pImageList);
    return source ? AttachCreated(ImageList_Duplicate(source)) : FALSE;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, AfxGetSafeHdc(pDC), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, AfxGetSafeHdc(pDC), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}

// CImageList: ownership, the handle map of image-list wrappers, creation from the resource chain.
#include "afxlite/CImageList.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CBitmap.h"
#include "afxlite/CDC.h"
#include "afxlite/CHandleMap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace {

CImageList* MakeTemporary(HANDLE h)
{
    auto* list = new CImageList;
    list->m_hImageList = static_cast<HIMAGELIST>(h);
    return list;
}

void DeleteTemporary(CImageList* list)
{
    list->m_hImageList = nullptr;
    delete list;
}

CHandleMap<CImageList>& ImageListMap()
{
    static CHandleMap<CImageList> map(&MakeTemporary, &DeleteTemporary);
    return map;
}

HBITMAP BitmapOf(const CBitmap* pBitmap)
{
    return static_cast<HBITMAP>(AfxGetSafeHandle(pBitmap));
}

} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* AFXAPI CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap().FromHandle(hImageList);
}

CImageList* AFXAPI CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    return ImageListMap().LookupPermanent(hImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == nullptr);
    if (!hImageList)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList && ImageListMap().LookupPermanent(hImageList) == this)
        ImageListMap().RemoveHandle(hImageList);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    HIMAGELIST hImageList = Detach();
    return hImageList ? ImageList_Destroy(hImageList) : FALSE;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE module = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadImageW(module, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    ASSERT(pImageList != nullptr);
    HIMAGELIST source = AfxGetSafeHandle(pImageList);
    return source ? Attach(ImageList_Duplicate(source)) : FALSE;
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

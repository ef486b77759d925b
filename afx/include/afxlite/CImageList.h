// CImageList: owner of a common-controls image list (same-sized images, optionally masked, drawn
// transparently). Destroyed with the wrapper; Attach/Detach hand ownership in and out; FromHandle
// gives the wrapper of any list (temporary until AfxDeleteTempMaps when it has no owner).
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CObject.h"

#include <commctrl.h>
#include <shellapi.h> // keeps the ExtractIcon macro the same in every translation unit

class CBitmap;
class CDC;

class AFX_API CImageList : public CObject {
    DECLARE_DYNCREATE(CImageList)
public:
    CImageList() = default;
    ~CImageList() override;

    HIMAGELIST m_hImageList = nullptr;

    operator HIMAGELIST() const { return m_hImageList; }
    // Must be called on an object; for a pointer that may be null use AfxGetSafeHandle.
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    AFX_DECLARE_HANDLE_WRAPPER(CImageList, HIMAGELIST)
    // Destroys the owned list now; FALSE when there was none.
    BOOL DeleteImageList();

    // An empty list of cx x cy images (nFlags: ILC_COLOR32 | ILC_MASK ...).
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A list cut from a bitmap resource (found through the resource chain) into images cx wide;
    // crMask (CLR_NONE for none) marks transparent pixels.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    // A copy of another list.
    BOOL Create(CImageList* pImageList);

    int GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
    BOOL SetImageCount(UINT uNewCount) { return ImageList_SetImageCount(m_hImageList, uNewCount); }
    BOOL GetIconSize(int* cx, int* cy) const { return ImageList_GetIconSize(m_hImageList, cx, cy); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    {
        return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
    }
    COLORREF GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
    // CLR_NONE draws transparently over what is there.
    COLORREF SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }

    // Adding returns the index of the first new image, or -1.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    // Pixels of colour crMask become transparent.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon) { return ImageList_AddIcon(m_hImageList, hIcon); }
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    // nImage -1 appends; returns the index of the image or -1.
    int Replace(int nImage, HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
    // nImage -1 removes all images.
    BOOL Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }

    // nStyle: ILD_NORMAL, ILD_TRANSPARENT, ILD_MASK, ILD_BLEND50 ...
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
    // A new icon the caller must destroy (DestroyIcon), or null.
    HICON ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL); }
    BOOL SetOverlayImage(int nImage, int nOverlay) { return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }

private:
    // Attaches a list just made; one that cannot be attached is destroyed again.
    BOOL AttachCreated(HIMAGELIST hImageList);
};

inline HIMAGELIST AfxGetSafeHandle(const CImageList* pImageList)
{
    return pImageList ? pImageList->m_hImageList : nullptr;
}

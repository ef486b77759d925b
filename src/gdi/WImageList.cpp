// CWImageList: an image list cut from one bitmap strip.

#include <WImageList.h>

#include <WBitmap.h>

#include <algorithm>

namespace {

const int kInitialImages = 1;
const int kGrowImages = 1;

} // namespace

CWImageList::~CWImageList() = default;

BOOL CWImageList::Create(CWBitmap* pBitmap, COLORREF crMask, BOOL bSquare)
{
    if (!pBitmap || !pBitmap->m_hObject || pBitmap->m_nWidth <= 0 || pBitmap->m_nHeight <= 0)
        return FALSE;
    int cx = pBitmap->m_nWidth;
    int cy = pBitmap->m_nHeight;
    if (bSquare) {
        cx = std::min(cx, cy);
        cy = cx;
    }
    DeleteImageList();
    if (!CImageList::Create(cx, cy, ILC_COLOR32 | ILC_MASK, kInitialImages, kGrowImages))
        return FALSE;
    SetBkColor(crMask);
    if (Add(pBitmap, crMask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

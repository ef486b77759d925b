// Masks and transparent copies: the classic XOR / AND / XOR sequence over a monochrome mask.

#include <MaskDraw.h>

namespace {

// One block transfer of source (selected into the memory context for the transfer only).
// Stretches when the source size differs from the target's.
void Transfer(HDC hTarget, HDC hMem, HBITMAP hSource, const CRect& rect, const CRect& rectSrc, DWORD dwRop)
{
    CDCSelect select(hMem, hSource);
    if (!select.IsSelected())
        return;
    if (rect.Size() == rectSrc.Size()) {
        ::BitBlt(hTarget, rect.left, rect.top, rect.Width(), rect.Height(), hMem, rectSrc.left, rectSrc.top, dwRop);
        return;
    }
    ::StretchBlt(hTarget, rect.left, rect.top, rect.Width(), rect.Height(), hMem, rectSrc.left, rectSrc.top,
                 rectSrc.Width(), rectSrc.Height(), dwRop);
}

void TransferThroughMask(CDC* pDC, CBitmap& bitmap, CBitmap& mask, const CRect& rect, CDC* pMemDC, const CRect& rectSrc)
{
    if (!pDC || !pDC->m_hDC || !pMemDC || !pMemDC->m_hDC || !bitmap.m_hObject)
        return;
    HDC hTarget = pDC->m_hDC;
    HBITMAP hBitmap = static_cast<HBITMAP>(bitmap.m_hObject);
    Transfer(hTarget, pMemDC->m_hDC, hBitmap, rect, rectSrc, SRCINVERT);
    if (mask.m_hObject) {
        // A monochrome source is expanded with the target's text colour for 0 bits and its
        // background colour for 1 bits; black and white make the mask a plain AND mask
        // whatever colours the caller had set for text.
        CDCColours colours(hTarget, RGB(0, 0, 0), RGB(255, 255, 255));
        Transfer(hTarget, pMemDC->m_hDC, static_cast<HBITMAP>(mask.m_hObject), rect, rectSrc, SRCAND);
    }
    Transfer(hTarget, pMemDC->m_hDC, hBitmap, rect, rectSrc, SRCINVERT);
}

} // namespace

HBITMAP CreateBitmapMask(HBITMAP hBitmap, int nWidth, int nHeight, COLORREF crTransparent)
{
    if (nWidth == 0) {
        BITMAP info = {};
        if (!hBitmap || ::GetObjectW(hBitmap, sizeof(info), &info) != sizeof(info))
            return nullptr;
        nWidth = info.bmWidth;
        nHeight = info.bmHeight;
    }
    CBitmap mask;
    if (!mask.CreateBitmap(nWidth, nHeight, 1, 1, nullptr))
        return nullptr;

    CScopedCreateDC colourDC(nullptr);
    CScopedCreateDC maskDC(nullptr);
    if (!colourDC || !maskDC)
        return nullptr;
    CDCSelect colourSelect(colourDC, hBitmap);
    CDCSelect maskSelect(maskDC, mask.m_hObject);
    if (!colourSelect.IsSelected() || !maskSelect.IsSelected())
        return nullptr;

    {
        // Colour to monochrome: pixels of the source's background colour become 1 (white),
        // all others 0 (black); the text colour plays no part in this direction.
        CDCColours colours(colourDC, RGB(0, 0, 0), crTransparent);
        if (!::BitBlt(maskDC, 0, 0, nWidth, nHeight, colourDC, 0, 0, SRCCOPY))
            return nullptr;
    }
    {
        // Monochrome to colour: 1 bits take the background colour (black), 0 bits the text
        // colour (white), so the AND blackens exactly the transparent pixels.
        CDCColours colours(colourDC, RGB(255, 255, 255), RGB(0, 0, 0));
        ::BitBlt(colourDC, 0, 0, nWidth, nHeight, maskDC, 0, 0, SRCAND);
    }
    return static_cast<HBITMAP>(mask.Detach());
}

void DrawTrans(CDC* pDC, CBitmap& bitmap, CBitmap& mask, const CRect& rect, CDC* pMemDC, CPoint ptSrc)
{
    CRect rectSrc(ptSrc, rect.Size());
    TransferThroughMask(pDC, bitmap, mask, rect, pMemDC, rectSrc);
}

void StretchTrans(CDC* pDC, CBitmap& bitmap, CBitmap& mask, const CRect& rect, CDC* pMemDC, const CRect& rectSrc)
{
    TransferThroughMask(pDC, bitmap, mask, rect, pMemDC, rectSrc);
}

void FillRoundRect(CDC* pDC, const CRect& rect, COLORREF crBorder, COLORREF crFill, int nPenWidth, int nCorner)
{
    if (!pDC || !pDC->m_hDC)
        return;
    CBrush brush;
    CPen pen;
    if (!brush.CreateSolidBrush(crFill) || !pen.CreatePen(PS_SOLID, nPenWidth, crBorder))
        return;
    CDCSelect brushSelect(pDC, &brush);
    CDCSelect penSelect(pDC, &pen);
    pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, nCorner, nCorner);
}

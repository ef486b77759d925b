// Transparent drawing through monochrome masks, shared by the skin engine, the branding logos
// and the skinned dialogs: building a mask from a transparent colour, copying a picture through
// its mask (unscaled or stretched) and a filled rounded rectangle.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

// Makes a monochrome mask of hBitmap: white where the picture has crTransparent, black
// elsewhere. A width of 0 takes width and height from the bitmap. The picture is changed in
// place: its transparent pixels become black, so that it can be laid over a background by
// masking (AND) and painting (XOR/OR). Returns the new mask (the caller owns it) or null; on
// failure the picture is unchanged.
VO_API HBITMAP CreateBitmapMask(HBITMAP hBitmap, int nWidth, int nHeight, COLORREF crTransparent);

// Copies the part of bitmap at ptSrc, as large as rect, into pDC at rect through mask: the
// target shows where the mask is white and the picture where it is black. pMemDC is a memory
// context the caller lends for the transfers; its selection is restored. Without a mask
// handle the target is left as it was; without a picture nothing is drawn.
VO_API void DrawTrans(CDC* pDC, CBitmap& bitmap, CBitmap& mask, const CRect& rect, CDC* pMemDC, CPoint ptSrc);

// As DrawTrans, but stretches the source rectangle rectSrc over rect. The target's stretching
// mode is used as it is.
VO_API void StretchTrans(CDC* pDC, CBitmap& bitmap, CBitmap& mask, const CRect& rect, CDC* pMemDC,
                         const CRect& rectSrc);

// Draws a rounded rectangle over rect, filled with crFill and outlined with a solid pen of
// nPenWidth in crBorder; the corner ellipse is nCorner wide and high. The context's pen and
// brush are restored.
VO_API void FillRoundRect(CDC* pDC, const CRect& rect, COLORREF crBorder, COLORREF crFill, int nPenWidth, int nCorner);

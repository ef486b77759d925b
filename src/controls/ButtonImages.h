// Pictures of owner-drawn buttons made from others: darker and grayscale copies of bitmaps and
// icons, and the sizes the button records for them.
#pragma once

#include <afxgdi.h>

namespace button_images {

typedef COLORREF (*Recolour)(COLORREF);

// Each channel reduced by a quarter of itself, truncated.
COLORREF Darker(COLORREF cr);
// Grey of level trunc(0.299 red + 0.587 green + 0.114 blue).
COLORREF Grayscale(COLORREF cr);

// A new bitmap of nWidth by nHeight: hBitmap with every pixel other than crKeep recoloured;
// null on failure. The caller owns it.
HBITMAP RecolourBitmap(HBITMAP hBitmap, int nWidth, int nHeight, COLORREF crKeep, Recolour recolour);
// A new icon: hIcon, drawn at nWidth by nHeight, with every pixel other than black recoloured and
// its own mask; null on failure. The caller owns it.
HICON RecolourIcon(HICON hIcon, int nWidth, int nHeight, Recolour recolour);

// An icon's size: twice its hot spot. False for a handle that is not an icon.
bool IconSize(HICON hIcon, DWORD& dwWidth, DWORD& dwHeight);
// False for a handle that is not a bitmap.
bool BitmapSize(HBITMAP hBitmap, DWORD& dwWidth, DWORD& dwHeight);

} // namespace button_images

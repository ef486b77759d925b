// CWImageList: an image list made from one bitmap strip, either as one image or cut into square
// images as high as the strip (a strip of 16 by 16 pictures becomes one image each).
#pragma once

#include "VoDef.h"

#include <afxlite/CImageList.h>

class CWBitmap;

class VO_API CWImageList : public CImageList {
public:
    CWImageList() = default;
    ~CWImageList() override;

    CWImageList(const CWImageList&) = delete;
    CWImageList& operator=(const CWImageList&) = delete;

    // Makes a list of 32-bit masked images from pBitmap: one image of the bitmap's size, or
    // with bSquare squares whose side is the smaller of width and height. crMask becomes the
    // list's background colour and the transparent colour of the added bitmap (the masked add
    // turns those pixels of the bitmap black). A list held before is destroyed. FALSE when the
    // bitmap is empty or the list cannot be made.
    BOOL Create(CWBitmap* pBitmap, COLORREF crMask, BOOL bSquare);
    using CImageList::Create;
};

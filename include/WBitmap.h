// CWBitmap: a GDI bitmap that knows its width and height. Used for skin pictures and the
// branding logos, where drawing code needs the size of every picture it copies.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

class VO_API CWBitmap : public CBitmap
{
public:
    CWBitmap();
    // Releases the bitmap.
    ~CWBitmap() override;

    CWBitmap(const CWBitmap&) = delete;
    CWBitmap& operator=(const CWBitmap&) = delete;

    // Loads bitmap resource nIDResource from the first module of the framework's resource chain
    // that has it; the bitmap held before is released. TRUE on success (size recorded), FALSE
    // leaves the object as it was.
    BOOL LoadBitmap(UINT nIDResource);

    // Takes ownership of a bitmap handle and records its size; the bitmap held before is
    // released. FALSE, with nothing taken over, for a null handle or one that is no bitmap.
    BOOL Attach(HGDIOBJ hObject);
    // Gives up the bitmap (the size becomes 0 by 0) and returns its handle.
    HGDIOBJ Detach();
    // Deletes the bitmap now; the size becomes 0 by 0. FALSE when there was none.
    BOOL DeleteObject();

    int m_nWidth;  // width of the attached bitmap in pixels, 0 when empty
    int m_nHeight; // height of the attached bitmap in pixels, 0 when empty
};

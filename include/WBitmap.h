// CWBitmap: a GDI bitmap that knows its width and height. Used for skin pictures and the
// branding logos, where drawing code needs the size of every picture it copies.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

class VO_API CWBitmap : public CBitmap {
public:
    CWBitmap();
    // Releases the bitmap.
    ~CWBitmap() override;

    CWBitmap(const CWBitmap&) = delete;
    CWBitmap& operator=(const CWBitmap&) = delete;

    // The size follows every change of the handle, whichever way it comes: LoadBitmap (which
    // replaces a bitmap held before once the new one is loaded), Attach, Detach, DeleteObject.
    // A handle that is not a bitmap gives 0 by 0.
    int m_nWidth;  // width of the attached bitmap in pixels, 0 when empty
    int m_nHeight; // height of the attached bitmap in pixels, 0 when empty

protected:
    void OnHandleChanged() override;
};

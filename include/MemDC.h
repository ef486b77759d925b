// CMemDC: an off-screen device context with a bitmap of a given size, compatible with a target,
// for flicker-free drawing, or kept between paints (a background snapshot, a composed picture)
// with its bitmap selected for its whole life. Nothing is copied to the target automatically:
// the user transfers the finished picture from the CMemDC to the target.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

class VO_API CMemDC : public CDC {
public:
    // Creates a memory context compatible with pDC and selects a compatible bitmap of nWidth
    // by nHeight into it, painted with the context's brush (white). Without a context (pDC null
    // or creation refused) the object stays empty; without a bitmap nothing is selected.
    CMemDC(CDC* pDC, int nWidth, int nHeight);
    // An empty object, made later by Create.
    CMemDC();
    // Puts the context's first bitmap back, then releases the off-screen bitmap and the context.
    ~CMemDC() override;

    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // Releases what the object holds and makes it again as the first constructor does; false
    // (and empty) when the context or its bitmap cannot be made.
    bool Create(CDC* pDC, int nWidth, int nHeight);
    // Releases the bitmap and the context; the object is empty afterwards.
    void Free();
    // Whether a bitmap is selected in a context.
    bool IsReady() const { return m_hDC != nullptr && m_hOldBitmap != nullptr; }
    // The size of the off-screen bitmap; 0 by 0 when empty.
    CSize GetSize() const { return IsReady() ? m_size : CSize(0, 0); }

    // The bitmap selected into the new context before the off-screen bitmap. Held as a handle,
    // not as a framework wrapper, because a temporary wrapper may be freed before this object.
    HGDIOBJ m_hOldBitmap;
    // The off-screen bitmap (no handle when it could not be made).
    CBitmap m_bitmap;

private:
    CSize m_size;
};

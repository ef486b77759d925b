// CMemDC: an off-screen device context with a bitmap of a given size, compatible with a target,
// for flicker-free drawing. Nothing is copied to the target automatically: the user transfers
// the finished picture from the CMemDC to the target.
#pragma once

#include "VoDef.h"

#include <afxgdi.h>

class VO_API CMemDC : public CDC {
public:
    // Creates a memory context compatible with pDC and selects a compatible bitmap of nWidth
    // by nHeight into it, painted with the context's brush (white). Without a context (pDC null
    // or creation refused) the object stays empty; without a bitmap nothing is selected.
    CMemDC(CDC* pDC, int nWidth, int nHeight);
    // Puts the context's first bitmap back, then releases the off-screen bitmap and the context.
    ~CMemDC() override;

    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    // The bitmap selected into the new context before the off-screen bitmap. Held as a handle,
    // not as a framework wrapper, because a temporary wrapper may be freed before this object.
    HGDIOBJ m_hOldBitmap;
    // The off-screen bitmap (no handle when it could not be made).
    CBitmap m_bitmap;
};

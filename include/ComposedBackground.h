// CComposedBackground: the picture a skinned window composes for its client area, kept in a
// memory context (its bitmap selected once for its life) so that a repaint is one copy. The
// picture is composed again when the client size or the skin in use changes, or after Reset
// (the window's own content changed). Used on the user-interface thread.
#pragma once

#include "MemDC.h"
#include "VoDef.h"

class VO_API CComposedBackground {
public:
    CComposedBackground();

    CComposedBackground(const CComposedBackground&) = delete;
    CComposedBackground& operator=(const CComposedBackground&) = delete;

    // Whether the kept picture was composed at size with the skin in use as it is now.
    bool IsCurrent(CSize size) const;
    // The context to compose the picture of size into (its old content is undefined), compatible
    // with pTarget; the picture counts as current from now on. Null when no context can be made.
    CDC* BeginCompose(CDC* pTarget, CSize size);
    // The kept picture; null when there is none.
    CDC* GetDC() { return m_dc.IsReady() ? &m_dc : nullptr; }
    // Copies the kept picture to (0, 0) of pTarget; false when there is none.
    bool CopyTo(CDC* pTarget);
    // The picture must be composed again at the next paint.
    void Reset() { m_bCurrent = false; }
    // Releases the kept picture (a window going away, a window that will not paint again soon).
    void Free();

private:
    CMemDC m_dc;
    unsigned m_nSkinChanges; // the skin's change count when the picture was composed
    bool m_bCurrent;
};

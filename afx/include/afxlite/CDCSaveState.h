// CDCSaveState: saves a device context's whole state (selected objects, colours, modes, clipping,
// origins) for the guard's lifetime with SaveDC and restores it with RestoreDC.
//     CDCSaveState saved(pDC);
//     pDC->IntersectClipRect(&rect);
#pragma once

#include "afxlite/CDC.h"

class CDCSaveState {
public:
    explicit CDCSaveState(HDC hDC) : m_hDC(hDC), m_nSaved(hDC ? ::SaveDC(hDC) : 0) {}
    explicit CDCSaveState(CDC* pDC) : CDCSaveState(AfxGetSafeHdc(pDC)) {}
    ~CDCSaveState()
    {
        if (m_nSaved != 0)
            ::RestoreDC(m_hDC, m_nSaved);
    }
    CDCSaveState(const CDCSaveState&) = delete;
    CDCSaveState& operator=(const CDCSaveState&) = delete;

    bool IsSaved() const { return m_nSaved != 0; }

private:
    HDC m_hDC;
    int m_nSaved;
};

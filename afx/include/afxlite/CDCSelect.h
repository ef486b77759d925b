// CDCSelect: selects a GDI object into a device context for the guard's lifetime and puts the
// previous object back on destruction, so no drawing path (early returns, exceptions) leaves
// its pen, brush, font or bitmap selected.
//     CDCSelect font(pDC, &m_font);
#pragma once

#include "afxlite/CDC.h"
#include "afxlite/CGdiObject.h"

class CDCSelect {
public:
    CDCSelect(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(nullptr)
    {
        if (hDC && hObject) {
            m_hOld = ::SelectObject(hDC, hObject);
            if (m_hOld == HGDI_ERROR)
                m_hOld = nullptr;
        }
    }
    CDCSelect(CDC* pDC, CGdiObject* pObject) : CDCSelect(AfxGetSafeHdc(pDC), AfxGetSafeHandle(pObject)) {}
    ~CDCSelect()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;

    // Whether the object was selected (and will be deselected).
    bool IsSelected() const { return m_hOld != nullptr; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

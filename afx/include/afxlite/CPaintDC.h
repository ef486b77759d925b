// CPaintDC: the device context of a WM_PAINT handler, from BeginPaint on construction to
// EndPaint on destruction. m_ps holds the paint information (rcPaint, fErase).
#pragma once

#include "afxlite/CDC.h"

class CWnd;

class AFX_API CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    // Throws CResourceException when BeginPaint gives no DC.
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

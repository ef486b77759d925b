// CClientDC: the device context of a window's client area (GetDC on construction, ReleaseDC on
// destruction). A null window gives the screen's DC.
#pragma once

#include "afxlite/CDC.h"

class CWnd;

class AFX_API CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    // Throws CResourceException when GetDC gives no DC.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

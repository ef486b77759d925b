// CWindowDC: the device context of a whole window, frame included (GetWindowDC on construction,
// ReleaseDC on destruction). A null window gives the screen's DC.
#pragma once

#include "afxlite/CDC.h"

class CWnd;

class AFX_API CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    // Throws CResourceException when GetWindowDC gives no DC.
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};

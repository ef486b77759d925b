// CWStatic: a static text (or icon) drawn over a snapshot of its parent's background, so that
// text on a skinned dialog shows without a rectangle of its own, in a chosen colour and format.
// The caller hands a new background through SetBk when the parent's background changes.
#pragma once

#include "MemDC.h"
#include "VoDef.h"

#include <afxwin.h>

class VO_API CWStatic : public CStatic {
    DECLARE_DYNAMIC(CWStatic)
public:
    CWStatic();
    ~CWStatic() override;

    CWStatic(const CWStatic&) = delete;
    CWStatic& operator=(const CWStatic&) = delete;

    void SetTextColor(COLORREF crText) { m_crText = crText; }
    // DrawText flags added to every drawing.
    void SetDrawFormat(UINT nFormat) { m_nFormat = nFormat; }
    void SetVCenter(BOOL bVCenter) { m_bVCenter = bVCenter; }
    // A solid brush of crBrush; the control stops drawing the parent's snapshot.
    void SetBrush(COLORREF crBrush);
    // Takes the background behind the control from pDC (a context holding the parent's client
    // area), when the control is transparent.
    void SetBk(CDC* pDC);
    // Sets the text and repaints at once.
    void SetWindowText(LPCTSTR lpszText);

    void Draw(CDC* pDC);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void DrawTransBk(CDC* pDC);
    void DrawWindowText(CDC& dc, CString& strText);

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CBrush m_brush;
    COLORREF m_crText;
    UINT m_nFormat;
    BOOL m_bVCenter;
    // The parent's background under the control, kept between paints.
    CMemDC m_dcBk;
    BOOL m_bTransparent;
};

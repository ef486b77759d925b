// CCorvalaSlider: the volume slider the library draws itself: its background picture stretched
// over the control, and channel and thumb filled with a colour that runs from green at 0 to red
// at 100 (grey while disabled), with a tooltip giving the position in percent.
#pragma once

#include "VoDef.h"

#include <afxcmn.h>

class VO_API CCorvalaSlider : public CSliderCtrl {
    DECLARE_DYNAMIC(CCorvalaSlider)
public:
    CCorvalaSlider() = default;

    // Hands every message to the tooltip (once it exists) before the default handling.
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The fill colour of channel and thumb for a position of 0 to 100 (clamped).
    static COLORREF FillColour(int nPos, BOOL bEnabled);

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Created on the first paint, with one tool (id 1) saying "<position>%".
    CToolTipCtrl m_tooltip;

private:
    void UpdateTooltip();
    void DrawBackground(CDC& dc, const CRect& client);
    // Draws part (channel or thumb), centred vertically in the client area, in colour.
    static void DrawPart(CDC& dc, CRect part, const CRect& client, COLORREF colour);
};

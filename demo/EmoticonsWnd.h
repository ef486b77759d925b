// The demo's "Emoticons" window: the emoticon catalogue of the current language in a grid, each
// cell with its picture and tip, and beside it the selected emoticon playing in a CPictureEx
// with its shortcuts and frame count. A click on a cell selects it. It deletes itself when its
// window goes.
#pragma once

#include <ImageShow.h>
#include <PictureEx.h>

#include <afxwin.h>

#include <vector>

class CEmoticonsWnd : public CWnd {
public:
    CEmoticonsWnd();

    // Opens the window owned by pOwner; the catalogue is loaded if it is not yet.
    BOOL CreateFor(CWnd* pOwner);
    // Shows the emoticon at catalogue position nIndex in the preview.
    void Select(int nIndex);

protected:
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<CImageShow> m_pictures; // still first frames, one per position
    CPictureEx m_preview;
    CFont m_fontTip;
    int m_nSelected;

    CRect CellRect(int nIndex) const;
    CRect PanelRect() const;
    void PaintCell(CDC& dc, int nIndex);
    void PaintPanel(CDC& dc);
};

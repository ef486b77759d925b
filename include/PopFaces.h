// CPopFaces: the emoticon picker, a small popup that shows the emoticon catalogue in pages of
// 10 by 7 still pictures, with page buttons, a tooltip per emoticon, a highlight frame and an
// animated preview of the emoticon under the mouse. A click posts the emoticon's position to
// the owner (WM_POPFACE_SELECT); the picker closes and frees itself when it loses activation.
#pragma once

#include "ButtonST.h"
#include "ImageShow.h"
#include "PictureEx.h"
#include "VoDef.h"

#include <afxcmn.h>

// Posted to the picker's owner: WPARAM the chosen emoticon's catalogue position, LPARAM 0.
#define WM_POPFACE_SELECT (WM_USER + 3)

class VO_API CPopFaces : public CWnd {
public:
    CPopFaces();
    ~CPopFaces() override;

    CPopFaces(const CPopFaces&) = delete;
    CPopFaces& operator=(const CPopFaces&) = delete;

    // A new picker owned by pOwner, its window made (hidden, at 0, 0: the caller places and
    // shows it) and its grid prepared; null when the window cannot be made. The picker frees
    // itself when its window goes: the pointer is invalid from then on.
    static CPopFaces* GetInstance(CWnd* pOwner);
    // Makes the window; the caller then calls Init. From then on the object frees itself when
    // its window goes (so it must have been made with new).
    int Create(CWnd* pOwner);
    // Reads the catalogue and prepares the grid, the tooltips and the page buttons.
    void Init();
    // Frees the cell rectangles and still pictures every picker shares.
    static void Release();

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // The cells of a page, in reading order (rows x columns, made by the first Init).
    static CRect* m_pRects;
    // One still picture per catalogue position of the catalogue the first Init saw.
    static CImageShow* m_pImgShow;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void PostNcDestroy() override;
    void InitToolTips();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnBnClickedPopfacePrev();
    afx_msg void OnBnClickedPopfaceNext();
    DECLARE_MESSAGE_MAP()

    int m_nWidth;
    int m_nHeight;
    int m_nHover;
    unsigned int m_nPage;
    unsigned int m_nCellWidth;
    unsigned int m_nCellHeight;
    unsigned int m_nRows;
    unsigned int m_nCols;
    unsigned int m_nPageCount;
    CButtonST m_btnNext;
    CButtonST m_btnPrev;
    CPictureEx m_Preview;
    CToolTipCtrl m_ToolTip;
    unsigned int m_nFaceNum;
    unsigned int m_nCellsOnPage;
    CRect* m_pHighlight;
    CWnd* m_pOwner;
    CFont m_font;

private:
    unsigned int CellsPerPage() const { return m_nRows * m_nCols; }
    // The cell of the current page under point, or -1.
    int CellAt(CPoint point) const;
    void FrameCell(const CRect& rcCell, COLORREF crFrame);
    void ShowPage();
    static void MakeSharedCells(unsigned int nRows, unsigned int nCols, unsigned int nCellWidth,
                                unsigned int nCellHeight, unsigned int nFaceNum);

    // How many still pictures m_pImgShow holds.
    static unsigned int m_nImgShowNum;
};

// CBkDialogBase: the base of the client's ordinary skinned dialogs. It paints with the skin's
// colour, hands every CButtonST on it a copy of the background behind it, and makes those
// buttons transparent when the dialog opens. SetBtnsTransparent does the last step for any
// window.
#pragma once

#include "BkDialogST.h"
#include "VoDef.h"

class VO_API CBkDialogBase : public CBkDialogST {
    DECLARE_DYNAMIC(CBkDialogBase)
public:
    explicit CBkDialogBase(CWnd* pParent = nullptr);
    CBkDialogBase(UINT nIDTemplate, CWnd* pParent = nullptr);
    CBkDialogBase(LPCTSTR lpszTemplateName, CWnd* pParent = nullptr);
    ~CBkDialogBase() override;

    // Kept for the client's dialogs; the library does not read them.
    int m_nReserved1;
    int m_nReserved2;

protected:
    BOOL OnInitDialog() override;
    // Gives every CButtonST child the background composed in pDC.
    void OnPostEraseBkgnd(CDC* pDC) override;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

// Makes every CButtonST child of pParent transparent (or opaque), without repainting.
VO_API void SetBtnsTransparent(CWnd* pParent, BOOL bTransparent);

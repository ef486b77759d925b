// Dialog data exchange: CDataExchange carries the direction of one UpdateData run, and the
// DDX_ functions move one value between a control and a member in that direction. A value
// that fails validation ends the run (UpdateData returns FALSE, the control has the focus).
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

class CWnd;

class AFX_API CDataExchange {
public:
    // Thrown by Fail and caught by UpdateData; other code need not know it.
    struct CFailure {};

    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    BOOL m_bSaveAndValidate; // TRUE: controls to members
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl; // control of the last DDX call (focused by Fail)

    // The control's window, remembered as the one to focus if validation fails. A missing
    // control is a programming error (asserted) and fails the exchange.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last prepared control (selecting an edit control's text) and ends the run.
    [[noreturn]] void Fail();

private:
    BOOL m_bEditLastControl;
};

// Subclasses control nIDC to rControl (once; later runs do nothing).
AFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Window text of control nIDC.
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Window text as a decimal integer (surrounding blanks allowed); anything else fails.
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
// Check state of a check box: 0, 1, or 2 (indeterminate).
AFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Index of the checked radio button of the group starting at nIDC; -1 for none.
AFX_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Selected index of a combo box / list box; -1 for none.
AFX_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
// Limits an edit control to nChars (loading) / fails a longer value (saving).
AFX_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

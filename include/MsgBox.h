// CMsgBox and WMsgBox: a short message in a small dialog of the library with an OK button and,
// if asked, a Cancel button. The box counts down from 6 seconds in its caption and closes as if
// Cancel had been pressed at 0. Modal, it returns the button; modeless, it lives on its own and
// frees itself when its window goes.
#pragma once

#include "VoDef.h"

#include <afxwin.h>

class VO_API CMsgBox : public CDialog {
public:
    // nType 0: OK only; any other value: OK and Cancel.
    CMsgBox(CWnd* pParent, const wchar_t* lpszText, UINT nType);
    ~CMsgBox() override;

    CMsgBox(const CMsgBox&) = delete;
    CMsgBox& operator=(const CMsgBox&) = delete;

    // Makes the modeless box; from then on the box frees its own object when its window is
    // destroyed (so it must have been made with new). FALSE when the window cannot be made: the
    // object then still belongs to the caller.
    int Create(CWnd* pParent);
    // Stops the countdown, then destroys the window.
    BOOL DestroyWindow() override;

    CStatic m_wndMessage;
    CButton m_btnOK;
    CButton m_btnCancel;
    CString m_strMessage;
    UINT_PTR m_nTimer;  // the countdown's timer id, 0 when none runs
    int m_nSecondsLeft; // 6 at construction
    UINT m_nType;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // A modeless box closes for good; a modal one ends its run.
    void OnOK() override;
    void OnCancel() override;
    void PostNcDestroy() override;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void CentreLoneOK();
    void Localise();

    bool m_bModeless;
};

// Shows lpszText in a box over pParent (null: the calling thread's main window). Modal: returns
// IDOK or IDCANCEL (also after the countdown and the system close command). Modeless: returns 1
// once the box is shown. -1 when the box could not be made.
VO_API int WMsgBox(const wchar_t* lpszText, UINT nType = 0, int nModal = 1, CWnd* pParent = nullptr);

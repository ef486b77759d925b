// Main window of the demo host: paints a few lines of the library's state and, when
// asked on the command line, saves a picture of itself and closes.
#pragma once

#include <afxwin.h>

class CMainWnd : public CWnd
{
public:
    explicit CMainWnd(const CString& strShotFolder);

    BOOL CreateMain();

protected:
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnTakeShots(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strShotFolder;
    CStringArray m_lines;
    CFont m_font;
    int m_nExitCode; // handed to WM_QUIT: nonzero when a picture could not be saved

    void CollectLines();
};

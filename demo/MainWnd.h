// Main window of the demo host: a branded header (the edition's logo, name and description
// from the installation folder's files), the edition's company, fonts and service addresses,
// and a few lines of the library's state. When asked on the command line it saves a picture
// of itself and closes.
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
    CStringArray m_edition;   // "label\tvalue" lines about the edition
    CStringArray m_addresses; // "label\tvalue" lines of service addresses
    CStringArray m_lines;     // the library's state
    CFont m_font;
    CFont m_fontCaption;
    int m_nExitCode; // handed to WM_QUIT: nonzero when a picture could not be saved

    void CollectLines();
    void CollectEdition();
    void CollectAddresses();

    void PaintHeader(CDC& dc, const CRect& rcClient);
    int PaintSection(CDC& dc, int y, LPCTSTR pszCaption);
    int PaintPairs(CDC& dc, int y, const CStringArray& pairs);
    int PaintFonts(CDC& dc, int y);
};

// CHyperLink: a static text made into a clickable web link, with link and visited colours, an
// underlined font, a tooltip showing the address, optional fitting of the control to its text,
// and opening the address through the shell when clicked (with a message box explaining a
// failure). It subclasses a static control of a dialog.
#pragma once

#include "VoDef.h"

#include <afxcmn.h>

class VO_API CHyperLink : public CStatic {
    DECLARE_DYNAMIC(CHyperLink)
public:
    CHyperLink();
    ~CHyperLink() override;

    CHyperLink(const CHyperLink&) = delete;
    CHyperLink& operator=(const CHyperLink&) = delete;

    // Sets the address, refits the control (auto size) and updates the tooltip.
    void SetURL(CString strURL);
    CString GetURL() const { return m_strURL; }

    void SetColours(COLORREF crLinkColour, COLORREF crVisitedColour);
    COLORREF GetLinkColour() const { return m_crLinkColour; }
    COLORREF GetVisitedColour() const { return m_crVisitedColour; }
    void SetVisited(BOOL bVisited = TRUE);
    BOOL GetVisited() const { return m_bVisited; }
    void SetLinkCursor(HCURSOR hCursor) { m_hLinkCursor = hCursor; }
    void SetUnderline(BOOL bUnderline = TRUE);
    BOOL GetUnderline() const { return m_bUnderline; }
    void SetAutoSize(BOOL bAutoSize = TRUE);
    BOOL GetAutoSize() const { return m_bAdjustToFit; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Opens lpszURL with the shell's "open" verb; above 32 means success.
    HINSTANCE GotoURL(LPCTSTR lpszURL, int nShowCmd);
    // Tells the user why an address could not be opened (nError: the shell's result).
    void ReportError(int nError);
    // The default value of hKey\lpszSubKey, at most 260 bytes with its terminating null, into
    // lpszValue (which must hold 130 characters); the registry's error code.
    static LONG GetRegKey(HKEY hKey, LPCTSTR lpszSubKey, LPTSTR lpszValue);

protected:
    void PreSubclassWindow() override;

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()

    // Fits the control to its text when auto size is on.
    void PositionWindow();

    COLORREF m_crLinkColour;
    COLORREF m_crVisitedColour;
    BOOL m_bVisited;
    BOOL m_bUnderline;
    BOOL m_bAdjustToFit;
    CString m_strURL;
    CFont m_UnderlineFont; // the control's font with underlining, made on first use
    HCURSOR m_hLinkCursor; // a shared system cursor, not owned
    CToolTipCtrl m_ToolTip;

private:
    void Repaint();
    // Gives the control the underlined or the plain font.
    void ApplyFont();

    HFONT m_hPlainFont; // the control's font before the underline, not owned
};

// Main window of the demo host, painted from the skin in use: the main frame with its title and
// status bands, a header band with the edition's logo, name and description and two flat
// owner-drawn buttons (one opens the skin chooser, one pops up a menu), and panels in rich-edit
// borders with the edition's texts, fonts, service addresses, a few lines of the library's state
// and the file transfers the demo runs against its own loopback file server. Its menu bar and
// context menu are owner-drawn menus with the pictures of the demo's toolbar; its View menu also
// opens the emoticons window, a chat window and the "Devices" window (volume sliders, cameras,
// the HTML dialog) and the skinned "Contacts" dialog. The client area is composed once per size
// and skin (and again when a panel's content changes) and each repaint copies it. When asked on the command line it saves pictures of itself (with a hovered
// button, with open menus in both styles, in every installed skin), of the skin chooser, of the
// emoticons, chat and "Devices" windows, of the emoticon picker opened from the chat window, of
// the "Contacts" dialog and its message box, and closes.
#pragma once

#include "DevicesWnd.h"
#include "TransfersPanel.h"

#include <ButtonST.h>
#include <ComposedBackground.h>
#include <VoMenu.h>

#include <afxwin.h>

class CChatWnd;
class CEmoticonsWnd;

class CMainWnd : public CWnd {
public:
    explicit CMainWnd(const CString& strShotFolder);

    BOOL CreateMain();

protected:
    void PostNcDestroy() override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnChangeSkin();
    afx_msg void OnEmoticons();
    afx_msg void OnChatView();
    afx_msg void OnExit();
    afx_msg void OnDevices();
    afx_msg void OnContacts();
    afx_msg void OnDemoCommand(UINT nID);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg LRESULT OnTakeShots(WPARAM, LPARAM);
    afx_msg LRESULT OnTransferDone(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // Where each part of the client area goes; panels are outer rectangles, bars included.
    struct Layout {
        CRect rcTitle;   // top band of the main frame
        CRect rcHeader;  // the header band: logo, name, description, button
        CRect rcEdition; // panels
        CRect rcAddresses;
        CRect rcFonts;
        CRect rcLibrary;
        CRect rcTransfers;
        CRect rcStatus; // bottom band of the main frame
    };

    CString m_strShotFolder;
    CStringArray m_edition;   // "label\tvalue" lines about the edition
    CStringArray m_addresses; // "label\tvalue" lines of service addresses
    CStringArray m_lines;     // "label\tvalue" lines of the library's state
    CFont m_fontCaption;      // bold medium font: bands, panel titles, button
    CBrush m_brushPanel;      // inside of the panels
    CButtonST m_btnChangeSkin;
    CButtonST m_btnTools; // pops up the context menu
    CVoMenu m_menuBar;
    CVoMenu m_menuContext;
    CString m_strMenuShot; // name of the picture of the menu open now, in a screenshot run
    CTransfersPanel m_transfers;
    CDevicesWnd m_devices;            // the "Devices" window, opened from the View menu
    int m_nExitCode;                  // handed to WM_QUIT: nonzero when a picture could not be saved
    CComposedBackground m_background; // the client area as last composed

    void CollectLines();
    void CollectEdition();
    void CollectAddresses();
    void CreateFonts();
    BOOL CreateMenus();
    BOOL CreateButtons();

    Layout ComputeLayout(int nWidth) const;
    CRect PanelContent(const CRect& rcPanel) const;
    int PanelHeight(INT_PTR nRows, int nRowHeight) const;
    CRect HeaderBand(const CRect& rcHeader) const;
    CRect ButtonRect(const CRect& rcHeader) const;
    CRect ToolsButtonRect(const CRect& rcHeader) const;
    void ApplySkin();

    void PaintWindow(CDC& dc, const CRect& rcClient);
    void PaintBand(CDC& dc, const CRect& rcBand, const CString& strLeft, const CString& strRight, COLORREF crText);
    void PaintHeader(CDC& dc, const CRect& rcHeader);
    CRect PaintPanel(CDC& dc, const CRect& rcPanel, LPCTSTR pszTitle);
    void PaintPairs(CDC& dc, const CRect& rcPanel, LPCTSTR pszTitle, const CStringArray& pairs, int nLabelWidth);
    void PaintFonts(CDC& dc, const CRect& rcPanel);

    bool ShowSkin(const CString& strName);
    void SaveShot(const CString& strName);
    void SaveShot(HWND hWnd, const CString& strName);
    void ShootChooser();
    void ShootEmoticons();
    void ShootChat();
    void ShootFacePicker(CChatWnd& chat);
    void ShootContacts();
    CChatWnd* OpenChat();
    CEmoticonsWnd* OpenEmoticons();
    void ShootHoveredButton();
    void ShootMenu(UINT nDrawMode, BOOL bMenuBar, LPCTSTR pszName);
    void SaveMenuShot();
    void ShootDevices();
    // Takes messages until the transfers have all ended, for at most nTimeoutMs.
    void WaitForTransfers(DWORD nTimeoutMs);
};

// CDialog: dialog boxes from templates found in the resource chain (the application's
// resources, then each extension library, then afxlite). Modal dialogs (DoModal) run the
// framework's own modal loop, so PreTranslateMessage of the thread and of the dialog still
// see every message; modeless ones (Create) get IsDialogMessage through PreTranslateMessage.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"
#include "afxlite/CWnd.h"

class AFX_API CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    UINT m_nIDHelp;                    // template ID (help context)
    LPCTSTR m_lpszTemplateName;        // template name or MAKEINTRESOURCE ID; null for indirect
    LPCDLGTEMPLATE m_lpDialogTemplate; // template in memory (InitModalIndirect)
    CWnd* m_pParentWnd;

    // ---- Modeless: the window lives until DestroyWindow; parent null means the main window ----
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr, HINSTANCE hInst = nullptr);

    // ---- Modal ----
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = nullptr);
    // Disables the owner (the top-level window of the parent, else of the main window), shows
    // the dialog and runs until EndDialog; returns EndDialog's value, or -1 when the template
    // is missing, the dialog cannot be created, or WM_QUIT arrived (it is posted again).
    virtual INT_PTR DoModal();
    // Ends a modal dialog with nResult; hides a modeless one (which DestroyWindow removes).
    void EndDialog(int nResult);

    // Default: UpdateData(FALSE); a failure ends the dialog with -1.
    virtual BOOL OnInitDialog();
    // Default: UpdateData(TRUE), then EndDialog(IDOK) when the data are valid.
    virtual void OnOK();
    virtual void OnCancel();
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void GotoDlgCtrl(CWnd* pWndCtrl) { SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), TRUE); }
    void NextDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { SendMessage(WM_NEXTDLGCTL, 1, 0); }
    void SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID, 0, 0)); }
    void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strTemplateName; // storage of a template name given as text

    void SetTemplateName(LPCTSTR lpszTemplateName);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    // The window a modal run disables: the top-level window above the parent (or the main window).
    HWND FindModalOwner() const;
    static INT_PTR CALLBACK DlgProc(HWND, UINT, WPARAM, LPARAM);
};

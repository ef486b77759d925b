// CFileDialog: the system's Open and Save As dialogs (GetOpenFileName / GetSaveFileName) with
// MFC's interface: filters written as "Text|*.ext|Other|*.*||", m_ofn open for adjustment
// before DoModal, and the chosen file read back with GetPathName and friends.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CDialog.h"
#include "afxlite/CString.h"

#include <commdlg.h>

#include <vector>

class AFX_API CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    // bOpenFileDialog: TRUE for Open, FALSE for Save As. lpszDefExt is appended to a typed
    // name without extension; lpszFileName is the initial name; lpszFilter pairs texts and
    // patterns separated by '|'. The owner is pParentWnd's top-level window, else the main
    // window.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);

    // The structure handed to the system; its buffers belong to this object.
    OPENFILENAMEW m_ofn;
    BOOL m_bOpenFileDialog;

    // IDOK when the user chose a file, IDCANCEL when the dialog was cancelled or failed.
    INT_PTR DoModal() override;

    // The chosen file: full path, name with extension, extension without the dot, name
    // without extension. Empty before a file was chosen.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    // Whether the read-only box was checked.
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

private:
    // Large enough for long (\\?\) paths; the system reports a longer choice as an error.
    static const DWORD kMaxFileName = 32768;

    std::vector<wchar_t> m_fileName; // kMaxFileName characters
    std::vector<wchar_t> m_filter;   // the filter with '|' turned into null characters
    CString m_strDefExt;

    HWND FindOwner() const;
};

// CWinApp: the application object, one per process. Its constructor makes it the object
// AfxGetApp returns and binds it to the constructing thread; AfxWinMain (called by the
// program's wWinMain) initialises it and runs InitInstance, Run and ExitInstance. A test
// program may also create one on its own thread without running it.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"
#include "afxlite/CWinThread.h"

class AFX_API CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName null: the executable's file name without extension.
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszAppName; // points into the object's own copy
    LPCTSTR m_pszExeName; // executable file name without extension

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    int ExitInstance() override;

    // Icons and cursors by resource name or ID, from the first module of the resource chain
    // that has them; the Standard forms load the system's (IDI_xxx, IDC_xxx). Null if absent.
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const { return ::LoadIconW(nullptr, lpszIconName); }
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const { return ::LoadCursorW(nullptr, lpszCursorName); }

private:
    CString m_strAppName;
    CString m_strExeName;
};

// Sets up the framework for the application object: instance handle, command line, show
// command and the calling thread as the application's thread. FALSE if there is no app.
AFX_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
// Runs the application object: AfxWinInit, InitApplication, InitInstance, then Run (or
// ExitInstance when InitInstance failed). Returns the process exit code (-1 without app).
AFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

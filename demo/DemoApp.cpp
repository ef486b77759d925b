#include "DemoApp.h"

#include "MainWnd.h"

#include <shellapi.h>
#include <vo_share.h>

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    ParseCommandLine();
    LoadBranding();

    CMainWnd* pWnd = new CMainWnd(m_strShotFolder);
    if (!pWnd->CreateMain()) {
        delete pWnd;
        return FALSE;
    }
    m_pMainWnd = pWnd;
    pWnd->ShowWindow(SW_SHOW);
    pWnd->UpdateWindow();
    return TRUE;
}

// The client remembers the skin in use for its next start. A screenshot run shows every skin
// but leaves the user's choice in skins\config.ini alone.
int CDemoApp::ExitInstance()
{
    if (m_strShotFolder.IsEmpty())
        CSkin::Release();
    return CWinApp::ExitInstance();
}

void CDemoApp::ParseCommandLine()
{
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (ppArgs == nullptr)
        return;
    for (int i = 1; i + 1 < nArgs; ++i) {
        if (lstrcmpiW(ppArgs[i], L"--shots") == 0)
            m_strShotFolder = ppArgs[i + 1];
    }
    ::LocalFree(ppArgs);
}

// The client loads its edition settings before its first window: branded texts, fonts, logos
// and service addresses, and the library's texts from the language library.
void CDemoApp::LoadBranding()
{
    OEM.load();
}

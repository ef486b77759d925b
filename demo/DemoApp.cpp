#include "DemoApp.h"

#include "MainWnd.h"

#include <LangDB.h>
#include <shellapi.h>

CDemoApp theApp;

BOOL CDemoApp::InitInstance()
{
    ParseCommandLine();
    LoadBranding();

    CMainWnd* pWnd = new CMainWnd(m_strShotFolder);
    if (!pWnd->CreateMain())
    {
        delete pWnd;
        return FALSE;
    }
    m_pMainWnd = pWnd;
    pWnd->ShowWindow(SW_SHOW);
    pWnd->UpdateWindow();
    return TRUE;
}

void CDemoApp::ParseCommandLine()
{
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (ppArgs == NULL)
        return;
    for (int i = 1; i + 1 < nArgs; ++i)
    {
        if (lstrcmpiW(ppArgs[i], L"--shots") == 0)
            m_strShotFolder = ppArgs[i + 1];
    }
    ::LocalFree(ppArgs);
}

// Waiting for the branding issue: the client calls OEM.load() here, before its first
// window. Until COem exists this stub does the part of that load the demo needs today,
// loading the library's module text set from the language library.
void CDemoApp::LoadBranding()
{
    CLangDB* pDB = CLangDB::Instance();
    if (pDB->get(L"vo_share") == NULL)
        pDB->load(L"vo_share.xml", 0, 0);
}

// The application object and the framework's start-up of a GUI program.
#include "afxlite/CWinApp.h"

#include "AfxModuleState.h"
#include "afxlite/AfxModule.h"
#include "afxlite/AfxPath.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL), m_pszAppName(nullptr),
      m_pszExeName(nullptr), m_strExeName(AfxGetModuleBaseName(nullptr))
{
    m_strAppName = lpszAppName ? CString(lpszAppName) : m_strExeName;
    m_pszAppName = m_strAppName;
    m_pszExeName = m_strExeName;
    // The application runs on the thread that constructs it (the main thread for a global
    // object); it does not own that thread's handle.
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;
    CWinApp* pPrevious = AfxSetApp(this);
    ASSERT(pPrevious == nullptr);
    UNUSED_ALWAYS(pPrevious);
}

CWinApp::~CWinApp()
{
    if (AfxGetApp() == this)
        AfxSetApp(nullptr);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEW(nIDResource));
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEW(nIDResource));
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return FALSE;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_nThreadID = ::GetCurrentThreadId();
    return TRUE;
}

namespace {

int RunApplication(CWinApp* pApp)
{
    if (!pApp->InitApplication())
        return pApp->ExitInstance();
    if (pApp->InitInstance())
        return pApp->Run();
    // A main window made before the failure must not outlive the application.
    if (pApp->m_pMainWnd)
        pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
}

} // namespace

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    const int nResult = RunApplication(AfxGetApp());
    AfxDeleteTempMaps();
    return nResult;
}

// Framework threads: start-up and end, the message loop, pre-translation and idle time.
#include "afxlite/CWinThread.h"

#include "AfxThreadState.h"
#include "afxlite/AfxModule.h"
#include "afxlite/CHandleMap.h"
#include "afxlite/CWinApp.h"
#include "afxlite/CWnd.h"

#include <process.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

// The caret blink timer of edit controls: not a reason for idle-time work.
const UINT WM_SYSTIMER = 0x0118;

// Work at the end of a framework thread, from a normal return or AfxEndThread.
void FinishThread(CWinThread* pThread, BOOL bDelete)
{
    AfxGetThreadState()->pThread = nullptr;
    if (pThread && bDelete)
        pThread->Delete();
    AfxDeleteTempMaps();
}

// Thread start, then priority, then the actual run unless the caller wants it suspended.
BOOL StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                 LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pThread->CreateThread(CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
        return FALSE;
    if (!pThread->SetThreadPriority(nPriority))
        TRACE(L"AfxBeginThread: priority %d refused (%lu)\n", nPriority, ::GetLastError());
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return TRUE;
}

} // namespace

CWinThread::CWinThread() : CWinThread(nullptr, nullptr)
{
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pMainWnd(nullptr), m_hThread(nullptr), m_nThreadID(0), m_bAutoDelete(TRUE), m_pfnThreadProc(pfnThreadProc),
      m_pThreadParams(pParam), m_msgCur()
{
}

CWinThread::~CWinThread()
{
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->pThread == this)
        state->pThread = nullptr;
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    ASSERT(m_hThread == nullptr);
    unsigned nThreadID = 0;
    // Started suspended so that the handle and ID are stored before the thread can use them.
    const uintptr_t hThread =
        _beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, this, CREATE_SUSPENDED, &nThreadID);
    if (hThread == 0)
        return FALSE;
    m_hThread = reinterpret_cast<HANDLE>(hThread);
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    auto* pThread = static_cast<CWinThread*>(pParam);
    AfxGetThreadState()->pThread = pThread;
    UINT nResult = 0;
    if (pThread->m_pfnThreadProc)
        nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
    else if (pThread->InitInstance())
        nResult = static_cast<UINT>(pThread->Run());
    else
        nResult = static_cast<UINT>(pThread->ExitInstance());
    FinishThread(pThread, TRUE);
    return nResult;
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    const BOOL bResult = ::GetMessageW(&m_msgCur, nullptr, 0, 0);
    if (bResult == -1) {
        TRACE(L"GetMessage failed (%lu): the message loop ends\n", ::GetLastError());
        m_msgCur.wParam = static_cast<WPARAM>(-1);
        return FALSE;
    }
    if (!bResult)
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (!pMsg->hwnd) {
        AFX_MSGCALL call = {pMsg->message, pMsg->wParam, pMsg->lParam, 0, 0, nullptr, 0};
        return DispatchMessageEntry(pMsg->message, call);
    }
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(AfxGetSafeHwnd(pMainWnd), pMsg))
        return TRUE;
    // Windows outside the main window (modeless dialogs) still give it a chance, e.g. for
    // its accelerators.
    if (pMainWnd && CWnd::FromHandle(pMsg->hwnd)->GetTopLevelParent() != pMainWnd)
        return pMainWnd->PreTranslateMessage(pMsg);
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG)
{
    AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AFXAPI AfxGetThread()
{
    if (CWinThread* pThread = AfxGetThreadState()->pThread)
        return pThread;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->m_nThreadID == ::GetCurrentThreadId() ? pApp : nullptr;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    if (CWnd* pWnd = pThread ? pThread->GetMainWnd() : nullptr)
        return pWnd;
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->GetMainWnd() : nullptr;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    auto* pThread = new CWinThread(pfnThreadProc, pParam);
    if (StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs))
        return pThread;
    delete pThread;
    return nullptr;
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CObject* pObject = pThreadClass ? pThreadClass->CreateObject() : nullptr;
    auto* pThread = DYNAMIC_DOWNCAST(CWinThread, pObject);
    if (!pThread) {
        delete pObject;
        return nullptr;
    }
    if (StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs))
        return pThread;
    delete pThread;
    return nullptr;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    FinishThread(AfxGetThreadState()->pThread, bDelete);
    _endthreadex(nExitCode);
}

BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg)
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AFXAPI AfxPumpMessage(int* pnExitCode)
{
    if (CWinThread* pThread = AfxGetThread()) {
        if (pThread->PumpMessage())
            return TRUE;
        if (pnExitCode)
            *pnExitCode = static_cast<int>(pThread->m_msgCur.wParam);
        return FALSE;
    }
    MSG msg = {};
    const BOOL bResult = ::GetMessageW(&msg, nullptr, 0, 0);
    if (bResult == 0 || bResult == -1) {
        if (pnExitCode)
            *pnExitCode = bResult == 0 ? static_cast<int>(msg.wParam) : -1;
        return FALSE;
    }
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

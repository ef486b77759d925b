// CWinThread: a thread of the framework with its message loop (Run: PumpMessage with
// PreTranslateMessage, OnIdle when the queue is empty) and its main window. Worker threads
// run an AFX_THREADPROC; user-interface threads run InitInstance, Run and ExitInstance.
// Start either with AfxBeginThread.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CCmdTarget.h"

class CWnd;

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class AFX_API CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;

    CWnd* m_pMainWnd; // main window of the thread (its loss ends the loop)
    HANDLE m_hThread; // owned; closed by the destructor
    DWORD m_nThreadID;
    BOOL m_bAutoDelete; // delete the object when the thread ends
    AFX_THREADPROC m_pfnThreadProc;
    LPVOID m_pThreadParams;
    MSG m_msgCur; // message being pumped

    operator HANDLE() const { return m_hThread; }

    // Starts the thread (CREATE_SUSPENDED allowed); FALSE when it cannot be started.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessageW(m_nThreadID, message, wParam, lParam);
    }

    virtual CWnd* GetMainWnd();
    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's result once WM_QUIT arrives.
    virtual int Run();
    // Thread messages go to this object's ON_THREAD_MESSAGE entries; window messages walk
    // from their window up to the main window (CWnd::PreTranslateMessage).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Idle-time work; the default frees the thread's temporary handle objects. Return TRUE
    // to be called again before the next message.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    // Deletes the object at thread end when m_bAutoDelete is set.
    virtual void Delete();

private:
    static unsigned __stdcall ThreadEntry(void* pParam);
};

// Thread message entries of a CWinThread map: handler void (WPARAM, LPARAM).
struct AfxSigThread_v_wl {
    typedef CWinThread Target;
    typedef void (CWinThread::*Pmf)(WPARAM, LPARAM);
    static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m)
    {
        (p->*f)(m.wParam, m.lParam);
        return TRUE;
    }
};
#define ON_THREAD_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, AfxSigThread_v_wl, memberFxn)

// The CWinThread of the calling thread: the one running on it, else the application object
// when this is the application's thread, else null.
AFX_API CWinThread* AFXAPI AfxGetThread();
// The main window of the calling thread's CWinThread, else the application's; null if none.
AFX_API CWnd* AFXAPI AfxGetMainWnd();

// Starts a worker thread running pfnThreadProc(pParam). The object deletes itself when the
// thread ends (set m_bAutoDelete to FALSE with CREATE_SUSPENDED to keep it). Null on failure.
AFX_API CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                          int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                          DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Starts a user-interface thread running a new object of pThreadClass (a DYNCREATE
// CWinThread class): InitInstance, then Run when it succeeds, else ExitInstance.
AFX_API CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                                          UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                          LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Ends the calling framework thread from inside it (cleans up as a normal return does).
AFX_API void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

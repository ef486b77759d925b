// Threads and the application object: the current thread's CWinThread and main window,
// with and without a CWinApp, worker threads and a user-interface thread's message loop.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT WM_AFXTEST_THREAD_PING = WM_APP + 21;

TEST(ApplicationTest, ApplicationObjectIsTheThreadAndLosingItsMainWindowEndsTheLoop)
{
    EXPECT_EQ(nullptr, AfxGetThread());
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
    {
        CWinApp app(L"AfxTestApp");
        EXPECT_EQ(&app, AfxGetThread());
        EXPECT_STREQ(L"test_afx", app.m_pszExeName);
        CWnd frame;
        ASSERT_TRUE(afxtest::CreateHiddenFrame(frame));
        app.m_pMainWnd = &frame;
        EXPECT_EQ(&frame, AfxGetMainWnd());
        frame.DestroyWindow();
        EXPECT_EQ(nullptr, app.m_pMainWnd);
        MSG msg;
        EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    EXPECT_EQ(nullptr, AfxGetApp());
}

// Records the thread object it sees as current.
UINT AFX_CDECL WorkerProc(LPVOID pParam)
{
    *static_cast<CWinThread**>(pParam) = AfxGetThread();
    return 5;
}

DWORD RunToEnd(CWinThread* pThread)
{
    DWORD exitCode = 0;
    if (::WaitForSingleObject(pThread->m_hThread, 5000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the thread did not end";
        return 0; // the object stays with the running thread
    }
    EXPECT_TRUE(::GetExitCodeThread(pThread->m_hThread, &exitCode));
    delete pThread;
    return exitCode;
}

TEST(WorkerThreadTest, RunsItsProcedureAsTheCurrentThreadAndEndsWithItsCode)
{
    CWinThread* pSeen = nullptr;
    CWinThread* pThread = AfxBeginThread(&WorkerProc, &pSeen, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    const CWinThread* pExpected = pThread;
    EXPECT_EQ(5u, RunToEnd(pThread));
    EXPECT_EQ(pExpected, pSeen);
}

// Answers a thread message by ending its loop with twice the message's value.
class CPingThread : public CWinThread {
    DECLARE_DYNCREATE(CPingThread)
public:
    BOOL InitInstance() override { return TRUE; }

protected:
    afx_msg void OnPing(WPARAM wParam, LPARAM) { ::PostQuitMessage(static_cast<int>(wParam) * 2); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CPingThread, CWinThread)

BEGIN_MESSAGE_MAP(CPingThread, CWinThread)
    ON_THREAD_MESSAGE(WM_AFXTEST_THREAD_PING, &CPingThread::OnPing)
END_MESSAGE_MAP()

TEST(UserInterfaceThreadTest, MessageLoopDispatchesThreadMessagesUntilQuit)
{
    EXPECT_EQ(nullptr, AfxBeginThread(RUNTIME_CLASS(CWnd))) << "a class that is no thread";
    CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CPingThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    // The thread has a queue only once its loop has started.
    const DWORD start = ::GetTickCount();
    while (!pThread->PostThreadMessage(WM_AFXTEST_THREAD_PING, 21, 0) && ::GetTickCount() - start < 5000)
        ::Sleep(5);
    EXPECT_EQ(42u, RunToEnd(pThread));
}

} // namespace

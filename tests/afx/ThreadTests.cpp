// Threads and the application object: the current thread's CWinThread and main window,
// with and without a CWinApp, worker threads and a user-interface thread's message loop.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT WM_AFXTEST_THREAD_PING = WM_APP + 21;

TEST(ApplicationTest, TestProgramRunsWithoutApplicationObject)
{
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(nullptr, AfxGetThread());
    EXPECT_EQ(nullptr, AfxGetMainWnd());
    EXPECT_EQ(::GetModuleHandleW(nullptr), AfxGetInstanceHandle());
    EXPECT_EQ(AfxGetInstanceHandle(), AfxGetResourceHandle());
}

TEST(ApplicationTest, ApplicationObjectIsTheThreadAndKnowsTheMainWindow)
{
    {
        CWinApp app(L"AfxTestApp");
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_EQ(&app, AfxGetThread());
        EXPECT_STREQ(L"AfxTestApp", app.m_pszAppName);
        EXPECT_STREQ(L"test_afx", app.m_pszExeName);

        CWnd frame;
        ASSERT_TRUE(afxtest::CreateHiddenFrame(frame));
        app.m_pMainWnd = &frame;
        EXPECT_EQ(&frame, AfxGetMainWnd());

        // Losing the main window ends the thread's loop.
        frame.DestroyWindow();
        EXPECT_EQ(nullptr, app.m_pMainWnd);
        MSG msg;
        EXPECT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    EXPECT_EQ(nullptr, AfxGetApp());
}

TEST(ApplicationTest, IconsAndCursorsLoadThroughTheApplication)
{
    CWinApp app;
    EXPECT_NE(nullptr, app.LoadStandardIcon(IDI_APPLICATION));
    EXPECT_NE(nullptr, app.LoadStandardCursor(IDC_ARROW));
    EXPECT_EQ(nullptr, app.LoadIcon(0x7BFE)); // no such icon anywhere in the chain
}

struct WorkerRecord {
    CWinThread* pSeenThread = nullptr;
    CWnd* pSeenMainWnd = nullptr;
};

UINT AFX_CDECL WorkerProc(LPVOID pParam)
{
    auto* pRecord = static_cast<WorkerRecord*>(pParam);
    pRecord->pSeenThread = AfxGetThread();
    pRecord->pSeenMainWnd = AfxGetMainWnd();
    return 5;
}

TEST(WorkerThreadTest, RunsItsProcedureAsTheCurrentThreadAndEndsWithItsCode)
{
    WorkerRecord record;
    CWinThread* pThread = AfxBeginThread(&WorkerProc, &record, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    DWORD exitCode = 0;
    ASSERT_TRUE(::GetExitCodeThread(pThread->m_hThread, &exitCode));
    EXPECT_EQ(5u, exitCode);
    EXPECT_EQ(pThread, record.pSeenThread);
    EXPECT_EQ(nullptr, record.pSeenMainWnd);
    delete pThread;
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
    CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CPingThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    // The thread has a queue only once its loop has started.
    const DWORD start = ::GetTickCount();
    while (!pThread->PostThreadMessage(WM_AFXTEST_THREAD_PING, 21, 0) && ::GetTickCount() - start < 5000)
        ::Sleep(5);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 5000));
    DWORD exitCode = 0;
    ASSERT_TRUE(::GetExitCodeThread(pThread->m_hThread, &exitCode));
    EXPECT_EQ(42u, exitCode);
    delete pThread;
}

TEST(UserInterfaceThreadTest, ClassThatIsNoThreadIsRefused)
{
    EXPECT_EQ(nullptr, AfxBeginThread(RUNTIME_CLASS(CWnd)));
}

} // namespace

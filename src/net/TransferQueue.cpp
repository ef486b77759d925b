// CTransferQueue: the worker loop of one transfer direction and its bounded stop.

#include "TransferQueue.h"

namespace {

const DWORD kPollMs = 2000;          // the worker looks at the queue at least this often
const DWORD kTerminatedWaitMs = 500; // for the end of a worker ended by force

// Waits for h until deadline (GetTickCount64). Messages that other threads send to this thread
// meanwhile are handled: a worker sending its completion message to a window of the waiting
// thread would otherwise wait for a thread that waits for it. Posted messages stay queued.
bool WaitTakingSentMessages(HANDLE h, ULONGLONG deadline)
{
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
        const DWORD result = ::MsgWaitForMultipleObjects(1, &h, FALSE, left, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + 1)
            return result == WAIT_OBJECT_0;
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE); // handles the sent ones
    }
}

} // namespace

CTransferQueue::CTransferQueue(Job run, Job abandon)
    : m_run(std::move(run)), m_abandon(std::move(abandon)), m_lst(10), m_bRunning(0), m_pCurrent(nullptr)
{
    ::InitializeCriticalSection(&m_cs);
}

CTransferQueue::~CTransferQueue()
{
    ASSERT(!m_hThread);
    DestroyQueued();
    ::DeleteCriticalSection(&m_cs);
}

bool CTransferQueue::Start()
{
    ASSERT(!m_hThread);
    m_hEvent.Reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_hEvent)
        return false;
    m_bRunning = 1;
    m_hThread.Reset(::CreateThread(nullptr, 0, &CTransferQueue::WorkerEntry, this, 0, nullptr));
    if (!m_hThread)
        m_bRunning = 0;
    return IsRunning();
}

void CTransferQueue::Add(CFileTranRequest* p)
{
    {
        const CCriticalSectionLock lock(m_cs);
        m_lst.AddTail(p);
    }
    ::SetEvent(m_hEvent.Get());
}

void CTransferQueue::Release(CFileTranRequest* p)
{
    CFileTranRequest* expected = p;
    m_pCurrent.compare_exchange_strong(expected, nullptr);
}

void CTransferQueue::BeginStop()
{
    m_bRunning = 0;
    ::SetEvent(m_hEvent.Get());
}

bool CTransferQueue::FinishStop(ULONGLONG deadline)
{
    bool ended = true;
    if (m_hThread) {
        ended = WaitTakingSentMessages(m_hThread.Get(), deadline);
        // The last resort, for a transfer the platform would not cancel. A job the worker had
        // not completed yet is completed here, as failed.
        if (!ended && ::TerminateThread(m_hThread.Get(), 1)) {
            ::WaitForSingleObject(m_hThread.Get(), kTerminatedWaitMs);
            if (CFileTranRequest* p = m_pCurrent.exchange(nullptr))
                m_abandon(p);
        }
        m_hThread.Reset();
    }
    m_bRunning = 0;
    DestroyQueued();
    return ended;
}

DWORD WINAPI CTransferQueue::WorkerEntry(LPVOID self)
{
    static_cast<CTransferQueue*>(self)->Work();
    return 0;
}

void CTransferQueue::Work()
{
    while (m_bRunning) {
        if (CFileTranRequest* p = TakeJob()) {
            m_pCurrent = p;
            m_run(p);
            continue;
        }
        ::WaitForSingleObject(m_hEvent.Get(), kPollMs);
        ::Sleep(1);
    }
    m_bRunning = 0;
}

CFileTranRequest* CTransferQueue::TakeJob()
{
    const CCriticalSectionLock lock(m_cs);
    return m_lst.IsEmpty() ? nullptr : static_cast<CFileTranRequest*>(m_lst.RemoveHead());
}

void CTransferQueue::DestroyQueued()
{
    // Without the lock: the worker is gone, and one ended by force may have died holding it.
    while (!m_lst.IsEmpty())
        delete static_cast<CFileTranRequest*>(m_lst.RemoveHead());
}

// CWThread: the worker loop, its start and stop, and the timer events.
//
// Two threads meet here: the owner, which starts and stops the worker and edits the timer
// events, and the worker, which runs Execute and the callbacks. The timer map is guarded by
// m_cs, held for a whole pass (callbacks included); the flags are atomics read by the worker
// before each step; the thread handle passes between the two by exchange, so exactly one of
// them closes it.

#include <WThread.h>

CWThread::CWThread()
    : m_bRunning(0), m_hThread(nullptr), m_bRunOnce(0), m_hEvent(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_dwThreadId(0), m_dwInterval(0), m_bWaitAfter(0)
{
    ::InitializeCriticalSection(&m_cs);
}

CWThread::~CWThread()
{
    ASSERT(m_hThread.load() == nullptr); // the derived destructor did not stop the worker
    StopThread(static_cast<int>(kDestroyWaitMs));
    ::DeleteCriticalSection(&m_cs);
}

int CWThread::StartThread(int interval, int waitAfter, int runOnce)
{
    m_dwInterval = static_cast<DWORD>(interval);
    m_bWaitAfter = waitAfter;
    m_bRunOnce = runOnce;
    if (m_hThread.load())
        return 0;
    m_bRunning = 1;
    // Created suspended so that the handle is stored before the worker can run: a run-once
    // worker that ended before the store would leave a handle of a dead thread behind.
    DWORD threadId = 0;
    CKernelHandle thread(::CreateThread(nullptr, 0, &CWThread::ThreadProc, this, CREATE_SUSPENDED, &threadId));
    if (!thread) {
        m_bRunning = 0;
        return 0;
    }
    m_dwThreadId = threadId;
    if (::ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
        ::TerminateThread(thread.Get(), kTerminatedExitCode);
        m_bRunning = 0;
        return 0;
    }
    m_hThread = thread.Release();
    return 0;
}

int CWThread::StopThread(int timeout)
{
    if (::GetCurrentThreadId() == m_dwThreadId && m_hThread.load()) {
        // Waiting for itself would end the worker by force in the middle of its cycle.
        m_bRunning = 0;
        return 1;
    }
    const CKernelHandle thread(m_hThread.exchange(nullptr));
    if (!thread)
        return 1;
    m_bRunning = 0;
    ::SetEvent(m_hEvent.Get());
    const DWORD wait = timeout == -1 ? INFINITE : timeout == 0 ? m_dwInterval.load() : static_cast<DWORD>(timeout);
    if (::WaitForSingleObject(thread.Get(), wait) != WAIT_TIMEOUT)
        return 1;
    if (::TerminateThread(thread.Get(), kTerminatedExitCode)) {
        if (::WaitForSingleObject(thread.Get(), kDestroyWaitMs) == WAIT_OBJECT_0)
            RecoverLockFrom(m_dwThreadId);
    }
    return 1;
}

void CWThread::ResetEvent()
{
    ::SetEvent(m_hEvent.Get());
}

void CWThread::ReadyToRun()
{
    if (!m_bWaitAfter)
        Wait();
    if (m_bRunning) {
        Execute();
        OnWTimer();
    }
    if (m_bWaitAfter)
        Wait();
}

int CWThread::AddTimerEvent(unsigned int id, unsigned int /*unused*/, PFN_WTIMER callback, int count)
{
    if (!callback)
        return 0;
    const CCriticalSectionLock lock(m_cs);
    m_mapTimers.emplace(id, TimerEvent{id, kTimerIntervalMs, 0, callback, static_cast<unsigned int>(count)});
    return 0;
}

int CWThread::RemoveTimerEvent(unsigned int id)
{
    const CCriticalSectionLock lock(m_cs);
    return m_mapTimers.erase(id) ? 1 : 0;
}

void CWThread::ClearTimerEvent()
{
    const CCriticalSectionLock lock(m_cs);
    m_mapTimers.clear();
}

DWORD WINAPI CWThread::ThreadProc(LPVOID object)
{
    CWThread* self = static_cast<CWThread*>(object);
    while (self->m_bRunning) {
        self->ReadyToRun();
        if (self->m_bRunOnce)
            break;
    }
    // Unless StopThread has taken the handle to wait on it, the worker closes it and so lets a
    // later StartThread make a new worker. The object is not touched after this.
    const CKernelHandle own(self->m_hThread.exchange(nullptr));
    return 0;
}

void CWThread::OnWTimer()
{
    const CCriticalSectionLock lock(m_cs);
    // Visited by identifier, never by a held iterator: a callback may add or remove events,
    // its own or others, or clear them all.
    for (auto it = m_mapTimers.begin(); it != m_mapTimers.end() && m_bRunning;) {
        const unsigned int id = it->first;
        FireIfDue(id);
        it = m_mapTimers.upper_bound(id);
    }
}

DWORD CWThread::TickCount() const
{
    return ::GetTickCount();
}

void CWThread::Wait()
{
    // Without an event (it could not be made) the worker still keeps its rhythm.
    if (::WaitForSingleObject(m_hEvent.Get(), m_dwInterval) == WAIT_FAILED)
        ::Sleep(m_dwInterval);
}

void CWThread::FireIfDue(unsigned int id)
{
    TimerEvent& event = m_mapTimers.at(id);
    const DWORD now = TickCount();
    if (now - event.dwLastTick <= event.nInterval) // unsigned: the wrap of the tick count is harmless
        return;
    event.dwLastTick = now;
    if (event.nRemaining != kUnlimited)
        --event.nRemaining; // a count of 0 becomes unlimited here
    const int goOn = (this->*event.pfnCallback)();
    const auto after = m_mapTimers.find(id); // the callback may have removed or replaced it
    if (after != m_mapTimers.end() && (!goOn || after->second.nRemaining == 0))
        m_mapTimers.erase(after);
}

void CWThread::RecoverLockFrom(DWORD deadThreadId)
{
    if (reinterpret_cast<DWORD_PTR>(m_cs.OwningThread) != deadThreadId)
        return;
    ::DeleteCriticalSection(&m_cs);
    ::InitializeCriticalSection(&m_cs);
}

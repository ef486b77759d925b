// CWThread: the base of a background worker. One thread waits on a wake-up event for at most an
// interval, runs the derived class's Execute, then a table of timer events, each of which calls
// a member function of the object at most once per second until it asks to stop or its count
// runs out. Hosts derive from it for periodic work off their user-interface thread.
#pragma once

#include "VoDef.h"

#include <afx.h>

#include <atomic>
#include <map>

class VO_API CWThread {
public:
    // A timer callback: a member function of the (derived) object; nonzero to go on.
    typedef int (CWThread::*PFN_WTIMER)();

    // Creates the wake-up event and the lock; no worker, no timer events.
    CWThread();
    // A derived class stops the worker in its own destructor (StopThread): the worker calls
    // Execute and the timer callbacks on the derived part, which is gone by the time this
    // destructor runs. A worker still running here is a misuse (asserted); in a release build
    // it is stopped as a last resort, waiting at most kDestroyWaitMs before ending it by force.
    virtual ~CWThread();

    CWThread(const CWThread&) = delete;
    CWThread& operator=(const CWThread&) = delete;

    // Stores the interval (ms each wait lasts at most), whether each cycle waits after its work
    // instead of before, and whether the worker ends after one cycle; starts the worker if there
    // is none, else the settings take effect from its next cycle. Always 0, also when the thread
    // cannot be created (m_hThread stays null).
    virtual int StartThread(int interval, int waitAfter, int runOnce);
    // Clears m_bRunning, wakes the worker and waits for it to end: -1 without limit, 0 for
    // m_dwInterval ms, else that many ms; a worker still running then is ended by force with
    // exit code kTerminatedExitCode. Returns at once without a worker, and without waiting when
    // called by the worker itself (it ends after its current cycle). Always 1.
    virtual int StopThread(int timeout);
    // The work of one cycle, supplied by the derived class; its result is ignored.
    virtual int Execute() = 0;

    // Sets the wake-up event: the worker's current or next wait ends at once.
    void ResetEvent();
    // Runs one cycle on the calling thread: the wait, then (while m_bRunning is set) Execute
    // and one timer pass, the wait coming after the work when m_bWaitAfter is set.
    void ReadyToRun();

    // Adds a timer event that calls callback on this object once per second (the second
    // argument is not used), count times (0 or -1: until the callback returns 0). An existing
    // event with the same identifier is kept unchanged; a null callback adds nothing. Always 0.
    int AddTimerEvent(unsigned int id, unsigned int unused, PFN_WTIMER callback, int count);
    // 1 when the event with this identifier was removed, 0 when there was none.
    int RemoveTimerEvent(unsigned int id);
    // Removes every timer event.
    void ClearTimerEvent();

    // The worker's entry; object is the CWThread. Returns 0.
    static DWORD WINAPI ThreadProc(LPVOID object);

    static constexpr DWORD kTerminatedExitCode = 69;
    static constexpr DWORD kDestroyWaitMs = 2000;
    static constexpr unsigned int kTimerIntervalMs = 1000;
    static constexpr unsigned int kUnlimited = 0xFFFFFFFF;

protected:
    // One pass over the timer events, in ascending identifier order, under the lock.
    void OnWTimer();
    // The tick count the timer events are measured with (GetTickCount); tests drive time
    // through it.
    virtual DWORD TickCount() const;

    struct TimerEvent {
        unsigned int nId;
        unsigned int nInterval; // always kTimerIntervalMs
        DWORD dwLastTick;       // tick count of the last firing, 0 before the first
        PFN_WTIMER pfnCallback;
        unsigned int nRemaining; // firings left; kUnlimited for no limit
    };

    std::atomic<int> m_bRunning; // written by the owner, read by the worker before each step
    // The worker's handle. Whoever ends the worker's life takes it (exchange with null) and is
    // the one that closes it: StopThread, or the worker itself when it leaves its loop.
    std::atomic<HANDLE> m_hThread;
    std::atomic<int> m_bRunOnce;
    CKernelHandle m_hEvent; // wake-up event: auto-reset, unnamed
    std::atomic<DWORD> m_dwThreadId;
    std::atomic<DWORD> m_dwInterval;
    std::atomic<int> m_bWaitAfter;
    std::map<unsigned int, TimerEvent> m_mapTimers; // under m_cs
    CRITICAL_SECTION m_cs;                          // re-entrant: a callback may edit the events

private:
    void Wait();
    // Fires the event with this identifier when it is due; a callback may change the map.
    void FireIfDue(unsigned int id);
    // After a forced end of the worker: a lock the dead worker held (it was stopped inside a
    // timer callback) would block every later edit of the events, so it is made anew.
    void RecoverLockFrom(DWORD deadThreadId);
};

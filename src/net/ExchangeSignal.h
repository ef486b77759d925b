// CExchangeSignal: what wakes a thread that waits for an asynchronous WinInet exchange: the
// completions WinInet reports from its own threads, and a cancel. Waits and wake-ups stay in user
// mode (a critical section and a condition variable): under Wine each set of an event and each
// wait for one is a call to the wine server, which cost about 4% of a request to a loopback
// server. One signal serves the exchanges of a channel in turn; each exchange keeps a share, as
// WinInet may still report to a request given up.
#pragma once

#include <afxlite/AfxScoped.h>

#include <windows.h>

#include <algorithm>

class CExchangeSignal {
public:
    enum class WaitEnd { Done, Deadline, Cancelled };

    CExchangeSignal();
    ~CExchangeSignal();

    CExchangeSignal(const CExchangeSignal&) = delete;
    CExchangeSignal& operator=(const CExchangeSignal&) = delete;

    // Wakes every wait: each ends cancelled, as do the waits that begin before Reset.
    void Cancel();
    void Reset();
    bool Cancelled();

    // Runs update (which makes a wait's condition true) under the signal's lock, then wakes the
    // waits.
    template <class Update>
    void Notify(Update update)
    {
        {
            CCriticalSectionLock lock(m_cs);
            update();
        }
        ::WakeAllConditionVariable(&m_changed);
    }

    // Waits until done() holds (asked under the lock), the deadline (a GetTickCount64 value)
    // passes or the signal is cancelled; a cancel goes first.
    template <class Done>
    WaitEnd Wait(Done done, ULONGLONG deadline)
    {
        CCriticalSectionLock lock(m_cs);
        for (;;) {
            if (m_bCancelled)
                return WaitEnd::Cancelled;
            if (done())
                return WaitEnd::Done;
            const ULONGLONG now = ::GetTickCount64();
            if (now >= deadline)
                return WaitEnd::Deadline;
            // A wake-up that changed nothing, or the time-out, only leads to another look.
            const DWORD timeoutMs = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, INFINITE - 1));
            ::SleepConditionVariableCS(&m_changed, &m_cs, timeoutMs);
        }
    }

private:
    CRITICAL_SECTION m_cs;
    CONDITION_VARIABLE m_changed;
    bool m_bCancelled = false; // under m_cs
};

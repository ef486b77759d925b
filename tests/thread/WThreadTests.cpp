// CWThread: the timer pass driven through a fake tick count (counts, the one-second rhythm, the
// wrap, callbacks that edit the events), the worker loop (waits before or after the work, run
// once and start again, the rhythm of cycles), stops (without worker, by the worker itself, of
// a stuck worker ended with exit code 69) and the destruction a host writes.
#include <WThread.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

// Anything near this bound means a stop or a wait hung.
const DWORD kBoundMs = 5000;

ULONGLONG MillisecondsOf(const std::function<void()>& action)
{
    const ULONGLONG start = GetTickCount64();
    action();
    return GetTickCount64() - start;
}

// A worker whose tick count is a number the test sets and each Execute advances. Its timer
// callbacks count their firings per event; event 3's callback returns 0 at its fourth firing.
// It stops its worker in its own destructor, as a host's class does.
class CProbeThread : public CWThread {
public:
    ~CProbeThread() override { StopThread(-1); }

    using CWThread::m_bRunning;
    using CWThread::m_hThread;
    using CWThread::OnWTimer;

    int Execute() override
    {
        m_dwNow += m_dwStep;
        ++m_nCycles;
        if (m_onExecute)
            m_onExecute();
        return 0;
    }
    DWORD TickCount() const override { return m_dwNow; }

    int Fire1() { return Fire(1); }
    int Fire2() { return Fire(2); }
    int Fire3() { return Fire(3) < 4; }
    int Fire4() { return Fire(4); }
    int Fire5() { return Fire(5); }

    void Add(unsigned int id, PFN_WTIMER callback, int count) { AddTimerEvent(id, 0, callback, count); }
    // Passes of the timer alone, on the test thread, each `step` ms after the one before.
    void Passes(int count, DWORD step)
    {
        m_bRunning = 1;
        for (int i = 0; i < count; ++i) {
            m_dwNow += step;
            OnWTimer();
        }
        m_bRunning = 0;
    }
    // A duplicate of the worker's handle, so that a test can wait for it and read its exit code
    // after the worker or StopThread has closed the original.
    HANDLE DuplicateWorker() const
    {
        HANDLE copy = nullptr;
        DuplicateHandle(GetCurrentProcess(), m_hThread.load(), GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        return copy;
    }

    std::atomic<DWORD> m_dwNow{0xFFFFF000}; // close to the wrap of the tick count
    DWORD m_dwStep = 0;
    std::atomic<int> m_nCycles{0};
    std::function<void()> m_onExecute;
    std::function<void(int)> m_onFire;
    int m_nFired[6] = {};
    std::vector<int> m_firingCycles; // the cycle of each firing of any event

private:
    int Fire(int event)
    {
        m_firingCycles.push_back(m_nCycles);
        if (m_onFire)
            m_onFire(event);
        return ++m_nFired[event];
    }
};

CWThread::PFN_WTIMER Callback(int (CProbeThread::*callback)())
{
    return static_cast<CWThread::PFN_WTIMER>(callback);
}

TEST(WThreadTimerTest, CountsOfOneNMinusOneAndZeroFireThatOften)
{
    CProbeThread probe;
    probe.Add(1, Callback(&CProbeThread::Fire1), 1);
    probe.Add(2, Callback(&CProbeThread::Fire2), 3);
    probe.Add(3, Callback(&CProbeThread::Fire3), -1);
    probe.Add(4, Callback(&CProbeThread::Fire4), 0);
    probe.Passes(10, 1001);

    EXPECT_EQ(1, probe.m_nFired[1]);
    EXPECT_EQ(3, probe.m_nFired[2]);
    EXPECT_EQ(4, probe.m_nFired[3]) << "-1 fires until the callback returns 0";
    EXPECT_EQ(10, probe.m_nFired[4]) << "0 fires without limit";
    EXPECT_EQ(0, probe.RemoveTimerEvent(1));
    EXPECT_EQ(0, probe.RemoveTimerEvent(2));
    EXPECT_EQ(0, probe.RemoveTimerEvent(3)) << "an event whose callback returned 0 is gone";
    EXPECT_EQ(1, probe.RemoveTimerEvent(4));
}

TEST(WThreadTimerTest, AnEventFiresAtOnceThenOnlyMoreThanASecondAfterItsLastFiring)
{
    CProbeThread probe;
    probe.Add(1, Callback(&CProbeThread::Fire1), -1);
    probe.Add(1, Callback(&CProbeThread::Fire2), 1); // same identifier: the first stays
    probe.Add(2, nullptr, 1);                        // no callback: nothing is added
    probe.Passes(1, 0);
    EXPECT_EQ(1, probe.m_nFired[1]) << "a new event fires on the first pass";
    probe.Passes(1, 1000);
    EXPECT_EQ(1, probe.m_nFired[1]) << "exactly a second later is not yet due";
    probe.Passes(1, 1); // the tick count wraps between these two firings
    EXPECT_EQ(2, probe.m_nFired[1]);
    probe.Passes(3, 1001);
    EXPECT_EQ(5, probe.m_nFired[1]) << "the first callback's unlimited count stands";
    EXPECT_EQ(0, probe.m_nFired[2]);
    EXPECT_EQ(0, probe.RemoveTimerEvent(2));

    probe.OnWTimer(); // m_bRunning is clear: nothing fires
    EXPECT_EQ(5, probe.m_nFired[1]);
}

TEST(WThreadTimerTest, CallbacksMayRemoveAddOrClearEventsDuringAPass)
{
    CProbeThread probe;
    probe.m_onFire = [&](int event) {
        if (event == 1) {
            probe.RemoveTimerEvent(2);
            probe.Add(5, Callback(&CProbeThread::Fire5), -1); // re-entrant lock on the worker
            probe.RemoveTimerEvent(1);                        // its own event
        }
        if (event == 5)
            probe.ClearTimerEvent();
    };
    probe.Add(1, Callback(&CProbeThread::Fire1), -1);
    probe.Add(2, Callback(&CProbeThread::Fire2), -1);
    probe.Add(3, Callback(&CProbeThread::Fire3), -1);
    probe.Add(4, Callback(&CProbeThread::Fire4), -1);
    probe.Passes(1, 0);

    EXPECT_EQ(1, probe.m_nFired[1]);
    EXPECT_EQ(0, probe.m_nFired[2]) << "removed before its turn";
    EXPECT_EQ(1, probe.m_nFired[3]);
    EXPECT_EQ(1, probe.m_nFired[4]);
    EXPECT_EQ(1, probe.m_nFired[5]) << "added with a higher identifier, visited in the same pass";
    for (unsigned int id = 1; id <= 5; ++id)
        EXPECT_EQ(0, probe.RemoveTimerEvent(id)) << id;
}

TEST(WThreadWorkerTest, WithCyclesOf300MsAnEventFiresEvery1200Ms)
{
    CProbeThread probe;
    probe.m_dwStep = 300;
    CKernelHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    probe.m_onExecute = [&] {
        if (probe.m_nCycles == 14) // the pass of cycle 13 is over
            SetEvent(done.Get());
    };
    probe.Add(1, Callback(&CProbeThread::Fire1), 0);
    probe.StartThread(1, 0, 0); // real waits of 1 ms; the fake clock says 300
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done.Get(), kBoundMs));
    probe.StopThread(-1);

    ASSERT_GE(probe.m_firingCycles.size(), 4u);
    EXPECT_EQ((std::vector<int>{1, 5, 9, 13}),
              std::vector<int>(probe.m_firingCycles.begin(), probe.m_firingCycles.begin() + 4));
}

TEST(WThreadWorkerTest, TheFirstCycleWaitsBeforeTheWorkUnlessWaitAfterIsSet)
{
    CKernelHandle executed(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    CProbeThread before;
    before.m_onExecute = [&] { SetEvent(executed.Get()); };
    before.StartThread(60000, 0, 0);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(executed.Get(), 200)) << "the first wait lasts the interval";
    before.ResetEvent();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(executed.Get(), kBoundMs)) << "ResetEvent ends the wait";
    EXPECT_LT(MillisecondsOf([&] { before.StopThread(-1); }), 1000u) << "the stop wakes the waiting worker";

    CProbeThread after;
    after.m_onExecute = [&] { SetEvent(executed.Get()); };
    after.StartThread(60000, 1, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(executed.Get(), kBoundMs)) << "the work comes first";
    EXPECT_LT(MillisecondsOf([&] { after.StopThread(-1); }), 1000u);
    EXPECT_EQ(1, after.m_nCycles);
}

TEST(WThreadWorkerTest, ARunOnceWorkerEndsByItselfAndALaterStartRunsAnother)
{
    CProbeThread probe;
    CKernelHandle release(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    probe.m_onExecute = [&] { WaitForSingleObject(release.Get(), kBoundMs); };
    for (int run = 1; run <= 2; ++run) {
        ResetEvent(release.Get());
        probe.StartThread(1, 0, 1);
        const CKernelHandle worker(probe.DuplicateWorker()); // the worker is held inside Execute
        ASSERT_TRUE(worker);
        SetEvent(release.Get());
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker.Get(), kBoundMs));
        EXPECT_EQ(nullptr, probe.m_hThread.load()) << "the worker closed its own handle";
        EXPECT_EQ(run, probe.m_nCycles);
        DWORD code = STILL_ACTIVE;
        EXPECT_TRUE(GetExitCodeThread(worker.Get(), &code));
        EXPECT_EQ(0u, code);
    }
    EXPECT_EQ(1, probe.StopThread(-1)) << "nothing left to stop";
}

TEST(WThreadStopTest, StopWithoutWorkerOrFromTheWorkerReturnsAtOnceAndAStuckWorkerEndsWithCode69)
{
    CProbeThread idle;
    EXPECT_LT(MillisecondsOf([&] { EXPECT_EQ(1, idle.StopThread(-1)); }), 100u);

    CProbeThread self;
    std::atomic<int> result{0};
    self.m_onExecute = [&] { result = self.StopThread(-1); };
    self.StartThread(1, 0, 0);
    const CKernelHandle worker(self.DuplicateWorker());
    ASSERT_TRUE(worker);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker.Get(), kBoundMs)) << "the worker ends after its cycle";
    EXPECT_EQ(1, result);
    EXPECT_EQ(1, self.m_nCycles);
    DWORD code = STILL_ACTIVE;
    GetExitCodeThread(worker.Get(), &code);
    EXPECT_EQ(0u, code) << "it ended normally, not by force";

    // A stuck worker is ended with exit code 69 after the interval.
    CKernelHandle never(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CKernelHandle inside(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CProbeThread probe;
    probe.m_onExecute = [&] {
        SetEvent(inside.Get());
        WaitForSingleObject(never.Get(), INFINITE);
    };
    probe.StartThread(100, 1, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(inside.Get(), kBoundMs));
    const CKernelHandle stuck(probe.DuplicateWorker());
    const ULONGLONG waited = MillisecondsOf([&] { EXPECT_EQ(1, probe.StopThread(0)); });
    EXPECT_GE(waited, 90u) << "StopThread(0) waits the interval";
    EXPECT_LT(waited, 1000u);
    ASSERT_TRUE(GetExitCodeThread(stuck.Get(), &code));
    EXPECT_EQ(69u, code);
    EXPECT_EQ(nullptr, probe.m_hThread.load());
}

TEST(WThreadStopTest, AWorkerEndedInsideATimerCallbackLeavesTheEventsUsable)
{
    CKernelHandle never(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CKernelHandle inside(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto probe = std::make_unique<CProbeThread>();
    probe->m_onFire = [&](int) {
        SetEvent(inside.Get());
        WaitForSingleObject(never.Get(), INFINITE);
    };
    probe->Add(1, Callback(&CProbeThread::Fire1), 1);
    probe->StartThread(1, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(inside.Get(), kBoundMs));
    probe->StopThread(50); // ends the worker while it holds the timer lock

    // Checked on a thread of its own, so that a lock still held fails the test instead of
    // hanging it.
    CKernelHandle edited(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    CProbeThread* raw = probe.get();
    std::thread([raw, &edited] {
        raw->Add(2, Callback(&CProbeThread::Fire2), 1);
        raw->ClearTimerEvent();
        SetEvent(edited.Get());
    }).detach();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(edited.Get(), kBoundMs)) << "the dead worker's lock blocks";
    EXPECT_LT(MillisecondsOf([&] { probe.reset(); }), 1000u);
}

// A host's worker: Execute fills a member of the derived class, and the derived destructor
// stops the worker before that member goes.
class CHostWorker : public CWThread {
public:
    ~CHostWorker() override { StopThread(1000); }
    int Execute() override
    {
        m_samples.push_back(static_cast<int>(m_samples.size()));
        if (m_samples.size() > 1000)
            m_samples.clear();
        return 0;
    }
    int OnTimer()
    {
        m_samples.push_back(-1);
        return 1;
    }

private:
    std::vector<int> m_samples;
};

TEST(WThreadLifetimeTest, AHostWorkerThatStopsInItsDestructorIsDestroyedSafelyWhileBusy)
{
    ULONGLONG longest = 0;
    for (int i = 0; i < 20; ++i) {
        auto worker = std::make_unique<CHostWorker>();
        worker->AddTimerEvent(1, 0, static_cast<CWThread::PFN_WTIMER>(&CHostWorker::OnTimer), 0);
        worker->StartThread(i % 2, i % 3 == 0, 0); // (almost) no waits: the worker is always busy
        Sleep(static_cast<DWORD>(i % 3));
        longest = std::max(longest, MillisecondsOf([&] { worker.reset(); }));
    }
    EXPECT_LT(longest, 1000u);
}

// A host's worker that forgets to stop: the base destructor would run while the worker may
// still call Execute on the destroyed derived part.
class CForgetfulWorker : public CWThread {
public:
    int Execute() override { return 0; }
};

TEST(WThreadDeathTest, DestroyingAWorkerThatIsStillRunningEndsTheProcess)
{
    EXPECT_DEATH(
        {
            CForgetfulWorker worker;
            worker.StartThread(60000, 0, 0);
        },
        "Assertion failed: .*WThread\\.cpp");
}

} // namespace

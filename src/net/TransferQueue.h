// CTransferQueue: one direction of CHttpFileTransmit: its queue of jobs under a critical
// section, the auto-reset event that wakes its worker, the running flag and the worker thread,
// which runs the jobs one by one. Stopping is bounded: the worker is waited for while the
// waiting thread still takes the messages sent to it (a worker may be sending it a completion
// message), and ended by force only when the bound has passed.
#pragma once

#include <FileTranRequest.h>

#include <afx.h>
#include <afxcoll.h>

#include <atomic>
#include <functional>

class CTransferQueue {
public:
    typedef std::function<void(CFileTranRequest*)> Job;

    // run carries out one job and completes it (message and destruction); abandon completes a
    // job whose worker had to be ended by force before it could.
    CTransferQueue(Job run, Job abandon);
    // Destroys the jobs still queued, without message. The worker must be stopped.
    ~CTransferQueue();

    CTransferQueue(const CTransferQueue&) = delete;
    CTransferQueue& operator=(const CTransferQueue&) = delete;

    // Creates the event and the worker; false (and stopped) when either cannot be made.
    bool Start();
    bool IsRunning() const { return m_bRunning != 0; }
    // Appends p (the queue owns it from now on) and wakes the worker.
    void Add(CFileTranRequest* p);
    // The worker's claim on the job in hand ends: called before the job's completion message, so
    // that a stop that ends the worker by force never completes the job a second time.
    void Release(CFileTranRequest* p);

    // First half of a stop: clears the running flag and wakes the worker.
    void BeginStop();
    // Second half: waits for the worker until `deadline` (GetTickCount64), taking the messages
    // sent to this thread meanwhile, ends it by force after that (its job is then abandoned),
    // and destroys the jobs still queued. True when the worker ended by itself.
    bool FinishStop(ULONGLONG deadline);

    // Guards the queue; the transmitter also guards the handles of the transfer in progress with
    // it, so that a stop can cancel that transfer.
    CRITICAL_SECTION& Lock() { return m_cs; }

private:
    static DWORD WINAPI WorkerEntry(LPVOID self);
    void Work();
    // The head of the queue, or null.
    CFileTranRequest* TakeJob();
    void DestroyQueued();

    Job m_run;
    Job m_abandon;
    CRITICAL_SECTION m_cs;
    CKernelHandle m_hEvent;
    CPtrList m_lst; // CFileTranRequest pointers, under m_cs
    std::atomic<LONG> m_bRunning;
    CKernelHandle m_hThread;
    std::atomic<CFileTranRequest*> m_pCurrent; // the job the worker has in hand
};

// CAnimationClock: the one timer that drives every emoticon of a user-interface thread (a
// client has one such thread, so one clock per process). Clients arm themselves with the time
// their next frame is due; the clock sets a single thread timer for the earliest of them, calls
// every client that is due, then makes the redraws they asked for in one pass. With no client
// armed there is no timer at all, and the clock's window goes with its last client.
#pragma once

#include "HostRedraw.h"

#include <windows.h>

#include <map>
#include <set>

class CAnimationClock {
public:
    class Client {
    public:
        // The client's time has come (it is no longer armed); it may arm itself again and add
        // redraws.
        virtual void OnClockTick(ULONGLONG ullNow, CHostRedraw& redraw) = 0;

    protected:
        ~Client() = default;
    };

    // The calling thread's clock, made on first use, with pClient as a member.
    static CAnimationClock* Join(Client* pClient);
    // pClient leaves (disarmed); the clock ends with its last member.
    void Leave(Client* pClient);

    void Arm(Client* pClient, ULONGLONG ullDue);
    void Disarm(Client* pClient);
    bool IsArmed(Client* pClient) const { return m_armed.count(pClient) != 0; }

    static ULONGLONG Now() { return ::GetTickCount64(); }

    // Forgets the clock's window class when the module unloads (no clock is left by then: it
    // ends with its last client, and the module unloads only without clients).
    static void UnregisterWindowClass(HINSTANCE hInstance);

private:
    HWND m_hWnd = nullptr;
    std::set<Client*> m_members;
    std::map<Client*, ULONGLONG> m_armed;
    bool m_bTimerSet = false;
    bool m_bTicking = false; // a client leaving during a tick does not end the clock under it

    CAnimationClock() = default;
    ~CAnimationClock();
    bool CreateWindowOnce();
    // Runs every client that is due now (or within the coalescing window).
    void Tick();
    void Schedule();
    static LRESULT CALLBACK WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// Pumping the test thread's messages as the framework's loops do (PreTranslateMessage included),
// until a condition holds or the queue is empty.
#pragma once

#include <afxwin.h>

#include <functional>

namespace testpump {

// Handles the queued messages until done() is true, the queue is empty (waitMs 0) or waitMs
// passed; returns done(). A WM_QUIT on the way is posted again and ends it.
inline bool PumpUntil(const std::function<bool()>& done, DWORD waitMs = 3000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (::GetTickCount() - start >= waitMs)
                return false;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return done();
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

// Handles what is already queued (posted messages, pending paints).
inline void PumpPending()
{
    PumpUntil([] { return false; }, 0);
}

} // namespace testpump

// Dispatches the calling thread's messages for a while or until a condition holds: for tests
// and benchmarks whose windows and timers must run while they wait.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches messages until done() holds (checked after each batch; null: never) or
// dwMilliseconds pass; whether done() held.
inline bool PumpUntil(DWORD dwMilliseconds, const std::function<bool()>& done)
{
    const ULONGLONG ullEnd = ::GetTickCount64() + dwMilliseconds;
    for (;;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (done && done())
            return true;
        const ULONGLONG ullNow = ::GetTickCount64();
        if (ullNow >= ullEnd)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ullEnd - ullNow), QS_ALLINPUT);
    }
}

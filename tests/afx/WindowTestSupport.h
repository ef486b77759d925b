// Helpers of the window-side framework tests: pumping the test thread's messages through
// the framework (PreTranslateMessage included) until a condition holds, and a plain hidden
// top-level window class to parent controls.
#pragma once

#include <afxwin.h>

#include <functional>

namespace afxtest {

// Handles the thread's messages as the framework's loops do until done() is true or
// timeoutMs passed; returns done(). A WM_QUIT found on the way is posted again and ends it.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000)
{
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs)
            return false;
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
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
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

// A hidden top-level window made by the framework with the given object.
inline BOOL CreateHiddenFrame(CWnd& wnd, LPCTSTR lpszTitle = L"afx test")
{
    return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                        lpszTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10, 10, 300, 200, nullptr, nullptr);
}

} // namespace afxtest

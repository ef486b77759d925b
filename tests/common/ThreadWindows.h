// The top-level windows of the test thread, for tests that count what a control leaves open or
// find the dialog it showed.
#pragma once

#include <windows.h>

#include <vector>

namespace threadwindows {

inline BOOL CALLBACK Collect(HWND hWnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
    return TRUE;
}

// Top-level windows of the calling thread, shown or not (tooltips and dialogs included).
inline std::vector<HWND> All()
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(::GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Whether the window is a dialog (the system's dialog class).
inline bool IsDialog(HWND hWnd)
{
    wchar_t szClass[16] = {};
    return ::GetClassNameW(hWnd, szClass, 16) && lstrcmpW(szClass, L"#32770") == 0;
}

// Dialog windows of the calling thread, shown or not.
inline std::vector<HWND> Dialogs()
{
    std::vector<HWND> dialogs;
    for (HWND hWnd : All()) {
        if (IsDialog(hWnd))
            dialogs.push_back(hWnd);
    }
    return dialogs;
}

} // namespace threadwindows
